// Insulation of more than one layer: one layer keeps every bit of the
// results as they were; three layers of constant k conduct as the series of
// their resistances worked by hand, each face where an independent balance
// puts it; with k(T) each layer is integrated as the one-layer option does;
// the limits name the layer and face beyond its range, and the inner
// layer's thickness keeps the interface within the outer material's limit.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "Bisection.h"
#include "Marches.h"
#include "OneLayerCases.h"
#include "calc/design/InnerLayerThickness.h"
#include "calc/heatloss/LayerLimits.h"
#include "calc/heatloss/OuterSurfaces.h"

using namespace HeatLossCalc;
using namespace HeatLossTest;
using SurfaceCalc::TemperatureConductivity;

namespace {

// Calcium silicate and two wools inside the panel's own layer.
InnerLayers TwoInner(long double ka, long double ta, long double kb, long double tb) {
  InnerLayers inner;
  inner.Add({ka, {}, ta});
  inner.Add({kb, {}, tb});
  return inner;
}

// The reported face lies between the faces an independent balance gives at
// its root and one scan step short of it on the air's side.
void ExpectWithinTheStep(long double face, long double atRoot, long double atStep) {
  const long double lo = fminl(atRoot, atStep), hi = fmaxl(atRoot, atStep);
  EXPECT_GE(face, lo - 1e-9L);
  EXPECT_LE(face, hi + 1e-9L);
}

}  // namespace

// The checksums were taken from the calculators before they had inner
// layers (OneLayerCases.h); 400 cases each (24 of pipe flow), half with the
// options, hot and cold.
TEST(Layers, OneLayerKeepsEveryBitOfEveryResult) {
  EXPECT_EQ(OneLayerCases::CylinderSum(400), 0xa0e000ccea1c1c02ULL);
  EXPECT_EQ(OneLayerCases::FlatPlateSum(400), 0xeea62f5c69da12f4ULL);
  EXPECT_EQ(OneLayerCases::FlatWallSum(400), 0x80c00cbe2f19052dULL);
  EXPECT_EQ(OneLayerCases::PipeFlowSum(24), 0x1b297e2a5a73a0ccULL);
  // Their faces are the interface and the surface.
  const CylinderResult c = CylinderHeatLoss(FactoryCases::FactoryCylinder());
  EXPECT_EQ(c.faces.layers, 1);
  EXPECT_EQ(c.faces.at[0], c.interface);
  EXPECT_EQ(c.faces.at[1], c.surface);
  const PipeFlowResult p = PipeFlowTemperature(FactoryCases::FactoryPipe());
  EXPECT_EQ(p.faces.at[0], p.boundary);
  EXPECT_EQ(p.faces.at[1], p.wallAmbientSide);
}

