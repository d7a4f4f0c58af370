#include "schedule/ListColumns.h"

#include <algorithm>
#include <vector>

namespace Schedule {

namespace {

// clang-format off
constexpr const char* kTag[] = {"番号", "ライン番号", "配管No", "ラインNo", "系統", "機器番号", "名称",
                                "line", "line no", "line number", "tag no", "no", "id", "name"};
constexpr const char* kShape[] = {"形", "種類", "type", "kind"};
constexpr const char* kSize[] = {"呼径", "サイズ", "管径", "nominal size", "nps", "dn", "pipe size"};
constexpr const char* kOd[] = {"管外径", "管の外径", "outer diameter", "outside diameter", "diameter"};
constexpr const char* kWall[] = {"管の肉厚", "管厚", "構造材の厚さ", "構造材厚さ", "wall thickness"};
constexpr const char* kWallK[] = {"管の熱伝導率", "構造材の熱伝導率", "構造材 k", "管 k", "pipe k",
                                  "wall conductivity"};
constexpr const char* kLength[] = {"配管長", "管長", "配管長さ", "len", "pipe length"};
constexpr const char* kArea[] = {"放熱面積", "表面積", "surface area"};
constexpr const char* kTemperature[] = {"内部温度", "流体温度", "運転温度", "使用温度", "内側の温度", "内側温度",
                                        "temp", "operating temperature", "fluid temperature",
                                        "process temperature"};
constexpr const char* kAmbient[] = {"外気温", "外気", "周囲温度", "気温", "ambient temperature",
                                    "air temperature", "air"};
constexpr const char* kWind[] = {"wind speed"};
constexpr const char* kHumidity[] = {"湿度", "relative humidity", "humidity"};
constexpr const char* kOrientation[] = {"方向", "姿勢", "配置"};
constexpr const char* kInsulation[] = {"保温材料", "保温材の種類", "材料", "material", "insulation material"};
constexpr const char* kInsulationK[] = {"熱伝導率", "保温材の熱伝導率", "保温材 a", "insulation a", "k",
                                        "conductivity"};
constexpr const char* kB[] = {"保温材 b", "insulation b"};
constexpr const char* kC[] = {"保温材 c", "insulation c"};
constexpr const char* kEmissivity[] = {"放射率", "外装", "外装材", "jacket", "emissivity", "ε"};
constexpr const char* kCoefficient[] = {"熱伝達率", "外面熱伝達率", "convective coefficient",
                                        "heat transfer coefficient"};
constexpr const char* kCriterion[] = {"設計基準", "保温基準", "criteria", "basis", "design basis"};
constexpr const char* kTarget[] = {"目標", "基準値", "上限", "target value", "limit", "value"};
constexpr const char* kHours[] = {"運転時間", "年間運転時間", "稼働時間", "hours per year", "annual hours",
                                  "operating hours"};
constexpr const char* kHeater[] = {"ヒーター", "ヒーターの出力", "heater", "trace heater"};
constexpr const char* kSafety[] = {"余裕率", "ヒーターの安全率", "safety factor"};

const ColumnName kColumns[] = {
  {Column::Tag,           "配管番号",       "tag",               "",          kTag},
  {Column::Shape,         "形状",           "shape",             "",          kShape},
  {Column::Size,          "呼び径",         "size",              "",          kSize},
  {Column::OuterDiameter, "外径",           "OD",                "mm",        kOd},
  {Column::Wall,          "肉厚",           "wall",              "mm",        kWall},
  {Column::WallK,         "管・構造材 k",   "wall k",            "W/(m・K)",  kWallK},
  {Column::Length,        "長さ",           "length",            "m",         kLength},
  {Column::Area,          "面積",           "area",              "m2",        kArea},
  {Column::Temperature,   "温度",           "temperature",       "℃",        kTemperature},
  {Column::Ambient,       "外気温度",       "ambient",           "℃",        kAmbient},
  {Column::Wind,          "風速",           "wind",              "m/s",       kWind},
  {Column::Humidity,      "相対湿度",       "RH",                "%",         kHumidity},
  {Column::Orientation,   "向き",           "orientation",       "",          kOrientation},
  {Column::Insulation,    "保温材",         "insulation",        "",          kInsulation},
  {Column::InsulationK,   "保温材 k",       "insulation k",      "W/(m・K)",  kInsulationK},
  {Column::B,             "b",              "b",                 "",          kB},
  {Column::C,             "c",              "c",                 "",          kC},
  {Column::Emissivity,    "外装放射率",     "jacket emissivity", "",          kEmissivity},
  {Column::Coefficient,   "対流熱伝達率",   "h",                 "W/(m2・K)", kCoefficient},
  {Column::Criterion,     "基準",           "criterion",         "",          kCriterion},
  {Column::Target,        "目標値",         "target",            "",          kTarget},
  {Column::Hours,         "年間時間",       "hours",             "h",         kHours},
  {Column::HeaterOutput,  "ヒーター出力",   "heater output",     "W/m",       kHeater},
  {Column::Safety,        "安全率",         "safety",            "%",         kSafety},
};

constexpr const char* kStock[] = {"在庫", "保温材の在庫厚さ", "stock thickness", "stock thicknesses"};
constexpr const char* kPrice[] = {"エネルギー単価", "燃料単価", "電力単価", "price per kwh", "energy price"};
constexpr const char* kEfficiency[] = {"効率", "cop", "boiler efficiency"};
constexpr const char* kCo2[] = {"co2係数", "co2排出係数", "排出係数", "co2 factor", "emission factor"};
constexpr const char* kYears[] = {"評価年数", "耐用年数", "period"};
constexpr const char* kRate[] = {"利率", "rate"};
constexpr const char* kAuto[] = {"自動計算", "外面熱伝達率の自動", "automatic"};

const SettingName kSettings[] = {
  {Setting::Stock,      "在庫厚さ",   "stock",         "mm",     kStock},
  {Setting::Price,      "単価",       "price",         "円/kWh", kPrice},
  {Setting::Efficiency, "熱源の効率", "efficiency",    "",       kEfficiency},
  {Setting::Co2,        "CO2",        "CO2",           "kg/kWh", kCo2},
  {Setting::Years,      "年数",       "years",         "年",     kYears},
  {Setting::Rate,       "割引率",     "discount rate", "%",      kRate},
  {Setting::Auto,       "自動",       "auto",          "",       kAuto},
};

constexpr const char* kSurface[] = {"表面", "表面温度の上限", "触れても安全", "火傷防止", "やけど防止",
                                    "surface temperature", "personnel protection", "touch"};
constexpr const char* kLoss[] = {"熱量", "熱量の上限", "放熱量の上限", "熱損失", "取得熱量", "heat loss",
                                 "heat flow"};
constexpr const char* kCondensation[] = {"結露しない", "結露防止", "防露", "露点", "dew point", "dew",
                                         "no condensation", "anti condensation"};
constexpr const char* kEconomic[] = {"経済的厚さ", "経済厚さ", "経済性", "economics", "economic thickness"};
constexpr const char* kRuns[] = {"ヒーター本数", "ヒーターの本数", "トレース", "runs", "heater", "tracing",
                                 "heat tracing"};

const CriterionName kCriteria[] = {
  {CriterionKind::SurfaceAtMost,  "表面温度", "surface",      true,  kSurface},
  {CriterionKind::LossAtMost,     "放熱量",   "loss",         true,  kLoss},
  {CriterionKind::NoCondensation, "結露",     "condensation", true,  kCondensation},
  {CriterionKind::Economic,       "経済",     "economic",     false, kEconomic},
  {CriterionKind::HeaterRuns,     "ヒーター", "heater runs",  true,  kRuns},
};

// Units a header may end with, removed when what stays names a column.
constexpr const char* kUnits[] = {
  "℃", "°c", "degc", "mm", "m2", "m^2", "m", "%", "w/m2", "w/m", "w", "w/(m・k)", "w/(m2・k)", "w/mk",
  "w/m2k", "w/(m·k)", "w/(m2·k)", "m/s", "h", "h/年", "h/y", "h/yr", "h/year", "時間", "kg/kwh", "円/kwh",
  "kwh", "円", "年", "本",
};
// clang-format on

// Folds without removing brackets: for the unit tokens.
QString FoldToken(const QString& text) {
  QString s;
  for (QChar c : text.normalized(QString::NormalizationForm_KC).toCaseFolded())
    if (!c.isSpace()) s += c;
  return s;
}

const std::vector<QString>& FoldedUnits() {
  static const std::vector<QString> units = [] {
    std::vector<QString> u;
    for (const char* unit : kUnits) u.push_back(FoldToken(QString::fromUtf8(unit)));
    // The longest first, so that "w/m2" goes before "m2" and "m".
    std::sort(u.begin(), u.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return u;
  }();
  return units;
}

bool IsUnit(const QString& token) {
  const QString folded = FoldToken(token);
  for (const QString& u : FoldedUnits())
    if (folded == u) return true;
  return false;
}

// The folded header with the blank-separated unit tokens left out (when a
// name stays).
QString WithoutUnitTokens(const QString& text) {
  const QStringList tokens = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QStringList kept;
  for (const QString& t : tokens)
    if (!IsUnit(t)) kept << t;
  if (kept.isEmpty()) kept = tokens;
  return Fold(kept.join(QLatin1Char(' ')));
}

// Every name of each row of a table, folded once.
template <class Row>
const std::vector<QStringList>& FoldedNames(std::span<const Row> rows) {
  static const std::vector<QStringList> names = [rows] {
    std::vector<QStringList> all;
    for (const Row& row : rows) {
      QStringList n{Fold(QString::fromUtf8(row.japanese)), Fold(QString::fromUtf8(row.english))};
      for (const char* alias : row.aliases) n << Fold(QString::fromUtf8(alias));
      all.push_back(n);
    }
    return all;
  }();
  return names;
}

// The row a name matches: as it is, then with a unit at its end left out.
template <class Row>
const Row* Find(std::span<const Row> rows, const QString& name) {
  const QString folded = WithoutUnitTokens(name);
  if (folded.isEmpty()) return nullptr;
  const std::vector<QStringList>& names = FoldedNames(rows);
  for (size_t i = 0; i < rows.size(); ++i)
    if (names[i].contains(folded)) return &rows[i];
  for (const QString& unit : FoldedUnits()) {
    if (!folded.endsWith(unit) || folded.size() == unit.size()) continue;
    const QString stem = folded.chopped(unit.size());
    for (size_t i = 0; i < rows.size(); ++i)
      if (names[i].contains(stem)) return &rows[i];
  }
  return nullptr;
}

QString WithUnit(const char* name, const char* unit) {
  const QString n = QString::fromUtf8(name);
  return *unit ? n + QLatin1Char(' ') + QString::fromUtf8(unit) : n;
}

}  // namespace

QString Fold(const QString& name) {
  // Brackets with what they enclose ("温度(℃)", "外径[mm]", "【任意】"),
  // blanks and the marks that join words.
  const QString skipped = QStringLiteral("_-.・「」:");
  QString s;
  int depth = 0;
  for (QChar c : name.normalized(QString::NormalizationForm_KC).toCaseFolded()) {
    if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QChar(0x3010)) {
      ++depth;
    } else if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QChar(0x3011)) {
      if (depth > 0) --depth;
    } else if (depth == 0 && !c.isSpace() && !skipped.contains(c)) {
      s += c;
    }
  }
  return s;
}

