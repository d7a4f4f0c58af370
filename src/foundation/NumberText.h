// Numbers live as text in fields and cells. These functions convert such a
// text into an 80-bit number and back, in the one format every result uses.
#pragma once

#include <QString>

// The half-width form of the characters a number may hold, as a Japanese
// input method types them full-width: "５０" -> "50", "－１．５" -> "-1.5",
// "１Ｅ３" -> "1E3", the full-width blank -> " ". Other characters stay.
QString HalfWidthNumber(const QString& text);

// Text to number. Accepted: optional blanks around, optional sign, digits
// with an optional "." and fraction, optional exponent "E"/"e" with sign;
// each also in its full-width form (HalfWidthNumber).
// Anything else, and a value out of range, throws ConversionError with
// "'%s' は浮動小数点数ではありません".
long double ToNumber(const QString& text);

// Same grammar; false instead of an exception.
bool TryToNumber(const QString& text, long double& value);

// Text to integer (optional leading blanks, sign, digits; nothing after).
// Throws ConversionError with "'%s' は整数ではありません".
int ToInteger(const QString& text);
bool TryToInteger(const QString& text, int& value);

// The general number format: shortest text with up to 15 significant
// digits, fixed point from 0.0001 up to 10^15, otherwise mantissa, "E" and
// the exponent without "+" or leading zeros (1E-5, 1E15). Zero is "0".
QString NumberText(long double x);

// x rounded to k decimals (halves to even), in the general format.
QString RoundedText(long double x, int decimals);

// x rounded to hundredths (halves to even), in the general format.
QString RoundHundredths(long double x);
