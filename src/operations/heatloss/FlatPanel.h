// The flat panel Panel9 with its buttons Panel8, shared by the flat plate
// and the flat wall: its Run guards, Save and Back, the cells its fields are
// kept in, and the rows both calculators write into the comparison table.
#pragma once

#include <span>

#include "operations/common/ComparisonTable.h"
#include "operations/heatloss/HeatLossCalculator.h"

class Fields;
class Form;

class FlatPanel {
 public:
  explicit FlatPanel(Form& form) : f(form) {}

  // 実行: nothing until the inputs are filled; then the calculator of the
  // calculator code runs.
  void Run();
  // The same Run on other fields (a copy of the window's).
  static void RunOn(Fields& f);
  // The panel's part of Run: false when the inputs are not filled.
  static bool Ready(Fields& f, const HeatLossCalculator& c);
  // 保存: every field into its cell (both calculators share them), then the file.
  void Save();
  // 戻る: the cells into the fields, then Run.
  void Back();

  // The flat plate's mode (AppState's FlatPanelModel) on screen: Button71
  // says 定温放熱 or 自然放熱, Label30 one face or both, and the cooling
  // fields show in cooling.
  static void ShowModel(Form& f);

  // The fields and their cells; the cooling fields come last.
  static std::span<const FieldBinding> FieldCells();
  // The cells of the options (自動, k(T)), shared by both calculators.
  static std::span<const OptionCell> OptionCells();
  // Rows 2..7 of the comparison table, the same for both calculators.
  static std::span<const ExportRow> CommonExportRows();

 private:
  Form& f;
};
