#include "operations/heating/HeatingTables.h"

#include "operations/common/HeatingControls.h"
#include "operations/common/WindowControls.h"

namespace heating {
namespace {

// clang-format off
// The heating blocks of the comparison table: the captions pad with
// half-width and full-width blanks so that the units line up in a
// spreadsheet.
const ExportRow kHeatingCommon[] = {
  {3,  "容器厚さ      mm",        nullptr, FieldText(Heating::WallThickness)},
  {4,  "容器熱伝導率　W/m℃",      nullptr, FieldText(Heating::WallConductivity)},
  {5,  "断熱材厚さ    mm",        nullptr, FieldText(Heating::InsulationThickness)},
  {6,  "断熱材熱伝導率W/m℃",      nullptr, FieldText(Heating::InsulationConductivity)},
  {7,  "外気温度       ℃",        nullptr, FieldText(Heating::Ambient)},
  {8,  "加熱前温度    ℃",         nullptr, FieldText(Heating::Before)},
  {9,  "加熱後温度    ℃",         nullptr, FieldText(Heating::After)},
  {10, "たて             m",      nullptr, FieldText(Heating::Height)},
  {11, "よこ          　 m",      nullptr, FieldText(Heating::Width)},
  {12, "奥行き       　 m",       nullptr, FieldText(Heating::Depth)},
  {13, "上昇時間    　 h",        nullptr, FieldText(Heating::RiseTime)},
  {14, "蓋の有無",                nullptr, LidText()},
  {17, "容器材の密度 　g/cm3",    nullptr, FieldText(Heating::ContainerDensity)},
  {18, "容器材の比熱 kcal/kg℃",   nullptr, FieldText(Heating::ContainerHeat)},
  {20, "必要熱量   　  W",        nullptr, FieldText(Heating::Result1)},
  {21, "放熱損失   　  %",        nullptr, FieldText(Heating::Result2)},
  {22, "加熱後温度での放熱 W",    nullptr, FieldText(Heating::Result3)},
  {23, "Stefan-Boltzman定数 ×10^-8", nullptr, CellText(StoreCells::kStefanBoltzmannDigits)},
  {24, "表面の放射率",            nullptr, FieldText(Surface::Emissivity)},
  {25, "対流熱伝達率",            nullptr, FieldText(Surface::Coefficient)},
};

// The liquid row 2 shows the volume, as its caption says (m3).
const ExportRow kLiquid[] = {
  {2,  "液量        　  m3",      nullptr, FieldText(Heating::Volume)},
  {15, "液体の密度  　 g/cm3",    nullptr, FieldText(Heating::ContentDensity)},
  {16, "液体の比熱   kcal/kg℃",   nullptr, FieldText(Heating::ContentHeat)},
  {19, "液体のみの必要熱量 W",    nullptr, FieldText(Heating::ContentOnly)},
};
const ExportRow kGas[] = {
  {2,  "気体の量        　  kg",  nullptr, FieldText(Heating::Mass)},
  {15, "気体の密度  　 g/cm3",    nullptr, FieldText(Heating::ContentDensity)},
  {16, "気体の比熱   kcal/kg℃",   nullptr, FieldText(Heating::ContentHeat)},
  {19, "気体のみの必要熱量 W",    nullptr, FieldText(Heating::ContentOnly)},
};
const ExportRow kSolid[] = {
  {2,  "固体の量        　  kg",  nullptr, FieldText(Heating::Mass)},
  {15, "固体の密度  　 g/cm3",    nullptr, FieldText(Heating::ContentDensity)},
  {16, "固体の比熱   kcal/kg℃",   nullptr, FieldText(Heating::ContentHeat)},
  {19, "固体のみの必要熱量 W",    nullptr, FieldText(Heating::ContentOnly)},
};
// In wall heating the ambient field holds the wall temperature.
const ExportRow kWallHeatingResults[] = {
  {7,  "壁面温度       ℃",        nullptr, FieldText(Heating::Ambient)},
  {20, "対流のみによる温度℃",     nullptr, FieldText(Heating::Result1)},
  {21, "放射のみによる温度℃",     nullptr, FieldText(Heating::Result2)},
  {22, "双方による温度　　℃",     nullptr, FieldText(Heating::Result3)},
};

const MaterialRow kMaterials[] = {
  {Material::Liquid, Heating::Liquid, "1", Calculator::LiquidHeating, Cell("LiquidLid"), "液体の加熱", "液体の密度 g/cm3",
   "液体の比熱kcal/kg℃", "液量　　ｍ3", "液体のみの必要熱量W", 0, true,  false, false, true,
   {"液体加熱", 26, 1, kLiquid}},
  {Material::Gas,    Heating::Gas, "2", Calculator::GasHeating,    {-1, -1}, "気体の加熱", "気体の密度 g/cm3",
   "気体の比熱kcal/kg℃", "気体の量　ｍ3", "気体のみの必要熱量W", 2, false, true,  true,  false,
   {"気体加熱", 26, 1, kGas}},
  {Material::Solid,  Heating::Solid, "3", Calculator::SolidHeating,  {-1, -1}, "固体の加熱", "固体の密度 g/cm3",
   "固体の比熱kcal/kg℃", "固体の量　ｍ3", "固体のみの必要熱量W", 0, false, false, true,  true,
   {"固体加熱", 26, 1, kSolid}},
};

const BlockCell kBlockCells[] = {
  {Heating::Volume, Cell("LiquidVolume"), Cell("GasVolume"), Cell("SolidVolume"), true},   // volume
  {Heating::WallThickness, Cell("LiquidWallThickness"), Cell("GasWallThickness"), Cell("SolidWallThickness"), true},   // container wall thickness
  {Heating::WallConductivity, Cell("LiquidWallConductivity"), Cell("GasWallConductivity"), Cell("SolidWallConductivity"), true},   // container wall conductivity
  {Heating::InsulationConductivity, Cell("LiquidInsulationConductivity"), Cell("GasInsulationConductivity"), Cell("SolidInsulationConductivity"), true},   // insulation conductivity
  {Heating::Ambient, Cell("LiquidAmbient"), Cell("GasAmbient"), Cell("SolidAmbient"), true},   // ambient (wall heating: wall) temperature
  {Heating::Before, Cell("LiquidBefore"), Cell("GasBefore"), Cell("SolidBefore"), true},   // temperature before heating
  {Heating::After, Cell("LiquidAfter"), Cell("GasAfter"), Cell("SolidAfter"), true},   // temperature after heating
  {Heating::Height, Cell("LiquidHeight"), Cell("GasHeight"), Cell("SolidHeight"), true},   // height
  {Heating::Width, Cell("LiquidWidth"), Cell("GasWidth"), Cell("SolidWidth"), true},   // width
  {Heating::Depth, Cell("LiquidDepth"), Cell("GasDepth"), Cell("SolidDepth"), true},   // depth
  {Heating::RiseTime, Cell("LiquidRiseTime"), Cell("GasRiseTime"), Cell("SolidRiseTime"), true},   // rise time
  {Heating::ContentDensity, Cell("LiquidContentDensity"), Cell("GasContentDensity"), Cell("SolidContentDensity"), true},   // density of the contents
  {Heating::ContentHeat, Cell("LiquidContentHeat"), Cell("GasContentHeat"), Cell("SolidContentHeat"), true},   // specific heat of the contents
  {Heating::ContainerDensity, Cell("LiquidContainerDensity"), Cell("GasContainerDensity"), Cell("SolidContainerDensity"), true},   // container density
  {Heating::ContainerHeat, Cell("LiquidContainerHeat"), Cell("GasContainerHeat"), Cell("SolidContainerHeat"), true},   // container specific heat
  {Heating::Result1, Cell("LiquidPower"), Cell("GasPower"), Cell("SolidPower"), false},  // required power
  {Heating::Result2, Cell("LiquidLossShare"), Cell("GasLossShare"), Cell("SolidLossShare"), false},  // loss share
  {Heating::Result3, Cell("LiquidFinalLoss"), Cell("GasFinalLoss"), Cell("SolidFinalLoss"), false},  // loss at the final temperature
};

const char* const kSaveRequiredHeater[] = {Heating::Height, Heating::Width, Heating::Depth, Heating::WallThickness, Heating::Before,
                                           Heating::After, Heating::RiseTime, Heating::ContentDensity, Heating::ContentHeat};
const char* const kSaveRequiredWall[] = {Heating::Height, Heating::Width, Heating::Depth, Heating::WallThickness, Heating::Before,
                                         Heating::Ambient, Heating::RiseTime, Heating::ContentDensity, Heating::ContentHeat};

const char* const kEnterFields[] = {Heating::Height, Heating::Width, Heating::Depth, Heating::WallThickness, Heating::InsulationThickness, Heating::Ambient,
                                    Heating::Before, Heating::After, Heating::RiseTime, Heating::ContentDensity, Heating::ContentHeat, Heating::ContainerDensity,
                                    Heating::ContainerHeat, Heating::InsulationConductivity, Heating::WallConductivity};

const ModeRow kHeaterMode = {"外気温度 ℃", {Heating::PowerCaption, Heating::LossShareCaption, Heating::FinalLossCaption}, {Heating::ConvectionOnlyCaption, Heating::RadiationOnlyCaption, Heating::BothCaption}};
const ModeRow kWallMode = {"壁面温度 ℃", {Heating::ConvectionOnlyCaption, Heating::RadiationOnlyCaption, Heating::BothCaption}, {Heating::PowerCaption, Heating::LossShareCaption, Heating::FinalLossCaption}};
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
