#include "operations/report/ReportMethod.h"

#include <QDir>

#include "foundation/Errors.h"
#include "store/TextFile.h"

namespace {

struct MethodRow {
  Calculator calculator;
  const char* text;
};

const char* const kPipeFlow =
    "保温した管を流れる流体を長さの方向に3000区間に分け、区間ごとに流体から外気へ伝わる熱が"
    "釣り合う壁の温度を求め、その熱量を流量と比熱で割って流体の温度を進める。";

// clang-format off
const MethodRow kMethods[] = {
  {Calculator::Heater,
   "発熱量がすべてシースの表面から逃げるとして、放熱量が発熱量と釣り合うシース表面温度を求め、"
   "各層の内側の温度を円筒の熱伝導の式 Q=2π×λ×L×(T内-T外)/ln(D外/D内) で外側から順に求める。"},
  {Calculator::Cylinder,
   "管と保温材の二層の円筒で、内面の温度から両層を伝わる熱と外表面から逃げる熱とが釣り合う"
   "外表面温度を求め、放熱量と層の間の温度を出す。"},
  {Calculator::PipeFlow,       kPipeFlow},
  {Calculator::PipeFlowLegacy, kPipeFlow},
  {Calculator::FlatPlate,
   "構造材と保温材の二層の平板で、内側の温度から両層を伝わる熱と外表面から逃げる熱とが釣り合う"
   "外表面温度を求め、放熱量と層の間の温度を出す。"},
  {Calculator::FlatWall,
   "高温の気体から内面へ対流と放射で伝わる熱が構造材と保温材を通って外表面から外気へ逃げるとして、"
   "熱の流れが釣り合う各面の温度と放熱量を求める。"},
  {Calculator::LiquidHeating,
   "液体と容器の温度を上昇時間の間80段に分けて追い、容器の外面から逃げる熱（蓋のない液槽では蒸発も）を"
   "差し引いて、加熱後温度を超えない最大の一定の熱量を0.01 Wまで求める。"},
  {Calculator::SolidHeating,
   "固体と容器の温度を上昇時間の間80段に分けて追い、容器の外面から逃げる熱を差し引いて、"
   "加熱後温度を超えない最大の一定の熱量を0.01 Wまで求める。"},
  {Calculator::GasHeating,
   "気体、容器の内壁、外表面の温度を0.001 h刻みで追い、上昇時間の終わりに気体が加熱後温度を"
   "超えずに最も近づく熱量を求める。"},
  {Calculator::WallHeating,
   "壁を一定の温度に保った容器の中の気体について、上昇時間の後の気体の温度を、壁からの対流のみ、"
   "放射のみ、その双方によるときの三通りに求める。"},
};
// clang-format on

const char* const kCooling =
    "自然放熱では、構造材に蓄えた熱（密度と比熱から）が表面から逃げて温度が下がる様子を、"
    "時間を2000段に分けて追う。";
const char* const kSurfaceModel =
    "表面から逃げる熱 = 対流 h×A×(Ts-Ta) + 放射 ε×σ×A×(Ts^4-Ta^4)"
    "（A:面積、Ts:表面温度、Ta:外気温度、放射の温度は絶対温度 K）。";
const char* const kWallModel =
    "壁から気体へ伝わる熱 = 対流 h×A×(Tw-Tg) + 放射 ε×σ×A×(Tw^4-Tg^4)"
    "（A:面積、Tw:壁の温度、Tg:気体の温度、放射の温度は絶対温度 K）。";
const char* const kHeatLossGeneral = "各層を伝わる熱と表面から逃げる熱とが釣り合う温度と放熱量を求める。";
const char* const kHeatingGeneral = "中身を加熱するのに要る熱量を、容器から逃げる熱を含めて求める。";

bool InFamily(Calculator c, CalculatorFamily family) {
  const bool heating = c == Calculator::LiquidHeating || c == Calculator::GasHeating ||
                       c == Calculator::SolidHeating || c == Calculator::WallHeating;
  return heating == (family == CalculatorFamily::Heating);
}

}  // namespace

QStringList CalculatorMethod(std::optional<Calculator> calculator, CalculatorFamily family, bool cooling) {
  QString first = QString::fromUtf8(family == CalculatorFamily::Heating ? kHeatingGeneral : kHeatLossGeneral);
  if (calculator && InFamily(*calculator, family))
    for (const MethodRow& row : kMethods)
      if (row.calculator == *calculator) first = QString::fromUtf8(row.text);
  if (cooling && calculator == Calculator::FlatPlate) first += QString::fromUtf8(kCooling);
  const bool wall = calculator == Calculator::WallHeating && family == CalculatorFamily::Heating;
  return {first, QString::fromUtf8(wall ? kWallModel : kSurfaceModel)};
}

namespace {

// The line of the formula texts that starts with the number; empty for none.
QString FormulaLine(const QString& folder, const QString& number) {
  if (number.isEmpty()) return {};
  const QString head = number + QLatin1Char(' ');
  for (const QString& name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
    try {
      for (const QString& line : TextFile::Read(folder + QLatin1Char('/') + name).lines)
        if (line.startsWith(head)) return line.trimmed();
    } catch (const FileError&) {
      // An unreadable text leaves the formula as the panel shows it.
    }
  }
  return {};
}

}  // namespace

QStringList CoefficientMethod(const QString& folder, const QString& number, const QString& panelFormula) {
  QStringList lines;
  if (const QString line = FormulaLine(folder, number); !line.isEmpty()) lines << line;
  if (!panelFormula.isEmpty()) lines << QStringLiteral("計算式 ") + panelFormula;
  return lines;
}
