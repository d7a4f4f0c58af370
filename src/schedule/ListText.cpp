#include "schedule/ListText.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "foundation/FloatFaults.h"
#include "store/Cp932.h"

namespace Schedule {

namespace {

bool StartsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark) {
  if (bytes.size() < static_cast<qsizetype>(mark.size())) return false;
  qsizetype i = 0;
  for (unsigned char b : mark)
    if (static_cast<unsigned char>(bytes[i++]) != b) return false;
  return true;
}

bool Ascii(const QByteArray& bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Decodes with Qt's decoder; false when the bytes are not of the encoding.
bool DecodeWith(QStringConverter::Encoding e, const QByteArray& bytes, QString& text) {
  QStringDecoder decoder(e, QStringConverter::Flag::Stateless);
  text = decoder.decode(bytes);
  return !decoder.hasError();
}

}  // namespace

QString EncodingName(Encoding e) {
  switch (e) {
    case Encoding::Cp932:
      return QStringLiteral("シフトJIS（コードページ 932）");
    case Encoding::Utf8:
      return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom:
      return QStringLiteral("UTF-8（BOM 付き）");
    case Encoding::Utf16Le:
      return QStringLiteral("UTF-16 LE（BOM 付き）");
    case Encoding::Utf16Be:
      return QStringLiteral("UTF-16 BE（BOM 付き）");
  }
  return QString();
}

DecodedText Decode(const QByteArray& bytes) {
  // Qt's and iconv's conversions may raise floating-point flags of their own.
  FloatFaults::Keep keep;
  DecodedText d;
  const QString notText = QStringLiteral("文字コードが %1 として読めません。");
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    d.encoding = Encoding::Utf8Bom;
    if (!DecodeWith(QStringConverter::Utf8, bytes.mid(3), d.text))
      d.problem = notText.arg(EncodingName(d.encoding));
    return d;
  }
  if (StartsWith(bytes, {0xFF, 0xFE}) || StartsWith(bytes, {0xFE, 0xFF})) {
    const bool little = static_cast<unsigned char>(bytes[0]) == 0xFF;
    d.encoding = little ? Encoding::Utf16Le : Encoding::Utf16Be;
    if (!DecodeWith(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, bytes.mid(2), d.text))
      d.problem = notText.arg(EncodingName(d.encoding));
    return d;
  }
  if (!Ascii(bytes) && DecodeWith(QStringConverter::Utf8, bytes, d.text)) {
    d.encoding = Encoding::Utf8;
    return d;
  }
  d.encoding = Encoding::Cp932;
  bool valid = true;
  d.text = Cp932::Decode(bytes, &valid);
  if (!valid)
    d.problem = QStringLiteral(
        "文字コードがシフトJIS（コードページ 932）でも UTF-8 でもありません。"
        "表計算ソフトで CSV（コンマ区切り）か UTF-8 の CSV として保存し直してください。");
  return d;
}

QByteArray Encode(const QString& text, Encoding e, bool* lossless) {
  FloatFaults::Keep keep;
  if (lossless) *lossless = true;
  switch (e) {
    case Encoding::Cp932:
      return Cp932::Encode(text, lossless);
    case Encoding::Utf8:
      return text.toUtf8();
    case Encoding::Utf8Bom:
      return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
      QStringEncoder encoder(e == Encoding::Utf16Le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                             QStringConverter::Flag::WriteBom);
      return encoder.encode(text);
    }
  }
  return QByteArray();
}

QChar DetectSeparator(const QString& text) {
  qsizetype tabs = 0, commas = 0;
  bool quoted = false;
  for (QChar c : text) {
    if (c == QLatin1Char('"'))
      quoted = !quoted;
    else if (!quoted && c == QLatin1Char('\t'))
      ++tabs;
    else if (!quoted && c == QLatin1Char(','))
      ++commas;
  }
  return tabs > commas ? QLatin1Char('\t') : QLatin1Char(',');
}

std::vector<Record> SplitRecords(const QString& text, QChar separator) {
  std::vector<Record> records;
  Record current;
  current.row = 1;
  QString field;
  bool quoted = false, fieldStarted = false;
  int row = 1;
  auto endField = [&] {
    current.cells << field;
    field.clear();
    fieldStarted = false;
  };
  auto endRecord = [&] {
    endField();
    // An empty line is one empty field: an empty record.
    if (current.cells.size() == 1 && current.cells.front().isEmpty()) current.cells.clear();
    records.push_back(std::move(current));
    current = Record();
    current.row = ++row;
  };
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == QLatin1Char('"')) {
        if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
          field += c;
          ++i;
        } else {
          quoted = false;
        }
      } else {
        field += c;
      }
      continue;
    }
    if (c == QLatin1Char('"') && !fieldStarted && field.trimmed().isEmpty()) {
      field.clear();
      quoted = true;
      fieldStarted = true;
    } else if (c == separator) {
      endField();
    } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
      endRecord();
    } else {
      field += c;
      if (!c.isSpace()) fieldStarted = true;
    }
  }
  // The last line needs no line end.
  if (!field.isEmpty() || !current.cells.isEmpty() || quoted) endRecord();
  return records;
}

QString JoinRecord(const QStringList& cells, QChar separator) {
  QStringList out;
  out.reserve(cells.size());
  for (const QString& cell : cells) {
    const bool quote = cell.contains(separator) || cell.contains(QLatin1Char('"')) ||
                       cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')) ||
                       (!cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace()));
    if (!quote) {
      out << cell;
      continue;
    }
    QString q = cell;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    out << QLatin1Char('"') + q + QLatin1Char('"');
  }
  return out.join(separator);
}

}  // namespace Schedule
