#include "widgets/ChartView.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <algorithm>
#include <cmath>
#include <limits>

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"

namespace {

// Distinct colours in the order the curves come; marks are grey.
const QColor kColours[] = {QColor(0x1f, 0x4e, 0xb4), QColor(0xc0, 0x39, 0x2b), QColor(0x1e, 0x84, 0x49),
                           QColor(0x8e, 0x44, 0xad), QColor(0xd3, 0x84, 0x00), QColor(0x16, 0xa0, 0x85)};

struct Range {
  double lo = std::numeric_limits<double>::infinity();
  double hi = -std::numeric_limits<double>::infinity();
  void Add(double v) {
    if (!std::isfinite(v)) return;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  bool Empty() const { return !(lo <= hi); }
};

QCategoryAxis* Axis(const QString& caption, const std::vector<double>& ticks) {
  auto* axis = new QCategoryAxis;
  axis->setTitleText(caption);
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setRange(ticks.front(), ticks.back());
  for (double t : ticks) axis->append(NumberText(static_cast<long double>(t)), t);
  axis->setStartValue(ticks.front());
  QFont font = axis->labelsFont();
  font.setPixelSize(11);
  axis->setLabelsFont(font);
  return axis;
}

}  // namespace

std::vector<double> AxisTicks(double lo, double hi, int count) {
  if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) return {0, 1};
  if (hi - lo < 1e-12 * std::max(1.0, std::fabs(hi))) {
    lo -= std::max(0.5, std::fabs(lo) * 0.05);
    hi += std::max(0.5, std::fabs(hi) * 0.05);
  }
  const double raw = (hi - lo) / std::max(1, count - 1);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  const double first = std::floor(lo / step) * step;
  std::vector<double> ticks;
  for (double t = first; ticks.size() < 100; t = first + step * static_cast<double>(ticks.size())) {
    // Snap away the binary noise of the additions, so that 0.30000000000000004 reads 0.3.
    ticks.push_back(std::round(t / step) * step);
    if (t >= hi - step * 1e-9) break;
  }
  if (ticks.size() < 2) ticks.push_back(ticks.front() + step);
  return ticks;
}

ChartView::ChartView(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  chart()->setMargins(QMargins(4, 4, 4, 4));
}

void ChartView::Clear() { Draw(ChartPlot{}); }

void ChartView::Draw(const ChartPlot& plot) {
  // Qt may raise the FPU flags of its own while it lays the chart out.
  FloatFaults::Keep keep;
  drawn_ = plot;
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* a : c->axes()) {
    c->removeAxis(a);
    delete a;
  }
  c->setTitle(plot.title);
  QFont titleFont = c->titleFont();
  titleFont.setPixelSize(13);
  titleFont.setBold(true);
  c->setTitleFont(titleFont);

  Range x, y;
  for (const ChartCurve& curve : plot.curves)
    for (const ChartPoint& p : curve.points) {
      x.Add(p.x);
      if (curve.style != ChartCurve::Mark) y.Add(p.y);
    }
  if (x.Empty() || y.Empty()) {
    c->legend()->setVisible(false);
    return;
  }
  const std::vector<double> xTicks = AxisTicks(x.lo, x.hi);
  const std::vector<double> yTicks = AxisTicks(y.lo, y.hi);
  QCategoryAxis* xAxis = Axis(plot.xCaption, xTicks);
  QCategoryAxis* yAxis = Axis(plot.yCaption, yTicks);
  c->addAxis(xAxis, Qt::AlignBottom);
  c->addAxis(yAxis, Qt::AlignLeft);

  int colour = 0;
  for (ChartCurve& curve : drawn_.curves) {
    auto* series = new QLineSeries;
    series->setName(curve.title);
    if (curve.style == ChartCurve::Mark && !curve.points.empty()) {
      const double at = curve.points.front().x;
      curve.points = {{at, yTicks.front()}, {at, yTicks.back()}};
    }
    for (const ChartPoint& p : curve.points) series->append(p.x, p.y);
    QPen pen(curve.style == ChartCurve::Mark ? QColor(0x80, 0x80, 0x80)
                                            : kColours[colour++ % std::size(kColours)]);
    pen.setWidthF(curve.style == ChartCurve::Line ? 2.0 : 1.2);
    if (curve.style != ChartCurve::Line) pen.setStyle(Qt::DashLine);
    series->setPen(pen);
    c->addSeries(series);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
  c->legend()->setVisible(true);
  // A mark shows its caption in the legend once, however many lines it has.
  QStringList seen;
  for (QLegendMarker* m : c->legend()->markers()) {
    if (seen.contains(m->label())) m->setVisible(false);
    seen << m->label();
  }
}

bool ChartView::SavePng(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!grab().save(&file, "PNG")) return false;
  return file.commit();
}

bool ChartView::SaveSvg(const QString& path) {
  QBuffer svg;
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(size());
  generator.setViewBox(rect());
  generator.setTitle(chart()->title());
  {
    QPainter painter(&generator);
    render(&painter);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(svg.data());
  return file.commit();
}
