#include "schedule/LineSolve.h"

#include <algorithm>
#include <cmath>

#include "calc/design/DesignRuns.h"
#include "calc/design/DewPoint.h"
#include "calc/design/ThicknessSearch.h"
#include "calc/design/ThicknessSolve.h"
#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"

namespace Schedule {

namespace {

using namespace DesignCalc;

ThicknessAnswer SolveTarget(const LineCase& l, const Target& t) {
  return l.pipe ? SolveCylinderThickness(l.cylinder, t, l.stock, kDefaultMaxMm)
                : SolveFlatPlateThickness(l.flat, t, l.stock, kDefaultMaxMm);
}

long double QuantityAt(const LineCase& l, long double mm, TargetKind kind) {
  return l.pipe ? CylinderQuantity(l.cylinder, mm, kind) : FlatPlateQuantity(l.flat, mm, kind);
}

int RunsAt(const LineCase& l, long double mm) {
  return TracingCalc::RunsNeeded(l.trace, InsulationMetres(mm, kCylinderBare));
}

// The thinnest insulation for which N heater runs hold the line. The runs
// follow the loss, which first rises with the thickness below the critical
// radius and then falls, so the thicknesses that hold reach from one
// thickness up to the limit: the stepped search without a bound is exact.
ThicknessAnswer SolveRuns(const LineCase& l, long double runs) {
  ThicknessModel model;
  model.run = [&l](long double mm) { return ThicknessRun{static_cast<long double>(RunsAt(l, mm))}; };
  return SearchThickness(model, Goal{runs, true}, l.stock, kDefaultMaxMm);
}

bool Meets(const Target& t, long double q) {
  return t.kind == TargetKind::SurfaceAtLeast ? q >= t.value : q <= t.value;
}

// Whether the thickness meets the criterion in a forward run (the economic
// thickness asks nothing of it).
bool MeetsAt(const LineCase& l, const Criterion& c, long double mm) {
  switch (c.kind) {
    case CriterionKind::Economic:
      return true;
    case CriterionKind::HeaterRuns:
      return TracingCalc::RunsHold(l.trace, InsulationMetres(mm, kCylinderBare), static_cast<int>(c.value));
    default:
      break;
  }
  return Meets(c.target, QuantityAt(l, mm, c.target.kind));
}

QString Money(long double x) { return RoundedText(x, 0); }

// The reason of a criterion that gives no thickness.
QString Unanswered(const CriterionResult& r, ThicknessOutcome o, const std::vector<long double>& stock) {
  switch (o) {
    case ThicknessOutcome::NeverMeets:
      return QStringLiteral("「%1」は %2 mm までのどの厚さでも満たせません。")
          .arg(r.label, NumberText(kDefaultMaxMm));
    case ThicknessOutcome::NotApplicable:
      return QStringLiteral("「%1」はこの行には使えません。").arg(r.label);
    default:
      break;
  }
  const long double thickest = stock.empty() ? 0 : *std::max_element(stock.begin(), stock.end());
  return QStringLiteral("「%1」を満たす在庫厚さがありません（必要 %2 mm、在庫は %3 mm まで）。")
      .arg(r.label, r.exact, NumberText(thickest));
}

void Solve(const LineCase& l, LineResult& out) {
  out.pipe = l.pipe;
  out.outerDiameter = l.outerDiameter;
  QStringList reasons;
  for (const Criterion& c : l.criteria) {
    CriterionResult r;
    r.kind = c.kind;
    r.label = c.label;
    if (c.kind == CriterionKind::Economic) {
      const EconomicTable t = l.pipe ? CylinderEconomics(l.cylinder, l.costs, l.economics)
                                     : FlatPlateEconomics(l.flat, l.costs, l.economics);
      if (t.valid && t.best >= 0) {
        r.exactMm = r.needMm = t.rows[t.best].mm;
        r.exact = r.stock = NumberText(r.exactMm);
        r.answered = true;
      } else {
        reasons << QStringLiteral("経済的厚さの表を作れません。");
      }
      out.criteria.push_back(r);
      continue;
    }
    const ThicknessAnswer a =
        c.kind == CriterionKind::HeaterRuns ? SolveRuns(l, c.value) : SolveTarget(l, c.target);
    if (a.outcome == ThicknessOutcome::Solved) {
      r.exactMm = a.exactMm;
      r.exact = RoundedText(a.exactMm, 1);
      if (a.stockFound) {
        r.stock = NumberText(a.stockMm);
        r.needMm = a.stockMm;
        r.answered = true;
      }
    } else if (a.outcome == ThicknessOutcome::BareMeets) {
      r.exact = r.stock = QStringLiteral("0");
      r.answered = true;
    }
    if (!r.answered) reasons << Unanswered(r, a.outcome, l.stock);
    out.criteria.push_back(r);
  }

  // The forward runs: bare, and with the thickness chosen.
  auto run = [&l](long double mm) {
    struct Run {
      long double surface, total;
    };
    if (l.pipe) {
      HeatLossCalc::CylinderInputs in = l.cylinder;
      in.t2 = InsulationMetres(mm, kCylinderBare);
      const HeatLossCalc::CylinderResult r = HeatLossCalc::CylinderHeatLoss(in);
      return Run{r.surface, r.total};
    }
    HeatLossCalc::FlatPlateInputs in = l.flat;
    in.L2 = InsulationMetres(mm, kFlatPlateBare);
    const HeatLossCalc::FlatPlateResult r = HeatLossCalc::FlatPlateSteady(in);
    return Run{r.surface, r.total};
  };
  const auto lossText = [&l](long double w) { return l.pipe ? NumberText(w) : RoundHundredths(w); };
  const long double bare = run(0).total;
  out.bareLoss = lossText(bare);
  out.bareW = bare;

  if (!reasons.isEmpty()) {
    out.status =
        QStringLiteral("%1 行目: %2").arg(QString::number(out.row), reasons.join(QStringLiteral(" ")));
    return;
  }
  // The governing criterion needs the thickest insulation; the thinnest
  // stock thickness that every criterion accepts is chosen.
  int governing = 0;
  long double need = 0;
  for (size_t i = 0; i < out.criteria.size(); ++i) {
    const CriterionResult& r = out.criteria[i];
    if (r.exactMm > out.criteria[governing].exactMm) governing = static_cast<int>(i);
    need = std::max(need, r.needMm);
  }
  out.governing = out.criteria[governing].exactMm > 0 ? out.criteria[governing].label
                                                      : QStringLiteral("なし（保温なしで満たす）");
  auto all = [&](long double mm) {
    for (const Criterion& c : l.criteria)
      if (!MeetsAt(l, c, mm)) return false;
    return true;
  };
  if (!all(need)) {
    std::vector<long double> thicker;
    for (long double s : l.stock)
      if (s > need) thicker.push_back(s);
    std::sort(thicker.begin(), thicker.end());
    bool found = false;
    for (long double s : thicker)
      if (all(s)) {
        need = s;
        found = true;
        break;
      }
    if (!found) {
      out.status =
          QStringLiteral("%1 行目: どの在庫厚さでもすべての基準を同時には満たせません。").arg(out.row);
      return;
    }
  }
  out.chosen = true;
  out.chosenMm = need;
  out.thickness = NumberText(need);
  const auto r = run(need);
  out.surface = RoundHundredths(r.surface);
  out.loss = lossText(r.total);
  out.lossW = r.total;
  out.lossPerUnit = RoundHundredths(r.total / (l.pipe ? l.length : l.area));
  out.length = l.pipe ? l.length : 0;
  out.area = l.pipe ? 0 : l.area;
  if (l.humidity) {
    const Condensation check = CheckCondensation(r.surface, l.ambient, *l.humidity);
    out.dewPoint = RoundHundredths(check.dewPoint);
    out.dewMargin = RoundHundredths(r.surface - check.dewPoint);
  }
  for (const Criterion& c : l.criteria)
    if (c.kind == CriterionKind::HeaterRuns) out.runs = QString::number(RunsAt(l, need));
  if (l.hours) {
    // As the economics page counts a year: the heat over the hours, the
    // energy bought for it, its cost and CO2.
    const EconomicInputs& e = l.economics;
    auto energy = [&e](long double w) { return fabsl(w) * e.hoursPerYear / 1000 / e.efficiency; };
    out.yearly = true;
    out.energyKWh = energy(r.total);
    out.costYen = out.energyKWh * e.pricePerKWh;
    out.co2Kg = out.energyKWh * e.co2PerKWh;
    out.savedKWh = energy(bare) - out.energyKWh;
    out.savedYen = out.savedKWh * e.pricePerKWh;
    out.savedKg = out.savedKWh * e.co2PerKWh;
    out.energy = RoundedText(out.energyKWh, 1);
    out.cost = Money(out.costYen);
    out.co2 = RoundedText(out.co2Kg, 1);
    out.savedEnergy = RoundedText(out.savedKWh, 1);
    out.savedCost = Money(out.savedYen);
    out.savedCo2 = RoundedText(out.savedKg, 1);
  }
  out.answered = true;
  out.status = QStringLiteral("OK");
}

}  // namespace

LineResult SolveLine(const ReadingContext& context, int index) {
  const Record& record = context.list.lines[index];
  LineResult out;
  out.index = index;
  out.row = record.row;
  // The flags are this thread's: cleared before the line, checked after it,
  // as the window checks them before it shows a result.
  FloatFaults::Clear();
  try {
    const CaseOrReason c = CaseOf(context, record);
    if (!c.line) {
      out.status = c.reason;
      FloatFaults::Clear();
      return out;
    }
    Solve(*c.line, out);
    FloatFaults::Check();
  } catch (const AppError& e) {
    FloatFaults::Clear();
    LineResult failed;
    failed.index = index;
    failed.row = record.row;
    failed.status =
        QStringLiteral("%1 行目: 計算できません（%2）。").arg(QString::number(record.row), e.text());
    return failed;
  }
  return out;
}

}  // namespace Schedule
