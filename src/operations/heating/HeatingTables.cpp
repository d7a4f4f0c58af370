#include "operations/heating/HeatingTables.h"

namespace heating {
namespace {

// clang-format off
const MaterialRow kMaterials[] = {
  {Material::Liquid, "Button31", "1", "8",  40, "液体の加熱", "液体の密度 g/cm3", "液体の比熱kcal/kg℃", "液量　　ｍ3",
   "液体のみの必要熱量W", 0, true,  false, false, true},
  {Material::Gas,    "Button32", "2", "9",  50, "気体の加熱", "気体の密度 g/cm3", "気体の比熱kcal/kg℃", "気体の量　ｍ3",
   "気体のみの必要熱量W", 2, false, true,  true,  false},
  {Material::Solid,  "Button33", "3", "10", 60, "固体の加熱", "固体の密度 g/cm3", "固体の比熱kcal/kg℃", "固体の量　ｍ3",
   "固体のみの必要熱量W", 0, false, false, true,  true},
};

const BlockCell kBlockCells[] = {
  {"Edit49", 3, 1, true},   // volume
  {"Edit38", 3, 2, true},   // container wall thickness
  {"Edit53", 3, 3, true},   // container wall conductivity
  {"Edit52", 3, 5, true},   // insulation conductivity
  {"Edit40", 3, 6, true},   // ambient (wall heating: wall) temperature
  {"Edit41", 3, 7, true},   // temperature before heating
  {"Edit42", 3, 8, true},   // temperature after heating
  {"Edit35", 4, 1, true},   // height
  {"Edit36", 4, 2, true},   // width
  {"Edit37", 4, 3, true},   // depth
  {"Edit43", 4, 4, true},   // rise time
  {"Edit44", 5, 1, true},   // density of the contents
  {"Edit45", 5, 2, true},   // specific heat of the contents
  {"Edit50", 5, 3, true},   // container density
  {"Edit51", 5, 4, true},   // container specific heat
  {"Edit46", 5, 6, false},  // required power
  {"Edit47", 5, 7, false},  // loss share
  {"Edit48", 5, 8, false},  // loss at the final temperature
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

}  // namespace heating
