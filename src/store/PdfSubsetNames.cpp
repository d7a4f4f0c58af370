#include "store/PdfSubsetNames.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <vector>

namespace {

// A PDF name ends at white space or a delimiter.
const QString kName = QStringLiteral(R"([^\s()<>\[\]{}/%]+)");

struct Insert {
  qsizetype at;
  QByteArray bytes;
};

// The bytes inserted before an offset of the original file.
qsizetype ShiftAt(const std::vector<Insert>& inserts, qsizetype offset) {
  qsizetype shift = 0;
  for (const Insert& i : inserts)
    if (i.at < offset) shift += i.bytes.size();
  return shift;
}

// Rewrites the cross-reference table that starts at xref (up to "trailer")
// with its in-use offsets moved; empty when it is not of the classic form.
QByteArray MovedTable(const QByteArray& pdf, qsizetype xref, qsizetype trailer,
                      const std::vector<Insert>& inserts) {
  QByteArray table = "xref\n";
  qsizetype at = xref + 4;
  while (at < trailer && (pdf[at] == '\n' || pdf[at] == '\r')) ++at;
  while (at < trailer) {
    // A subsection: "first count", then count entries of 20 bytes.
    const qsizetype end = pdf.indexOf('\n', at);
    if (end < 0 || end > trailer) return {};
    const QList<QByteArray> head = pdf.mid(at, end - at).trimmed().split(' ');
    bool ok1 = false, ok2 = false;
    if (head.size() != 2) return {};
    head[0].toLongLong(&ok1);
    const qsizetype count = head[1].toLongLong(&ok2);
    if (!ok1 || !ok2 || end + 1 + 20 * count > trailer) return {};
    table += head[0] + ' ' + head[1] + '\n';
    at = end + 1;
    for (qsizetype i = 0; i < count; ++i, at += 20) {
      QByteArray entry = pdf.mid(at, 20);
      bool ok = false;
      const qsizetype offset = entry.left(10).toLongLong(&ok);
      if (!ok || (entry[17] != 'n' && entry[17] != 'f')) return {};
      if (entry[17] == 'n')
        entry.replace(0, 10, QByteArray::number(offset + ShiftAt(inserts, offset)).rightJustified(10, '0'));
      table += entry;
    }
    while (at < trailer && (pdf[at] == '\n' || pdf[at] == '\r')) ++at;
  }
  return table;
}

}  // namespace

QByteArray TagSubsetFonts(const QByteArray& pdf) {
  const QString text = QString::fromLatin1(pdf);
  QHash<QString, QString> tags;  // bare name -> "QMAAAA+"
  static const QRegularExpression descriptor(QStringLiteral("/FontName /([A-Z]{6}\\+)(") + kName +
                                             QLatin1Char(')'));
  for (auto it = descriptor.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    tags.insert(m.captured(2), m.captured(1));
  }
  std::vector<Insert> inserts;
  static const QRegularExpression base(QStringLiteral("/BaseFont /(") + kName + QLatin1Char(')'));
  for (auto it = base.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (tags.contains(m.captured(1))) inserts.push_back({m.capturedStart(1), tags[m.captured(1)].toLatin1()});
  }
  if (inserts.empty()) return pdf;

  // The one cross-reference table, after every object.
  const qsizetype startxref = pdf.lastIndexOf("startxref");
  if (startxref < 0) return pdf;
  bool ok = false;
  const qsizetype xref = pdf.mid(startxref + 9, 24).trimmed().split('\n').front().trimmed().toLongLong(&ok);
  const qsizetype trailer = pdf.indexOf("trailer", xref);
  if (!ok || !pdf.mid(xref).startsWith("xref") || trailer < 0 || inserts.back().at > xref) return pdf;
  const QByteArray table = MovedTable(pdf, xref, trailer, inserts);
  if (table.isEmpty()) return pdf;

  QByteArray out;
  qsizetype from = 0;
  for (const Insert& i : inserts) {
    out += pdf.mid(from, i.at - from) + i.bytes;
    from = i.at;
  }
  out += pdf.mid(from, xref - from);
  const qsizetype newXref = out.size();
  out += table;
  out += pdf.mid(trailer, startxref - trailer);
  out += "startxref\n" + QByteArray::number(newXref) + "\n%%EOF\n";
  return out;
}