std::span<const ColumnName> Columns() { return kColumns; }

const ColumnName& NameOf(Column c) {
  for (const ColumnName& n : kColumns)
    if (n.column == c) return n;
  return kColumns[0];
}

QString Caption(Column c) {
  const ColumnName& n = NameOf(c);
  return WithUnit(n.japanese, n.unit);
}

std::optional<Column> ColumnOfHeader(const QString& header) {
  const ColumnName* n = Find<ColumnName>(kColumns, header);
  if (!n) return std::nullopt;
  return n->column;
}

std::span<const SettingName> Settings() { return kSettings; }

const SettingName& NameOf(Setting s) {
  for (const SettingName& n : kSettings)
    if (n.setting == s) return n;
  return kSettings[0];
}

QString Caption(Setting s) {
  const SettingName& n = NameOf(s);
  return WithUnit(n.japanese, n.unit);
}

std::optional<Setting> SettingOfName(const QString& name) {
  const SettingName* n = Find<SettingName>(kSettings, name);
  if (!n) return std::nullopt;
  return n->setting;
}

std::span<const CriterionName> Criteria() { return kCriteria; }

const CriterionName& NameOf(CriterionKind k) {
  for (const CriterionName& n : kCriteria)
    if (n.kind == k) return n;
  return kCriteria[0];
}

std::optional<CriterionKind> CriterionOfName(const QString& name) {
  const CriterionName* n = Find<CriterionName>(kCriteria, name);
  if (!n) return std::nullopt;
  return n->kind;
}

QString CriterionNamesText() {
  QStringList names;
  for (const CriterionName& n : kCriteria) names << QString::fromUtf8(n.japanese);
  return names.join(QStringLiteral("、"));
}

}  // namespace Schedule
