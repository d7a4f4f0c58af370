#include "widgets/ChartView.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <algorithm>
#include <cmath>
#include <limits>

#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "store/TextFile.h"

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
  // A little room above and below, so that a curve at the extremes (a
  // target temperature, a level) stays apart from the frame.
  Range Padded() const {
    const double room = (hi - lo) * 0.03;
    return {lo - room, hi + room};
  }
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

std::vector<double> AxisTicks(double lo, double hi, int count, bool whole) {
  if (!(lo <= hi) || !std::isfinite(lo) || !std::isfinite(hi)) return {0, 1};
  if (hi - lo < 1e-12 * std::max(1.0, std::fabs(hi))) {
    lo -= std::max(0.5, std::fabs(lo) * 0.05);
    hi += std::max(0.5, std::fabs(hi) * 0.05);
  }
  // The step is m × 10^e; a tick k steps from 0 is k·m × 10^e, formed so
  // that it is the double nearest the decimal it stands for (0.6, not
  // 0.6000000000000001).
  const double raw = (hi - lo) / std::max(1, count);
  int e = static_cast<int>(std::floor(std::log10(raw)));
  double m = 10;
  for (double candidate : {1.0, 2.0, 5.0, 10.0})
    if (candidate * std::pow(10.0, e) >= raw) {
      m = candidate;
      break;
    }
  if (whole && e < 0) {
    m = 1;
    e = 0;
  }
  const double scale = std::pow(10.0, std::abs(e));  // exact up to 10^22
  auto tick = [&](double k) { return e < 0 ? k * m / scale : k * m * scale; };
  const double step = tick(1);
  const double firstK = std::floor(lo / step);
  std::vector<double> ticks;
  for (double k = firstK; ticks.size() < 100; k += 1) {
    ticks.push_back(tick(k));
    if (ticks.back() >= hi - step * 1e-9) break;
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

  // The right-hand axis serves only where it has a caption.
  const bool twoAxes = !plot.y2Caption.isEmpty();
  auto onRight = [twoAxes](const ChartCurve& c) { return twoAxes && c.rightAxis; };
  Range x, y, y2;
  for (const ChartCurve& curve : plot.curves)
    for (const ChartPoint& p : curve.points) {
      x.Add(p.x);
      if (curve.style != ChartCurve::Mark) (onRight(curve) ? y2 : y).Add(p.y);
    }
  if (y.Empty() && !y2.Empty()) y = y2;
  if (x.Empty() || y.Empty()) {
    c->legend()->setVisible(false);
    return;
  }
  const std::vector<double> xTicks = AxisTicks(x.lo, x.hi, 6, plot.wholeX);
  y = y.Padded();
  const std::vector<double> yTicks = AxisTicks(y.lo, y.hi);
  QCategoryAxis* xAxis = Axis(plot.xCaption, xTicks);
  QCategoryAxis* yAxis = Axis(plot.yCaption, yTicks);
  c->addAxis(xAxis, Qt::AlignBottom);
  c->addAxis(yAxis, Qt::AlignLeft);
  QCategoryAxis* y2Axis = nullptr;
  if (!y2.Empty()) {
    y2 = y2.Padded();
    y2Axis = Axis(plot.y2Caption, AxisTicks(y2.lo, y2.hi));
    y2Axis->setGridLineVisible(false);
    c->addAxis(y2Axis, Qt::AlignRight);
  }

  int colour = 0;
  for (ChartCurve& curve : drawn_.curves) {
    auto* series = new QLineSeries;
    series->setName(curve.title);
    if (curve.style == ChartCurve::Mark && !curve.points.empty()) {
      const double at = curve.points.front().x;
      curve.points = {{at, yTicks.front()}, {at, yTicks.back()}};
    }
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(curve.points.size()));
    for (const ChartPoint& p : curve.points) points.append(QPointF(p.x, p.y));
    series->replace(points);
    QPen pen(curve.style == ChartCurve::Mark ? QColor(0x80, 0x80, 0x80)
                                            : kColours[colour++ % std::size(kColours)]);
    pen.setWidthF(curve.style == ChartCurve::Line ? 2.0 : 1.2);
    if (curve.style != ChartCurve::Line) pen.setStyle(Qt::DashLine);
    series->setPen(pen);
    if (curve.dots) {
      series->setPointsVisible(true);
      series->setMarkerSize(6);
    }
    c->addSeries(series);
    series->attachAxis(xAxis);
    series->attachAxis(y2Axis && onRight(curve) && curve.style != ChartCurve::Mark ? y2Axis : yAxis);
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
  // Encoded in memory, then through the atomic writer: a disk that fills up
  // leaves the old file (and the PNG encoder never meets a failing write,
  // from which it does not recover cleanly).
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  if (!grab().save(&png, "PNG")) return false;
  return TextFile::WriteBytesAtomically(path, png.data());
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
  return TextFile::WriteBytesAtomically(path, svg.data());
}
