// Trace heating of a pipe: the electric heater along an insulated pipe that
// keeps it at a temperature in the coldest weather.
//
// The loss per metre at the hold temperature and the minimum ambient is the
// cylinder of the heat-loss calculator (calc/heatloss/Cylinder.h) with the
// pipe's inputs and options, its total over the length divided by the
// length: the two calculators give the same number. The design then reads
//   required  = loss × (1 + safety / 100)                       W/m
//   runs      = ⌈required / q(hold)⌉, at least 1                q: one run's output
//   installed = runs × q(hold), margin = installed − loss       W/m
//   circuit   = length + Σ count × allowance  (per run)         m
//   heater    = runs × circuit, power = heater × q(hold)        m, W
// and, with the line full and still, the pipe temperature where the loss
// equals the installed output (PipeSection::Balance): at the highest ambient
// the hottest the pipe gets, to compare with the limits of the fluid, the
// insulation and the area's temperature class; at the minimum ambient the
// crossing of the two curves of the chart.
//
// A self-limiting heater's output falls as the pipe warms; the maker's sheet
// gives it at two pipe temperatures and the line through them is taken
// (clamped at 0 where it would fall below). Its output is counted at the
// hold temperature, and its balances solve loss(T) = runs × q(T).
#pragma once

#include "calc/heatloss/Cylinder.h"
#include "calc/numeric/Series.h"

namespace TracingCalc {

struct TraceHeater {
  bool selfLimiting = false;
  long double output = 0;  // constant-output heater, W/m
  // Self-limiting: W/m at two pipe temperatures (℃), lowC < highC, the
  // output at lowC above that at highC.
  long double lowC = 0, lowOutput = 0;
  long double highC = 0, highOutput = 0;

  // W/m of one run with the pipe at T (℃), never below 0.
  long double OutputAt(long double T) const;
};

// The fittings of the line and the extra heater each takes, as an
// equivalent length of pipe per item (m).
struct Fittings {
  int valves = 0, flanges = 0, supports = 0;
  long double valveLength = 0, flangeLength = 0, supportLength = 0;

  long double Allowance() const {
    return valves * valveLength + flanges * flangeLength + supports * supportLength;
  }
};

// The allowances of a design guide for a pipe of the outer diameter D (m):
// a flanged valve and a flanged joint by the nominal size, the row of the
// smallest size whose outer diameter is at least D (the largest row beyond
// the table), from the table of valve and flange allowances in metres of a
// self-regulating heat-tracing design guide (Thermon, FLX design guide,
// "Valve allowance", "Flange allowance", DN 15 to 750); a pipe support 0.3 m,
// the support allowance of the worked example of a self-regulating heater
// design guide (BARTEC, PSB). The counts stay 0.
Fittings DefaultAllowances(long double D);

struct TraceInputs {
  // The pipe and its insulation as the cylinder calculator takes them: the
  // tube's outer diameter D1, wall t1 and k1, the insulation t2 and k2, the
  // options (k(T) of either layer, the automatic outer coefficient with its
  // orientation and wind), e, h, σ and the length L. Its Ta and Ti are not
  // read: the calculation sets them.
  HeatLossCalc::CylinderInputs pipe;
  long double holdC = 0;        // the temperature to hold, ℃
  long double minAmbientC = 0;  // the coldest air, ℃
  long double maxAmbientC = 0;  // the hottest air, for the no-flow check, ℃
  // The wind of the no-flow check (automatic coefficient only): still air,
  // the hottest case, unless the engineer says otherwise.
  long double windAtMax = 0;
  long double safety = 10;  // %, added to the loss
  TraceHeater heater;
  Fittings fittings;
};

// The inputs a panel must refuse, the field named by the value.
enum class TraceFault {
  None,
  PipeDiameter,            // outer diameter not above 0
  PipeWall,                // wall below 0, or not below half the diameter
  PipeConductivity,        // tube k not above 0 (or k(T) not positive from ambient to hold)
  Length,                  // length not above 0
  InsulationThickness,     // below 0
  InsulationConductivity,  // k not above 0 (or k(T) not positive from ambient to hold)
  Emissivity,              // outside 0 .. 1
  Coefficient,             // typed h not above 0 (automatic off), or a wind below 0
  HoldTemperature,         // at or below the minimum ambient
  MaxAmbient,              // below the minimum ambient
  SafetyFactor,            // below 0
  HeaterOutput,            // constant output not above 0; self-limiting: 0 at the hold temperature
  HeaterPoints,            // self-limiting: the two temperatures equal, or the output rising with temperature
  Fittings,                // a count or an allowance below 0
};

TraceFault ValidateTrace(const TraceInputs& in);

struct TraceResult {
  // The cylinder at the hold temperature and the minimum ambient, as the
  // heat-loss calculator reports it (surface, losses over the length).
  HeatLossCalc::CylinderResult cylinder;
  long double loss = 0;       // W/m: cylinder.total / L
  long double required = 0;   // W/m with the safety factor
  long double runOutput = 0;  // W/m of one run at the hold temperature
  int runs = 1;
  long double installed = 0;      // W/m
  long double margin = 0;         // W/m over the loss
  long double marginPercent = 0;  // % of the loss
  long double allowance = 0;      // m per run
  long double circuit = 0;        // m per run: length + allowance
  long double heaterLength = 0;   // m, all runs
  long double power = 0;          // W
  // The pipe full and still with the installed output: at the highest
  // ambient (found: false when no temperature balances it), and at the
  // minimum ambient (the chart's crossing).
  bool highestFound = false;
  long double highestC = 0, highestSurfaceC = 0;
  bool holdingFound = false;
  long double holdingC = 0;
};

// The design; the inputs must pass ValidateTrace.
TraceResult DesignTrace(const TraceInputs& in);

// Loss per metre at the minimum ambient with the pipe at T (℃): the
// cylinder's total over the length.
long double LossPerMetre(const TraceInputs& in, long double T);

// The runs the design takes with the insulation `thickness` (m, in place of
// the pipe's t2), and whether `runs` runs hold the line then (the runs it
// takes are at most `runs`): the thickness target "heater runs at most N"
// is the thinnest insulation for which RunsHold is true.
int RunsNeeded(const TraceInputs& in, long double thickness);
bool RunsHold(const TraceInputs& in, long double thickness, int runs);

// The loss at the minimum ambient and the output of `runs` runs against the
// pipe temperature, W/m over ℃, at `points` (≥ 2) temperatures evenly from
// fromC to toC, and the crossing (found: false when none lies anywhere).
struct TraceCurves {
  curves::Series loss, output;
  bool crossed = false;
  curves::Point crossing;
};
TraceCurves TraceCurvesOf(const TraceInputs& in, int runs, long double fromC, long double toC, int points);

}  // namespace TracingCalc
