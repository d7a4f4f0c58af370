// 計算実行 of the coefficient panel: checks that every item asked for has a
// value, evaluates the formula of the number in Edit71 and writes h and the
// dimensionless numbers; then the typed values are remembered.
#pragma once

#include <QString>
#include <optional>

class FinWallEvaluation;
class InputMemory;
class ItemGrid;
class Form;

// x as mantissa "E" exponent, the way the panel shows the Rayleigh number.
QString MantissaExponentText(long double x);

// What a convection formula gives on the items of the grid.
struct ConvectionOutcome {
  long double h, Nu;
  long double Re, Pr;
  long double Gr = 0, Ra = 0;  // natural convection only
};

// The decimals the panel shows h and Nu with.
inline constexpr int kSimpleDecimals = 2;   // h of the simple formulas
inline constexpr int kNaturalDecimals = 1;  // h and Nu of natural convection
inline constexpr int kForcedDecimals = 2;   // h and Nu of forced convection

// One formula on the items of the grid, exactly as 計算実行 evaluates it
// (the values read in the panel's order, a pending fault or a text that is
// no number ending it with its error), without writing anything. Empty when
// the panel writes nothing: a conductivity that reads "0" (natural), no
// velocity (forced), a number without a formula (simple).
std::optional<ConvectionOutcome> NaturalOutcome(const ItemGrid& grid, const QString& number);
std::optional<ConvectionOutcome> ForcedOutcome(const ItemGrid& grid, const QString& number);
std::optional<long double> SimpleOutcome(const ItemGrid& grid, const QString& number);

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
