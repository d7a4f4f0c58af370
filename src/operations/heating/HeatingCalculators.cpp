#include "operations/heating/HeatingCalculators.h"

#include <cmath>

#include "foundation/NumberText.h"
#include "calc/numeric/Rounding.h"
#include "widgets/Fields.h"
#include "calc/heating/ContentOnlyPower.h"
#include "calc/heating/GasHeating.h"
#include "calc/heating/HeaterPowerSearch.h"
#include "operations/heating/HeatingTables.h"
#include "operations/heating/HeatingTrace.h"
#include "operations/hints/FieldRules.h"
#include "calc/heating/WallHeating.h"

using namespace heating;

namespace {

const char* const kShortRiseTime = "上昇時間0.05ｈ以下は誤差が大きくなります。";
const char* const kLongRiseTime = "処理時間が長くなります。";
const char* const kDimensionsOutOfRange = "寸法が範囲を超えています。";
const char* const kTooLittleGas = "気体量が少な過ぎます。";
// A rise time of zero or below has no meaning; the calculations would run
// on it and show numbers (the power search would climb without end), so it
// is refused.
const char* const kNegativeRiseTime = "上昇時間は0より大きい値にしてください。";
const char* const kNoHeatingNeeded =
    "加熱は不要です。ヒーターなしでも上昇時間内に加熱後温度に達します（放熱損失は求められません）。";

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QString Integer(long double x) { return NumberText(Rounding::Nearest(x)); }

// The container's sides above 0, its wall's and its insulation's
// thicknesses and conductivities 0 or above (a conductivity of 0 is taken
// as 0.0001 W/m℃). False after a message that names the field.
bool ContainerSizesHold(Fields& f) {
  for (const char* side : {"Edit35", "Edit36", "Edit37"})
    if (!FieldRules::Positive(f, side)) return false;
  return FieldRules::Thickness(f, "Edit38") && FieldRules::NotNegative(f, "Edit53") &&
         FieldRules::Thickness(f, "Edit39") && FieldRules::NotNegative(f, "Edit52");
}

}  // namespace

bool HeatingCalculators::RequiredTexts() {
  for (const char* name : {"Edit35", "Edit36", "Edit37", "Edit38"})
    if (f.IsEmpty(name)) return false;
  if (f.IsEmpty("Edit39")) f.SetText("Edit39", QStringLiteral("0"));
  for (const char* name :
       {"Edit41", "Edit42", "Edit43", "Edit44", "Edit45", "Edit50", "Edit51", "Edit52", "Edit53"})
    if (f.IsEmpty(name)) return false;
  // A text test: "0.0" counts as a thickness.
  return !(f.Text("Edit38") == QStringLiteral("0") && f.Text("Edit39") == QStringLiteral("0"));
}

void HeatingCalculators::WriteVolumeAndMass(long double L, long double W, long double D) {
  f.SetText("Edit49", NumberText(L * W * D));
  const long double rho = f.Number("Edit44");
  f.SetText("Edit54", NumberText(rho * (L * W * D * 1000.0L)));
}

long double HeatingCalculators::Sigma() const {
  return f.Number("Edit15") * ToNumber(f.Modes().stefanBoltzmannFactor);
}

