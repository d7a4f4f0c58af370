// The layer profiles: each must pass through every temperature the
// calculation reports, at the layer boundaries, and have the shape of
// conduction in its layers.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "calc/curves/LayerProfile.h"
#include "heatloss/FactoryCases.h"

using namespace HeatLossCalc;
using curves::LayerProfile;

namespace {

// The boundaries are the reported values at their positions, each one of
// the points; the positions grow, and the temperature runs from the inner
// side to the surface without turning back.
void ExpectThrough(const LayerProfile& p, const std::vector<curves::Point>& reported) {
  ASSERT_EQ(p.boundaries.size(), reported.size());
  for (size_t i = 0; i < reported.size(); ++i) {
    EXPECT_NEAR(p.boundaries[i].x, reported[i].x, 1e-12) << i;
    EXPECT_EQ(p.boundaries[i].y, reported[i].y) << i;
    bool found = false;
    for (const curves::Point& q : p.points)
      found = found || (q.x == p.boundaries[i].x && q.y == p.boundaries[i].y);
    EXPECT_TRUE(found) << i;
  }
  const long double direction = p.points.back().y - p.points.front().y;
  for (size_t i = 1; i < p.points.size(); ++i) {
    EXPECT_GT(p.points[i].x, p.points[i - 1].x) << i;
    EXPECT_GT((p.points[i].y - p.points[i - 1].y) * direction, 0) << i;
  }
}

// In a cylindrical layer the gradient falls as 1/r, so the curve lies on
// the outer end's side of the straight line between the layer's ends:
// below it when the heat flows outwards, above it for a heat gain.
void ExpectCurvedOutwards(const LayerProfile& p) {
  int inside = 0;
  for (size_t b = 1; b < p.boundaries.size(); ++b) {
    const curves::Point a = p.boundaries[b - 1], z = p.boundaries[b];
    for (const curves::Point& q : p.points) {
      if (q.x <= a.x || q.x >= z.x) continue;
      ++inside;
      EXPECT_GT((q.y - (a.y + (z.y - a.y) * (q.x - a.x) / (z.x - a.x))) * (z.y - a.y), 0);
    }
  }
  EXPECT_GT(inside, 0);
}

}  // namespace

TEST(LayerProfile, PassesThroughEveryReportedLayerTemperature) {
  std::feclearexcept(FE_ALL_EXCEPT);
  // Flat plate, steady and cooling from both faces: straight layers.
  const FlatPlateInputs plate = FactoryCases::FactoryPlate();
  const FlatPlateResult steady = FlatPlateSteady(plate);
  const LayerProfile p = curves::FlatPlateProfile(plate, steady);
  ExpectThrough(p, {{0, plate.Ti - kKelvin}, {230, steady.interface}, {330, steady.surface}});
  EXPECT_EQ(p.points.size(), 3u);
  CoolingInputs cooling = FactoryCases::FactoryCooling();
  cooling.bothFaces = true;
  const FlatPlateResult cooled = FlatPlateCooling(plate, cooling);
  ExpectThrough(curves::FlatPlateProfile(plate, cooled, true),
                {{0, cooled.plate}, {115, cooled.interface}, {215, cooled.surface}});

  const FlatWallInputs wall = FactoryCases::FactoryWall();
  const FlatWallResult w = FlatWallTransmission(wall);
  ExpectThrough(curves::FlatWallProfile(wall, w),
                {{0, w.innerSurface}, {230, w.interface}, {330, w.outerSurface}});

  // Cylinder: logarithmic layers from the tube's inner surface.
  const CylinderInputs cyl = FactoryCases::FactoryCylinder();
  const CylinderResult c = CylinderHeatLoss(cyl);
  const LayerProfile cp = curves::CylinderProfile(cyl, c);
  ExpectThrough(cp, {{0, cyl.Ti}, {6, c.interface}, {56, c.surface}});
  ExpectCurvedOutwards(cp);
  // Three insulation layers: every face is a boundary, at its position.
  CylinderInputs three = cyl;
  three.inner.Add({0.06L, {}, 0.02L});
  three.inner.Add({0.05L, {}, 0.03L});
  const CylinderResult c3 = CylinderHeatLoss(three);
  const LayerProfile p3 = curves::CylinderProfile(three, c3);
  ExpectThrough(p3, {{0, cyl.Ti}, {6, c3.faces.at[0]}, {26, c3.faces.at[1]}, {56, c3.faces.at[2]}, {106, c3.surface}});
  ExpectCurvedOutwards(p3);
  FlatWallInputs wall3 = wall;
  wall3.inner.Add({0.07L, {}, 0.05L});
  const FlatWallResult w3 = FlatWallTransmission(wall3);
  ExpectThrough(curves::FlatWallProfile(wall3, w3),
                {{0, w3.innerSurface}, {230, w3.faces.at[0]}, {280, w3.faces.at[1]}, {380, w3.outerSurface}});
  CylinderInputs cold = cyl;  // a chilled line in air at 20 degC: heat gain
  cold.Ti = -20;
  const CylinderResult g = CylinderHeatLoss(cold);
  const LayerProfile gp = curves::CylinderProfile(cold, g);
  ExpectThrough(gp, {{0, cold.Ti}, {6, g.interface}, {56, g.surface}});
  ExpectCurvedOutwards(gp);

  // Heater: 2 mm wire, MgO to 7 mm, sheath to 8.6 mm.
  const HeaterInputs h = FactoryCases::FactoryHeater();
  const long double kMgO = 2, kSheath = 16;
  curves::HeaterTemperatures t;
  t.surface = HeaterSurfaceTemperature(h);
  t.sheathInner = LayerInnerTemperature(h.Q, kSheath, h.L, 8.6L, 7, t.surface);
  t.wire = LayerInnerTemperature(h.Q, kMgO, h.L, 7, 2, t.sheathInner);
  curves::HeaterLayers d;
  d.wireD = 2;
  d.insulationD = 7;
  d.sheathD = 8.6L;
  const LayerProfile hp = curves::HeaterProfile(h, d, t);
  ASSERT_EQ(hp.points.front().x, 0);
  LayerProfile layers = hp;  // from the wire's surface outwards
  layers.points.erase(layers.points.begin(), layers.points.begin() + curves::kCurvedLayerIntervals);
  ExpectThrough(layers, {{1, t.wire}, {3.5L, t.sheathInner}, {4.3L, t.surface}});
  ExpectCurvedOutwards(layers);
  // The wire's parabola meets the first layer with the same heat flow:
  // k dT/dr on both sides of the wire's surface, from the points beside it.
  const curves::Point in = hp.points[curves::kCurvedLayerIntervals - 1],
                      at = hp.points[curves::kCurvedLayerIntervals],
                      out = hp.points[curves::kCurvedLayerIntervals + 1];
  const long double wireSide = d.wireConductivity * (in.y - at.y) / (at.x - in.x);
  const long double layerSide = kMgO * (at.y - out.y) / (out.x - at.x);
  EXPECT_NEAR(wireSide / layerSide, 1, 0.05);
  // A uniform wire: a flat line at the wire temperature.
  d.wireConductivity = 0;
  EXPECT_EQ(curves::HeaterProfile(h, d, t).points.front().y, t.wire);
  // A layer without thickness is a step, not a division by zero.
  d.insulationD = d.wireD;
  EXPECT_EQ(curves::HeaterProfile(h, d, t).boundaries.size(), 3u);
  EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
}
