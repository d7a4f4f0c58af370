#include "calc/heatloss/FlatPlate.h"

#include "calc/numeric/Rounding.h"
#include "calc/heatloss/HeatGain.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

namespace {

constexpr int kStages = 5;
constexpr int kSteadyPoints = 31;
constexpr int kCoolingPoints = 12;

// The surface temperature at which the heat conducted from Tinner through
// the wall (U) just exceeds the surface loss.
long double SurfaceScan(long double Tinner, long double U, long double A, const FlatPlateInputs& in, int points) {
  // Colder than the air (also a cooling plate that starts below it): heat gain.
  if (Tinner < in.Ta) return FlatPlateGainSurface(Tinner, U, A, in, kStages, points);
  const long double Ta = in.Ta, h = in.h, e = in.e, sigma = in.sigma;
  return Scan::Refining(Ta - 100, kStages, points, [&](long double T) {
    return (Tinner - T) * U * A > SurfaceLoss(T, Ta, A, h, e, sigma).total;
  });
}

// Losses, interface temperature and flux density of a surface at Ts with the
// structure's inner side at Tinner.
FlatPlateResult Results(long double Ts, long double Tinner, long double A, const FlatPlateInputs& in) {
  const SurfaceLossParts q = SurfaceLoss(Ts, in.Ta, A, in.h, in.e, in.sigma);
  FlatPlateResult r;
  const long double Tm = Tinner - (q.total / A) * in.L1 / in.k1;
  r.interface = Tm - kKelvin;
  r.surface = Ts - kKelvin;
  r.faces = FlatFacesOutwards(Tm, q.total / A, in.inner, r.surface);
  r.convective = q.convective;
  r.radiative = q.radiative;
  r.total = q.total;
  r.flux = q.total / (A * 10000);
  r.plate = Tinner - kKelvin;
  r.coefficient = in.h;
  return r;
}

}  // namespace

long double FlatConductance(long double L1, long double k1, long double L2, long double k2) {
  return 1 / (L2 / k2 + L1 / k1);
}

long double FlatConductance(long double L1, long double k1, const InnerLayers& inner, long double L2,
                            long double k2) {
  long double resistance = L2 / k2;
  for (int j = inner.count - 1; j >= 0; --j) resistance = resistance + inner.layer[j].thickness / inner.layer[j].k;
  return 1 / (resistance + L1 / k1);
}

InsulationFaces FlatFacesOutwards(long double Tm, long double q, const InnerLayers& inner, long double surface) {
  InsulationFaces f;
  f.layers = inner.count + 1;
  f.at[0] = Tm - kKelvin;
  long double face = Tm;
  for (int j = 0; j < inner.count; ++j) {
    face = face - q * inner.layer[j].thickness / inner.layer[j].k;
    f.at[j + 1] = face - kKelvin;
  }
  f.at[f.layers] = surface;
  return f;
}

InsulationFaces FlatFacesInwards(long double Tm, long double Q, long double A, const InnerLayers& inner,
                                 long double surface) {
  InsulationFaces f;
  f.layers = inner.count + 1;
  f.at[f.layers] = surface;
  f.at[inner.count] = Tm - kKelvin;
  long double face = Tm;
  for (int j = inner.count - 1; j >= 0; --j) {
    face = Q / inner.layer[j].k / A * inner.layer[j].thickness + face;
    f.at[j] = face - kKelvin;
  }
  return f;
}

FlatPlateResult FlatPlateSteady(const FlatPlateInputs& in) {
  if (in.OptionsOn()) return FlatPlateSteadyWithOptions(in);
  const long double U = FlatConductance(in.L1, in.k1, in.inner, in.L2, in.k2);
  const long double Ts = SurfaceScan(in.Ti, U, in.A, in, kSteadyPoints);
  return Results(Ts, in.Ti, in.A, in);
}

long double CoolingTimeStep(long double hours) {
  return Rounding::Nearest(hours * 10000000 / kCoolingSteps) / 10000000;
}

curves::Point* BeginCoolingHistory(curves::Series* plate, long double Tp) {
  if (!plate) return nullptr;
  plate->assign(kCoolingSteps + 1, {0, Tp - kKelvin});
  return plate->data();
}

FlatPlateResult FlatPlateCooling(const FlatPlateInputs& in, const CoolingInputs& cooling, curves::Series* plate) {
  if (in.OptionsOn()) return FlatPlateCoolingWithOptions(in, cooling, plate);
  long double U = FlatConductance(in.L1, in.k1, in.inner, in.L2, in.k2);
  long double A = in.A;
  // Heat capacity of the structure, kcal/K, with the area as entered.
  const long double C = A * in.L1 * cooling.rho * 1000 * cooling.c;
  if (cooling.bothFaces) {
    U = FlatConductance(in.L1, in.k1 * 2, in.inner, in.L2, in.k2);
    A = A * 2;
  }
  long double Tp = in.Ti;
  const long double dt = CoolingTimeStep(cooling.hours);
  long double Ts = in.Ta - 100;
  curves::Point* history = BeginCoolingHistory(plate, Tp);
  for (int i = 0; i < kCoolingSteps; ++i) {
    Ts = SurfaceScan(Tp, U, A, in, kCoolingPoints);
    const long double Q = SurfaceLoss(Ts, in.Ta, A, in.h, in.e, in.sigma).total;
    // W, h and kcal/K combined as they stand.
    Tp = Tp - Q * dt / C;
    if (history) history[i + 1] = {(i + 1) * dt, Tp - kKelvin};
  }
  FlatPlateResult r = Results(Ts, Tp, A, in);
  // Both faces: the structure conducts from its middle over half its
  // thickness, as in U above, so the interface lies that far from Tp.
  if (cooling.bothFaces) {
    const long double Tm = Tp - (r.total / A) * in.L1 / (in.k1 * 2);
    r.interface = Tm - kKelvin;
    r.faces = FlatFacesOutwards(Tm, r.total / A, in.inner, r.surface);
  }
  return r;
}

}  // namespace HeatLossCalc
