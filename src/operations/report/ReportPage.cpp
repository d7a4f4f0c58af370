#include "operations/report/ReportPage.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <algorithm>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "store/PdfSubsetNames.h"
#include "operations/report/ReportContent.h"
#include "store/TextFile.h"

namespace {

// The page in millimetres: the margins, the columns of the tables (caption,
// value, unit) and the chart's height.
constexpr double kSide = 18, kTop = 16, kBottom = 18;
constexpr double kCaptionWidth = 88, kValueLeft = 92, kValueWidth = 44, kUnitGap = 3;
constexpr double kChartHeight = 92, kChartLeast = 62;
// The chart is laid out at this size in pixels of the screen, then scaled
// onto the page: its fonts keep their size to the curves as on screen.
constexpr int kChartWidthPx = 760;

// The text sizes in points.
constexpr double kTitleSize = 17, kHeadingSize = 12, kTextSize = 10, kFootSize = 8;

const QColor kRule(0x40, 0x40, 0x40), kRowLine(0xC8, 0xC8, 0xC8), kBand(0xEE, 0xF1, 0xF6),
    kGrey(0x60, 0x60, 0x60);

// A value split where a column of numbers aligns: "12.5" into "12" and
// ".5", "1E-5" into "1" and "E-5"; a text that is no number stays whole and
// is not aligned.
struct Split {
  bool number = false;
  QString whole, fraction;
};

Split SplitValue(const QString& text) {
  const QString value = text.trimmed();
  long double x = 0;
  if (!TryToNumber(value, x)) return {false, value, {}};
  qsizetype at = value.indexOf(QLatin1Char('.'));
  if (at < 0) at = value.indexOf(QRegularExpression(QStringLiteral("[Ee]")));
  if (at < 0) return {true, value, {}};
  return {true, value.left(at), value.mid(at)};
}

// Lays the report out from the top of a page down; with a painter it draws,
// without one it only measures (how many pages there will be).
class Layout {
 public:
  // pages: how many the measuring pass found, for the footers.
  Layout(QPagedPaintDevice& device, QPainter* painter, int pages, const ReportContent& c)
      : device_(device),
        p_(painter),
        pages_(pages),
        unit_(device.logicalDpiY() / 25.4),
        family_(ReportFontFamily()),
        foot_(c.title + QStringLiteral("　") + c.date.toString(QStringLiteral("yyyy-MM-dd"))) {
    y_ = Mm(kTop);
  }

  int Pages() const { return page_; }

  void Header(const ReportContent& c) {
    const QFont title = Font(kTitleSize, true);
    const QFont small = Font(kTextSize, false);
    const QString date = QStringLiteral("作成日　") + c.date.toString(QStringLiteral("yyyy-MM-dd"));
    const double dateWidth = QFontMetricsF(small, &device_).horizontalAdvance(date) + Mm(2);
    const double h = Text(title, c.title.isEmpty() ? QStringLiteral("報告書") : c.title, Left(),
                          Width() - dateWidth, Qt::AlignLeft | Qt::AlignBottom);
    if (p_) {
      p_->setFont(small);
      p_->setPen(Qt::black);
      p_->drawText(QRectF(Left(), y_, Width(), h), Qt::AlignRight | Qt::AlignBottom, date);
    }
    y_ += h + Mm(1.5);
    Rule(Mm(0.5), kRule);
    y_ += Mm(4);
  }

  void Table(const QString& heading, const std::vector<ReportLine>& lines) {
    if (lines.empty()) return;
    const QFont font = Font(kTextSize, false);
    const QFontMetricsF m(font, &device_);
    // The decimal points of a column of numbers line up, the longest
    // fraction ending at the column's right edge.
    double fraction = 0;
    for (const ReportLine& l : lines) {
      const Split s = SplitValue(l.value);
      if (s.number) fraction = std::max(fraction, m.horizontalAdvance(s.fraction));
    }
    const double point = Left() + Mm(kValueLeft + kValueWidth) - fraction;
    Heading(heading, RowHeight(font, lines.front()));
    bool band = false;
    for (const ReportLine& l : lines) {
      const double h = RowHeight(font, l);
      if (y_ + h > Bottom()) {
        NewPage();
        Heading(heading + QStringLiteral("（続き）"), h);
      }
      if (p_) Row(font, l, point, h, band);
      band = !band;
      y_ += h;
    }
    y_ += Mm(5);
  }

