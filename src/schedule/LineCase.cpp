#include "schedule/LineCase.h"

#include <cmath>

#include "calc/design/DewPoint.h"
#include "calc/heatloss/SurfaceLoss.h"
#include "calc/surface/TemperatureConductivity.h"
#include "foundation/NumberText.h"

namespace Schedule {

namespace {

using HeatLossCalc::kKelvin;
using SurfaceCalc::Orientation;

// The stand-ins of the panels for a layer that reads "0" or is left empty
// (CylinderCalculator.cpp, FlatPlateCalculator.cpp).
constexpr long double kCylinderNoLayer = 1E-5L;             // m
const QString kFlatNoStructure = QStringLiteral("0.0001");  // mm
constexpr long double kHighestOptionC = 2000;               // SurfaceOptions::WithinRange

// A value of a line and where it comes from, for the reason.
struct Value {
  QString text;
  QString where;  // "12 行目「温度 ℃」", "既定値「外気温度」（3 行目）", "画面の設定「放射率」"
  bool given() const { return !text.isEmpty(); }
};

struct Failed {
  QString reason;
};

[[noreturn]] void Refuse(const Value& v, const QString& what) {
  throw Failed{v.where + QStringLiteral(": ") + what};
}

class LineReader {
 public:
  LineReader(const ReadingContext& c, const Record& r) : c_(c), r_(r) {}

  // The line's own cell of the column; empty when the list has no such
  // column or the cell is empty.
  Value Own(Column col) const {
    const int i = c_.list.IndexOf(col);
    if (i < 0) return {QString(), Where(col)};
    return {r_.cells.value(i).trimmed(), Where(col)};
  }
  // The cell, else the block's default.
  Value Cell(Column col) const {
    const Value own = Own(col);
    if (own.given()) return own;
    const auto d = c_.list.columnDefaults.find(col);
    if (d != c_.list.columnDefaults.end() && !d->second.text.isEmpty())
      return {d->second.text,
              QStringLiteral("既定値「%1」（%2 行目）").arg(d->second.name, QString::number(d->second.row))};
    return own;
  }
  // The cell, the block's default, else the window's setting.
  Value WithWindow(Column col, const QString& windowText, const char* caption) const {
    const Value v = Cell(col);
    if (v.given()) return v;
    return {windowText.trimmed(),
            QStringLiteral("%1「%2」").arg(c_.window.source, QString::fromUtf8(caption))};
  }
  std::optional<Value> Setting(Schedule::Setting s) const {
    const auto d = c_.list.settings.find(s);
    if (d == c_.list.settings.end() || d->second.text.isEmpty()) return std::nullopt;
    return Value{
        d->second.text,
        QStringLiteral("既定値「%1」（%2 行目）").arg(d->second.name, QString::number(d->second.row))};
  }
  Value SettingOrWindow(Schedule::Setting s, const QString& windowText) const {
    if (std::optional<Value> v = Setting(s)) return *v;
    return {windowText.trimmed(), QStringLiteral("%1「%2」").arg(c_.window.source, Caption(s))};
  }

  QString Row() const { return QString::number(r_.row); }

