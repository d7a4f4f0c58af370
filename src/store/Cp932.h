// Code page 932 (Japanese Windows Shift-JIS with its extensions ①, Ⅰ, ～,
// the full-width hyphen-minus of "デ－タ", ...), converted with iconv.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp932 {

// Text to bytes. A character that code page 932 cannot hold is written as
// "?" and reported through *lossless = false.
QByteArray Encode(const QString& text, bool* lossless = nullptr);

// Bytes to text. A byte sequence that is not code page 932 becomes U+FFFD
// and is reported through *valid = false.
QString Decode(const QByteArray& bytes, bool* valid = nullptr);

// Length of the text in code page 932 bytes (a full-width character is 2).
int ByteLength(const QString& text);

// The text of the bytes [start, start + count) of the text's code page 932
// form (start from 0). A double-byte character cut in half is dropped.
QString ByteMid(const QString& text, int start, int count = -1);

// True when every character of the text has a code page 932 form.
bool Representable(const QString& text);

}  // namespace Cp932
