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

namespace {

// The flat insulation layers after the structure, which ends at position
// start (m): each inner layer to its face, then the calculator's own
// insulation to the surface. With no inner layer the surface lies at
// start + L2, formed as it always was.
void FlatInsulation(ProfileBuilder& b, long double start, const HeatLossCalc::InnerLayers& inner, long double L2,
                    const HeatLossCalc::InsulationFaces& faces, long double surface) {
  long double x = start;
  for (int j = 0; j < inner.count && j + 1 < faces.layers; ++j) {
    x = x + inner.layer[j].thickness;
    b.Flat(x * 1000, faces.at[j + 1]);
  }
  b.Flat((x + L2) * 1000, surface);
}

}  // namespace

LayerProfile FlatPlateProfile(const HeatLossCalc::FlatPlateInputs& in, const HeatLossCalc::FlatPlateResult& r,
                              bool bothFaces) {
  const long double structure = bothFaces ? in.L1 / 2 : in.L1;
  ProfileBuilder b(0, r.plate);
  b.Flat(structure * 1000, r.interface);
  FlatInsulation(b, structure, in.inner, in.L2, r.faces, r.surface);
  return b.Take();
}

LayerProfile FlatWallProfile(const HeatLossCalc::FlatWallInputs& in, const HeatLossCalc::FlatWallResult& r) {
  ProfileBuilder b(0, r.innerSurface);
  b.Flat(in.L1 * 1000, r.interface);
  FlatInsulation(b, in.L1, in.inner, in.L2, r.faces, r.outerSurface);
  return b.Take();
}

LayerProfile CylinderProfile(const HeatLossCalc::CylinderInputs& in, const HeatLossCalc::CylinderResult& r) {
  const long double r1 = in.D1 / 2;  // m
  const long double r0 = r1 - in.t1;
  ProfileBuilder b(0, in.Ti);
  b.Cylindrical(r0, r1, in.t1 * 1000, r.interface);
  long double ra = r1, x = in.t1;  // the next layer's inner radius and position
  for (int j = 0; j < in.inner.count && j + 1 < r.faces.layers; ++j) {
    const long double t = in.inner.layer[j].thickness;
    b.Cylindrical(ra, ra + t, (x + t) * 1000, r.faces.at[j + 1]);
    ra = ra + t;
    x = x + t;
  }
  b.Cylindrical(ra, ra + in.t2, (x + in.t2) * 1000, r.surface);
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
