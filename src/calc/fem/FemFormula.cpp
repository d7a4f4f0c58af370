#include "calc/fem/FemFormula.h"

namespace FemFormula {

std::string ColumnLetters(int column) {
  std::string letters;
  for (int c = column + 1; c > 0; c = (c - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
  return letters;
}

std::string SolveText(int m, int v) {
  const std::string first = std::to_string(v + 6);
  const std::string last = std::to_string(m + v + 5);
  const std::string matrixEnd = ColumnLetters(m + 1);
  const std::string rhs = ColumnLetters(m + 3);
  return "MMULT(MINVERSE(C" + first + ":" + matrixEnd + last + ")," + rhs + first + ":" + rhs + last + ")";
}

}  // namespace FemFormula
