#include "calc/heatloss/OuterSurfaces.h"

namespace HeatLossCalc {

SurfaceCalc::SurfaceConditions OuterSurfaceOf(const CylinderInputs& in) {
  return CylinderSurface(in.outer, in.Ta, in.t2 * 2 + InsulationBaseDiameter(in), in.L);
}

SurfaceCalc::SurfaceConditions OuterSurfaceOf(const FlatPlateInputs& in) {
  return FlatSurface(in.outer, in.Ta - kKelvin, in.A);
}

SurfaceCalc::SurfaceConditions OuterSurfaceOf(const FlatWallInputs& in) {
  return FlatSurface(in.outer, in.Ta - kKelvin, in.A);
}

SurfaceCalc::SurfaceConditions OuterSurfaceOf(const HeaterInputs& in) {
  return CylinderSurface(in.outer, in.Ta, in.P / kPi, in.L);
}

SurfaceCalc::SurfaceConditions OuterSurfaceOf(const PipeFlowInputs& in) {
  return CylinderSurface(in.outer, in.Ta - kKelvin, PipeInsulationBase(in) + 2 * in.t2, in.Lp);
}

}  // namespace HeatLossCalc
