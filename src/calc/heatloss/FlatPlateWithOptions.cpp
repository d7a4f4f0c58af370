// The flat plate with the automatic outer coefficient or k(T), steady and
// cooling: the scans of FlatPlate.cpp over the same points, testing whether
// both layers carry the surface's heat short of the inner temperature.
#include "calc/heatloss/GainScan.h"
#include "calc/heatloss/OuterSurfaces.h"
#include "calc/numeric/RefiningScan.h"
#include "calc/heatloss/WithOptions.h"

namespace HeatLossCalc {

namespace {

constexpr int kStages = 5;
constexpr int kSteadyPoints = 31;
constexpr int kCoolingPoints = 12;

class PlateWithOptions {
 public:
  // structureShare: the part of the structure's thickness that conducts (a
  // half when it cools from both faces, from its middle).
  PlateWithOptions(const FlatPlateInputs& in, long double A, long double structureShare)
      : in_(in),
        A_(A),
        L1_(in.L1 * structureShare),
        k1_(WithChange(in.k1, in.k1T)),
        h_(in.h, in.outer, OuterSurfaceOf(in)) {
    chain_.Add(WithChange(in.k2, in.k2T), in.L2);
    for (int j = in.inner.count - 1; j >= 0; --j) {
      const InsulationLayer& l = in.inner.layer[j];
      chain_.Add(WithChange(l.k, l.kT), l.thickness);
    }
    chain_.Add(k1_, L1_);
  }

  OuterConvection& Convection() { return h_; }

  // W/m² leaving the surface at T.
  long double Flux(long double T) const {
    return h_.Flux(T) + (Fourth(T) - Fourth(in_.Ta)) * in_.e * in_.sigma;
  }

  long double Surface(long double Tinner, int points) const {
    const long double Ta = in_.Ta;
    auto accept = [&](long double T) {
      if (const std::optional<bool> plain = PlainSide(T, Ta, Tinner)) return *plain;
      return ChainCarries(chain_, T - kKelvin, Flux(T), Tinner - kKelvin, nullptr);
    };
    if (Tinner < Ta) return GainThresholdScan(Ta, kStages, points, accept);
    return Scan::Threshold(Ta - 100, kStages, points, accept);
  }

  // The results of a surface at Ts with the structure's inner side at
  // Tinner, with h evaluated exactly at Ts.
  FlatPlateResult Results(long double Ts, long double Tinner) const {
    FlatPlateResult r;
    r.coefficient = h_.Coefficient(Ts);
    r.convective = (Ts - in_.Ta) * A_ * r.coefficient;
    r.radiative = (Fourth(Ts) - Fourth(in_.Ta)) * A_ * in_.e * in_.sigma;
    r.total = r.convective + r.radiative;
    // From the inner side through the structure, as without options, and
    // on outwards through the inner insulation layers.
    const long double TinnerC = Tinner - kKelvin, TsC = Ts - kKelvin;
    r.interface = SurfaceCalc::FaceWithin(k1_, TinnerC, -(r.total / A_) * L1_, TsC).value_or(TsC);
    r.surface = TsC;
    const int layers = chain_.count - 1;
    r.faces.layers = layers;
    r.faces.at[0] = r.interface;
    for (int j = 1; j < layers; ++j) {
      const int i = layers - j;  // the chain runs from the outside in
      r.faces.at[j] =
          SurfaceCalc::FaceWithin(chain_.k[i], r.faces.at[j - 1], -(r.total / A_) * chain_.per[i], TsC).value_or(TsC);
    }
    r.faces.at[layers] = TsC;
    r.flux = r.total / (A_ * 10000);
    r.plate = TinnerC;
    return r;
  }

 private:
  const FlatPlateInputs& in_;
  long double A_, L1_;
  SurfaceCalc::TemperatureConductivity k1_;
  LayerChain chain_;  // the insulation layers from the outside in, then the structure
  OuterConvection h_;
};

}  // namespace

FlatPlateResult FlatPlateSteadyWithOptions(const FlatPlateInputs& in) {
  const PlateWithOptions plate(in, in.A, 1);
  return plate.Results(plate.Surface(in.Ti, kSteadyPoints), in.Ti);
}

FlatPlateResult FlatPlateCoolingWithOptions(const FlatPlateInputs& in, const CoolingInputs& cooling,
                                            curves::Series* history) {
  // As FlatPlateCooling: the capacity with the area as entered; both faces
  // double the area and conduct from the middle of the structure.
  const long double C = in.A * in.L1 * cooling.rho * 1000 * cooling.c;
  const long double A = cooling.bothFaces ? in.A * 2 : in.A;
  PlateWithOptions plate(in, A, cooling.bothFaces ? 0.5L : 1);
  // The plate moves from Ti towards the air; its surface lies between.
  plate.Convection().Tabulate(in.Ta, in.Ti);
  long double Tp = in.Ti;
  const long double dt = CoolingTimeStep(cooling.hours);
  long double Ts = in.Ta - 100;
  curves::Point* points = BeginCoolingHistory(history, Tp);
  for (int i = 0; i < kCoolingSteps; ++i) {
    Ts = plate.Surface(Tp, kCoolingPoints);
    const long double Q = plate.Flux(Ts) * A;
    Tp = Tp - Q * dt / C;
    if (points) points[i + 1] = {(i + 1) * dt, Tp - kKelvin};
  }
  return plate.Results(Ts, Tp);
}

}  // namespace HeatLossCalc