  void Paragraphs(const QString& heading, const QStringList& texts) {
    if (texts.isEmpty()) return;
    const QFont font = Font(kTextSize, false);
    Heading(heading, Height(font, texts.front(), Width() - Mm(2)));
    for (const QString& text : texts) {
      if (y_ + Height(font, text, Width() - Mm(2)) > Bottom()) NewPage();
      y_ += Text(font, text, Left() + Mm(2), Width() - Mm(2), Qt::AlignLeft | Qt::TextWordWrap) + Mm(1.5);
    }
    y_ += Mm(4);
  }

  // The chart below the rest where it fits at least kChartLeast high,
  // otherwise at its full height on a new page.
  void Chart(const ChartPlot& plot) {
    if (plot.curves.empty()) return;
    const QString heading = QStringLiteral("グラフ");
    double h = Mm(kChartHeight);
    const double room = Bottom() - y_ - HeadingHeight(heading);
    if (room < h && room >= Mm(kChartLeast)) h = room;
    Heading(heading, h);
    if (p_) PaintChart(plot, QRectF(Left(), y_, Width(), h));
    y_ += h + Mm(4);
  }

  // The footer of the last page.
  void Finish() { Foot(); }

 private:
  // The footer of the page: the title and date, the page's number.
  void Foot() {
    if (!p_) return;
    const QFont font = Font(kFootSize, false);
    p_->setFont(font);
    p_->setPen(kGrey);
    const QRectF band(Left(), device_.height() - Mm(kBottom) + Mm(6), Width(), Mm(6));
    p_->drawText(band, Qt::AlignLeft | Qt::AlignVCenter, foot_);
    p_->drawText(band, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 / %2").arg(page_).arg(pages_));
  }

  double Mm(double mm) const { return mm * unit_; }
  double Left() const { return Mm(kSide); }
  double Width() const { return device_.width() - 2 * Mm(kSide); }
  double Bottom() const { return device_.height() - Mm(kBottom); }

  QFont Font(double points, bool bold) const {
    QFont f(family_);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
  }

  double Height(const QFont& font, const QString& text, double width) const {
    return QFontMetricsF(font, &device_)
        .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text)
        .height();
  }

  // Draws text at the cursor's height; returns its height.
  double Text(const QFont& font, const QString& text, double x, double width, int flags) {
    const double h = Height(font, text, width);
    if (p_) {
      p_->setFont(font);
      p_->setPen(Qt::black);
      p_->drawText(QRectF(x, y_, width, h), flags | Qt::TextWordWrap, text);
    }
    return h;
  }

  void Rule(double thickness, const QColor& colour) {
    if (p_) p_->fillRect(QRectF(Left(), y_, Width(), thickness), colour);
    y_ += thickness;
  }

  // A section's heading; a new page first when the heading and the first
  // `next` of its content would not fit.
  void Heading(const QString& text, double next) {
    if (y_ + HeadingHeight(text) + next > Bottom()) NewPage();
    y_ += Text(Font(kHeadingSize, true), text, Left(), Width(), Qt::AlignLeft) + Mm(1);
    Rule(Mm(0.25), kRule);
    y_ += Mm(1.5) - Mm(0.25);
  }

  double HeadingHeight(const QString& text) const {
    return Height(Font(kHeadingSize, true), text, Width()) + Mm(2.5);
  }

  double RowHeight(const QFont& font, const ReportLine& l) const {
    return std::max(Height(font, l.caption, Mm(kCaptionWidth)), Height(font, l.value, ValueWidth(l))) +
           Mm(2.4);
  }

  // A text value may run on into the unit's column when it has no unit.
  double ValueWidth(const ReportLine& l) const {
    return l.unit.isEmpty() ? Width() - Mm(kValueLeft) : Mm(kValueWidth);
  }

