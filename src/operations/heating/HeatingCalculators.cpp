#include "operations/heating/HeatingCalculators.h"

#include <cmath>

#include "calc/heating/ContentOnlyPower.h"
#include "calc/heating/GasHeating.h"
#include "calc/heating/HeaterPowerSearch.h"
#include "calc/heating/WallHeating.h"
#include "calc/numeric/Rounding.h"
#include "foundation/NumberText.h"
#include "operations/common/HeatingControls.h"
#include "operations/common/WindowControls.h"
#include "operations/heating/HeatingTables.h"
#include "operations/heating/HeatingTrace.h"
#include "operations/hints/FieldRules.h"
#include "widgets/Fields.h"

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
  for (const char* side : {Heating::Height, Heating::Width, Heating::Depth})
    if (!FieldRules::Positive(f, side)) return false;
  return FieldRules::Thickness(f, Heating::WallThickness) &&
         FieldRules::NotNegative(f, Heating::WallConductivity) &&
         FieldRules::Thickness(f, Heating::InsulationThickness) &&
         FieldRules::NotNegative(f, Heating::InsulationConductivity);
}

}  // namespace

bool HeatingCalculators::RequiredTexts() {
  for (const char* name : {Heating::Height, Heating::Width, Heating::Depth, Heating::WallThickness})
    if (f.IsEmpty(name)) return false;
  if (f.IsEmpty(Heating::InsulationThickness)) f.SetText(Heating::InsulationThickness, QStringLiteral("0"));
  for (const char* name : {Heating::Before, Heating::After, Heating::RiseTime, Heating::ContentDensity,
                           Heating::ContentHeat, Heating::ContainerDensity, Heating::ContainerHeat,
                           Heating::InsulationConductivity, Heating::WallConductivity})
    if (f.IsEmpty(name)) return false;
  // A text test: "0.0" counts as a thickness.
  return !(f.Text(Heating::WallThickness) == QStringLiteral("0") &&
           f.Text(Heating::InsulationThickness) == QStringLiteral("0"));
}

void HeatingCalculators::WriteVolumeAndMass(long double L, long double W, long double D) {
  f.SetText(Heating::Volume, NumberText(L * W * D));
  const long double rho = f.Number(Heating::ContentDensity);
  f.SetText(Heating::Mass, NumberText(rho * (L * W * D * 1000.0L)));
}

long double HeatingCalculators::Sigma() const {
  return f.Number(Surface::StefanBoltzmann) * ToNumber(f.Modes().stefanBoltzmannFactor);
}

void HeatingCalculators::ContainerHeating() {
  if (!RequiredTexts()) return;
  TankInputs in{};
  in.insulated = f.Text(Heating::InsulationThickness) != QStringLiteral("0");
  in.L = f.Number(Heating::Height);
  in.W = f.Number(Heating::Width);
  in.D = f.Number(Heating::Depth);
  if (!ContainerSizesHold(f)) return;
  WriteVolumeAndMass(in.L, in.W, in.D);

  in.riseTime = f.Number(Heating::RiseTime);
  if (!(in.riseTime > 0.0L)) {
    f.Message(Text(kNegativeRiseTime));
    return;
  }
  in.Ta = f.Number(Heating::Ambient) + kKelvin;
  in.T0 = f.Number(Heating::Before) + kKelvin;
  in.T1 = f.Number(Heating::After) + kKelvin;
  in.volume = f.Number(Heating::Volume);
  in.c = f.Number(Heating::ContentHeat);
  in.rho = f.Number(Heating::ContentDensity);
  in.wallMm = f.Number(Heating::WallThickness);
  in.cWall = f.Number(Heating::ContainerHeat);
  in.rhoWall = f.Number(Heating::ContainerDensity);
  in.h = f.Number(Surface::Coefficient);
  in.eps = f.Number(Surface::Emissivity);
  in.sigma = Sigma();

  if (f.Modes().panels.heating.material == Material::Gas) {
    GasHeating();
    return;
  }

  in.wallLambda = f.Number(Heating::WallConductivity);
  in.insulationMm = f.Number(Heating::InsulationThickness);
  in.insulationLambda = f.Number(Heating::InsulationConductivity);
  in.lid = f.Modes().panels.heating.lid;
  const Tank tank = MakeTank(in);
  const long double Q = HeaterPowerSearch(tank);
  if (trace_) {
    trace_->model = HeatingTrace::Model::Tank;
    trace_->tank = tank;
    trace_->tankPower = Q;
  }
  f.SetText(Heating::Result1, Integer(Q));

  // Q = 0: the surroundings alone bring the contents to T1 in time.
  const bool noHeatingNeeded = Q == 0.0L;
  if (noHeatingNeeded)
    f.SetText(Heating::Result2, QString());
  else
    f.SetText(Heating::Result2, RoundedText(LossShare(Q, in.riseTime, in.T1, in.T0, ContentCapacity(in)), 1));

  const FinalLoss final = FinalTankLoss(tank);
  if (keepFinal_) keepFinal_(FinalState{in.T1, final.surface});
  f.SetText(Heating::Result3, Integer(final.loss));
  if (noHeatingNeeded) f.Message(Text(kNoHeatingNeeded));
}

