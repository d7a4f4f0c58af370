// Forward runs of the heat-loss calculators at a chosen insulation
// thickness, for the thickness solver and the economics: the inputs the
// panel fills, with the insulation field set to a thickness in mm, read as
// the panel reads it (mm / 1000, or the panel's stand-in for "0").
#pragma once

#include "calc/design/DesignTarget.h"
#include "calc/heatloss/Cylinder.h"
#include "calc/heatloss/FlatPlate.h"
#include "calc/heatloss/FlatWall.h"
#include "calc/heatloss/PipeFlow.h"

namespace DesignCalc {

// What each panel puts in place of an insulation thickness "0", in m.
inline constexpr long double kCylinderBare = 1E-5L;             // 0.01 mm
inline constexpr long double kFlatPlateBare = 1E-7L;            // 0.0001 mm
inline constexpr long double kFlatWallBare = 0.000001L / 1000;  // "0.000001" mm
inline constexpr long double kPipeFlowBare = 1E-7L;             // 0.0001 mm

// The insulation in m for mm, with `bare` in place of 0.
inline long double InsulationMetres(long double mm, long double bare) { return mm == 0 ? bare : mm / 1000; }

// The quantity `kind` looks at, from a forward run with the insulation at mm:
// the outer surface in degC, or the heat flow as a magnitude in W/m
// (cylinder: total / L; pipe: total over the length / Lp) or W/m2 (total / A).
// Pipe flow: the surface targets look at the inlet, where a hot line's
// surface is hottest and a cold line's coldest (a run of length 0 gives the
// inlet section); FluidEnd at the fluid leaving the pipe. The calculators
// without a fluid have no FluidEnd (check Applies first).
long double CylinderQuantity(const HeatLossCalc::CylinderInputs& base, long double mm, TargetKind kind);
// The cylinder's run in its two halves, for the thickness search's bounds
// (CylinderQuantity is the second at the surface the first finds): the outer
// surface (K) with the insulation at mm, and the quantity of a surface held
// at Ts (K) with the insulation at mm.
long double CylinderSurfaceAt(const HeatLossCalc::CylinderInputs& base, long double mm);
long double CylinderQuantityWithSurface(const HeatLossCalc::CylinderInputs& base, long double mm,
                                        TargetKind kind, long double Ts);
// Whether the cylinder's balance with the insulation at mm lies beyond the
// surface temperature T (K), away from the air: CylinderBalanceBeyond.
bool CylinderBeyond(const HeatLossCalc::CylinderInputs& base, long double mm, long double T);
long double FlatPlateQuantity(const HeatLossCalc::FlatPlateInputs& base, long double mm, TargetKind kind);
long double FlatWallQuantity(const HeatLossCalc::FlatWallInputs& base, long double mm, TargetKind kind);
long double PipeFlowQuantity(const HeatLossCalc::PipeFlowInputs& base, long double mm, TargetKind kind);

}  // namespace DesignCalc