  void Row(const QFont& font, const ReportLine& l, double point, double h, bool band) {
    if (band) p_->fillRect(QRectF(Left(), y_, Width(), h), kBand);
    p_->setFont(font);
    p_->setPen(Qt::black);
    const double pad = Mm(1.2);
    p_->drawText(QRectF(Left() + Mm(2), y_ + pad, Mm(kCaptionWidth), h - 2 * pad),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, l.caption);
    const Split s = SplitValue(l.value);
    if (s.number) {
      p_->drawText(QRectF(Left(), y_ + pad, point - Left(), h - 2 * pad), Qt::AlignRight | Qt::AlignTop,
                   s.whole);
      p_->drawText(QRectF(point, y_ + pad, Mm(kValueWidth), h - 2 * pad), Qt::AlignLeft | Qt::AlignTop,
                   s.fraction);
    } else {
      p_->drawText(QRectF(Left() + Mm(kValueLeft), y_ + pad, ValueWidth(l), h - 2 * pad),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, l.value);
    }
    const double unitLeft = Left() + Mm(kValueLeft + kValueWidth + kUnitGap);
    p_->drawText(QRectF(unitLeft, y_ + pad, Left() + Width() - unitLeft, h - 2 * pad),
                 Qt::AlignLeft | Qt::AlignTop, l.unit);
    p_->fillRect(QRectF(Left(), y_ + h - Mm(0.15), Width(), Mm(0.15)), kRowLine);
  }

  void NewPage() {
    Foot();
    if (p_) device_.newPage();
    ++page_;
    y_ = Mm(kTop);
  }

  // The chart as ChartView draws it, at a size of the screen, scaled into
  // target as vector graphics, its texts in the report's font.
  void PaintChart(const ChartPlot& plot, const QRectF& target) {
    const QSizeF size(kChartWidthPx, kChartWidthPx * target.height() / target.width());
    ChartView view;
    view.resize(size.toSize());
    view.Draw(plot);
    QChart* chart = view.chart();
    chart->resize(size);
    auto withFamily = [this](QFont f) {
      f.setFamily(family_);
      return f;
    };
    chart->setTitleFont(withFamily(chart->titleFont()));
    chart->legend()->setFont(withFamily(chart->legend()->font()));
    for (QAbstractAxis* axis : chart->axes()) {
      axis->setLabelsFont(withFamily(axis->labelsFont()));
      axis->setTitleFont(withFamily(axis->titleFont()));
    }
    chart->layout()->activate();
    view.scene()->render(p_, target, QRectF(QPointF(0, 0), size));
  }

  QPagedPaintDevice& device_;
  QPainter* p_;
  int pages_;
  double unit_;  // device pixels per millimetre
  QString family_;
  QString foot_;
  double y_ = 0;
  int page_ = 1;
};

// One pass over the content; returns the pages it took.
int Lay(QPagedPaintDevice& device, QPainter* painter, const ReportContent& c, int pages) {
  Layout layout(device, painter, pages, c);
  layout.Header(c);
  layout.Table(QStringLiteral("入力"), c.inputs);
  layout.Table(QStringLiteral("表面の定数"), c.constants);
  layout.Table(QStringLiteral("結果"), c.results);
  layout.Paragraphs(QStringLiteral("計算方法"), c.method);
  if (!c.hint.isEmpty()) layout.Paragraphs(QStringLiteral("入力の注意"), {c.hint});
  layout.Chart(c.chart);
  layout.Finish();
  return layout.Pages();
}

}  // namespace

QString ReportFontFamily() {
  for (const char* family : {"IPAPGothic", "IPAGothic"})
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return QString::fromLatin1(family);
  return QFont().family();
}

bool PaintReport(QPagedPaintDevice& device, const ReportContent& content) {
  // Qt's layout and painting may raise float flags of their own.
  FloatFaults::Keep keep;
  const int pages = Lay(device, nullptr, content, 0);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  Lay(device, &painter, content, pages);
  return painter.end();
}

void WriteReportPdf(const QString& path, const ReportContent& content) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  bool painted = false;
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(600);
    writer.setTitle(content.title);
    writer.setCreator(QStringLiteral("heatcalc"));
    painted = PaintReport(writer, content);
  }
  if (!painted) throw FileError(TextFile::CannotWrite(path));
  TextFile::WriteBytes(path, TagSubsetFonts(pdf.data()));
}
