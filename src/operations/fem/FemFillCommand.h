// A fill command typed into the command cell (0,1) of the sheet: a letter,
// a value and two element names, for example "λ0.5T1T10" (λ = 0.5 into
// elements T1 … T10), "A30T1T4" (よこ) or "B20T2T6" (たて). Positions and
// lengths are counted in code page 932 bytes.
#pragma once

#include <QString>

struct FemFillCommand {
  int column = 0;  // 2 λ, 3 よこ, 4 たて; 0 when the text is no fill command
  QString value;   // at most 6 bytes after the letter
  QString first;   // name of the first element of the range
  QString second;  // name of the last element of the range
  // よこ or たて typed with a full-width letter: refused.
  bool wideLetter = false;

  // "λ" anywhere makes a λ fill, else "A" or "Ａ" a よこ fill, else "B" or
  // "Ｂ" a たて fill. "スミ" and an empty text are no command.
  static int ColumnOf(const QString& text);
  static FemFillCommand Parse(const QString& text);
};
