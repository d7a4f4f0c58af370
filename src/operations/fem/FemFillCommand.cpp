#include "operations/fem/FemFillCommand.h"

#include "store/Cp932.h"

namespace {

// Index of the first character from `from` on that starts an element name.
qsizetype NameStart(const QString& s, bool wideT, qsizetype from = 0) {
  for (qsizetype i = from; i < s.size(); ++i)
    if (s[i] == QLatin1Char('T') || (wideT && s[i] == QChar(u'Ｔ'))) return i;
  return -1;
}

}  // namespace

int FemFillCommand::ColumnOf(const QString& text) {
  if (text.contains(QChar(u'λ'))) return 2;
  if (text.contains(QLatin1Char('A')) || text.contains(QChar(u'Ａ'))) return 3;
  if (text.contains(QLatin1Char('B')) || text.contains(QChar(u'Ｂ'))) return 4;
  return 0;
}

FemFillCommand FemFillCommand::Parse(const QString& text) {
  FemFillCommand c;
  c.column = ColumnOf(text);
  if (c.column == 0) return c;
  // The よこ and たて fills also take a full-width "Ｔ" before the names.
  const bool wideT = c.column != 2;
  const qsizetype i1 = NameStart(text, wideT);
  const QString valuePart = i1 < 0 ? text : text.left(i1);

  // The value: bytes 3 … 8 after the 2-byte "λ", bytes 2 … 7 after "A" or "B".
  if (c.column == 2) {
    c.value = Cp932::ByteMid(valuePart, 2, 6);
  } else {
    const QByteArray bytes = Cp932::Encode(valuePart);
    c.wideLetter = bytes.isEmpty() || (bytes[0] != 'A' && bytes[0] != 'B');
    c.value = Cp932::ByteMid(valuePart, 1, 6);
  }
  if (i1 < 0) return c;

  // The names: the second one starts at the next "T" within the 10 bytes
  // after the first "T" and has at most 5 bytes; the first one runs from
  // its "T" up to the second.
  const int p1 = Cp932::ByteLength(text.left(i1));  // from 0
  const int w1 = Cp932::ByteLength(text.mid(i1, 1));
  const QString rest = Cp932::ByteMid(text.mid(i1 + 1), 0, 10 - (w1 - 1));
  const qsizetype i2 = NameStart(rest, wideT);
  if (i2 < 0) {
    c.first = text.mid(i1, 1) + rest;
    return c;
  }
  const int p2 = Cp932::ByteLength(rest.left(i2));  // from 0
  c.second = Cp932::ByteMid(rest, p2, 5);
  c.first = Cp932::ByteMid(text, p1, w1 + p2);
  return c;
}
