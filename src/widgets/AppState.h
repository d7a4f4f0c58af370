// What the window's selections have chosen, as values: the calculator on
// screen, which calculator the cylinder panel shows, the flat plate's
// cooling and faces, the heating panel's material, mode and lid. The
// selections and mode buttons set it, the captions and visibility follow
// from it, and the Runs read it (Fields::Modes): no Run reads a caption or
// a visibility to know its mode. A copy travels with every FieldSnapshot.
//
// The calculator on screen and the comparison table's counter are kept in
// the condition store, whose file has always held them; the panel models
// live here and are written to their store cells by the selections.
#pragma once

#include <QString>
#include <optional>

#include "store/CalculatorCode.h"

class ConditionStore;

enum class HeatingMaterial { Liquid, Gas, Solid };

// The flat panel: the steady loss (定温放熱) or the cooling over time
// (自然放熱), from one face or both.
struct FlatPanelModel {
  bool cooling = false;
  bool bothFaces = false;
};

// The heating panel: the material heated, heater or wall heating, the lid.
struct HeatingPanelModel {
  HeatingMaterial material = HeatingMaterial::Liquid;
  bool wallHeating = false;
  bool lid = true;
};

struct PanelModels {
  Calculator cylinderPanel = Calculator::Heater;  // the heater, the cylinder or pipe flow
  FlatPanelModel flat;
  HeatingPanelModel heating;
};

// What a Run reads besides its fields.
struct RunModes {
  std::optional<Calculator> onScreen;
  PanelModels panels;
  // The factor of the Stefan-Boltzmann constant as the store holds it ("1E-8").
  QString stefanBoltzmannFactor;
};

class AppState {
 public:
  explicit AppState(ConditionStore& store) : store_(store) {}

  PanelModels& Panels() { return panels_; }
  const PanelModels& Panels() const { return panels_; }

  // The calculator on screen, from its store cell.
  std::optional<Calculator> OnScreen() const;
  // A change of calculator starts a new comparison table (its counter "0").
  void SetOnScreen(Calculator calculator);

  // The conditions the comparison table holds; empty when the counter is no number.
  std::optional<int> ExportCounter() const;
  void SetExportCounter(int n);

  RunModes Modes() const;

 private:
  ConditionStore& store_;
  PanelModels panels_;
};
