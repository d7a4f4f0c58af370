// Inputs of the heating models for the tests and the benchmarks: the shipped
// liquid, gas and wall-heating conditions, in kelvin.
#pragma once

#include "calc/heating/GasHeating.h"
#include "calc/heating/HeaterPowerSearch.h"
#include "calc/heating/WallHeating.h"

namespace cases {

inline constexpr long double kSigma = 5.670374419L * 0.00000001L;

// A 1 m3 water tank of 3 mm stainless steel, 15 -> 80 ℃ in 3 h.
inline heating::TankInputs WaterTank(long double insulationMm, bool lid) {
  heating::TankInputs in{};
  in.L = in.W = in.D = 1.0L;
  in.volume = 1.0L;
  in.wallMm = 3.0L;
  in.wallLambda = 16.0L;
  in.insulationMm = insulationMm;
  in.insulationLambda = 0.045L;
  in.Ta = 20.0L + heating::kKelvin;
  in.T0 = 15.0L + heating::kKelvin;
  in.T1 = 80.0L + heating::kKelvin;
  in.riseTime = 3.0L;
  in.rho = 1.0L;
  in.c = 1.0L;
  in.rhoWall = 7.9L;
  in.cWall = 0.12L;
  in.h = 9.0L;
  in.eps = 0.9L;
  in.sigma = kSigma;
  in.insulated = insulationMm != 0.0L;
  in.lid = lid;
  return in;
}

// Air in a 2 x 1 x 1 m box of 2 mm steel, to 60 ℃ from an ambient of 20 ℃.
inline heating::GasInputs AirBox(long double riseTime, long double T0Celsius = 10.0L) {
  heating::GasInputs in{};
  in.L = 2.0L;
  in.W = in.D = 1.0L;
  in.wallMm = 2.0L;
  in.wallLambda = 50.0L;
  in.insulationMm = 0.0L;
  in.insulationLambda = 0.045L;
  in.insulated = false;
  in.Ta = 20.0L + heating::kKelvin;
  in.T1 = 60.0L + heating::kKelvin;
  in.rise = 60.0L - T0Celsius;
  in.riseTime = riseTime;
  in.rho = 0.0012L;
  in.c = 0.24L;
  in.rhoWall = 7.85L;
  in.cWall = 0.11L;
  in.h = 9.0L;
  in.eps = 0.9L;
  in.sigma = kSigma;
  return in;
}

}  // namespace cases