 private:
  QString Where(Column col) const {
    const int i = c_.list.IndexOf(col);
    const QString name = i >= 0 ? c_.list.header[i] : Caption(col);
    return QStringLiteral("%1 行目「%2」").arg(QString::number(r_.row), name);
  }
  const ReadingContext& c_;
  const Record& r_;
};

long double Number(const Value& v) {
  if (!v.given()) Refuse(v, QStringLiteral("値がありません。"));
  long double x = 0;
  if (!TryToNumber(v.text, x)) Refuse(v, QStringLiteral("'%1' は数ではありません。").arg(v.text));
  return x;
}

std::optional<long double> Optional(const Value& v) {
  if (!v.given()) return std::nullopt;
  return Number(v);
}

long double Positive(const Value& v) {
  const long double x = Number(v);
  if (!(x > 0)) Refuse(v, QStringLiteral("%1 は 0 より大きい数にしてください。").arg(v.text));
  return x;
}

long double NotNegative(const Value& v) {
  const long double x = Number(v);
  if (!(x >= 0)) Refuse(v, QStringLiteral("%1 は 0 以上の数にしてください。").arg(v.text));
  return x;
}

long double Temperature(const Value& v) {
  const long double t = Number(v);
  if (!(t > -kKelvin))
    Refuse(v, QStringLiteral("%1 ℃ は絶対零度（-273.15 ℃）より高い温度にしてください。").arg(v.text));
  return t;
}

// A word of a list: folded and compared with the entries.
bool Is(const QString& folded, std::initializer_list<const char*> words) {
  for (const char* w : words)
    if (folded == Fold(QString::fromUtf8(w))) return true;
  return false;
}

bool PipeShape(const LineReader& in) {
  const Value shape = in.Cell(Column::Shape);
  if (shape.given()) {
    const QString s = Fold(shape.text);
    if (Is(s, {"配管", "管", "円筒", "丸", "pipe", "piping", "cylinder", "tube"})) return true;
    if (Is(s, {"平面", "平板", "面", "壁", "機器", "タンク", "槽", "ダクト", "flat", "plate", "wall",
               "surface", "tank", "vessel", "duct", "equipment"}))
      return false;
    Refuse(shape, QStringLiteral("形状 '%1' は「配管」か「平面」にしてください。").arg(shape.text));
  }
  if (in.Cell(Column::Size).given() || in.Cell(Column::OuterDiameter).given()) return true;
  if (in.Cell(Column::Area).given()) return false;
  Refuse(in.Own(Column::Size), QStringLiteral("呼び径か外径（配管）、または面積（平面）を入れてください。"));
}

std::optional<Orientation> OrientationOf(const Value& v, bool pipe) {
  if (!v.given()) return std::nullopt;
  const QString s = Fold(v.text);
  if (pipe) {
    if (Is(s, {"水平管", "水平", "横", "horizontal", "horizontal pipe"})) return Orientation::HorizontalPipe;
    if (Is(s, {"垂直管", "垂直", "縦", "鉛直", "立て", "vertical", "vertical pipe"}))
      return Orientation::VerticalPipe;
    Refuse(v, QStringLiteral("配管の向き '%1' は水平管か垂直管にしてください。").arg(v.text));
  }
  if (Is(s, {"垂直壁", "垂直", "壁", "側面", "縦", "vertical", "vertical wall", "wall", "side"}))
    return Orientation::VerticalWall;
  if (Is(s, {"水平面 上向き", "上向き", "上面", "天板", "屋根", "up", "top", "facing up"}))
    return Orientation::HorizontalFacingUp;
  if (Is(s, {"水平面 下向き", "下向き", "下面", "底", "down", "bottom", "facing down"}))
    return Orientation::HorizontalFacingDown;
  Refuse(v, QStringLiteral("平面の向き '%1' は垂直壁、水平面 上向き、水平面 下向きのどれかにしてください。")
                .arg(v.text));
}

std::optional<bool> Switch(const Value& v) {
  const QString s = Fold(v.text);
  if (Is(s, {"する", "あり", "有", "on", "yes", "true", "1", "自動"})) return true;
  if (Is(s, {"しない", "なし", "無", "off", "no", "false", "0"})) return false;
  Refuse(v, QStringLiteral("'%1' は「する」か「しない」にしてください。").arg(v.text));
}

// The conductivity of the insulation: the line's k, or its material, then
// the block's k or material, then the window's k.
SurfaceCalc::TemperatureConductivity Insulation(const LineReader& in, const ReadingContext& c, bool pipe) {
  const auto fromMaterial = [&](const Value& v) {
    const MaterialLibrary::Material* m = c.window.materials.Find(v.text);
    if (!m)
      Refuse(v, QStringLiteral("保温材 '%1' は保温材料の一覧（G1de-ta/hoonzai_zairyou.csv）にありません。")
                    .arg(v.text));
    return m->k;
  };
  const auto fromK = [&](const Value& k) {
    SurfaceCalc::TemperatureConductivity t;
    t.a = Positive(k);
    t.b = Optional(in.Cell(Column::B)).value_or(0);
    t.c = Optional(in.Cell(Column::C)).value_or(0);
    return t;
  };
  if (const Value k = in.Own(Column::InsulationK); k.given()) return fromK(k);
  if (const Value m = in.Own(Column::Insulation); m.given()) return fromMaterial(m);
  if (const Value k = in.Cell(Column::InsulationK); k.given()) return fromK(k);
  if (const Value m = in.Cell(Column::Insulation); m.given()) return fromMaterial(m);
  return fromK(in.WithWindow(Column::InsulationK, pipe ? c.window.pipeInsulationK : c.window.flatInsulationK,
                             "保温材の熱伝導率"));
}

long double Emissivity(const LineReader& in, const ReadingContext& c) {
  const Value v = in.WithWindow(Column::Emissivity, c.window.emissivity, "放射率");
  long double e = 0;
  if (v.given() && !TryToNumber(v.text, e)) {
    const MaterialLibrary::Jacket* j = c.window.jackets.Find(v.text);
    if (!j)
      Refuse(v, QStringLiteral(
                    "外装 '%1' は数でも外装の一覧（G1de-ta/gaisou_zairyou.csv）の名前でもありません。")
                    .arg(v.text));
    return j->emissivity;
  }
  e = Number(v);
  if (!(e >= 0 && e <= 1))
    Refuse(v, QStringLiteral("放射率 %1 は 0 以上 1 以下にしてください。").arg(v.text));
  return e;
}

// σ as the panel reads Edit15: its first six characters on the cylinder,
// the whole text on the flat plate, times the store's factor.
long double StefanBoltzmann(const ReadingContext& c, bool pipe) {
  const WindowSettings& w = c.window;
  long double digits = 0, factor = 0;
  const QString text = pipe ? w.stefanBoltzmann.left(6) : w.stefanBoltzmann;
  if (!TryToNumber(text, digits) || !TryToNumber(w.stefanBoltzmannFactor, factor))
    throw Failed{QStringLiteral("%1「ステファン・ボルツマン定数」'%2' × '%3' が数ではありません。")
                     .arg(w.source, w.stefanBoltzmann, w.stefanBoltzmannFactor)};
  return digits * factor;
}

// Splits a cell of criteria or targets at ";", "、", "|", commas and line ends.
QStringList Entries(const QString& text) {
  QStringList out;
  QString current;
  for (QChar ch : text) {
    if (ch == QLatin1Char(';') || ch == QChar(0xFF1B) || ch == QChar(0x3001) || ch == QLatin1Char('|') ||
        ch == QLatin1Char(',') || ch == QChar(0xFF0C) || ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) {
      if (!current.trimmed().isEmpty()) out << current.trimmed();
      current.clear();
    } else {
      current += ch;
    }
  }
  if (!current.trimmed().isEmpty()) out << current.trimmed();
  return out;
}

// "表面温度 45", "表面温度≦45℃", "surface <= 45": the name and the value's text.
struct Entry {
  QString name, value;
};
Entry SplitEntry(const QString& entry) {
  const QString s = HalfWidthNumber(entry);
  qsizetype at = -1;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar ch = s[i];
    const bool digit = ch.isDigit() && ch.unicode() < 128;
    const bool signed_ = (ch == QLatin1Char('+') || ch == QLatin1Char('-') || ch == QLatin1Char('.')) &&
                         i + 1 < s.size() && s[i + 1].isDigit();
    if (digit || signed_) {
      at = i;
      break;
    }
  }
  if (at <= 0) return {entry.trimmed(), QString()};
  QString name = s.left(at).trimmed();
  // The comparison written between them says nothing more.
  const QString marks = QStringLiteral("<>=≦≤≧≥＜＞＝:：");
  while (!name.isEmpty() && marks.contains(name.back())) name.chop(1);
  for (const char* words : {"以下", "以上", "まで", "max", "min"})
    if (name.endsWith(QString::fromUtf8(words))) name.chop(QString::fromUtf8(words).size());
  QString value = s.mid(at).trimmed();
  // A unit after the number.
  qsizetype end = 0;
  while (end < value.size() && (value[end].isDigit() || QStringLiteral("+-.eE").contains(value[end]))) ++end;
  const QString unit = Fold(value.mid(end));
  if (Is(unit, {"", "℃", "°c", "c", "k", "w/m", "w/m2", "本", "runs", "mm"})) value = value.left(end);
  return {name.trimmed(), value.trimmed()};
}

QString Label(const Criterion& c, bool pipe) {
  switch (c.kind) {
    case CriterionKind::SurfaceAtMost:
      return QStringLiteral("表面温度 %1 ℃ 以下").arg(c.valueText);
    case CriterionKind::LossAtMost:
      return QStringLiteral("放熱量 %1 %2 以下")
          .arg(c.valueText, pipe ? QStringLiteral("W/m") : QStringLiteral("W/m2"));
    case CriterionKind::NoCondensation:
      return QStringLiteral("結露しない（露点＋%1 K）").arg(c.valueText);
    case CriterionKind::Economic:
      return QStringLiteral("経済的厚さ");
    case CriterionKind::HeaterRuns:
      return QStringLiteral("ヒーター %1 本以下").arg(c.valueText);
  }
  return QString();
}

std::vector<Criterion> CriteriaOf(const LineReader& in, const ReadingContext& c, LineCase& line) {
  const Value names = in.Cell(Column::Criterion);
  if (!names.given())
    Refuse(names, QStringLiteral("基準がありません（%1 のどれか、いくつでも）。").arg(CriterionNamesText()));
  const Value targets = in.Cell(Column::Target);
  QStringList values = Entries(targets.text);
  std::vector<Criterion> out;
  for (const QString& text : Entries(names.text)) {
    const Entry e = SplitEntry(text);
    const std::optional<CriterionKind> kind = CriterionOfName(e.name);
    if (!kind)
      Refuse(names, QStringLiteral("基準 '%1' を知りません（%2）。").arg(e.name, CriterionNamesText()));
    for (const Criterion& before : out)
      if (before.kind == *kind)
        Refuse(names,
               QStringLiteral("基準「%1」が2つあります。").arg(QString::fromUtf8(NameOf(*kind).japanese)));
    Criterion cr;
    cr.kind = *kind;
    Value value{e.value, names.where};
    if (NameOf(*kind).needsTarget && !value.given()) {
      if (!values.isEmpty()) {
        value = {values.takeFirst(), targets.where};
      } else if (const auto d = c.list.criterionTargets.find(*kind);
                 d != c.list.criterionTargets.end() && !d->second.text.isEmpty()) {
        value = {
            d->second.text,
            QStringLiteral("既定値「%1」（%2 行目）").arg(d->second.name, QString::number(d->second.row))};
      } else {
        Refuse(targets, QStringLiteral("基準「%1」の目標値がありません。")
                            .arg(QString::fromUtf8(NameOf(*kind).japanese)));
      }
    }
    cr.valueText = value.text;
    switch (*kind) {
      case CriterionKind::SurfaceAtMost:
        cr.value = Temperature(value);
        cr.target = {DesignCalc::TargetKind::SurfaceAtMost, cr.value};
        break;
      case CriterionKind::LossAtMost:
        cr.value = Positive(value);
        cr.target = {DesignCalc::TargetKind::HeatFlowAtMost, cr.value};
        break;
      case CriterionKind::NoCondensation:
        cr.value = NotNegative(value);
        if (!line.humidity)
          Refuse(in.Cell(Column::Humidity), QStringLiteral("結露の基準には相対湿度 % が要ります。"));
        cr.target = DesignCalc::DewPointTarget(line.ambient, *line.humidity, cr.value);
        break;
      case CriterionKind::Economic:
        break;
      case CriterionKind::HeaterRuns: {
        cr.value = Positive(value);
        if (cr.value != floorl(cr.value) || cr.value > 1000000)
          Refuse(value,
                 QStringLiteral("ヒーターの本数 '%1' は 1 以上の整数にしてください。").arg(value.text));
        break;
      }
    }
    cr.label = Label(cr, line.pipe);
    out.push_back(cr);
  }
  if (!values.isEmpty())
    Refuse(targets, QStringLiteral("目標値が基準より多くあります（'%1' の使い道がありません）。")
                        .arg(values.join(QStringLiteral("; "))));
  return out;
}

// The options of the panel (SurfaceOptions::ReadInto): 自動 with its
// orientation and wind, k(T) of the insulation, and their checks.
template <class Inputs>
void ReadOptions(const LineReader& in, bool pipe, Inputs& inputs, long double T1, long double T2,
                 const QString& layerCaption) {
  const Value wind = in.Cell(Column::Wind);
  const Value orientation = in.Cell(Column::Orientation);
  bool on = wind.given() || orientation.given();
  if (const std::optional<Value> a = in.Setting(Setting::Auto)) on = *Switch(*a);
  inputs.outer.on = on;
  if (on) {
    inputs.outer.orientation = OrientationOf(orientation, pipe)
                                   .value_or(pipe ? Orientation::HorizontalPipe : Orientation::VerticalWall);
    inputs.outer.wind = wind.given() ? Number(wind) : 0;
    if (inputs.outer.wind < 0) Refuse(wind, QStringLiteral("風速は0以上の値にしてください（0は無風）。"));
  }
  if (!inputs.OptionsOn()) return;
  for (const long double T : {T1, T2})
    if (!(T > -kKelvin && T <= kHighestOptionC))
      throw Failed{
          QStringLiteral(
              "%1 行目: 自動や k(T) を使う計算の温度は -273.15 ℃ より高く 2000 ℃ 以下にしてください。")
              .arg(in.Row())};
  const struct {
    long double k0;
    const HeatLossCalc::ConductivityChange& change;
    QString caption;
  } layers[] = {{inputs.k1, inputs.k1T, layerCaption}, {inputs.k2, inputs.k2T, QStringLiteral("保温材")}};
  for (const auto& l : layers) {
    if (SurfaceCalc::ConductivityPositive(HeatLossCalc::WithChange(l.k0, l.change), T1, T2)) continue;
    throw Failed{
        QStringLiteral(
            "%1 行目: %2の熱伝導率 k(T) が %3～%4 ℃ で0以下になります。a, b, c を確かめてください。")
            .arg(in.Row(), l.caption, RoundHundredths(fminl(T1, T2)), RoundHundredths(fmaxl(T1, T2)))};
  }
}

void ReadEconomics(const LineReader& in, const ReadingContext& c, LineCase& line) {
  const WindowSettings& w = c.window;
  struct Field {
    Setting setting;
    const QString& window;
    long double lowest;
    bool lowestAllowed;
    long double* into;
  };
  long double rate = 0;
  DesignCalc::EconomicInputs& e = line.economics;
  const Field fields[] = {{Setting::Price, w.price, 0, true, &e.pricePerKWh},
                          {Setting::Efficiency, w.efficiency, 0, false, &e.efficiency},
                          {Setting::Co2, w.co2, 0, true, &e.co2PerKWh},
                          {Setting::Years, w.years, 0, true, &e.years},
                          {Setting::Rate, w.rate, -100, false, &rate}};
  for (const Field& f : fields) {
    const Value v = in.SettingOrWindow(f.setting, f.window);
    const long double x = Number(v);
    if (x < f.lowest || (!f.lowestAllowed && x == f.lowest))
      Refuse(v, QStringLiteral("'%1' は %2 %3数にしてください。")
                    .arg(v.text, NumberText(f.lowest),
                         f.lowestAllowed ? QStringLiteral("以上の") : QStringLiteral("より大きい")));
    *f.into = x;
  }
  e.discountRate = rate / 100;
  e.hoursPerYear = line.hours.value_or(0);
}

void ReadCosts(const LineReader& in, const ReadingContext& c, LineCase& line) {
  const WindowSettings& w = c.window;
  if (!w.costsProblem.isEmpty())
    throw Failed{
        QStringLiteral("%1 行目: 経済的厚さには施工費の一覧が要ります。%2").arg(in.Row(), w.costsProblem)};
  if (w.costs.empty())
    throw Failed{
        QStringLiteral("%1 行目: 経済的厚さには施工費の一覧（G1de-ta/hoonzai_hiyou.csv）が要ります。")
            .arg(in.Row())};
  for (const StockFiles::CostLine& l : w.costs) {
    const std::optional<long double> cost = line.pipe ? l.perMetre : l.perSquareMetre;
    if (!cost)
      throw Failed{
          QStringLiteral(
              "%1 行目: 施工費の一覧（hoonzai_hiyou.csv）の %2 行目に %3あたりの施工費がありません。")
              .arg(in.Row(), QString::number(l.line),
                   line.pipe ? QStringLiteral("1 m") : QStringLiteral("1 m2"))};
    line.costs.push_back({l.mm, *cost});
  }
}

void ReadStock(const LineReader& in, const ReadingContext& c, LineCase& line) {
  const auto d = c.list.settings.find(Setting::Stock);
  if (d != c.list.settings.end()) {
    const Value where{
        d->second.text,
        QStringLiteral("既定値「%1」（%2 行目）").arg(d->second.name, QString::number(d->second.row))};
    for (const QString& cell : d->second.values)
      for (const QString& t : cell.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        line.stock.push_back(Positive({t, where.where}));
    return;
  }
  if (!c.window.stockProblem.isEmpty())
    throw Failed{QStringLiteral("%1 行目: 在庫厚さが読めません。%2").arg(in.Row(), c.window.stockProblem)};
  line.stock = c.window.stock;
  if (line.stock.empty())
    throw Failed{
        QStringLiteral("%1 行目: 在庫厚さの一覧（G1de-ta/hoonzai_atsusa.csv）が空です。").arg(in.Row())};
}

QString TraceFaultText(TracingCalc::TraceFault f) {
  using TracingCalc::TraceFault;
  switch (f) {
    case TraceFault::HoldTemperature:
      return QStringLiteral("ヒーターで保つ温度（温度）は外気温度より高くしてください。");
    case TraceFault::HeaterOutput:
      return QStringLiteral("ヒーター出力 W/m は 0 より大きくしてください。");
    case TraceFault::SafetyFactor:
      return QStringLiteral("安全率 % は 0 以上にしてください。");
    case TraceFault::PipeConductivity:
    case TraceFault::InsulationConductivity:
      return QStringLiteral("熱伝導率が外気温度から温度までで 0 以下になります。");
    default:
      break;
  }
  return QStringLiteral("ヒーターの計算の入力を確かめてください。");
}

LineCase Read(const ReadingContext& c, const Record& r) {
  const LineReader in(c, r);
  LineCase line;
  line.pipe = PipeShape(in);
  const Value ambient = in.Cell(Column::Ambient), inside = in.Cell(Column::Temperature);
  line.ambient = Temperature(ambient);
  const long double Ti = Temperature(inside);
  if (const Value rh = in.Cell(Column::Humidity); rh.given()) {
    const long double x = Number(rh);
    if (!DesignCalc::HumidityInRange(x))
      Refuse(rh, QStringLiteral("相対湿度 % '%1' は 0 より大きく 100 以下の数にしてください。").arg(rh.text));
    line.humidity = x;
  }
  if (const Value h = in.Cell(Column::Hours); h.given()) line.hours = NotNegative(h);

  const SurfaceCalc::TemperatureConductivity k2 = Insulation(in, c, line.pipe);
  const long double e = Emissivity(in, c);
  const Value hText = in.WithWindow(Column::Coefficient, c.window.coefficient, "対流熱伝達率");
  const long double sigma = StefanBoltzmann(c, line.pipe);

  if (line.pipe) {
    HeatLossCalc::CylinderInputs& cy = line.cylinder;
    Value od = in.Cell(Column::OuterDiameter);
    if (!od.given()) {
      const Value size = in.Cell(Column::Size);
      if (!size.given()) Refuse(size, QStringLiteral("呼び径か外径 mm を入れてください。"));
      const PipeSizes::Lookup found = c.sizes.OuterDiameter(size.text);
      if (!found.mm) Refuse(size, found.problem);
      od = {*found.mm, size.where};
    }
    const Value wall = in.WithWindow(Column::Wall, c.window.pipeWall, "管の肉厚");
    const long double D = Positive(od), t = NotNegative(wall);
    if (!(D > 2 * t))
      Refuse(wall, QStringLiteral("肉厚 %1 mm が外径 %2 mm の半分以上です。").arg(wall.text, od.text));
    line.outerDiameter = od.text;
    cy.Ta = line.ambient;
    cy.Ti = Ti;
    cy.D1 = D / 1000;
    cy.t1 = wall.text == QStringLiteral("0") ? kCylinderNoLayer : t / 1000;
    cy.t2 = kCylinderNoLayer;
    cy.e = e;
    cy.h = Number(hText);
    cy.sigma = sigma;
    cy.k1 = Positive(in.WithWindow(Column::WallK, c.window.pipeWallK, "管の熱伝導率"));
    cy.k2 = k2.a;
    cy.k2T = {k2.b, k2.c};
    line.length = Positive(in.Cell(Column::Length));
    cy.L = line.length;
    ReadOptions(in, true, cy, cy.Ta, cy.Ti, QStringLiteral("管"));
    if (!cy.outer.on && !(cy.h > 0))
      Refuse(hText, QStringLiteral("対流熱伝達率 %1 は 0 より大きい数にしてください。").arg(hText.text));
  } else {
    HeatLossCalc::FlatPlateInputs& fl = line.flat;
    fl.Ta = line.ambient;
    fl.Ti = Ti;
    line.area = Positive(in.Cell(Column::Area));
    fl.A = line.area;
    fl.h = Number(hText);
    fl.e = e;
    fl.sigma = sigma;
    fl.L2 = 1E-7L;
    const Value wall = in.WithWindow(Column::Wall, c.window.flatWall, "構造材の厚さ");
    const bool thickness = !wall.text.isEmpty() && wall.text != QStringLiteral("0");
    fl.L1 = (thickness ? NotNegative(wall) : ToNumber(kFlatNoStructure)) / 1000;
    fl.k2 = k2.a;
    fl.k2T = {k2.b, k2.c};
    fl.k1 = Positive(in.WithWindow(Column::WallK, c.window.flatWallK, "構造材の熱伝導率"));
    ReadOptions(in, false, fl, fl.Ta, fl.Ti, QStringLiteral("構造材"));
    if (!fl.outer.on && !(fl.h > 0))
      Refuse(hText, QStringLiteral("対流熱伝達率 %1 は 0 より大きい数にしてください。").arg(hText.text));
    fl.Ta = fl.Ta + kKelvin;
    fl.Ti = fl.Ti + kKelvin;
  }
  if (!(k2.a > 0))
    throw Failed{QStringLiteral("%1 行目: 保温材の熱伝導率は 0 より大きくしてください。").arg(in.Row())};

  line.criteria = CriteriaOf(in, c, line);
  bool thickness = false, economic = false;
  for (const Criterion& cr : line.criteria) {
    if (cr.kind == CriterionKind::Economic)
      economic = true;
    else
      thickness = true;
    if (cr.kind == CriterionKind::HeaterRuns) {
      if (!line.pipe) Refuse(in.Cell(Column::Criterion), QStringLiteral("ヒーターの本数は配管の基準です。"));
      TracingCalc::TraceInputs& t = line.trace;
      t.pipe = line.cylinder;
      t.holdC = Ti;
      t.minAmbientC = line.ambient;
      t.maxAmbientC = line.ambient;
      t.heater.output = Positive(in.Cell(Column::HeaterOutput));
      const Value safety = in.Cell(Column::Safety);
      if (safety.given()) t.safety = NotNegative(safety);
      const TracingCalc::TraceFault fault = TracingCalc::ValidateTrace(t);
      if (fault != TracingCalc::TraceFault::None)
        throw Failed{QStringLiteral("%1 行目: %2").arg(in.Row(), TraceFaultText(fault))};
    }
  }
  if (thickness) ReadStock(in, c, line);
  if (economic) {
    if (!line.hours) Refuse(in.Cell(Column::Hours), QStringLiteral("経済的厚さには年間時間 h が要ります。"));
    ReadCosts(in, c, line);
  }
  if (economic || line.hours) ReadEconomics(in, c, line);
  return line;
}

}  // namespace

std::vector<CriterionKind> KindsNamed(const QString& cell) {
  std::vector<CriterionKind> kinds;
  for (const QString& text : Entries(cell))
    if (const std::optional<CriterionKind> k = CriterionOfName(SplitEntry(text).name)) kinds.push_back(*k);
  return kinds;
}

CaseOrReason CaseOf(const ReadingContext& context, const Record& line) {
  try {
    return {Read(context, line), QString()};
  } catch (const Failed& f) {
    return {std::nullopt, f.reason};
  }
}

}  // namespace Schedule
