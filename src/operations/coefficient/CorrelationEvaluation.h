// 計算実行 of the coefficient panel: checks that every item asked for has a
// value, evaluates the formula of the number in Edit71 and writes h and the
// dimensionless numbers; then the typed values are remembered.
#pragma once

#include <QString>

class FinWallEvaluation;
class InputMemory;
class ItemGrid;
class Form;

// x as mantissa "E" exponent, the way the panel shows the Rayleigh number.
QString MantissaExponentText(long double x);

class CorrelationEvaluation {
 public:
  CorrelationEvaluation(Form& form, ItemGrid& grid, FinWallEvaluation& finWall, InputMemory& memory);

  void EvaluateCorrelation();

 private:
  void Simple(const QString& number);
  void NaturalConvection(const QString& number);
  void ForcedConvection(const QString& number);

  Form& f;
  ItemGrid& grid_;
  FinWallEvaluation& finWall_;
  InputMemory& memory_;
};
