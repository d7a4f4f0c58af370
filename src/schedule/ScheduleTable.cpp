#include "schedule/ScheduleTable.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "foundation/Errors.h"
#include "foundation/NumberText.h"
#include "schedule/LineCase.h"
#include "store/TextFile.h"

namespace Schedule {

namespace {

QString Money(long double x) { return RoundedText(x, 0); }
QString Tenth(long double x) { return RoundedText(x, 1); }

QString Japanese(CriterionKind k) { return QString::fromUtf8(NameOf(k).japanese); }

const CriterionResult* Find(const LineResult& r, CriterionKind k) {
  for (const CriterionResult& c : r.criteria)
    if (c.kind == k) return &c;
  return nullptr;
}

QString Defaulted(const LineList& list, Column c) {
  const auto d = list.columnDefaults.find(c);
  return d == list.columnDefaults.end() ? QString() : d->second.text;
}

}  // namespace

void Totals::Add(const LineResult& r) {
  ++lines;
  if (!r.answered) return;
  ++answered;
  if (r.chosenMm > 0) {
    length += r.length;
    area += r.area;
  }
  bareW += fabsl(r.bareW);
  lossW += fabsl(r.lossW);
  if (r.yearly) {
    yearly = true;
    energyKWh += r.energyKWh;
    costYen += r.costYen;
    co2Kg += r.co2Kg;
    savedKWh += r.savedKWh;
    savedYen += r.savedYen;
    savedKg += r.savedKg;
  }
}

std::vector<Totals::Line> Totals::Texts() const {
  std::vector<Line> t = {
      {QStringLiteral("行数"), QString::number(lines), QString()},
      {QStringLiteral("答えの出た行（状態 OK）"), QString::number(answered), QString()},
      {QStringLiteral("理由のある行"), QString::number(lines - answered), QString()},
      {QStringLiteral("保温する配管の長さ"), Tenth(length), QStringLiteral("m")},
      {QStringLiteral("保温する面の面積"), Tenth(area), QStringLiteral("m2")},
      {QStringLiteral("保温なしの放熱量（取得熱を含む）"), Tenth(bareW), QStringLiteral("W")},
      {QStringLiteral("保温後の放熱量（取得熱を含む）"), Tenth(lossW), QStringLiteral("W")},
  };
  if (yearly) {
    t.push_back({QStringLiteral("保温後のエネルギー"), Tenth(energyKWh), QStringLiteral("kWh/年")});
    t.push_back({QStringLiteral("保温後の費用"), Money(costYen), QStringLiteral("円/年")});
    t.push_back({QStringLiteral("保温後の CO2"), Tenth(co2Kg), QStringLiteral("kg/年")});
    t.push_back({QStringLiteral("節約するエネルギー"), Tenth(savedKWh), QStringLiteral("kWh/年")});
    t.push_back({QStringLiteral("節約する費用"), Money(savedYen), QStringLiteral("円/年")});
    t.push_back({QStringLiteral("減らす CO2"), Tenth(savedKg), QStringLiteral("kg/年")});
  }
  return t;
}

ScheduleTable::ScheduleTable(const LineList& list) : list_(list) {
  int width = static_cast<int>(list.header.size());
  for (const Record& r : list.lines) width = std::max(width, static_cast<int>(r.cells.size()));
  header_ << QStringLiteral("行");
  for (int i = 0; i < width; ++i) {
    const QString name = list.header.value(i);
    header_ << (name.isEmpty() ? QStringLiteral("列%1").arg(i + 1) : name);
  }
  inputs_ = width;

  // What the lines ask, to choose the result columns.
  const int criterion = list.IndexOf(Column::Criterion), humidity = list.IndexOf(Column::Humidity),
            hours = list.IndexOf(Column::Hours);
  bool asked[std::size(kCriterionKinds)] = {};
  humidity_ = !Defaulted(list, Column::Humidity).isEmpty();
  hours_ = !Defaulted(list, Column::Hours).isEmpty();
  for (const Record& r : list.lines) {
    QString cell = criterion >= 0 ? r.cells.value(criterion).trimmed() : QString();
    if (cell.isEmpty()) cell = Defaulted(list, Column::Criterion);
    for (CriterionKind k : KindsNamed(cell)) asked[static_cast<int>(k)] = true;
    if (humidity >= 0 && !r.cells.value(humidity).trimmed().isEmpty()) humidity_ = true;
    if (hours >= 0 && !r.cells.value(hours).trimmed().isEmpty()) hours_ = true;
  }
  for (CriterionKind k : kCriterionKinds)
    if (asked[static_cast<int>(k)]) kinds_.push_back(k);

  status_ = static_cast<int>(header_.size());
  header_ << QStringLiteral("状態") << QStringLiteral("外径 mm（計算）");
  for (CriterionKind k : kinds_) {
    if (k == CriterionKind::Economic) {
      header_ << QStringLiteral("経済的厚さ mm");
      continue;
    }
    header_ << Japanese(k) + QStringLiteral(" 必要厚さ mm") << Japanese(k) + QStringLiteral(" 在庫厚さ mm");
  }
  header_ << QStringLiteral("決定基準") << QStringLiteral("保温厚さ mm") << QStringLiteral("表面温度 ℃")
          << QStringLiteral("放熱量 W/m") << QStringLiteral("放熱量 W/m2")
          << QStringLiteral("放熱量 W（負は取得熱）") << QStringLiteral("保温なしの放熱量 W");
  if (humidity_) header_ << QStringLiteral("露点 ℃") << QStringLiteral("露点との差 K");
  if (asked[static_cast<int>(CriterionKind::HeaterRuns)]) header_ << QStringLiteral("ヒーター本数");
  if (hours_)
    header_ << QStringLiteral("エネルギー kWh/年") << QStringLiteral("費用 円/年")
            << QStringLiteral("CO2 kg/年") << QStringLiteral("節約 kWh/年") << QStringLiteral("節約 円/年")
            << QStringLiteral("CO2 削減 kg/年");
}

QStringList ScheduleTable::Row(const LineResult& r) const {
  QStringList cells;
  cells.reserve(header_.size());
  cells << QString::number(r.row);
  const QStringList& input = list_.lines[r.index].cells;
  for (int i = 0; i < inputs_; ++i) cells << input.value(i);
  cells << r.status << r.outerDiameter;
  for (CriterionKind k : kinds_) {
    const CriterionResult* c = Find(r, k);
    if (k == CriterionKind::Economic) {
      cells << (c ? c->exact : QString());
      continue;
    }
    cells << (c ? c->exact : QString()) << (c ? c->stock : QString());
  }
  cells << r.governing << r.thickness << r.surface << (r.pipe ? r.lossPerUnit : QString())
        << (r.pipe ? QString() : r.lossPerUnit) << r.loss << r.bareLoss;
  if (humidity_) cells << r.dewPoint << r.dewMargin;
  if (std::find(kinds_.begin(), kinds_.end(), CriterionKind::HeaterRuns) != kinds_.end()) cells << r.runs;
  if (hours_) cells << r.energy << r.cost << r.co2 << r.savedEnergy << r.savedCost << r.savedCo2;
  return cells;
}

QStringList ScheduleTable::Notes(const WindowSettings& w, const QDateTime& made) const {
  QStringList notes;
  notes << QStringLiteral("配管リスト %1（%2、%3区切り）を %4 に計算")
               .arg(QDir::toNativeSeparators(list_.path), EncodingName(list_.encoding),
                    list_.separator == QLatin1Char('\t') ? QStringLiteral("タブ") : QStringLiteral("コンマ"),
                    made.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
  QStringList block;
  for (const auto& [c, v] : list_.columnDefaults) block << v.name + QLatin1Char('=') + v.text;
  for (const auto& [s, v] : list_.settings)
    block << v.name + QLatin1Char('=') + v.values.join(QLatin1Char(' '));
  for (const auto& [k, v] : list_.criterionTargets) block << v.name + QLatin1Char('=') + v.text;
  if (!block.isEmpty())
    notes << QStringLiteral("空欄の既定値（リストの先頭）: ") + block.join(QStringLiteral("、"));
  notes << QStringLiteral(
               "ほかの空欄は%1: σ %2×%3、放射率 %4、対流熱伝達率 %5 W/(m2・K)、"
               "配管は肉厚 %6 mm・管の k %7・保温材の k %8、平面は構造材 %9 mm・k %10・保温材の k %11、"
               "単価 %12 円/kWh・効率 %13・CO2 %14 kg/kWh・%15 年・割引率 %16 %")
               .arg(w.source, w.stefanBoltzmann, w.stefanBoltzmannFactor, w.emissivity, w.coefficient,
                    w.pipeWall, w.pipeWallK, w.pipeInsulationK, w.flatWall)
               .arg(w.flatWallK, w.flatInsulationK, w.price, w.efficiency, w.co2, w.years, w.rate);
  QStringList stock;
  for (long double mm : w.stock) stock << NumberText(mm);
  if (list_.settings.count(Setting::Stock) == 0)
    notes << (w.stockProblem.isEmpty() ? QStringLiteral("在庫厚さ mm（G1de-ta/hoonzai_atsusa.csv）: ") +
                                             stock.join(QLatin1Char(' '))
                                       : w.stockProblem);
  if (!w.costsProblem.isEmpty()) notes << w.costsProblem;
  notes << QStringLiteral(
      "自動（外面の熱伝達率を条件から）は風速か向きのある行で使う。"
      "厚さは保温厚さのページと同じ逆算（0.1 mm 刻み）、決定基準は最も厚い保温を要する基準。");
  notes << list_.notes;
  return notes;
}

QByteArray ScheduleTable::Csv(const std::vector<LineResult>& lines, const QStringList& notes,
                              bool* lossless) const {
  const QChar sep = list_.separator;
  QStringList out;
  out << JoinRecord({QStringLiteral("保温リスト"), QFileInfo(list_.path).fileName()}, sep);
  for (const QString& n : notes) out << JoinRecord({QStringLiteral("注記"), n}, sep);
  out << QString();
  out << JoinRecord(header_, sep);
  Totals totals;
  for (const LineResult& r : lines) {
    out << JoinRecord(Row(r), sep);
    totals.Add(r);
  }
  out << QString() << JoinRecord({QStringLiteral("合計（状態 OK の行）")}, sep);
  // The value a cell of its own, so that a spreadsheet reads it as a number.
  for (const Totals::Line& t : totals.Texts()) out << JoinRecord({t.caption, t.value, t.unit}, sep);
  return Encode(out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), list_.encoding, lossless);
}

ScheduleDocument ScheduleTable::Document(const std::vector<LineResult>& lines, const QStringList& notes,
                                         const QDateTime& made) const {
  ScheduleDocument d;
  d.title = QStringLiteral("保温リスト");
  d.subtitle = QStringLiteral("%1　%2").arg(QFileInfo(list_.path).fileName(),
                                            made.toString(QStringLiteral("yyyy-MM-dd")));
  d.notes = notes;
  d.footer = d.title + QStringLiteral("　") + d.subtitle;
  // The columns a page can hold: the line, what names it, its size and
  // temperatures, its criteria and the answer.
  std::vector<int> inputs;
  for (Column c :
       {Column::Tag, Column::Size, Column::Length, Column::Area, Column::Temperature, Column::Ambient})
    if (const int i = list_.IndexOf(c); i >= 0) inputs.push_back(i);
  d.header << QStringLiteral("行");
  for (int i : inputs) d.header << list_.header[i];
  d.header << QStringLiteral("外径 mm") << QStringLiteral("基準") << QStringLiteral("決定基準")
           << QStringLiteral("保温厚さ mm") << QStringLiteral("表面温度 ℃")
           << QStringLiteral("放熱量 W/m・W/m2") << QStringLiteral("放熱量 W");
  if (hours_) d.header << QStringLiteral("節約 円/年");
  d.header << QStringLiteral("状態");
  Totals totals;
  for (const LineResult& r : lines) {
    totals.Add(r);
    QStringList row{QString::number(r.row)};
    const QStringList& cells = list_.lines[r.index].cells;
    for (int i : inputs) row << cells.value(i).trimmed();
    QStringList criteria;
    for (const CriterionResult& c : r.criteria) criteria << c.label;
    row << r.outerDiameter << criteria.join(QStringLiteral("\n")) << r.governing << r.thickness << r.surface
        << r.lossPerUnit << r.loss;
    if (hours_) row << r.savedCost;
    row << r.status;
    d.rows.push_back(row);
  }
  for (const Totals::Line& t : totals.Texts())
    d.totals.push_back({t.caption, t.unit.isEmpty() ? t.value : t.value + QLatin1Char(' ') + t.unit});
  return d;
}

QString DefaultSchedulePath(const QString& listPath, const QString& suffix) {
  const QFileInfo info(listPath);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral("_保温リスト") + suffix);
}

void WriteOutput(const QString& path, const QByteArray& bytes, const QString& listPath) {
  const QFileInfo out(path), in(listPath);
  const bool same = out.exists() && in.exists() ? out.canonicalFilePath() == in.canonicalFilePath()
                                                : out.absoluteFilePath() == in.absoluteFilePath();
  if (same)
    throw FileError(
        QStringLiteral("ファイル %1 は配管リストそのものなので書き出しません。別の名前にしてください。")
            .arg(path));
  TextFile::WriteBytes(path, bytes);
}

}  // namespace Schedule
