// The course of a pipe flow along its length, handed out on request: the
// fluid temperature and the outer surface temperature of every segment.
#pragma once

#include "calc/numeric/Series.h"
#include "calc/heatloss/SurfaceLoss.h"

namespace HeatLossCalc {

struct PipeFlowHistory {
  // Fluid temperature (degC) against the length from the inlet (m): the
  // inlet (0, Tin), then the temperature after each segment at its end,
  // kPipeSegments + 1 points; the last is the result's fluid.
  curves::Series fluid;
  // Outer surface (the face towards the ambient, degC) of each segment,
  // placed at the segment's end, kPipeSegments points; the last is the
  // result's wallAmbientSide. Each is found from the fluid temperature at
  // the segment's entry, as the calculation does.
  curves::Series outerSurface;

  void Begin(long double inletK, int segments) {
    fluid.assign(1, {0, inletK - kKelvin});
    fluid.reserve(segments + 1);
    outerSurface.clear();
    outerSurface.reserve(segments);
  }
  void Segment(long double x, long double fluidK, long double surfaceK) {
    fluid.push_back({x, fluidK - kKelvin});
    outerSurface.push_back({x, surfaceK - kKelvin});
  }
};

}  // namespace HeatLossCalc
