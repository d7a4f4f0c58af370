// The text of a line list as a spreadsheet saves it: the bytes told apart
// by their encoding (code page 932, UTF-8 with or without a byte-order mark,
// or UTF-16 with one, as "Unicode text" is saved), and the records split at
// the separator (a comma or a tab) with double quotes around a field that
// holds a separator, a quote (doubled) or a line end. The schedule is
// written back in the same encoding and with the same separator.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace Schedule {

enum class Encoding {
  Cp932,    // code page 932 (Shift JIS); a file of ASCII alone counts as this
  Utf8,     // UTF-8 without a byte-order mark
  Utf8Bom,  // UTF-8 with one
  Utf16Le,  // UTF-16 little-endian with a byte-order mark
  Utf16Be,  // UTF-16 big-endian with a byte-order mark
};

// The encoding's name as the output notes say it: "シフトJIS（コードページ 932）", ...
QString EncodingName(Encoding e);

struct DecodedText {
  Encoding encoding = Encoding::Cp932;
  QString text;
  // Empty when the bytes are text of the encoding found; else why not.
  QString problem;
};

// Tells the encoding from the bytes: a byte-order mark first, then UTF-8
// when the bytes are valid UTF-8 and not ASCII alone, else code page 932.
// Bytes that are none of them give a problem.
DecodedText Decode(const QByteArray& bytes);

// The text in the encoding, with its byte-order mark where it has one.
// *lossless is false when a character has no form in code page 932 (it is
// written as "?").
QByteArray Encode(const QString& text, Encoding e, bool* lossless = nullptr);

struct Record {
  int row = 0;  // the record's row as a spreadsheet numbers it, from 1
  QStringList cells;
};

// A tab when the lines hold more tabs than commas outside quotes, else a comma.
QChar DetectSeparator(const QString& text);

// The records of the text; a quoted field may hold line ends. Each record
// is one row of a spreadsheet, an empty line an empty record.
std::vector<Record> SplitRecords(const QString& text, QChar separator);

// One record as a line (without its line end): a field with the separator,
// a quote, a line end or blanks at either end is quoted.
QString JoinRecord(const QStringList& cells, QChar separator);

}  // namespace Schedule
