#include "calc/design/DesignRuns.h"

#include <cmath>

namespace DesignCalc {

using namespace HeatLossCalc;

namespace {

CylinderInputs CylinderWith(const CylinderInputs& base, long double mm) {
  CylinderInputs in = base;
  in.t2 = InsulationMetres(mm, kCylinderBare);
  return in;
}

}  // namespace

long double CylinderSurfaceAt(const CylinderInputs& base, long double mm) {
  return CylinderSurface(CylinderWith(base, mm));
}

long double CylinderQuantityWithSurface(const CylinderInputs& base, long double mm, TargetKind kind,
                                        long double Ts) {
  if (kind != TargetKind::HeatFlowAtMost) return Ts - kKelvin;  // the surface every result reports
  const CylinderInputs in = CylinderWith(base, mm);
  return fabsl(CylinderResultAt(in, Ts).total) / in.L;
}

bool CylinderBeyond(const CylinderInputs& base, long double mm, long double T) {
  return CylinderBalanceBeyond(CylinderWith(base, mm), T);
}

long double CylinderQuantity(const CylinderInputs& base, long double mm, TargetKind kind) {
  return CylinderQuantityWithSurface(base, mm, kind, CylinderSurfaceAt(base, mm));
}

long double FlatPlateQuantity(const FlatPlateInputs& base, long double mm, TargetKind kind) {
  FlatPlateInputs in = base;
  in.L2 = InsulationMetres(mm, kFlatPlateBare);
  const FlatPlateResult r = FlatPlateSteady(in);
  return kind == TargetKind::HeatFlowAtMost ? fabsl(r.total) / in.A : r.surface;
}

long double FlatWallQuantity(const FlatWallInputs& base, long double mm, TargetKind kind) {
  FlatWallInputs in = base;
  in.L2 = InsulationMetres(mm, kFlatWallBare);
  const FlatWallResult r = FlatWallTransmission(in);
  return kind == TargetKind::HeatFlowAtMost ? fabsl(r.total) / in.A : r.outerSurface;
}

long double PipeFlowQuantity(const PipeFlowInputs& base, long double mm, TargetKind kind) {
  PipeFlowInputs in = base;
  in.t2 = InsulationMetres(mm, kPipeFlowBare);
  switch (kind) {
    case TargetKind::SurfaceAtMost:
    case TargetKind::SurfaceAtLeast:
      in.Lp = 0;
      return PipeFlowTemperature(in).wallAmbientSide;
    case TargetKind::HeatFlowAtMost:
      return fabsl(PipeFlowTemperature(in).total) / in.Lp;
    case TargetKind::FluidEnd:
      break;
  }
  return PipeFlowTemperature(in).fluid;
}

}  // namespace DesignCalc
