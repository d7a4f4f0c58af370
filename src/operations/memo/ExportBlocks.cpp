#include "operations/memo/ExportBlocks.h"

namespace {

constexpr ExportSource F(const char* field) { return {ExportSource::Field, field, 0, 0}; }
constexpr ExportSource Cell(int column, int row) { return {ExportSource::StoreCell, nullptr, column, row}; }
constexpr ExportSource Lid() { return {ExportSource::LidChoice, nullptr, 0, 0}; }
constexpr ExportSource Nothing() { return {}; }

// clang-format off

// Rows 2..7 are the same for the flat plate and the flat wall.
const ExportRow kFlatCommon[] = {
  {2,  "放熱面積 m2",    nullptr,  F("Edit5")},
  {3,  "外気の温度 ℃",   nullptr,  F("Edit25")},
  {4,  "外側の温度 ℃",   "保温材", F("Edit24")},
  {5,  nullptr,          "構造材", F("Edit23")},
  {6,  "内側の温度 ℃",   "保温材", F("Edit28")},
  {7,  nullptr,          "構造材", F("Edit27")},
};

const ExportRow kFlatPlate[] = {
  {8,  "熱伝導率 W/m℃",  "保温材", F("Edit30")},
  {9,  nullptr,          "構造材", F("Edit29")},
  {10, "厚さ mm",        "保温材", F("Edit32")},
  {11, nullptr,          "構造材", F("Edit31")},
};

const ExportRow kFlatPlateCooling[] = {
  {12, "伝熱密度 W/cm2",    nullptr, F("Edit33")},
  {13, "密度 ｇ/cm3",       nullptr, F("Edit73")},
  {14, "比熱 ｋcal/kg℃",    nullptr, F("Edit74")},
  {15, "時間 ｈ",           nullptr, F("Edit75")},
  {16, "ｈ後の温度℃",       nullptr, F("Edit76")},
};

const ExportRow kFlatTransmission[] = {
  {8,  nullptr,          "高温内気", F("Edit26")},
  {9,  "熱伝導率 W/m℃",  "保温材",   F("Edit30")},
  {10, nullptr,          "構造材",   F("Edit29")},
  {11, "厚さ mm",        "保温材",   F("Edit32")},
  {12, nullptr,          "構造材",   F("Edit31")},
  {13, "伝熱密度 W/cm2", nullptr,    F("Edit33")},
};

// Row 2's value (the ambient temperature) is written by the cylinder
// writer itself, only in the cylinder's own mode.
const ExportRow kCylinder[] = {
  {2,  "外気の温度 ℃",   nullptr,  Nothing()},
  {3,  "外側の温度 ℃",   "保温材", F("Edit2")},
  {4,  nullptr,          "構造材", F("Edit1")},
  {5,  "内側の温度 ℃",   "保温材", F("Edit21")},
  {6,  nullptr,          "構造材", F("Edit4")},
  {7,  "熱伝導率 W/m℃",  "保温材", F("Edit7")},
  {8,  nullptr,          "構造材", F("Edit6")},
  {9,  "熱量",           nullptr,  Nothing()},
  {10, "外径",           "保温材", F("Edit11")},
  {11, nullptr,          "構造材", F("Edit10")},
  {12, nullptr,          "発熱線", Nothing()},
  {13, "厚さ mm",        "保温材", F("Edit12")},
  {14, nullptr,          "構造材", F("Edit34")},
  {15, "長さ m",         nullptr,  F("Edit13")},
  {16, "伝熱密度 W/cm2", nullptr,  Nothing()},
};

const ExportRow kCylinderSurface[] = {
  {18, "Stefan-Boltzman定数",  nullptr, Cell(2, 1)},
  {19, "表面の放射率 W/m℃",    nullptr, F("Edit16")},
  {20, "対流熱伝達率 W/m2℃",   nullptr, F("Edit17")},
  {21, "対流放熱量 W",         nullptr, F("Edit18")},
  {22, "放射放熱量 W",         nullptr, F("Edit19")},
  {23, "放熱量計 W",           nullptr, F("Edit20")},
};

const ExportRow kCylinderPipeFlow[] = {
  {18, "比熱 kcal/kg℃", nullptr, F("Edit64")},
  {19, "密度 g/cm3",     nullptr, F("Edit65")},
  {20, "管径 m",         nullptr, F("Edit66")},
  {21, "流量 m3/h",      nullptr, F("Edit67")},
  {22, "外気温度℃",      nullptr, F("Edit68")},
  {23, "Xm点温度℃",      nullptr, F("Edit14")},
  {24, "内気温度℃",      nullptr, F("Edit70")},
};

const ExportRow kHeater[] = {
  {2,  "外気の温度 ℃",   nullptr,        F("Edit3")},
  {3,  "外側の温度 ℃",   "ステンレス層", F("Edit2")},
  {4,  nullptr,          "MgO層",        F("Edit1")},
  {5,  "内側の温度 ℃",   "ステンレス層", F("Edit21")},
  {6,  nullptr,          "MgO層",        F("Edit4")},
  {7,  "熱伝導率 W/m℃",  "ステンレス層", F("Edit7")},
  {8,  nullptr,          "MgO層",        F("Edit6")},
  {9,  "熱量",           nullptr,        F("Edit8")},
  {10, "外径",           "ステンレス層", F("Edit11")},
  {11, nullptr,          "MgO層",        F("Edit10")},
  {12, nullptr,          "発熱線",       F("Edit9")},
  {13, "厚さ mm",        "ステンレス層", F("Edit12")},
  {14, nullptr,          "MgO層",        F("Edit34")},
  {15, "長さ m",         nullptr,        F("Edit13")},
  {16, "伝熱密度 W/cm2", nullptr,        F("Edit14")},
};

// The heating blocks: the captions pad with half-width and full-width
// blanks so that the units line up in a spreadsheet.
const ExportRow kHeatingCommon[] = {
  {3,  "容器厚さ      mm",        nullptr, F("Edit38")},
  {4,  "容器熱伝導率　W/m℃",      nullptr, F("Edit53")},
  {5,  "断熱材厚さ    mm",        nullptr, F("Edit39")},
  {6,  "断熱材熱伝導率W/m℃",      nullptr, F("Edit52")},
  {7,  "外気温度       ℃",        nullptr, F("Edit40")},
  {8,  "加熱前温度    ℃",         nullptr, F("Edit41")},
  {9,  "加熱後温度    ℃",         nullptr, F("Edit42")},
  {10, "たて             m",      nullptr, F("Edit35")},
  {11, "よこ          　 m",      nullptr, F("Edit36")},
  {12, "奥行き       　 m",       nullptr, F("Edit37")},
  {13, "上昇時間    　 h",        nullptr, F("Edit43")},
  {14, "蓋の有無",                nullptr, Lid()},
  {17, "容器材の密度 　g/cm3",    nullptr, F("Edit50")},
  {18, "容器材の比熱 kcal/kg℃",   nullptr, F("Edit51")},
  {20, "必要熱量   　  W",        nullptr, F("Edit46")},
  {21, "放熱損失   　  %",        nullptr, F("Edit47")},
  {22, "加熱後温度での放熱 W",    nullptr, F("Edit48")},
  {23, "Stefan-Boltzman定数",     nullptr, Cell(2, 1)},
  {24, "表面の放射率",            nullptr, F("Edit16")},
  {25, "対流熱伝達率",            nullptr, F("Edit17")},
};

// The liquid row 2 shows the volume, as its caption says (m3).
const ExportRow kLiquid[] = {
  {2,  "液量        　  m3",      nullptr, F("Edit49")},
  {15, "液体の密度  　 g/cm3",    nullptr, F("Edit44")},
  {16, "液体の比熱   kcal/kg℃",   nullptr, F("Edit45")},
  {19, "液体のみの必要熱量 W",    nullptr, F("Edit55")},
};
const ExportRow kGas[] = {
  {2,  "気体の量        　  kg",  nullptr, F("Edit54")},
  {15, "気体の密度  　 g/cm3",    nullptr, F("Edit44")},
  {16, "気体の比熱   kcal/kg℃",   nullptr, F("Edit45")},
  {19, "気体のみの必要熱量 W",    nullptr, F("Edit55")},
};
const ExportRow kSolid[] = {
  {2,  "固体の量        　  kg",  nullptr, F("Edit54")},
  {15, "固体の密度  　 g/cm3",    nullptr, F("Edit44")},
  {16, "固体の比熱   kcal/kg℃",   nullptr, F("Edit45")},
  {19, "固体のみの必要熱量 W",    nullptr, F("Edit55")},
};
// In wall heating the ambient field holds the wall temperature.
const ExportRow kWallHeatingResults[] = {
  {7,  "壁面温度       ℃",        nullptr, F("Edit40")},
  {20, "対流のみによる温度℃",     nullptr, F("Edit46")},
  {21, "放射のみによる温度℃",     nullptr, F("Edit47")},
  {22, "双方による温度　　℃",     nullptr, F("Edit48")},
};

const ExportBlock kFlatPlateBlock{"平板放熱", 17, 2, kFlatCommon};
const ExportBlock kFlatTransmissionBlock{"平板熱通過", 14, 2, kFlatCommon};
const ExportBlock kCylinderBlock{"円筒の放熱", 24, 2, kCylinder};
const ExportBlock kHeaterBlock{"ヒーター温度", 17, 2, kHeater};
const ExportBlock kLiquidBlock{"液体加熱", 26, 1, kLiquid};
const ExportBlock kGasBlock{"気体加熱", 26, 1, kGas};
const ExportBlock kSolidBlock{"固体加熱", 26, 1, kSolid};

// clang-format on

}  // namespace

namespace ExportBlocks {

const ExportBlock& FlatPlate() { return kFlatPlateBlock; }
std::span<const ExportRow> FlatPlateRows() { return kFlatPlate; }
std::span<const ExportRow> FlatPlateCoolingRows() { return kFlatPlateCooling; }
const ExportBlock& FlatTransmission() { return kFlatTransmissionBlock; }
std::span<const ExportRow> FlatTransmissionRows() { return kFlatTransmission; }
const ExportBlock& Cylinder() { return kCylinderBlock; }
std::span<const ExportRow> CylinderSurfaceRows() { return kCylinderSurface; }
std::span<const ExportRow> CylinderPipeFlowRows() { return kCylinderPipeFlow; }
const ExportBlock& Heater() { return kHeaterBlock; }

const ExportBlock& ContainerHeating(Material material) {
  switch (material) {
    case Material::Gas: return kGasBlock;
    case Material::Solid: return kSolidBlock;
    default: return kLiquidBlock;
  }
}
std::span<const ExportRow> HeatingCommonRows() { return kHeatingCommon; }
std::span<const ExportRow> WallHeatingResultRows() { return kWallHeatingResults; }

}  // namespace ExportBlocks