void HeatingCalculators::ContainerHeating() {
  if (!RequiredTexts()) return;
  TankInputs in{};
  in.insulated = f.Text("Edit39") != QStringLiteral("0");
  in.L = f.Number("Edit35");
  in.W = f.Number("Edit36");
  in.D = f.Number("Edit37");
  if (!ContainerSizesHold(f)) return;
  WriteVolumeAndMass(in.L, in.W, in.D);

  in.riseTime = f.Number("Edit43");
  if (!(in.riseTime > 0.0L)) {
    f.Message(Text(kNegativeRiseTime));
    return;
  }
  in.Ta = f.Number("Edit40") + kKelvin;
  in.T0 = f.Number("Edit41") + kKelvin;
  in.T1 = f.Number("Edit42") + kKelvin;
  in.volume = f.Number("Edit49");
  in.c = f.Number("Edit45");
  in.rho = f.Number("Edit44");
  in.wallMm = f.Number("Edit38");
  in.cWall = f.Number("Edit51");
  in.rhoWall = f.Number("Edit50");
  in.h = f.Number("Edit17");
  in.eps = f.Number("Edit16");
  in.sigma = Sigma();

  if (f.Modes().panels.heating.material == Material::Gas) {
    GasHeating();
    return;
  }

  in.wallLambda = f.Number("Edit53");
  in.insulationMm = f.Number("Edit39");
  in.insulationLambda = f.Number("Edit52");
  in.lid = f.Modes().panels.heating.lid;
  const Tank tank = MakeTank(in);
  const long double Q = HeaterPowerSearch(tank);
  if (trace_) {
    trace_->model = HeatingTrace::Model::Tank;
    trace_->tank = tank;
    trace_->tankPower = Q;
  }
  f.SetText("Edit46", Integer(Q));

  // Q = 0: the surroundings alone bring the contents to T1 in time.
  const bool noHeatingNeeded = Q == 0.0L;
  if (noHeatingNeeded)
    f.SetText("Edit47", QString());
  else
    f.SetText("Edit47", RoundedText(LossShare(Q, in.riseTime, in.T1, in.T0, ContentCapacity(in)), 1));

  const FinalLoss final = FinalTankLoss(tank);
  if (keepFinal_) keepFinal_(FinalState{in.T1, final.surface});
  f.SetText("Edit48", Integer(final.loss));
  if (noHeatingNeeded) f.Message(Text(kNoHeatingNeeded));
}

void HeatingCalculators::GasHeating() {
  if (f.IsEmpty("Edit43")) return;
  GasInputs in{};
  in.Ta = f.Number("Edit40") + kKelvin;
  in.T1 = f.Number("Edit42") + kKelvin;
  in.h = f.Number("Edit17");
  in.eps = f.Number("Edit16");
  in.sigma = Sigma();
  in.L = f.Number("Edit35");
  in.W = f.Number("Edit36");
  in.D = f.Number("Edit37");
  in.rho = f.Number("Edit44");
  in.c = f.Number("Edit45");
  in.rhoWall = f.Number("Edit50");
  in.cWall = f.Number("Edit51");
  in.wallMm = f.Number("Edit38");

  in.riseTime = f.Number("Edit43");
  if (in.riseTime < 0.05L) f.Message(Text(kShortRiseTime));
  if (in.riseTime > 6.0L) f.Message(Text(kLongRiseTime));
  // The limit is a number of whole steps: 100 h is 100000 steps, while
  // 100000 × 0.001 formed in floating point lies just below 100.
  if (!(nearbyintl(in.riseTime / kGasTimeStep) <= static_cast<long double>(kMaxGasSteps))) {
    f.Message(QStringLiteral("上昇時間が長過ぎるため計算しません（気体の加熱は %1ｈまでです）。")
                  .arg(NumberText(static_cast<long double>(kMaxGasSteps) * kGasTimeStep)));
    return;
  }

  const QString insulationText = f.Text("Edit39");
  in.insulated = !insulationText.isEmpty() && insulationText != QStringLiteral("0");
  in.wallLambda = f.Number("Edit53");
  in.insulationMm = f.Number("Edit39");
  in.insulationLambda = f.Number("Edit52");
  in.rise = f.Number("Edit42") - f.Number("Edit41");
  const GasBox box = MakeGasBox(in);

  // The gas starts at the ambient temperature: at or above T1 no power
  // can be found, and none is needed.
  const bool noHeatingNeeded = in.Ta >= in.T1;
  const long double best = noHeatingNeeded ? 0.0L : GasPowerSearch(box, trace_ ? trace_->stop : nullptr);
  if (trace_ && !trace_->Stopped()) {
    trace_->model = HeatingTrace::Model::Gas;
    trace_->box = box;
    trace_->gasPower = best;
  }
  f.SetText("Edit46", RoundedText(best, 1));
  const long double gasOnly = heating::ContentOnlyPower(in.c, f.Number("Edit54"), in.rise, in.riseTime);
  const MaterialRow& gas = MaterialRowOf(Material::Gas);
  f.SetText("Edit55", RoundedText(gasOnly, gas.contentDecimals));
  f.SetText("Label33", Text(gas.contentCaption));
  f.SetText("Edit47", noHeatingNeeded ? QString() : NumberText(GasLossShare(best, gasOnly)));
  f.SetText("Edit48", RoundedText(GasFinalLoss(box), 1));
  if (noHeatingNeeded) f.Message(Text(kNoHeatingNeeded));
}

