// The cylinder panel Panel5 with its buttons Panel6, shared by the heater,
// the cylinder and pipe flow: its Run guards, Save and Back.
#pragma once

class ComparisonTable;
class Fields;
class Form;
struct HeatLossCalculator;

class CylinderPanel {
 public:
  explicit CylinderPanel(Form& form) : f(form) {}

  // 実行: nothing until the inputs are filled and a layer is given; then the
  // second layer's outer diameter Edit11 follows from Edit10 and Edit12, and
  // the calculator on the panel runs.
  void Run();
  // The same Run of the calculator c on other fields (a copy of the window's).
  static void RunOn(Fields& f, const HeatLossCalculator& c);
  // The panel's part of Run: false when the inputs are not filled or no
  // layer is given; then writes Edit11 from Edit10 and Edit12.
  static bool Ready(Fields& f, const HeatLossCalculator& c);
  // 保存: the fields into the cells of the calculator code, then the file.
  void Save();
  // 戻る: the cells of the calculator code into the fields, then Run.
  void Back();

  // The calculator the panel shows (AppState's cylinder panel model).
  const HeatLossCalculator& OnScreen() const;

  // The comparison table's block of the cylinder and of pipe flow (code
  // "41", or the older "42"), which add the rows of their own mode.
  static void ExportCylinderBlock(Form& f, ComparisonTable& table);

 private:
  Form& f;
};