// Three layers of constant k outside the structure: the flow is the series
// of the four resistances, and every face lies its layers' drops from the
// inside.
TEST(Layers, ThreeLayersConductAsTheirSeriesResistances) {
  std::feclearexcept(FE_ALL_EXCEPT);
  // The cylinder: 168.3 mm, 7 mm wall; 50 mm calcium silicate, 40 mm rock
  // wool, 30 mm glass wool; 400 ℃ inside.
  CylinderInputs c = FactoryCases::FactoryCylinder();
  c.Ti = 400;
  c.D1 = 0.1683L;
  c.t1 = 0.007L;
  c.inner = TwoInner(0.065L, 0.05L, 0.05L, 0.04L);
  c.t2 = 0.03L;
  c.k2 = 0.045L;
  const CylinderResult rc = CylinderHeatLoss(c);
  const long double D0 = c.D1 - 2 * c.t1, Da = c.D1 + 0.1L, Db = Da + 0.08L, D2 = Db + 0.06L;
  EXPECT_NEAR(double(OuterSurfaceOf(c).windLength), double(D2), 1e-15);
  const long double perMetre = logl(c.D1 / D0) / c.k1 + logl(Da / c.D1) / 0.065L + logl(Db / Da) / 0.05L +
                               logl(D2 / Db) / c.k2;  // 2π·R per metre
  auto lost = [&](long double T) {                    // W/m at T (K)
    return (c.h * (T - c.Ta - K) + c.e * c.sigma * (Pow4(T) - Pow4(c.Ta + K))) * 3.14L * D2;
  };
  const long double root = Crossing(
      c.Ta + K, c.Ti + K, [&](long double T) { return 2 * 3.14L * (c.Ti + K - T) / perMetre - lost(T); });
  EXPECT_LE(rc.surface, root - K + 1e-9L);
  EXPECT_GE(rc.surface, root - K - 0.001L - 1e-9L);
  // From the surface inwards with the reported heat, layer by layer.
  const long double Q = rc.total / c.L;
  const long double diameters[] = {c.D1, Da, Db, D2}, ks[] = {0.065L, 0.05L, c.k2};
  ASSERT_EQ(rc.faces.layers, 3);
  EXPECT_EQ(rc.faces.at[3], rc.surface);
  long double face = rc.surface;
  for (int i = 2; i >= 0; --i) {
    face += Q * logl(diameters[i + 1] / diameters[i]) / (2 * 3.14L * ks[i]);
    EXPECT_NEAR(double(rc.faces.at[i]), double(face), 1e-9) << i;
  }
  EXPECT_EQ(rc.interface, rc.faces.at[0]);
  // The faces of the balance itself, at its root and one step short.
  auto facesAt = [&](long double Ts, int i) {
    long double f = Ts - K;
    for (int j = 2; j >= i; --j) f += lost(Ts) * logl(diameters[j + 1] / diameters[j]) / (2 * 3.14L * ks[j]);
    return f;
  };
  for (int i = 0; i < 3; ++i)
    ExpectWithinTheStep(rc.faces.at[i], facesAt(root, i), facesAt(root - 0.001L, i));

  // The flat plate: 230 mm brick, then 75 mm, 50 mm and the panel's 100 mm.
  FlatPlateInputs p = FactoryCases::FactoryPlate();
  p.Ti = 600 + K;
  p.inner = TwoInner(0.07L, 0.075L, 0.05L, 0.05L);
  const FlatPlateResult rp = FlatPlateSteady(p);
  const long double R = p.L1 / p.k1 + 0.075L / 0.07L + 0.05L / 0.05L + p.L2 / p.k2;
  auto flux = [&](long double T) { return p.h * (T - p.Ta) + p.e * p.sigma * (Pow4(T) - Pow4(p.Ta)); };
  const long double rootP = Crossing(p.Ta, p.Ti, [&](long double T) { return (p.Ti - T) / R - flux(T); });
  EXPECT_LE(rp.surface, rootP - K + 1e-9L);
  EXPECT_GE(rp.surface, rootP - K - 0.01L - 1e-9L);
  const long double q = rp.total / p.A;
  const long double drops[] = {p.L1 / p.k1, 0.075L / 0.07L, 0.05L / 0.05L};
  long double inner = p.Ti - K;
  for (int i = 0; i < 3; ++i) {
    inner -= q * drops[i];
    EXPECT_NEAR(double(rp.faces.at[i]), double(inner), 1e-9) << i;
    long double atRoot = p.Ti - K, atStep = p.Ti - K;
    for (int j = 0; j <= i; ++j) {
      atRoot -= flux(rootP) * drops[j];
      atStep -= flux(rootP - 0.01L) * drops[j];
    }
    ExpectWithinTheStep(rp.faces.at[i], atRoot, atStep);
  }

  // The flat wall: the gas's heat reaches the inner surface through hi and
  // radiation, then the same four layers.
  FlatWallInputs w = FactoryCases::FactoryWall();
  w.inner = p.inner;
  const FlatWallResult rw = FlatWallTransmission(w);
  auto gas = [&](long double T) {
    const long double Tw = T + flux(T) * R;
    return w.hi * (w.Tg - Tw) + w.ei * w.sigma * (Pow4(w.Tg) - Pow4(Tw)) - flux(T);
  };
  const long double rootW = Crossing(w.Ta, w.Tg, gas);
  EXPECT_LE(rw.outerSurface, rootW - K + 1e-9L);
  EXPECT_GE(rw.outerSurface, rootW - K - 0.01L - 1e-9L);
  EXPECT_NEAR(double(rw.innerSurface), double(rw.outerSurface + rw.total / w.A * R), 1e-9);
  long double outer = rw.outerSurface + rw.total / w.A * w.L2 / w.k2;
  for (int i = 2; i >= 0; --i) {
    EXPECT_NEAR(double(rw.faces.at[i]), double(outer), 1e-9) << i;
    if (i > 0) outer += rw.total / w.A * drops[i];
  }
  EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
}