void HeatingCalculators::WallHeating() {
  if (!RequiredTexts()) return;
  const long double L = f.Number("Edit35"), W = f.Number("Edit36"), D = f.Number("Edit37");
  for (const char* side : {"Edit35", "Edit36", "Edit37"})
    if (!FieldRules::Positive(f, side)) return;
  if (L < 0.001L || W < 0.001L || D < 0.005L) {
    f.Message(Text(kDimensionsOutOfRange));
    return;
  }
  WriteVolumeAndMass(L, W, D);
  const long double t = f.Number("Edit43");
  if (!(t > 0.0L)) {
    f.Message(Text(kNegativeRiseTime));
    return;
  }
  const long double T0 = f.Number("Edit41") + kKelvin;
  // The wall temperature is typed where the panel shows "壁面温度 ℃".
  const long double Th = f.Number("Edit40") + kKelvin;
  const long double V = f.Number("Edit49");
  const long double Cg = HeatCapacity(f.Number("Edit45"), f.Number("Edit44"), V);
  const long double h = f.Number("Edit17"), eps = f.Number("Edit16"), sigma = Sigma();
  const WalledGas gas{Th, T0, h, eps, sigma, BoxSurface(L, W, D), Cg};

  const long double dt = WallTimeStep(gas);
  // Counted in whole steps, as the integration counts them.
  if (!(nearbyintl(t / dt) <= static_cast<long double>(kMaxWallSteps))) {
    f.Message(QStringLiteral("計算の刻みが細か過ぎるため計算しません（時間刻み %1 秒で上限 %2 ステップ）。"
                             "上昇時間を短くするか、気体量を見直してください。")
                  .arg(NumberText(dt * 3600.0L))
                  .arg(kMaxWallSteps));
    return;
  }
  const auto steps = static_cast<long long>(nearbyintl(t / dt));
  // With a trace the integrations record its curves and watch its flag.
  const std::atomic<bool>* stop = trace_ ? trace_->stop : nullptr;
  const bool record = trace_ && trace_->wallCurvePoints > 0;
  if (record)
    for (WallCurve* c : {&trace_->convection, &trace_->radiation, &trace_->both})
      c->stride = curves::StrideFor(steps, trace_->wallCurvePoints);
  f.SetText(
      "Edit46",
      Integer(WallConvectionOnly(gas, steps, dt, record ? &trace_->convection : nullptr, stop) - kKelvin));
  f.SetText("Edit47", Integer(WallRadiationOnly(gas, steps, dt, record ? &trace_->radiation : nullptr, stop) -
                              kKelvin));
  const WallBothResult both =
      WallConvectionAndRadiation(gas, steps, dt, record ? &trace_->both : nullptr, stop);
  if (trace_ && !trace_->Stopped()) {
    trace_->model = HeatingTrace::Model::Wall;
    trace_->walled = gas;
    trace_->overshoot = both.overshoot;
  }
  if (both.overshoot) {
    f.Message(Text(kTooLittleGas));
    return;
  }
  f.SetText("Edit48", Integer(both.Tg - kKelvin));
}

void HeatingCalculators::ContentOnlyPower() {
  for (const char* name : {"Edit41", "Edit42", "Edit43", "Edit45", "Edit54"})
    if (f.IsEmpty(name)) return;
  const long double rise = f.Number("Edit42") - f.Number("Edit41");
  const long double mass = f.Number("Edit54");
  const long double c = f.Number("Edit45");
  const long double t = f.Number("Edit43");
  if (!(t > 0.0L)) return;  // refused by the heating run, which says so
  const long double P = heating::ContentOnlyPower(c, mass, rise, t);
  const MaterialRow& row = MaterialRowOf(f.Modes().panels.heating.material);
  f.SetText("Edit55", RoundedText(P, row.contentDecimals));
  f.SetText("Label33", Text(row.contentCaption));
}
