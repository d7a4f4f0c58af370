// Random cases of the four calculators with one insulation layer, with and
// without the options, and a checksum of every bit of their results. The
// checksums in LayersTest.cpp were taken from the calculators as they stood
// before insulation of more than one layer came in (this header compiled
// against them unchanged), so a match proves the one-layer results kept
// every bit.
#pragma once

#include <cstdint>
#include <cstring>

#include "FactoryCases.h"

namespace OneLayerCases {

// A fixed sequence (64-bit linear congruential, the top bits), the same on
// every platform, mapped onto [lo, hi).
class Draw {
 public:
  explicit Draw(uint64_t seed) : state_(seed) {}
  long double In(long double lo, long double hi) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return lo + (hi - lo) * static_cast<long double>(state_ >> 11) / 9007199254740992.0L;
  }
  bool Coin() { return In(0, 1) < 0.5L; }

 private:
  uint64_t state_;
};

// FNV-1a over the ten significant bytes of each value.
class Checksum {
 public:
  void Add(long double x) {
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &x, sizeof x);
    for (int i = 0; i < 10; ++i) hash_ = (hash_ ^ bytes[i]) * 1099511628211ULL;
  }
  uint64_t Value() const { return hash_; }

 private:
  uint64_t hash_ = 1469598103934665603ULL;
};

// The options, on for about half the cases: the automatic coefficient and a
// k(T) of either layer.
template <class Inputs>
void MaybeOptions(Inputs& in, Draw& d) {
  if (!d.Coin()) return;
  in.outer.on = d.Coin();
  in.outer.orientation =
      d.Coin() ? SurfaceCalc::Orientation::HorizontalPipe : SurfaceCalc::Orientation::VerticalWall;
  in.outer.wind = d.Coin() ? 0 : d.In(0.5L, 6);
  in.outer.length = d.In(0, 3);
  if (d.Coin()) in.k2T = {d.In(0, 1.5e-4L), d.In(0, 2e-7L)};
  if (d.Coin()) in.k1T = {d.In(-2e-4L, 2e-4L), 0};
}

inline uint64_t CylinderSum(int cases) {
  Draw d(11);
  Checksum sum;
  for (int i = 0; i < cases; ++i) {
    HeatLossCalc::CylinderInputs in = FactoryCases::FactoryCylinder();
    in.Ta = d.In(-10, 40);
    in.Ti = d.Coin() ? d.In(50, 450) : d.In(-60, 0);
    in.D1 = d.In(0.02L, 0.6L);
    in.t1 = d.In(0.002L, 0.009L);
    in.t2 = d.In(0.01L, 0.15L);
    in.k1 = d.In(15, 60);
    in.k2 = d.In(0.03L, 0.09L);
    in.h = d.In(3, 20);
    in.e = d.In(0.05L, 0.95L);
    in.L = d.In(0.5L, 50);
    MaybeOptions(in, d);
    const HeatLossCalc::CylinderResult r = HeatLossCalc::CylinderHeatLoss(in);
    for (long double x : {r.surface, r.interface, r.convective, r.radiative, r.total, r.coefficient})
      sum.Add(x);
  }
  return sum.Value();
}

inline uint64_t FlatPlateSum(int cases) {
  Draw d(12);
  Checksum sum;
  for (int i = 0; i < cases; ++i) {
    HeatLossCalc::FlatPlateInputs in = FactoryCases::FactoryPlate();
    in.Ta = d.In(-10, 40) + HeatLossCalc::kKelvin;
    in.Ti = (d.Coin() ? d.In(50, 600) : d.In(-60, 0)) + HeatLossCalc::kKelvin;
    in.A = d.In(0.5L, 30);
    in.h = d.In(3, 20);
    in.e = d.In(0.05L, 0.95L);
    in.L1 = d.In(0.005L, 0.3L);
    in.k1 = d.In(0.5L, 50);
    in.L2 = d.In(0.01L, 0.2L);
    in.k2 = d.In(0.03L, 0.12L);
    MaybeOptions(in, d);
    const bool cooling = i % 8 == 0;
    HeatLossCalc::CoolingInputs c = FactoryCases::FactoryCooling();
    c.bothFaces = d.Coin();
    const HeatLossCalc::FlatPlateResult r =
        cooling ? HeatLossCalc::FlatPlateCooling(in, c) : HeatLossCalc::FlatPlateSteady(in);
    for (long double x :
         {r.surface, r.interface, r.convective, r.radiative, r.total, r.flux, r.plate, r.coefficient})
      sum.Add(x);
  }
  return sum.Value();
}

inline uint64_t FlatWallSum(int cases) {
  Draw d(13);
  Checksum sum;
  for (int i = 0; i < cases; ++i) {
    HeatLossCalc::FlatWallInputs in = FactoryCases::FactoryWall();
    in.Ta = d.In(-10, 40) + HeatLossCalc::kKelvin;
    in.Tg = (d.Coin() ? d.In(100, 1200) : d.In(-60, 0)) + HeatLossCalc::kKelvin;
    in.A = d.In(0.5L, 30);
    in.hi = d.In(5, 40);
    in.ei = d.In(0.1L, 0.9L);
    in.h = d.In(3, 20);
    in.e = d.In(0.05L, 0.95L);
    in.L1 = d.In(0.005L, 0.3L);
    in.k1 = d.In(0.5L, 50);
    in.L2 = d.In(0.01L, 0.2L);
    in.k2 = d.In(0.03L, 0.12L);
    MaybeOptions(in, d);
    const HeatLossCalc::FlatWallResult r = HeatLossCalc::FlatWallTransmission(in);
    for (long double x : {r.outerSurface, r.innerSurface, r.interface, r.convective, r.radiative, r.total,
                          r.flux, r.coefficient})
      sum.Add(x);
  }
  return sum.Value();
}

inline uint64_t PipeFlowSum(int cases) {
  Draw d(14);
  Checksum sum;
  for (int i = 0; i < cases; ++i) {
    HeatLossCalc::PipeFlowInputs in = FactoryCases::FactoryPipe();
    in.Ta = d.In(-10, 40) + HeatLossCalc::kKelvin;
    in.Tin = (d.Coin() ? d.In(60, 300) : d.In(-40, 0)) + HeatLossCalc::kKelvin;
    in.Di = d.In(0.02L, 0.3L);
    in.t1 = d.In(0.002L, 0.01L);
    in.t2 = d.In(0.01L, 0.1L);
    in.k1 = d.In(15, 60);
    in.k2 = d.In(0.03L, 0.08L);
    in.V = d.In(0.5L, 20);
    in.Lp = d.In(5, 500);
    in.h = d.In(3, 20);
    in.e = d.In(0.05L, 0.95L);
    MaybeOptions(in, d);
    const HeatLossCalc::PipeFlowResult r = HeatLossCalc::PipeFlowTemperature(in);
    for (long double x : {r.fluid, r.wallFluidSide, r.boundary, r.wallAmbientSide, r.convective, r.radiative,
                          r.total, r.coefficient})
      sum.Add(x);
  }
  return sum.Value();
}

}  // namespace OneLayerCases
