// The sweep runner: results in point order, equal to runs one after the
// other; a cancel stops it early; a failing point is reported.
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "calc/curves/Sweep.h"
#include "heatloss/FactoryCases.h"

using namespace HeatLossCalc;

TEST(Sweep, ResultsComeInPointOrderAndEqualSerialRuns) {
  auto cylinder = [](int i) {
    CylinderInputs in = FactoryCases::FactoryCylinder();
    in.t2 = curves::SweepValue(0.01L, 0.2L, 200, i);
    return CylinderHeatLoss(in);
  };
  auto pipe = [](int i) {
    PipeFlowInputs in = FactoryCases::FactoryPipe();
    in.t2 = curves::SweepValue(0.01L, 0.2L, 6, i);
    return PipeFlowTemperature(in).fluid;
  };
  for (const int threads : {0, 1, 3}) {
    curves::SweepControl control;
    const auto r = curves::RunSweep(200, cylinder, control, threads);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(control.done.load(), 200);
    ASSERT_EQ(r.values.size(), 200u);
    for (int i = 0; i < 200; ++i) {
      ASSERT_TRUE(r.values[i].has_value()) << i;
      const CylinderResult serial = cylinder(i);
      ASSERT_EQ(r.values[i]->surface, serial.surface) << i;
      ASSERT_EQ(r.values[i]->total, serial.total) << i;
    }
    curves::SweepControl pipeControl;
    const auto p = curves::RunSweep(6, pipe, pipeControl, threads);
    for (int i = 0; i < 6; ++i) ASSERT_EQ(*p.values[i], pipe(i)) << i;
  }
  EXPECT_EQ(curves::SweepValue(10, 200, 50, 49), 200);
  EXPECT_EQ(curves::SweepValue(10, 200, 1, 0), 10);
}

TEST(Sweep, CancelStopsEarlyAndAFailureIsReported) {
  // Points of 20 ms; the watcher cancels after the first few.
  curves::SweepControl control;
  std::thread watcher([&] {
    while (control.done.load() < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    control.cancel = true;
  });
  const auto r = curves::RunSweep(
      100,
      [](int i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return i;
      },
      control);
  watcher.join();
  EXPECT_TRUE(r.cancelled);
  EXPECT_LT(control.done.load(), 10);
  int kept = 0;
  for (int i = 0; i < 100; ++i)
    if (r.values[i]) {
      EXPECT_EQ(*r.values[i], i);
      ++kept;
    }
  EXPECT_GE(kept, 1);
  EXPECT_LT(kept, 10);

  curves::SweepControl failing;
  EXPECT_THROW(curves::RunSweep(
                   50,
                   [](int i) {
                     if (i == 7) throw std::runtime_error("point 7");
                     return i;
                   },
                   failing),
               std::runtime_error);
}
