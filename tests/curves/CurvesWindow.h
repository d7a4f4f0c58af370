// The real window (support/FormFixture) with the helpers of the chart and
// sweep tests: the curves drawn in GraphView by their legend, waiting for
// work in the background, and every text and store cell of the window.
#pragma once

#include <QStringList>

#include "support/FormFixture.h"
#include "widgets/ChartView.h"

class CurvesWindow : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    EXPECT_EQ(TakeMessages(), QStringList()) << "start-up";
  }

  const ChartPlot& Plot() const;
  // The curve with this legend; fails the test when there is none.
  const ChartCurve& Curve(const QString& title) const;
  // The x of every mark with this legend, in the order drawn.
  std::vector<double> Marks(const QString& title) const;
  // Processes events until no work runs in the background (10 s at most).
  void Settle();
  // Every text and check of the window's controls but the graph page's
  // own, and every cell of the store.
  QStringList WindowTexts() const;
};
