#include "calc/curves/LayerProfile.h"

#include <cmath>

#include "calc/heatloss/SurfaceLoss.h"

namespace curves {

namespace {

// Builds a profile layer by layer from the hot side; each layer starts
// where the one before ended, at that one's end temperature.
class ProfileBuilder {
 public:
  ProfileBuilder(long double x, long double T) {
    profile_.points.push_back({x, T});
    profile_.boundaries.push_back({x, T});
  }

  // A flat layer: a straight line to (x, T).
  void Flat(long double x, long double T) { End(x, T); }

  // A cylindrical layer between the radii ra and rb (any one unit) ending
  // at position x and temperature T: T(r) = Ta + (T - Ta) ln(r/ra) / ln(rb/ra).
  // A layer without a thickness to speak of is a step.
  void Cylindrical(long double ra, long double rb, long double x, long double T) {
    const Point start = profile_.points.back();
    if (ra > 0 && rb > ra) {
      const long double span = logl(rb / ra);
      for (int j = 1; j < kCurvedLayerIntervals; ++j) {
        const long double f = static_cast<long double>(j) / kCurvedLayerIntervals;
        const long double r = ra + (rb - ra) * f;
        profile_.points.push_back(
            {start.x + (x - start.x) * f, start.y + (T - start.y) * (logl(r / ra) / span)});
      }
    }
    End(x, T);
  }

  LayerProfile Take() { return std::move(profile_); }

 private:
  void End(long double x, long double T) {
    profile_.points.push_back({x, T});
    profile_.boundaries.push_back({x, T});
  }

  LayerProfile profile_;
};

}  // namespace

LayerProfile FlatPlateProfile(const HeatLossCalc::FlatPlateInputs& in, const HeatLossCalc::FlatPlateResult& r,
                              bool bothFaces) {
  const long double structure = (bothFaces ? in.L1 / 2 : in.L1) * 1000;
  ProfileBuilder b(0, r.plate);
  b.Flat(structure, r.interface);
  b.Flat(structure + in.L2 * 1000, r.surface);
  return b.Take();
}

LayerProfile FlatWallProfile(const HeatLossCalc::FlatWallInputs& in, const HeatLossCalc::FlatWallResult& r) {
  ProfileBuilder b(0, r.innerSurface);
  b.Flat(in.L1 * 1000, r.interface);
  b.Flat((in.L1 + in.L2) * 1000, r.outerSurface);
  return b.Take();
}

LayerProfile CylinderProfile(const HeatLossCalc::CylinderInputs& in, const HeatLossCalc::CylinderResult& r) {
  const long double r1 = in.D1 / 2;  // m
  const long double r0 = r1 - in.t1, r2 = r1 + in.t2;
  ProfileBuilder b(0, in.Ti);
  b.Cylindrical(r0, r1, in.t1 * 1000, r.interface);
  b.Cylindrical(r1, r2, (in.t1 + in.t2) * 1000, r.surface);
  return b.Take();
}

LayerProfile HeaterProfile(const HeatLossCalc::HeaterInputs& in, const HeaterLayers& layers,
                           const HeaterTemperatures& t) {
  const long double R = layers.wireD / 2;  // mm
  const long double k = layers.wireConductivity;
  const long double rise = k > 0 && in.L > 0 ? in.Q / (4 * HeatLossCalc::kPi * k * in.L) : 0;
  LayerProfile wire;
  // The parabola from the centre to the wire's surface, whose end is the
  // reported wire temperature itself.
  for (int j = 0; j < kCurvedLayerIntervals; ++j) {
    const long double f = static_cast<long double>(j) / kCurvedLayerIntervals;
    wire.points.push_back({R * f, t.wire + rise * (1 - f * f)});
  }
  ProfileBuilder b(R, t.wire);
  b.Cylindrical(R, layers.insulationD / 2, layers.insulationD / 2, t.sheathInner);
  b.Cylindrical(layers.insulationD / 2, layers.sheathD / 2, layers.sheathD / 2, t.surface);
  LayerProfile layered = b.Take();
  wire.points.insert(wire.points.end(), layered.points.begin(), layered.points.end());
  wire.boundaries = std::move(layered.boundaries);
  return wire;
}

}  // namespace curves
