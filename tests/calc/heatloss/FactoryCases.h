// The factory conditions of the heat-loss calculators, as their panels read
// them from the shipped store, for the tests and the benchmarks. The flat
// panels read all of the Stefan-Boltzmann constant "5.67037", the cylinder,
// heater and pipe panels its first six characters.
#pragma once

#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/Heater.h"
#include "calc/heatloss/PipeFlow.h"
#include "calc/heatloss/SurfaceLoss.h"

namespace FactoryCases {

inline constexpr long double kSigmaWhole = 5.67037e-8L;
inline constexpr long double kSigmaSix = 5.6703e-8L;

// The flat plate: 10 m2 at 300 ℃, 230 mm at 1.3 W/mK, 100 mm at 0.1 W/mK.
inline HeatLossCalc::FlatPlateInputs FactoryPlate() {
  HeatLossCalc::FlatPlateInputs in;
  in.Ta = 20 + HeatLossCalc::kKelvin;
  in.Ti = 300 + HeatLossCalc::kKelvin;
  in.A = 10;
  in.h = 9;
  in.e = 0.9L;
  in.sigma = kSigmaWhole;
  in.L1 = 0.23L;
  in.k1 = 1.3L;
  in.L2 = 0.1L;
  in.k2 = 0.1L;
  return in;
}

// Its cooling: a structure of 2.3 g/cm3 and 0.25 kcal/kgK, for 2 h.
inline HeatLossCalc::CoolingInputs FactoryCooling() {
  HeatLossCalc::CoolingInputs c;
  c.rho = 2.3L;
  c.c = 0.25L;
  c.hours = 2;
  return c;
}

// The flat wall: gas at 800 ℃ behind the same two layers.
inline HeatLossCalc::FlatWallInputs FactoryWall() {
  HeatLossCalc::FlatWallInputs in;
  in.Tg = 800 + HeatLossCalc::kKelvin;
  in.Ta = 20 + HeatLossCalc::kKelvin;
  in.A = 10;
  in.hi = 9;
  in.ei = 0.5L;
  in.h = 9;
  in.e = 0.9L;
  in.sigma = kSigmaWhole;
  in.L1 = 0.23L;
  in.k1 = 1.3L;
  in.L2 = 0.1L;
  in.k2 = 0.1L;
  return in;
}

// A 10 m pipe of 114.3 mm, 6 mm steel wall, 50 mm insulation, at 180 ℃.
inline HeatLossCalc::CylinderInputs FactoryCylinder() {
  HeatLossCalc::CylinderInputs in;
  in.Ta = 20;
  in.Ti = 180;
  in.D1 = 0.1143L;
  in.t1 = 0.006L;
  in.t2 = 0.05L;
  in.k1 = 50;
  in.k2 = 0.045L;
  in.h = 9;
  in.e = 0.9L;
  in.sigma = kSigmaSix;
  in.L = 10;
  return in;
}

// A sheathed heater of 8.6 mm and 1.5 m; its circumference with pi as 3.14.
inline HeatLossCalc::HeaterInputs FactoryHeater(long double power = 500) {
  HeatLossCalc::HeaterInputs in;
  in.Ta = 20;
  in.Q = power;
  in.L = 1.5L;
  in.P = 8.6L * 3.14L / 1000;
  in.h = 9;
  in.e = 0.9L;
  in.sigma = kSigmaSix;
  return in;
}

// Water at 80 ℃, 1 m3/h, through 100 m of insulated pipe in air at 5 ℃.
inline HeatLossCalc::PipeFlowInputs FactoryPipe() {
  HeatLossCalc::PipeFlowInputs in;
  in.Tin = 80 + HeatLossCalc::kKelvin;
  in.Ta = 5 + HeatLossCalc::kKelvin;
  in.c = 1;
  in.rho = 1;
  in.Di = 0.0527L;
  in.V = 1;
  in.Lp = 100;
  in.k1 = 50;
  in.k2 = 0.045L;
  in.t1 = 0.0039L;
  in.t2 = 0.025L;
  in.hi = 9;
  in.ei = 0.5L;
  in.h = 9;
  in.e = 0.9L;
  in.sigma = kSigmaSix;
  return in;
}

}  // namespace FactoryCases
