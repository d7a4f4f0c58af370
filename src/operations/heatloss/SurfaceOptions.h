// The two options of the heat-loss calculators as the window holds them
// (calc/heatloss/HeatLossOptions.h): 自動 for the outer coefficient
// (AutoCoefficient beside Edit17, with Orientation, WindSpeed and, on the
// flat panel, SurfaceLength), the conductivity of each layer against
// temperature (KTable: b and c per layer, a being the layer's conductivity
// field), and pipe flow's inner coefficient from its fluid
// (InnerAutoCoefficient with FluidViscosity and FluidConductivity). The
// controls are built by operations/surface/SurfaceOptionsView; the Runs read
// them here, and the panels' Save and Back keep them per calculator.
//
// Store cells, column 1 (a file without them loads as off: an empty cell is
// an unchecked box, an empty field, the panel's usual orientation):
//   heater      rows 1-7:   自動, 向き, 風速, b1, c1, b2, c2
//   flat panel  rows 21-28: 自動, 向き, 風速, 高さ・長さ, b1, c1, b2, c2
//               (flat plate and flat wall share them, as their fields)
//   cylinder    rows 31-37: 自動, 向き, 風速, b1, c1, b2, c2
//   pipe flow   rows 70-79: 自動, 向き, 風速, b1, c1, b2, c2, 管内自動,
//               粘度, 流体の熱伝導率
// and in memory only (row 80, never saved) the coefficients as typed while
// 自動 shows the computed ones in their fields: Edit17 (1,80), Edit69 (2,80).
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "calc/heatloss/HeatLossOptions.h"
#include "calc/heatloss/PipeFlow.h"
#include "operations/heatloss/HeatLossCalculator.h"

class ConditionStore;
class Fields;
class Form;

