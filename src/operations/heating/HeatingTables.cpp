#include "operations/heating/HeatingTables.h"

namespace heating {
namespace {

// clang-format off
// The heating blocks of the comparison table: the captions pad with
// half-width and full-width blanks so that the units line up in a
// spreadsheet.
const ExportRow kHeatingCommon[] = {
  {3,  "容器厚さ      mm",        nullptr, FieldText("Edit38")},
  {4,  "容器熱伝導率　W/m℃",      nullptr, FieldText("Edit53")},
  {5,  "断熱材厚さ    mm",        nullptr, FieldText("Edit39")},
  {6,  "断熱材熱伝導率W/m℃",      nullptr, FieldText("Edit52")},
  {7,  "外気温度       ℃",        nullptr, FieldText("Edit40")},
  {8,  "加熱前温度    ℃",         nullptr, FieldText("Edit41")},
  {9,  "加熱後温度    ℃",         nullptr, FieldText("Edit42")},
  {10, "たて             m",      nullptr, FieldText("Edit35")},
  {11, "よこ          　 m",      nullptr, FieldText("Edit36")},
  {12, "奥行き       　 m",       nullptr, FieldText("Edit37")},
  {13, "上昇時間    　 h",        nullptr, FieldText("Edit43")},
  {14, "蓋の有無",                nullptr, LidText()},
  {17, "容器材の密度 　g/cm3",    nullptr, FieldText("Edit50")},
  {18, "容器材の比熱 kcal/kg℃",   nullptr, FieldText("Edit51")},
  {20, "必要熱量   　  W",        nullptr, FieldText("Edit46")},
  {21, "放熱損失   　  %",        nullptr, FieldText("Edit47")},
  {22, "加熱後温度での放熱 W",    nullptr, FieldText("Edit48")},
  {23, "Stefan-Boltzman定数 ×10^-8", nullptr, CellText(StoreCells::kStefanBoltzmannDigits)},
  {24, "表面の放射率",            nullptr, FieldText("Edit16")},
  {25, "対流熱伝達率",            nullptr, FieldText("Edit17")},
};

// The liquid row 2 shows the volume, as its caption says (m3).
const ExportRow kLiquid[] = {
  {2,  "液量        　  m3",      nullptr, FieldText("Edit49")},
  {15, "液体の密度  　 g/cm3",    nullptr, FieldText("Edit44")},
  {16, "液体の比熱   kcal/kg℃",   nullptr, FieldText("Edit45")},
  {19, "液体のみの必要熱量 W",    nullptr, FieldText("Edit55")},
};
const ExportRow kGas[] = {
  {2,  "気体の量        　  kg",  nullptr, FieldText("Edit54")},
  {15, "気体の密度  　 g/cm3",    nullptr, FieldText("Edit44")},
  {16, "気体の比熱   kcal/kg℃",   nullptr, FieldText("Edit45")},
  {19, "気体のみの必要熱量 W",    nullptr, FieldText("Edit55")},
};
const ExportRow kSolid[] = {
  {2,  "固体の量        　  kg",  nullptr, FieldText("Edit54")},
  {15, "固体の密度  　 g/cm3",    nullptr, FieldText("Edit44")},
  {16, "固体の比熱   kcal/kg℃",   nullptr, FieldText("Edit45")},
  {19, "固体のみの必要熱量 W",    nullptr, FieldText("Edit55")},
};
// In wall heating the ambient field holds the wall temperature.
const ExportRow kWallHeatingResults[] = {
  {7,  "壁面温度       ℃",        nullptr, FieldText("Edit40")},
  {20, "対流のみによる温度℃",     nullptr, FieldText("Edit46")},
  {21, "放射のみによる温度℃",     nullptr, FieldText("Edit47")},
  {22, "双方による温度　　℃",     nullptr, FieldText("Edit48")},
};

const MaterialRow kMaterials[] = {
  {Material::Liquid, "Button31", "1", Calculator::LiquidHeating, Cell("LiquidLid"), "液体の加熱", "液体の密度 g/cm3",
   "液体の比熱kcal/kg℃", "液量　　ｍ3", "液体のみの必要熱量W", 0, true,  false, false, true,
   {"液体加熱", 26, 1, kLiquid}},
  {Material::Gas,    "Button32", "2", Calculator::GasHeating,    {-1, -1}, "気体の加熱", "気体の密度 g/cm3",
   "気体の比熱kcal/kg℃", "気体の量　ｍ3", "気体のみの必要熱量W", 2, false, true,  true,  false,
   {"気体加熱", 26, 1, kGas}},
  {Material::Solid,  "Button33", "3", Calculator::SolidHeating,  {-1, -1}, "固体の加熱", "固体の密度 g/cm3",
   "固体の比熱kcal/kg℃", "固体の量　ｍ3", "固体のみの必要熱量W", 0, false, false, true,  true,
   {"固体加熱", 26, 1, kSolid}},
};

const BlockCell kBlockCells[] = {
  {"Edit49", Cell("LiquidVolume"), Cell("GasVolume"), Cell("SolidVolume"), true},   // volume
  {"Edit38", Cell("LiquidWallThickness"), Cell("GasWallThickness"), Cell("SolidWallThickness"), true},   // container wall thickness
  {"Edit53", Cell("LiquidWallConductivity"), Cell("GasWallConductivity"), Cell("SolidWallConductivity"), true},   // container wall conductivity
  {"Edit52", Cell("LiquidInsulationConductivity"), Cell("GasInsulationConductivity"), Cell("SolidInsulationConductivity"), true},   // insulation conductivity
  {"Edit40", Cell("LiquidAmbient"), Cell("GasAmbient"), Cell("SolidAmbient"), true},   // ambient (wall heating: wall) temperature
  {"Edit41", Cell("LiquidBefore"), Cell("GasBefore"), Cell("SolidBefore"), true},   // temperature before heating
  {"Edit42", Cell("LiquidAfter"), Cell("GasAfter"), Cell("SolidAfter"), true},   // temperature after heating
  {"Edit35", Cell("LiquidHeight"), Cell("GasHeight"), Cell("SolidHeight"), true},   // height
  {"Edit36", Cell("LiquidWidth"), Cell("GasWidth"), Cell("SolidWidth"), true},   // width
  {"Edit37", Cell("LiquidDepth"), Cell("GasDepth"), Cell("SolidDepth"), true},   // depth
  {"Edit43", Cell("LiquidRiseTime"), Cell("GasRiseTime"), Cell("SolidRiseTime"), true},   // rise time
  {"Edit44", Cell("LiquidContentDensity"), Cell("GasContentDensity"), Cell("SolidContentDensity"), true},   // density of the contents
  {"Edit45", Cell("LiquidContentHeat"), Cell("GasContentHeat"), Cell("SolidContentHeat"), true},   // specific heat of the contents
  {"Edit50", Cell("LiquidContainerDensity"), Cell("GasContainerDensity"), Cell("SolidContainerDensity"), true},   // container density
  {"Edit51", Cell("LiquidContainerHeat"), Cell("GasContainerHeat"), Cell("SolidContainerHeat"), true},   // container specific heat
  {"Edit46", Cell("LiquidPower"), Cell("GasPower"), Cell("SolidPower"), false},  // required power
  {"Edit47", Cell("LiquidLossShare"), Cell("GasLossShare"), Cell("SolidLossShare"), false},  // loss share
  {"Edit48", Cell("LiquidFinalLoss"), Cell("GasFinalLoss"), Cell("SolidFinalLoss"), false},  // loss at the final temperature
};

const char* const kSaveRequiredHeater[] = {"Edit35", "Edit36", "Edit37", "Edit38", "Edit41",
                                           "Edit42", "Edit43", "Edit44", "Edit45"};
const char* const kSaveRequiredWall[] = {"Edit35", "Edit36", "Edit37", "Edit38", "Edit41",
                                         "Edit40", "Edit43", "Edit44", "Edit45"};

const char* const kEnterFields[] = {"Edit35", "Edit36", "Edit37", "Edit38", "Edit39", "Edit40",
                                    "Edit41", "Edit42", "Edit43", "Edit44", "Edit45", "Edit50",
                                    "Edit51", "Edit52", "Edit53"};

const ModeRow kHeaterMode = {"外気温度 ℃", {"Label53", "Label54", "Label55"}, {"Label77", "Label78", "Label79"}};
const ModeRow kWallMode = {"壁面温度 ℃", {"Label77", "Label78", "Label79"}, {"Label53", "Label54", "Label55"}};
// clang-format on

}  // namespace

std::span<const MaterialRow> Materials() { return kMaterials; }

const MaterialRow& MaterialRowOf(Material m) {
  for (const MaterialRow& r : kMaterials)
    if (r.material == m) return r;
  return kMaterials[0];
}

const MaterialRow* MaterialRowByCode(const QString& code) {
  for (const MaterialRow& r : kMaterials)
    if (code == QLatin1String(r.code)) return &r;
  return nullptr;
}

std::span<const BlockCell> BlockCells() { return kBlockCells; }

std::span<const char* const> SaveRequiredFields(bool wallHeating) {
  if (wallHeating) return kSaveRequiredWall;
  return kSaveRequiredHeater;
}

std::span<const char* const> EnterFields() { return kEnterFields; }

const ModeRow& HeaterMode() { return kHeaterMode; }
const ModeRow& WallMode() { return kWallMode; }

std::span<const ExportRow> HeatingCommonExportRows() { return kHeatingCommon; }
std::span<const ExportRow> WallHeatingExportRows() { return kWallHeatingResults; }

}  // namespace heating
