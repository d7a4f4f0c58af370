// A chart of curves for the upper area: a title, axes captioned with their
// units, a legend, and the numbers on the axes in the program's number text.
// It keeps what it draws, so that the scenario driver can print the curves
// and their axes, and it saves itself as PNG or SVG.
#pragma once

#include <QString>
#include <QtCharts/QChartView>
#include <vector>

struct ChartPoint {
  double x, y;
};

struct ChartCurve {
  enum Style {
    Line,    // a solid line through the points
    Dashed,  // a dashed line: a level (the air, a target) or a second quantity
    Mark,    // a vertical line at points[0].x across the whole plot (a layer boundary, the rise time)
  };
  QString title;  // its legend text
  std::vector<ChartPoint> points;
  Style style = Line;
  bool rightAxis = false;  // read against the right-hand axis (ChartPlot::y2Caption)
  bool dots = false;       // a dot at every point (the few points of a sweep)
};

struct ChartPlot {
  QString title;
  QString xCaption, yCaption;  // with units: "時間 h", "温度 ℃"
  std::vector<ChartCurve> curves;
  // The right-hand axis of the curves marked rightAxis; empty: none, and
  // every curve is read against the left axis.
  QString y2Caption;
  bool wholeX = false;  // x ticks at whole numbers only (element numbers)
};

class ChartView : public QChartView {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);

  // Replaces what the chart shows.
  void Draw(const ChartPlot& plot);
  void Clear();

  // What was drawn last, with each mark's two points spanning the plot.
  const ChartPlot& Plot() const { return drawn_; }

  // Writes the chart as it shows now, through the atomic writer (AtomicFile):
  // false when the file cannot be written, and the old file is then whole.
  bool SavePng(const QString& path);
  bool SaveSvg(const QString& path);

 private:
  ChartPlot drawn_;
};

// Round steps for an axis from lo to hi: at most `count` steps of 1, 2 or 5
// times a power of ten, the first at or below lo and the last at or above hi;
// whole: the step is a whole number (at least 1).
std::vector<double> AxisTicks(double lo, double hi, int count = 6, bool whole = false);
