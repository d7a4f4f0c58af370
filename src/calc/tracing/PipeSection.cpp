#include "calc/tracing/PipeSection.h"

#include <cmath>

namespace TracingCalc {

using HeatLossCalc::Fourth;
using HeatLossCalc::kKelvin;
using HeatLossCalc::kPi;

namespace {

HeatLossCalc::AutoCoefficient WithWind(HeatLossCalc::AutoCoefficient a, long double wind) {
  a.wind = wind;
  return a;
}

}  // namespace

PipeSection::PipeSection(const HeatLossCalc::CylinderInputs& in, long double airC, long double wind,
                         bool tabulate, long double topC)
    : k1_(HeatLossCalc::WithChange(in.k1, in.k1T)),
      k2_(HeatLossCalc::WithChange(in.k2, in.k2T)),
      // Each layer's integral of k per watt and metre, as the cylinder with
      // options forms it.
      per1_(logl(in.D1 / (in.D1 - 2 * in.t1)) / (2 * kPi)),
      per2_(logl((in.t2 * 2 + in.D1) / in.D1) / (2 * kPi)),
      P_((in.t2 * 2 + in.D1) * kPi),
      R_(in.e * in.sigma * P_),
      airC_(airC),
      TaK_(airC + kKelvin),
      h_(in.h, WithWind(in.outer, wind),
         HeatLossCalc::CylinderSurface(WithWind(in.outer, wind), airC, in.t2 * 2 + in.D1, in.L)) {
  if (tabulate) h_.Tabulate(TaK_, topC + kKelvin);
}

long double PipeSection::SurfaceLoss(long double TsK) const {
  return h_.Flux(TsK) * P_ + (Fourth(TsK) - Fourth(TaK_)) * R_;
}

std::optional<long double> PipeSection::PipeBehind(long double TsC, long double q) const {
  if (!(SurfaceCalc::ConductivityAt(k2_, TsC) > 0)) return std::nullopt;
  const std::optional<long double> between =
      SurfaceCalc::FaceWithin(k2_, TsC, q * per2_, SurfaceCalc::ConductivityEndAbove(k2_, TsC));
  if (!between || !(SurfaceCalc::ConductivityAt(k1_, *between) > 0)) return std::nullopt;
  return SurfaceCalc::FaceWithin(k1_, *between, q * per1_, SurfaceCalc::ConductivityEndAbove(k1_, *between));
}

SectionState PipeSection::Held(long double pipeC) const {
  // The surface lies between the air and the pipe: the root of the inner
  // face behind it less the pipe temperature.
  auto behind = [&](long double T) -> std::optional<long double> {
    const std::optional<long double> pipe = PipeBehind(T - kKelvin, SurfaceLoss(T));
    if (!pipe) return std::nullopt;
    return *pipe - pipeC;
  };
  const long double pipeK = pipeC + kKelvin;
  if (!(pipeK > TaK_)) return {pipeC, airC_, 0};
  const long double T = RisingRoot(TaK_, airC_ - pipeC, pipeK, behind(pipeK), behind);
  return {pipeC, T - kKelvin, SurfaceLoss(T)};
}

}  // namespace TracingCalc
