// Still liquid in an insulated line without heat: the hours until it cools
// to its freezing point, and until a chosen fraction of it has frozen.
//
// The liquid and the tube wall cool together at one temperature T (the
// wall's conduction is fast beside the insulation's), losing what the
// cylinder of the heat-loss calculator loses with its inner face at T
// (PipeSection::Held: tube, insulation, the outer surface with its
// convection, automatic or typed, and radiation), the insulation's own heat
// being small and left out:
//   C dT/dt = −q(T),  C = ρ c π Di²/4 + ρw cw π (D1² − Di²)/4   (J/(m·K))
// The march steps T down from the initial temperature to the freezing point
// in kFreezeSteps equal steps, each taking the time that is exact for a loss
// varying linearly across it, C ΔT ln(q0/q1) / (q0 − q1). Then the liquid
// stands at the freezing point and loses q(Tf): a fraction f freezes in
//   f ρ L π Di²/4 / q(Tf).
// Ice forming on the wall, which would slow the loss, is left out (the
// hours come out short, on the safe side).
//
// Beside it the published estimate for standing water in an insulated pipe
// (ASHRAE Handbook — Fundamentals, chapter "Insulation for mechanical
// systems", the time for water to cool to freezing, eq. 1 of the 2009
// edition), which neglects the wall (its resistance and its heat) and the
// outer air film, leaving the insulation's resistance alone,
// R = ln(D2/D1) / (2π k):
//   θ = ρ c π Di²/4 · R · ln((Ti − Ta) / (Tf − Ta))
// and for the fraction frozen the same resistance at the freezing point,
//   θf = θ + f ρ L π Di²/4 · R / (Tf − Ta).
// With k(T) the estimate takes the insulation's mean conductivity between
// the air and the freezing point.
//
// Units: kg/m³, kJ/(kg·K), kJ/kg, ℃, hours. The 2π of the resistances is
// the heat-loss calculators' 2 × 3.14; the liquid's and the wall's
// cross-sections take π itself.
#pragma once

#include "calc/heatloss/Cylinder.h"
#include "calc/numeric/Series.h"

namespace TracingCalc {

inline constexpr int kFreezeSteps = 500;

struct Liquid {
  // Water: density, specific heat near 0 ℃ (kJ/(kg·K)), freezing point (℃)
  // and latent heat of fusion (kJ/kg). Brines and glycol mixtures differ.
  long double density = 1000;
  long double specificHeat = 4.2;
  long double freezingC = 0;
  long double latentHeat = 333.6;
};

struct FreezeInputs {
  // The pipe and its insulation as the cylinder calculator takes them, with
  // its options; pipe.Ta is the ambient (℃), pipe.outer.wind its wind;
  // pipe.Ti is not read.
  HeatLossCalc::CylinderInputs pipe;
  // The tube's material: carbon steel by default.
  long double wallDensity = 7850;       // kg/m³
  long double wallSpecificHeat = 0.46;  // kJ/(kg·K)
  Liquid liquid;
  long double initialC = 0;   // the liquid when the flow stops, ℃
  long double fraction = 25;  // % frozen
};

// The inputs a panel must refuse, the field named by the value.
enum class FreezeFault {
  None,
  PipeDiameter,            // outer diameter not above 0
  PipeWall,                // wall below 0, or not below half the diameter
  PipeConductivity,        // tube k not above 0, or k(T) not positive over the temperatures
  Length,                  // length not above 0 (the automatic coefficient reads it)
  InsulationThickness,     // below 0
  InsulationConductivity,  // k not above 0, or k(T) not positive over the temperatures
  Emissivity,              // outside 0 .. 1
  Coefficient,             // typed h not above 0 (automatic off), or a wind below 0
  WallDensity,             // below 0
  WallSpecificHeat,        // below 0
  LiquidDensity,           // not above 0
  LiquidSpecificHeat,      // not above 0
  LatentHeat,              // below 0
  Ambient,                 // at or above the freezing point: the liquid never freezes
  InitialTemperature,      // below the freezing point
  Fraction,                // outside 0 .. 100 %
};

FreezeFault ValidateFreeze(const FreezeInputs& in);

struct FreezeResult {
  long double coolHours = 0;                        // to the freezing point
  long double freezeHours = 0;                      // to the fraction frozen, from the start
  long double lossAtStart = 0, lossAtFreezing = 0;  // W/m
  long double surfaceAtFreezing = 0;                // ℃
  long double capacity = 0;                         // liquid and wall, J/(m·K)
  long double latent = 0;                           // J/m to freeze all the liquid
  // The published estimate (insulation alone, no wall, no air film).
  long double estimateCoolHours = 0, estimateFreezeHours = 0;
};

// The liquid temperature against time, handed out on request: (0, initial),
// one point per step of the march, and at the fraction's time the freezing
// point again (the hours of the two results are the times of the point at
// which the cooling reaches the freezing point and of the last point). The
// frozen share (%) against time: (coolHours, 0) and (freezeHours, fraction).
struct FreezeHistory {
  curves::Series liquid;
  curves::Series frozen;
};

// The inputs must pass ValidateFreeze. The results are the same with or
// without history.
FreezeResult FreezeTime(const FreezeInputs& in, FreezeHistory* history = nullptr);

}  // namespace TracingCalc