namespace SurfaceOptions {

// The controls.
inline constexpr const char* kAuto = "AutoCoefficient";
inline constexpr const char* kOrientation = "Orientation";
inline constexpr const char* kWind = "WindSpeed";
inline constexpr const char* kLength = "SurfaceLength";
inline constexpr const char* kB1 = "KTableB1";
inline constexpr const char* kC1 = "KTableC1";
inline constexpr const char* kB2 = "KTableB2";
inline constexpr const char* kC2 = "KTableC2";
inline constexpr const char* kInnerAuto = "InnerAutoCoefficient";
inline constexpr const char* kViscosity = "FluidViscosity";
inline constexpr const char* kFluidConductivity = "FluidConductivity";
// The notes the Runs write on the options page.
inline constexpr const char* kOuterNote = "SurfaceNote";
inline constexpr const char* kInnerNote = "InnerNote";

// The entries of Orientation, in its order.
inline constexpr const char* kOrientations[] = {"水平管", "垂直管", "垂直壁", "水平面 上向き",
                                                "水平面 下向き"};
// The usual one of a panel: a horizontal pipe, a vertical wall.
const char* DefaultOrientation(HeatLossPanel panel);

// The outer option as a Run reads it. With 自動 on: an orientation the
// panel's shape cannot take, a wind outside 0 to 100 m/s or a length not
// above 0 is named in a message and gives nothing. An empty wind is still
// air, an empty length the side of a square of the area.
std::optional<HeatLossCalc::AutoCoefficient> OuterOf(Fields& f, HeatLossPanel panel);

// The changes of the panel's two layers' conductivities (b and c; empty = 0).
struct LayerChanges {
  HeatLossCalc::ConductivityChange first, second;
};
LayerChanges LayersOf(Fields& f);

// Each layer's k (k0 and its change) stays above 0 from T1 to T2 (℃);
// otherwise a message names the layer by its column caption: false.
bool LayersConduct(Fields& f, HeatLossPanel panel, long double k1, const HeatLossCalc::ConductivityChange& c1,
                   long double k2, const HeatLossCalc::ConductivityChange& c2, long double T1,
                   long double T2);

// The temperatures (℃) an option may work with: above absolute zero and up
// to 2000 ℃, where the air's properties and a fitted k(T) still mean
// something. Otherwise a message: false.
bool WithinRange(Fields& f, long double T1, long double T2);

// Both options into in (outer, k1T, k2T); when an option is on, the
// temperatures T1 and T2 (℃, the air and the inside) must lie within range
// and each layer conduct between them. False after a message.
template <class Inputs>
bool ReadInto(Fields& f, HeatLossPanel panel, Inputs& in, long double T1, long double T2) {
  const std::optional<HeatLossCalc::AutoCoefficient> outer = OuterOf(f, panel);
  if (!outer) return false;
  in.outer = *outer;
  const LayerChanges k = LayersOf(f);
  in.k1T = k.first;
  in.k2T = k.second;
  return !in.OptionsOn() ||
         (WithinRange(f, T1, T2) && LayersConduct(f, panel, in.k1, in.k1T, in.k2, in.k2T, T1, T2));
}

// Every scan of a surface temperature starts at the air's and keeps the
// last point that passes. When no point beyond the air passes (the surface
// gives off more than the layers carry even a finest step beyond it: a
// coefficient or a wind beyond reason), the surface is the air's and the
// loss reads 0 W. BalanceFound takes the total loss the run found (W), the
// inside where the run ends (the inner temperature, the gas, the plate
// after its cooling, the fluid at the pipe's end; ℃) and the run's loss
// with a typed coefficient h in place of the outer one (自動 off, k(T) as
// it is). A loss shown as 0 W while the inside lies 1 K or more from the
// air, and the layers give more than that to an ordinary surface, is no
// balance: a message says so, false.
bool BalanceFound(Fields& f, long double total, long double inside, long double air,
                  const std::function<long double(long double h)>& withTypedCoefficient);
// The total loss (W) of calc on in with the typed coefficient h in place
// of the outer one (自動 off), for BalanceFound.
template <class Inputs, class Calc>
std::function<long double(long double h)> WithTypedCoefficient(const Inputs& in, Calc calc) {
  return [in, calc](long double h) {
    Inputs typed = in;
    typed.outer.on = false;
    typed.h = h;
    return calc(typed).total;
  };
}
// A loss (W) the result fields show as 0.
bool ShownAsZero(long double watts);
// The message of a scan that found no balance.
void SayNoBalance(Fields& f);

// After a run with 自動: Edit17 shows the coefficient at the final surface
// (surfaceC, ℃), rounded to hundredths, and the note its parts.
void ShowOuter(Fields& f, const SurfaceCalc::SurfaceConditions& c, long double surfaceC);

// Pipe flow's inner coefficient with 管内自動 on (PipeInnerCoefficient.h),
// from the fluid of in and the viscosity and conductivity fields: capped at
// 10000 as a typed one is, written into Edit69 and its parts into the note.
// Empty after a message for a viscosity or conductivity not above 0.
bool InnerAuto(Fields& f);
std::optional<long double> InnerCoefficientOf(Fields& f, const HeatLossCalc::PipeFlowInputs& in);

// The calculator's option cells (its row's CalculatorHooks::optionCells):
// the controls into them (Save), out of them (Back; then Edit17 and Edit69
// follow their boxes), and whether the controls differ from a saved store.
void Save(Form& f, std::span<const OptionCell> cells, HeatLossPanel panel);
void Back(Form& f, std::span<const OptionCell> cells, HeatLossPanel panel);
bool Changed(Form& f, const ConditionStore& saved, std::span<const OptionCell> cells, HeatLossPanel panel);

// Edit17 (Edit69) after its box turned: on, it keeps the typed value in
// memory and shows the computed one, read-only in the result colour; off, it
// gets the typed value back and takes input again.
void FollowAuto(Form& f);
void FollowInnerAuto(Form& f);

}  // namespace SurfaceOptions