void HeatingCalculators::GasHeating() {
  if (f.IsEmpty(Heating::RiseTime)) return;
  GasInputs in{};
  in.Ta = f.Number(Heating::Ambient) + kKelvin;
  in.T1 = f.Number(Heating::After) + kKelvin;
  in.h = f.Number(Surface::Coefficient);
  in.eps = f.Number(Surface::Emissivity);
  in.sigma = Sigma();
  in.L = f.Number(Heating::Height);
  in.W = f.Number(Heating::Width);
  in.D = f.Number(Heating::Depth);
  in.rho = f.Number(Heating::ContentDensity);
  in.c = f.Number(Heating::ContentHeat);
  in.rhoWall = f.Number(Heating::ContainerDensity);
  in.cWall = f.Number(Heating::ContainerHeat);
  in.wallMm = f.Number(Heating::WallThickness);

  in.riseTime = f.Number(Heating::RiseTime);
  if (in.riseTime < 0.05L) f.Message(Text(kShortRiseTime));
  if (in.riseTime > 6.0L) f.Message(Text(kLongRiseTime));
  // The limit is a number of whole steps: 100 h is 100000 steps, while
  // 100000 × 0.001 formed in floating point lies just below 100.
  if (!(nearbyintl(in.riseTime / kGasTimeStep) <= static_cast<long double>(kMaxGasSteps))) {
    f.Message(QStringLiteral("上昇時間が長過ぎるため計算しません（気体の加熱は %1ｈまでです）。")
                  .arg(NumberText(static_cast<long double>(kMaxGasSteps) * kGasTimeStep)));
    return;
  }

  const QString insulationText = f.Text(Heating::InsulationThickness);
  in.insulated = !insulationText.isEmpty() && insulationText != QStringLiteral("0");
  in.wallLambda = f.Number(Heating::WallConductivity);
  in.insulationMm = f.Number(Heating::InsulationThickness);
  in.insulationLambda = f.Number(Heating::InsulationConductivity);
  in.rise = f.Number(Heating::After) - f.Number(Heating::Before);
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
  f.SetText(Heating::Result1, RoundedText(best, 1));
  const long double gasOnly = heating::ContentOnlyPower(in.c, f.Number(Heating::Mass), in.rise, in.riseTime);
  const MaterialRow& gas = MaterialRowOf(Material::Gas);
  f.SetText(Heating::ContentOnly, RoundedText(gasOnly, gas.contentDecimals));
  f.SetText(Heating::ContentOnlyCaption, Text(gas.contentCaption));
  f.SetText(Heating::Result2, noHeatingNeeded ? QString() : NumberText(GasLossShare(best, gasOnly)));
  f.SetText(Heating::Result3, RoundedText(GasFinalLoss(box), 1));
  if (noHeatingNeeded) f.Message(Text(kNoHeatingNeeded));
}

void HeatingCalculators::WallHeating() {
  if (!RequiredTexts()) return;
  const long double L = f.Number(Heating::Height), W = f.Number(Heating::Width), D = f.Number(Heating::Depth);
  for (const char* side : {Heating::Height, Heating::Width, Heating::Depth})
    if (!FieldRules::Positive(f, side)) return;
  if (L < 0.001L || W < 0.001L || D < 0.005L) {
    f.Message(Text(kDimensionsOutOfRange));
    return;
  }
  WriteVolumeAndMass(L, W, D);
  const long double t = f.Number(Heating::RiseTime);
  if (!(t > 0.0L)) {
    f.Message(Text(kNegativeRiseTime));
    return;
  }
  const long double T0 = f.Number(Heating::Before) + kKelvin;
  // The wall temperature is typed where the panel shows "壁面温度 ℃".
  const long double Th = f.Number(Heating::Ambient) + kKelvin;
  const long double V = f.Number(Heating::Volume);
  const long double Cg = HeatCapacity(f.Number(Heating::ContentHeat), f.Number(Heating::ContentDensity), V);
  const long double h = f.Number(Surface::Coefficient), eps = f.Number(Surface::Emissivity), sigma = Sigma();
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
      Heating::Result1,
      Integer(WallConvectionOnly(gas, steps, dt, record ? &trace_->convection : nullptr, stop) - kKelvin));
  f.SetText(
      Heating::Result2,
      Integer(WallRadiationOnly(gas, steps, dt, record ? &trace_->radiation : nullptr, stop) - kKelvin));
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
  f.SetText(Heating::Result3, Integer(both.Tg - kKelvin));
}

void HeatingCalculators::ContentOnlyPower() {
  for (const char* name :
       {Heating::Before, Heating::After, Heating::RiseTime, Heating::ContentHeat, Heating::Mass})
    if (f.IsEmpty(name)) return;
  const long double rise = f.Number(Heating::After) - f.Number(Heating::Before);
  const long double mass = f.Number(Heating::Mass);
  const long double c = f.Number(Heating::ContentHeat);
  const long double t = f.Number(Heating::RiseTime);
  if (!(t > 0.0L)) return;  // refused by the heating run, which says so
  const long double P = heating::ContentOnlyPower(c, mass, rise, t);
  const MaterialRow& row = MaterialRowOf(f.Modes().panels.heating.material);
  f.SetText(Heating::ContentOnly, RoundedText(P, row.contentDecimals));
  f.SetText(Heating::ContentOnlyCaption, Text(row.contentCaption));
}