// With k(T) on every layer each is integrated in closed form as the single
// layer's option does: the faces meet a march through each layer with the
// reported heat, and the surface lies within one step of the marched
// balance. Splitting one layer in two of the same material changes nothing
// but the last bits, in all four calculators.
TEST(Layers, EachLayersConductivityIsIntegratedAsOneLayersIs) {
  const TemperatureConductivity silicate{0.052L, 1.0e-4L, 1.5e-7L}, wool{0.034L, 1.4e-4L, 3.0e-7L},
      glass{0.031L, 1.2e-4L, 4.0e-7L}, steel{50, -0.02L, 0};
  CylinderInputs c = FactoryCases::FactoryCylinder();
  c.Ti = 450;
  c.k1 = steel.a;
  c.k1T = {steel.b, steel.c};
  c.inner.Add({silicate.a, {silicate.b, silicate.c}, 0.05L});
  c.inner.Add({wool.a, {wool.b, wool.c}, 0.04L});
  c.k2 = glass.a;
  c.k2T = {glass.b, glass.c};
  const CylinderResult r = CylinderHeatLoss(c);
  const long double r1 = c.D1 / 2, ra = r1 + 0.05L, rb = ra + 0.04L, r2 = rb + c.t2;
  const long double Q = r.total / c.L;
  EXPECT_NEAR(double(r.faces.at[2]), double(MarchCylinder(glass, r.surface, r2, rb, Q)), 1e-6);
  EXPECT_NEAR(double(r.faces.at[1]), double(MarchCylinder(wool, r.faces.at[2], rb, ra, Q)), 1e-6);
  EXPECT_NEAR(double(r.faces.at[0]), double(MarchCylinder(silicate, r.faces.at[1], ra, r1, Q)), 1e-6);
  auto lost = [&](long double T) {
    return (c.h * (T - c.Ta - K) + c.e * c.sigma * (Pow4(T) - Pow4(c.Ta + K))) * 2 * 3.14L * r2;
  };
  auto inside = [&](long double T) {  // ℃ inside the tube for a surface at T (K)
    long double f = MarchCylinder(glass, T - K, r2, rb, lost(T));
    f = MarchCylinder(wool, f, rb, ra, lost(T));
    f = MarchCylinder(silicate, f, ra, r1, lost(T));
    return MarchCylinder(steel, f, r1, r1 - c.t1, lost(T));
  };
  const long double root =
      Crossing(c.Ta + K + 1e-6L, c.Ta + K + 100, [&](long double T) { return c.Ti - inside(T); });
  EXPECT_LE(r.surface, root - K + 1e-7L);
  EXPECT_GE(r.surface, root - K - 0.001L - 1e-7L);

  FlatWallInputs w = FactoryCases::FactoryWall();
  w.inner.Add({silicate.a, {silicate.b, silicate.c}, 0.06L});
  w.inner.Add({wool.a, {wool.b, wool.c}, 0.05L});
  w.k2 = glass.a;
  w.k2T = {glass.b, glass.c};
  const FlatWallResult rw = FlatWallTransmission(w);
  const long double q = rw.total / w.A;
  EXPECT_NEAR(double(rw.faces.at[2]), double(MarchFlat(glass, rw.outerSurface, w.L2, q)), 1e-6);
  EXPECT_NEAR(double(rw.faces.at[1]), double(MarchFlat(wool, rw.faces.at[2], 0.05L, q)), 1e-6);
  EXPECT_NEAR(double(rw.faces.at[0]), double(MarchFlat(silicate, rw.faces.at[1], 0.06L, q)), 1e-6);
  EXPECT_NEAR(double(rw.innerSurface), double(MarchFlat({w.k1, 0, 0}, rw.faces.at[0], w.L1, q)), 1e-6);

  // The panel's 100 mm of one material, or 40 mm of it inside 60 mm of it.
  auto split = [](auto in, auto own) {
    in.inner = {};
    in.inner.Add({in.k2, in.k2T, in.*own * 0.4L});
    in.*own = in.*own * 0.6L;
    return in;
  };
  for (bool kOfT : {false, true}) {
    SCOPED_TRACE(kOfT);
    FlatPlateInputs p = FactoryCases::FactoryPlate();
    if (kOfT) p.k2T = {glass.b, glass.c};
    const FlatPlateInputs p2 = split(p, &FlatPlateInputs::L2);
    EXPECT_NEAR(double(FlatPlateSteady(p2).surface), double(FlatPlateSteady(p).surface), 0.011);
    EXPECT_NEAR(double(FlatPlateCooling(p2, FactoryCases::FactoryCooling()).plate),
                double(FlatPlateCooling(p, FactoryCases::FactoryCooling()).plate), 0.02);
    CylinderInputs c1 = FactoryCases::FactoryCylinder(), c2 = c1;
    if (kOfT) c1.k2T = c2.k2T = {glass.b, glass.c};
    c2 = split(c2, &CylinderInputs::t2);
    EXPECT_NEAR(double(CylinderHeatLoss(c2).total), double(CylinderHeatLoss(c1).total), 0.1);
    PipeFlowInputs f1 = FactoryCases::FactoryPipe(), f2 = f1;
    if (kOfT) f1.k2T = f2.k2T = {glass.b, glass.c};
    f2 = split(f2, &PipeFlowInputs::t2);
    const PipeFlowResult a = PipeFlowTemperature(f1), b = PipeFlowTemperature(f2);
    EXPECT_NEAR(double(b.fluid), double(a.fluid), 0.01);
    EXPECT_NEAR(double(b.boundary), double(a.boundary), 0.01);
    ASSERT_EQ(b.faces.layers, 2);
    EXPECT_LT(b.faces.at[1], b.faces.at[0]);
    EXPECT_GT(b.faces.at[1], b.faces.at[2]);
  }
}

