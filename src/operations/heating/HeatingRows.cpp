#include "operations/heating/HeatingRows.h"

#include "operations/common/ComparisonTable.h"
#include "operations/heating/HeatingTables.h"
#include "widgets/Form.h"

namespace heating {
namespace {

// A heating calculator's block of the comparison table: its material's
// rows; in wall heating (gas only) rows 20..22 hold the three end temperatures.
void ExportMaterial(Form& f, ComparisonTable& table, Material material) {
  const bool wallHeating = material == Material::Gas && f.State().Panels().heating.wallHeating;
  const ComparisonTable::Rows wallRows = wallHeating ? WallHeatingExportRows() : ComparisonTable::Rows();
  table.WriteBlock(MaterialRowOf(material).exportBlock, {HeatingCommonExportRows(), wallRows});
}

void ExportLiquid(Form& f, ComparisonTable& table) { ExportMaterial(f, table, Material::Liquid); }
void ExportGas(Form& f, ComparisonTable& table) { ExportMaterial(f, table, Material::Gas); }
void ExportSolid(Form& f, ComparisonTable& table) { ExportMaterial(f, table, Material::Solid); }

QStringList LiquidMethod(const RunModes&) {
  return MethodLines(QStringLiteral(
      "液体と容器の温度を上昇時間の間80段に分けて追い、容器の外面から逃げる熱（蓋のない液槽では蒸発も）を"
      "差し引いて、加熱後温度を超えない最大の一定の熱量を0.01 Wまで求める。"));
}
QStringList SolidMethod(const RunModes&) {
  return MethodLines(QStringLiteral(
      "固体と容器の温度を上昇時間の間80段に分けて追い、容器の外面から逃げる熱を差し引いて、"
      "加熱後温度を超えない最大の一定の熱量を0.01 Wまで求める。"));
}
QStringList GasMethod(const RunModes&) {
  return MethodLines(QStringLiteral(
      "気体、容器の内壁、外表面の温度を0.001 h刻みで追い、上昇時間の終わりに気体が加熱後温度を"
      "超えずに最も近づく熱量を求める。"));
}
QStringList WallMethod(const RunModes&) {
  return MethodLines(QStringLiteral("壁を一定の温度に保った容器の中の気体について、上昇時間の後の気体の温度を、"
                                    "壁からの対流のみ、放射のみ、その双方によるときの三通りに求める。"),
                     kWallModel);
}

// clang-format off
const HeatingCalculatorRow kRows[] = {
  {Calculator::LiquidHeating, "液体の加熱",
   {.curve = HeatingChart, .curveTakesLong = true, .method = LiquidMethod, .exportTo = ExportLiquid}},
  {Calculator::GasHeating,    "気体の加熱",
   {.curve = HeatingChart, .curveTakesLong = true, .method = GasMethod, .exportTo = ExportGas}},
  {Calculator::SolidHeating,  "固体の加熱",
   {.curve = HeatingChart, .curveTakesLong = true, .method = SolidMethod, .exportTo = ExportSolid}},
  // Wall heating heats a gas: its block is the gas block with the wall rows.
  {Calculator::WallHeating,   "壁面加熱",
   {.curve = HeatingChart, .curveTakesLong = true, .method = WallMethod, .exportTo = ExportGas}},
};
// clang-format on

}  // namespace

std::span<const HeatingCalculatorRow> HeatingCalculatorRows() { return kRows; }

const HeatingCalculatorRow* HeatingCalculatorOf(Calculator code) {
  for (const HeatingCalculatorRow& r : kRows)
    if (r.code == code) return &r;
  return nullptr;
}

}  // namespace heating
