#include "schedule/pdf/SchedulePdf.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>
#include <cfenv>
#include <numeric>
#include <vector>

namespace Schedule {

namespace {

// The page in millimetres, the text sizes in points.
constexpr double kSide = 12, kTop = 12, kBottom = 14;
constexpr double kTitleSize = 15, kNoteSize = 7, kFootSize = 7;
constexpr double kLargestText = 7.5, kSmallestText = 5.5;
constexpr double kWidestColumn = 46;  // mm, but for the last (the status), which takes the rest
constexpr double kPad = 0.9;          // mm around a cell's text

const QColor kRule(0x40, 0x40, 0x40), kRowLine(0xC8, 0xC8, 0xC8), kBand(0xEE, 0xF1, 0xF6),
    kHeaderBand(0xD9, 0xDE, 0xE8), kGrey(0x60, 0x60, 0x60);

// IPA gothic, whose digits are all as wide, where it is installed.
QString FontFamily() {
  for (const char* family : {"IPAGothic", "IPAPGothic"})
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) return QString::fromLatin1(family);
  return QFont().family();
}

bool IsNumber(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?(E[-+]?[0-9]+)?$"));
  return number.match(text.trimmed()).hasMatch();
}

class Layout {
 public:
  Layout(QPagedPaintDevice& device, QPainter* painter, int pages, const ScheduleDocument& d)
      : device_(device),
        p_(painter),
        pages_(pages),
        d_(d),
        unit_(device.logicalDpiY() / 25.4),
        family_(FontFamily()) {
    FitColumns();
    y_ = Mm(kTop);
  }

  int Pages() const { return page_; }

  void Header() {
    const QFont title = Font(kTitleSize, true), small = Font(kNoteSize + 1, false);
    const double h = QFontMetricsF(title, &device_).height();
    if (p_) {
      p_->setPen(Qt::black);
      p_->setFont(title);
      p_->drawText(QRectF(Left(), y_, Width(), h), Qt::AlignLeft | Qt::AlignBottom, d_.title);
      p_->setFont(small);
      p_->drawText(QRectF(Left(), y_, Width(), h), Qt::AlignRight | Qt::AlignBottom, d_.subtitle);
    }
    y_ += h + Mm(1);
    Rule(Mm(0.4));
    y_ += Mm(2);
    const QFont note = Font(kNoteSize, false);
    for (const QString& n : d_.notes) {
      const double nh = Height(note, n, Width());
      if (y_ + nh > Bottom()) NewPage();
      Text(note, n, QRectF(Left(), y_, Width(), nh), Qt::AlignLeft | Qt::TextWordWrap, kGrey);
      y_ += nh;
    }
    y_ += Mm(3);
  }

  void Table() {
    TableHeader();
    bool band = false;
    for (const QStringList& row : d_.rows) {
      const double h = RowHeight(row);
      if (y_ + h > Bottom()) {
        NewPage();
        TableHeader();
      }
      if (p_) {
        if (band) p_->fillRect(QRectF(Left(), y_, TableWidth(), h), kBand);
        double x = Left();
        for (size_t c = 0; c < widths_.size(); ++c) {
          const QString text = row.value(static_cast<int>(c));
          const int align = IsNumber(text) ? Qt::AlignRight : Qt::AlignLeft;
          Text(font_, text, Inner(x, widths_[c], h), align | Qt::AlignTop | Qt::TextWordWrap, Qt::black);
          x += widths_[c];
        }
        p_->fillRect(QRectF(Left(), y_ + h - Mm(0.12), TableWidth(), Mm(0.12)), kRowLine);
      }
      band = !band;
      y_ += h;
    }
    y_ += Mm(5);
  }

  void Totals() {
    if (d_.totals.empty()) return;
    const QFont bold = Font(kLargestText + 1, true), font = Font(kLargestText + 0.5, false);
    const double rowH = QFontMetricsF(font, &device_).height() + 2 * Mm(kPad);
    const double needed = QFontMetricsF(bold, &device_).height() + Mm(3) + rowH * d_.totals.size();
    if (y_ + needed > Bottom()) NewPage();
    const double h = QFontMetricsF(bold, &device_).height();
    Text(bold, QStringLiteral("合計（状態 OK の行）"), QRectF(Left(), y_, Width(), h), Qt::AlignLeft,
         Qt::black);
    y_ += h + Mm(1);
    Rule(Mm(0.25));
    y_ += Mm(1);
    const double captionW = Mm(80), valueW = Mm(50);
    bool band = false;
    for (const auto& [caption, value] : d_.totals) {
      if (p_ && band) p_->fillRect(QRectF(Left(), y_, captionW + valueW, rowH), kBand);
      Text(font, caption, Inner(Left(), captionW, rowH), Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
      Text(font, value, Inner(Left() + captionW, valueW, rowH), Qt::AlignRight | Qt::AlignVCenter, Qt::black);
      band = !band;
      y_ += rowH;
    }
  }

  void Finish() { Foot(); }

 private:
  double Mm(double mm) const { return mm * unit_; }
  double Left() const { return Mm(kSide); }
  double Width() const { return device_.width() - 2 * Mm(kSide); }
  double Bottom() const { return device_.height() - Mm(kBottom); }
  double TableWidth() const { return std::accumulate(widths_.begin(), widths_.end(), 0.0); }
  QRectF Inner(double x, double w, double h) const {
    return QRectF(x + Mm(kPad), y_ + Mm(kPad), w - 2 * Mm(kPad), h - 2 * Mm(kPad));
  }

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

  double TextWidth(const QFont& font, const QString& text) const {
    const QFontMetricsF m(font, &device_);
    double w = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) w = std::max(w, m.horizontalAdvance(line));
    return w;
  }

