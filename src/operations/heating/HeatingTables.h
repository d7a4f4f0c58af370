// Data of the heating panel: the three materials with their captions, codes
// and selector rules, the two heating modes, and the store cells of one
// material's block of heating conditions.
#pragma once

#include <QString>
#include <span>

#include "operations/common/ComparisonTable.h"
#include "store/CalculatorCode.h"
#include "store/StoreCells.h"
#include "widgets/AppState.h"

namespace heating {

using Material = HeatingMaterial;

struct MaterialRow {
  Material material;
  const char* button;          // its selection button on Panel13
  const char* code;            // material code, StoreCells::kHeatingMaterial
  Calculator calculator;       // its heater-heating calculator
  StoreCell lid;               // the lid choice ("1" with, "2" without), for a lidSelector
  const char* title;           // Label52
  const char* densityCaption;  // Label50
  const char* heatCaption;     // Label51
  const char* volumeCaption;   // Label40
  const char* contentCaption;  // Label33, the power of the contents alone
  int contentDecimals;         // decimals of that power in Edit55
  bool lidSelector;            // Label46, RadioButton1, RadioButton2 shown
  bool modeSelector;           // GroupBox1 shown
  bool forceLid;               // "有" selected
  bool forceHeater;            // heater heating selected
  ExportBlock exportBlock;     // its block of the comparison table
};

std::span<const MaterialRow> Materials();
const MaterialRow& MaterialRowOf(Material m);
// nullptr for a text that is no material code.
const MaterialRow* MaterialRowByCode(const QString& code);

// One field of the heating conditions and its cell in each material's
// block. Result fields are restored by Back but never saved.
struct BlockCell {
  const char* field;
  StoreCell liquid, gas, solid;
  bool saved;
  StoreCell In(Material m) const { return m == Material::Liquid ? liquid : m == Material::Gas ? gas : solid; }
};
std::span<const BlockCell> BlockCells();

// The fields a Save needs filled; in wall heating the wall temperature
// (Edit40) takes the place of the temperature after heating (Edit42).
std::span<const char* const> SaveRequiredFields(bool wallHeating);

// Fields whose Enter key runs the heating calculation.
std::span<const char* const> EnterFields();

// The rows every heating block adds to its material's rows; in wall
// heating (gas only) the wall rows recaption row 7 (the wall temperature)
// and rows 20..22 (the three end temperatures).
std::span<const ExportRow> HeatingCommonExportRows();
std::span<const ExportRow> WallHeatingExportRows();

struct ModeRow {
  const char* ambientCaption;  // Label43
  const char* shownCaptions[3];
  const char* hiddenCaptions[3];
};
const ModeRow& HeaterMode();
const ModeRow& WallMode();

}  // namespace heating
