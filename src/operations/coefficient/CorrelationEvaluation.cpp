#include "operations/coefficient/CorrelationEvaluation.h"

#include "calc/coefficient/ForcedConvection.h"
#include "calc/coefficient/MantissaExponent.h"
#include "calc/coefficient/NaturalConvection.h"
#include "calc/coefficient/SimpleCorrelations.h"
#include "foundation/NumberText.h"
#include "operations/coefficient/CorrelationCatalogue.h"
#include "operations/coefficient/FinWallEvaluation.h"
#include "operations/coefficient/InputMemory.h"
#include "operations/coefficient/ItemGrid.h"
#include "operations/common/CoefficientControls.h"
#include "widgets/Form.h"

namespace {

const QString kCheckInput = QStringLiteral("入力を確認してください。");

// The zero check leaves row 5 alone.
constexpr int kZeroCheckRows = 5;

std::string Key(const QString& number) { return number.toStdString(); }

}  // namespace

QString MantissaExponentText(long double x) {
  const MantissaExponentParts p = MantissaExponent(x);
  return NumberText(p.mantissa) + QLatin1Char('E') + NumberText(p.exponent);
}

CorrelationEvaluation::CorrelationEvaluation(Form& form, ItemGrid& grid, FinWallEvaluation& finWall,
                                             InputMemory& memory)
    : f(form), grid_(grid), finWall_(finWall), memory_(memory) {}

void CorrelationEvaluation::EvaluateCorrelation() {
  const QString number = f.Text(Coefficient::Number);
  // Fin 201 asks for its fin thickness and pitch only with a tube diameter,
  // and checks only its first row for completeness.
  const bool fin = number == QStringLiteral("201");
  if (fin) finWall_.ApplyTubeDiameterRule();
  if (grid_.CountMissing(fin ? 1 : ItemGrid::kRows) > 0 || grid_.CountZeros(kZeroCheckRows) > 0) {
    f.Message(kCheckInput);
    return;
  }
  const int n = ToInteger(number);
  switch (GroupOf(n)) {
    case CorrelationGroup::NaturalConvection:
      NaturalConvection(number);
      break;
    case CorrelationGroup::ForcedConvection:
      ForcedConvection(number);
      break;
    case CorrelationGroup::FinAndWall:
      finWall_.Evaluate(number);
      break;
    case CorrelationGroup::Simple:
      Simple(number);
      break;
  }
  memory_.RememberInputs();
}

std::optional<long double> SimpleOutcome(const ItemGrid& grid, const QString& number) {
  const SimpleCorrelation* c = FindSimpleCorrelation(Key(number));
  if (!c) return std::nullopt;
  long double v[ItemGrid::kRows] = {};
  for (int r = 0; r < c->inputs; ++r) v[r] = grid.Number(1, r);
  return c->h(v);
}

std::optional<ConvectionOutcome> NaturalOutcome(const ItemGrid& grid, const QString& number) {
  const long double L = grid.Number(1, 1);
  const long double nu = grid.Number(1, 2);
  const long double cp = grid.Number(1, 3);
  const long double rho = grid.Number(1, 4);
  const long double lambda = grid.Number(1, 5);
  if (grid.Text(1, 5) == QStringLiteral("0")) return std::nullopt;
  const long double T2 = grid.Number(3, 1);
  const long double T1 = grid.Number(3, 2);
  const long double beta = grid.Number(3, 3);

  NaturalInputs in;
  in.d = NaturalConvectionNumbers(L, nu, cp, rho, lambda, T2, T1, beta);
  in.L = L;
  long double Nu = 0;
  if (const NaturalCorrelation* c = FindNaturalCorrelation(Key(number))) {
    if (c->extras & kNaturalC) in.C = grid.Number(1, 0);
    if (c->extras & kNaturalX) in.X = grid.Number(3, 0);
    if (c->extras & kNaturalN) in.n = grid.Number(3, 4);
    if (c->extras & kNaturalM) in.m = grid.Number(3, 5);
    Nu = c->nu(in);
  }
  return ConvectionOutcome{CoefficientFromNusselt(Nu, lambda, L), Nu, in.d.Re, in.d.Pr, in.d.Gr, in.d.Ra};
}

std::optional<ConvectionOutcome> ForcedOutcome(const ItemGrid& grid, const QString& number) {
  if (grid.IsEmpty(1, 0)) return std::nullopt;
  const long double U = grid.Number(1, 0);
  const long double L = grid.Number(1, 1);
  const long double nu = grid.Number(1, 2);
  const long double cp = grid.Number(1, 3);
  const long double rho = grid.Number(1, 4);
  const long double lambda = grid.Number(1, 5);

  ForcedInputs in;
  in.d = ForcedConvectionNumbers(U, L, nu, cp, rho, lambda);
  in.L = L;
  in.mu = DynamicViscosity(nu, rho);
  long double Nu = 0;
  if (const ForcedCorrelation* c = FindForcedCorrelation(Key(number))) {
    if (c->extras & kForcedX) in.X = grid.Number(3, 0);
    if (c->extras & kForcedCM) {
      in.c = grid.Number(3, 1);
      in.m = grid.Number(3, 2);
    }
    if (c->extras & kForcedMuW) in.muW = grid.Number(3, 2);
    Nu = c->nu(in);
  }
  return ConvectionOutcome{CoefficientFromNusselt(Nu, lambda, L), Nu, in.d.Re, in.d.Pr};
}

void CorrelationEvaluation::Simple(const QString& number) {
  if (number == QStringLiteral("200")) {
    finWall_.EvaluateFinOnly();
    return;
  }
  if (const std::optional<long double> h = SimpleOutcome(grid_, number))
    f.SetText(Coefficient::Result, RoundedText(*h, kSimpleDecimals));
}

void CorrelationEvaluation::NaturalConvection(const QString& number) {
  if (f.IsEmpty(Coefficient::Formula)) return;
  const std::optional<ConvectionOutcome> o = NaturalOutcome(grid_, number);
  if (!o) return;
  f.SetText(Coefficient::Result, RoundedText(o->h, kNaturalDecimals));
  f.SetText(Coefficient::Reynolds, RoundedText(o->Re, 0));
  f.SetText(Coefficient::Prandtl, RoundedText(o->Pr, 3));
  f.SetText(Coefficient::Nusselt, RoundedText(o->Nu, kNaturalDecimals));
  f.SetText(Coefficient::Grashof, RoundedText(o->Gr, 0));
  f.SetText(Coefficient::Rayleigh, MantissaExponentText(o->Ra));
}

void CorrelationEvaluation::ForcedConvection(const QString& number) {
  if (f.IsEmpty(Coefficient::Formula)) return;
  const std::optional<ConvectionOutcome> o = ForcedOutcome(grid_, number);
  if (!o) return;
  f.SetText(Coefficient::Result, RoundedText(o->h, kForcedDecimals));
  f.SetText(Coefficient::Reynolds, RoundedText(o->Re, 2));
  f.SetText(Coefficient::Prandtl, RoundedText(o->Pr, 3));
  f.SetText(Coefficient::Nusselt, RoundedText(o->Nu, kForcedDecimals));
}
