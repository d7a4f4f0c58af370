// The names a line list may use: the columns of its header (Japanese or
// English, in any order, with or without their units), the settings of the
// block above the header, and the criteria a line asks for. A name is
// compared after folding: full-width to half-width, upper to lower case,
// blanks, brackets with what they enclose ("温度（℃）") and a unit at the
// end ("外径mm") left out.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace Schedule {

enum class Column {
  Tag,    // 配管番号
  Shape,  // 形状: 配管 or 平面
  Size,   // 呼び径: 15A ... 600A, 1/2B ... 24B
  OuterDiameter,
  Wall,         // the pipe's wall or the flat structure's thickness, mm
  WallK,        // its conductivity, W/(m·K)
  Length,       // m (pipes)
  Area,         // m2 (flat)
  Temperature,  // inside, ℃
  Ambient,      // ℃
  Wind,         // m/s
  Humidity,     // %
  Orientation,
  Insulation,   // a material of the library, by name
  InsulationK,  // a of k = a + b·T + c·T²
  B,
  C,
  Emissivity,   // a number or a jacket of the library, by name
  Coefficient,  // the typed outer coefficient h, W/(m2·K)
  Criterion,
  Target,
  Hours,         // h a year
  HeaterOutput,  // W/m of one run of a constant-output heater
  Safety,        // % added to the loss for the heater
};

struct ColumnName {
  Column column;
  const char* japanese;  // as the template and the output write it
  const char* english;
  const char* unit;  // "" when none
  // Further names, Japanese and English, in their folded form.
  std::span<const char* const> aliases;
};

std::span<const ColumnName> Columns();
const ColumnName& NameOf(Column c);
// "温度 ℃" / "temperature ℃": the caption with its unit.
QString Caption(Column c);

// The column a header text names; empty when it names none.
std::optional<Column> ColumnOfHeader(const QString& header);

// Settings the block above the header may give besides the columns'
// defaults.
enum class Setting {
  Stock,       // 在庫厚さ mm: the stock thicknesses, one a cell or separated by blanks
  Price,       // 単価 円/kWh
  Efficiency,  // 熱源の効率
  Co2,         // CO2 kg/kWh
  Years,       // 年数
  Rate,        // 割引率 %
  Auto,        // 自動: the outer coefficient from the conditions (する/しない)
};

struct SettingName {
  Setting setting;
  const char* japanese;
  const char* english;
  const char* unit;
  std::span<const char* const> aliases;
};

std::span<const SettingName> Settings();
const SettingName& NameOf(Setting s);
QString Caption(Setting s);
std::optional<Setting> SettingOfName(const QString& name);

// The criteria of a line.
enum class CriterionKind {
  SurfaceAtMost,   // the surface at most the target, ℃
  LossAtMost,      // the loss (or gain) at most the target, W/m or W/m2
  NoCondensation,  // the surface at least the dew point plus the target, K
  Economic,        // the economic thickness; no target
  HeaterRuns,      // heater runs at most the target (pipes)
};
inline constexpr CriterionKind kCriterionKinds[] = {CriterionKind::SurfaceAtMost, CriterionKind::LossAtMost,
                                                    CriterionKind::NoCondensation, CriterionKind::Economic,
                                                    CriterionKind::HeaterRuns};

struct CriterionName {
  CriterionKind kind;
  const char* japanese;  // as the output names it: "表面温度"
  const char* english;
  bool needsTarget;
  std::span<const char* const> aliases;
};

std::span<const CriterionName> Criteria();
const CriterionName& NameOf(CriterionKind k);
std::optional<CriterionKind> CriterionOfName(const QString& name);
// The criteria's Japanese names, for a message: "表面温度、放熱量、…".
QString CriterionNamesText();

// The folded form of a name (see the top of the file).
QString Fold(const QString& name);

}  // namespace Schedule