  void Text(const QFont& font, const QString& text, const QRectF& r, int flags, const QColor& colour) {
    if (!p_) return;
    p_->setFont(font);
    p_->setPen(colour);
    p_->drawText(r, flags, text);
  }

  void Rule(double thickness) {
    if (p_) p_->fillRect(QRectF(Left(), y_, Width(), thickness), kRule);
    y_ += thickness;
  }

  // The columns as wide as their texts (the header may wrap at its
  // blanks), each up to kWidestColumn, the last taking what is left; the
  // text smaller while they do not fit, and then the widest ones narrower.
  void FitColumns() {
    const int n = static_cast<int>(d_.header.size());
    for (double size = kLargestText; size >= kSmallestText - 1e-9; size -= 0.5) {
      font_ = Font(size, false);
      header_ = Font(size, true);
      widths_.assign(n, 0);
      for (int c = 0; c < n; ++c) {
        double w = 0;
        for (const QString& word : d_.header[c].split(QLatin1Char(' ')))
          w = std::max(w, TextWidth(header_, word));
        for (const QStringList& row : d_.rows) w = std::max(w, TextWidth(font_, row.value(c)));
        widths_[c] = std::min(w + 2 * Mm(kPad) + Mm(0.3), Mm(kWidestColumn));
      }
      if (n > 0) widths_.back() = std::max(Mm(30), Width() - (TableWidth() - widths_.back()));
      if (TableWidth() <= Width() + 1e-6) return;
    }
    // Still too wide at the smallest text: every column but the last gives
    // up the same share of its width, its texts wrapping.
    const double others = TableWidth() - widths_.back();
    const double room = Width() - widths_.back();
    for (int c = 0; c + 1 < n; ++c) widths_[c] *= room / others;
  }

  double RowHeight(const QStringList& row) const {
    double h = QFontMetricsF(font_, &device_).height();
    for (size_t c = 0; c < widths_.size(); ++c)
      h = std::max(h, Height(font_, row.value(static_cast<int>(c)), widths_[c] - 2 * Mm(kPad)));
    return h + 2 * Mm(kPad);
  }

  void TableHeader() {
    double h = 0;
    for (size_t c = 0; c < widths_.size(); ++c)
      h = std::max(h, Height(header_, d_.header[static_cast<int>(c)], widths_[c] - 2 * Mm(kPad)));
    h += 2 * Mm(kPad);
    if (p_) {
      p_->fillRect(QRectF(Left(), y_, TableWidth(), h), kHeaderBand);
      double x = Left();
      for (size_t c = 0; c < widths_.size(); ++c) {
        Text(header_, d_.header[static_cast<int>(c)], Inner(x, widths_[c], h),
             Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, Qt::black);
        x += widths_[c];
      }
      p_->fillRect(QRectF(Left(), y_ + h - Mm(0.3), TableWidth(), Mm(0.3)), kRule);
    }
    y_ += h;
  }

  void Foot() {
    if (!p_) return;
    const QRectF band(Left(), device_.height() - Mm(kBottom) + Mm(5), Width(), Mm(5));
    Text(Font(kFootSize, false), d_.footer, band, Qt::AlignLeft | Qt::AlignVCenter, kGrey);
    Text(Font(kFootSize, false), QStringLiteral("%1 / %2").arg(page_).arg(pages_), band,
         Qt::AlignRight | Qt::AlignVCenter, kGrey);
  }

  void NewPage() {
    Foot();
    if (p_) device_.newPage();
    ++page_;
    y_ = Mm(kTop);
  }

  QPagedPaintDevice& device_;
  QPainter* p_;
  int pages_;
  const ScheduleDocument& d_;
  double unit_;
  QString family_;
  QFont font_, header_;
  std::vector<double> widths_;
  double y_ = 0;
  int page_ = 1;
};

int Lay(QPagedPaintDevice& device, QPainter* painter, const ScheduleDocument& d, int pages) {
  Layout layout(device, painter, pages, d);
  layout.Header();
  layout.Table();
  layout.Totals();
  layout.Finish();
  return layout.Pages();
}

}  // namespace

QByteArray PaintSchedulePdf(const ScheduleDocument& document) {
  // Qt's layout and painting may raise floating-point flags of their own;
  // the caller's stay as they were.
  fexcept_t flags;
  fegetexceptflag(&flags, FE_ALL_EXCEPT);
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  bool painted = false;
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(600);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("heatcalc"));
    const int pages = Lay(writer, nullptr, document, 0);
    QPainter painter;
    if (painter.begin(&writer)) {
      painter.setRenderHint(QPainter::Antialiasing);
      Lay(writer, &painter, document, pages);
      painted = painter.end();
    }
  }
  fesetexceptflag(&flags, FE_ALL_EXCEPT);
  return painted ? pdf.data() : QByteArray();
}

}  // namespace Schedule