// The limits name the layer, the face and the side; the inner layer's
// thickness is the thinnest that keeps the interface under the outer
// material's highest temperature.
TEST(Layers, LimitsNameTheFaceAndTheInnerLayerKeepsTheInterfaceWithin) {
  InsulationFaces f;
  f.layers = 2;
  f.at = {712, 480, 40, 0};
  const std::vector<ServiceRange> ranges = {{std::nullopt, 650.0L}, {-50.0L, 350.0L}};
  std::vector<LimitBreach> b = LimitBreaches(f, ranges);
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0].layer, 0);
  EXPECT_TRUE(b[0].innerFace);
  EXPECT_EQ(b[0].face, 712);
  EXPECT_EQ(b[0].limit, 650);
  EXPECT_EQ(b[1].layer, 1);
  EXPECT_TRUE(b[1].innerFace);
  EXPECT_EQ(b[1].Beyond(), 130);
  // A chilled line: the cold face is the inner one; a face at its limit is within.
  f.at = {-60, -50, 20, 0};
  b = LimitBreaches(f, {{-50.0L, 100.0L}, {-50.0L, 350.0L}});
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].side, LimitSide::Lowest);
  EXPECT_EQ(b[0].layer, 0);
  EXPECT_TRUE(b[0].innerFace);
  EXPECT_TRUE(LimitBreaches(f, {}).empty());

  // 450 ℃ inside: calcium silicate (to 650 ℃) then glass wool (to 350 ℃).
  CylinderInputs c = FactoryCases::FactoryCylinder();
  c.Ti = 450;
  c.inner.Add({0.06L, {}, 0.01L});
  c.k2 = 0.045L;
  const std::vector<ServiceRange> cyl = {{std::nullopt, 650.0L}, {std::nullopt, 350.0L}};
  const std::vector<long double> stock = {25, 40, 50, 65, 75};
  const DesignCalc::InnerLayerAnswer a = DesignCalc::SolveCylinderInnerLayer(c, 0, cyl, stock);
  ASSERT_EQ(a.outcome, DesignCalc::InnerLayerOutcome::Solved);
  EXPECT_EQ(a.deciding.layer, 1);
  EXPECT_EQ(a.deciding.side, LimitSide::Highest);
  EXPECT_EQ(a.deciding.limit, 350);
  EXPECT_LE(a.faces.at[1], 350);
  c.inner.layer[0].thickness = a.exactMm / 1000;
  EXPECT_LE(CylinderHeatLoss(c).faces.at[1], 350);
  c.inner.layer[0].thickness = (a.exactMm - 0.1L) / 1000;
  EXPECT_GT(CylinderHeatLoss(c).faces.at[1], 350);
  ASSERT_TRUE(a.stockFound);
  EXPECT_GE(a.stockMm, a.exactMm);
  for (long double mm : stock)
    if (mm < a.stockMm && mm >= a.exactMm) ADD_FAILURE() << double(mm) << " was thinner";

  // Without a limit outside it the layer is not solved; a cool line needs none;
  // a limit no thickness keeps says so.
  EXPECT_EQ(DesignCalc::SolveCylinderInnerLayer(c, 0, {{std::nullopt, 650.0L}}, stock).outcome,
            DesignCalc::InnerLayerOutcome::NotApplicable);
  FlatWallInputs w = FactoryCases::FactoryWall();
  w.inner.Add({0.07L, {}, 0.05L});
  EXPECT_EQ(DesignCalc::SolveFlatWallInnerLayer(w, 0, {{}, {std::nullopt, 900.0L}}, stock).outcome,
            DesignCalc::InnerLayerOutcome::NotNeeded);
  EXPECT_EQ(DesignCalc::SolveFlatWallInnerLayer(w, 0, {{}, {std::nullopt, 21.0L}}, stock, 100).outcome,
            DesignCalc::InnerLayerOutcome::NeverWithin);
  PipeFlowInputs pf = FactoryCases::FactoryPipe();
  pf.Tin = 300 + K;
  pf.inner.Add({0.06L, {}, 0.02L});
  const DesignCalc::InnerLayerAnswer ap =
      DesignCalc::SolvePipeFlowInnerLayer(pf, 0, {{}, {std::nullopt, 150.0L}}, {});
  ASSERT_EQ(ap.outcome, DesignCalc::InnerLayerOutcome::Solved);
  EXPECT_GT(PipeFlowInletFaces(pf).at[1], 150);
  EXPECT_LE(ap.faces.at[1], 150);
}
