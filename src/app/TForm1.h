// The main window of the calculator.
//
// Path of one request, for example 実行 of the cylinder panel:
//
//   QPushButton Cylinder::Run clicked
//     -> Form::Guarded                 clears the float flags, catches the errors
//       -> CylinderPanel::Run           guards, derives Edit11, picks the
//                                       calculator on the panel
//         -> CylinderCalculator.cpp Run reads fields (Form::Number)
//           -> CylinderHeatLoss          the calculation (src/calc, no Qt)
//         <- Form::SetText(Surface::ConvectiveLoss, ...)   checks float flags first
//     <- an AppError on the way shows its text in the error box; what was
//        written before it stays
//
// Controls are created from control tables (widgets/ControlTable.h) by the
// subsystems and found by their control names (Edit5, Label30, Panel9, ...).
// The window owns the subsystems and builds and wires them in order; the
// dispatcher selects the calculators.
#pragma once

#include <memory>
#include <vector>

#include "operations/common/HeatLossControls.h"
#include "operations/common/WindowControls.h"
#include "widgets/Form.h"

class AnalysisView;
class CalculatorDispatch;
class HeatLossPanels;
class HeatingPanel;
class InsulationDesign;
class CoefficientPanel;
class CorrelationPicker;
class CurvePage;
class HintLine;
class MemoViews;
class FemSheet;
class ReportCommands;
class SchedulePage;
class Subsystem;
class SurfaceOptionsView;
class UnsavedWork;

class TForm1 : public Form {
  Q_OBJECT
 public:
  // appDir is the program's folder: it holds G1de-ta/, memo/, memocsv/,
  // siryou/ and formtext/. Runs the start-up sequence.
  TForm1(const QString& appDir, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  // --- the subsystems
  CalculatorDispatch& Dispatch() { return *dispatch_; }
  HeatLossPanels& HeatLoss() { return *heatLoss_; }
  HeatingPanel& Heating() { return *heating_; }
  CoefficientPanel& Coefficient() { return *coefficient_; }
  MemoViews& Memos() { return *memos_; }
  FemSheet& Fem() { return *fem_; }
  AnalysisView& Analysis() { return *analysis_; }
  InsulationDesign& Design() { return *design_; }
  HintLine& Hints() { return *hints_; }
  CorrelationPicker& Picker() { return *picker_; }
  CurvePage& Curves() { return *curves_; }
  ReportCommands& Reports() { return *reports_; }
  SurfaceOptionsView& Surface() { return *surface_; }

 protected:
  // Asks before unsaved work is lost (UnsavedWork); the desktop's logout
  // closes the window this way too.
  void closeEvent(QCloseEvent* event) override;
  // Places the controls for the window's new size (AnchorLayout).
  void resizeEvent(QResizeEvent* event) override;

 private:
  void StartUp();

  std::unique_ptr<HeatLossPanels> heatLoss_;
  std::unique_ptr<HeatingPanel> heating_;
  std::unique_ptr<CoefficientPanel> coefficient_;
  std::unique_ptr<MemoViews> memos_;
  std::unique_ptr<FemSheet> fem_;
  std::unique_ptr<AnalysisView> analysis_;
  std::unique_ptr<CurvePage> curves_;
  std::unique_ptr<HintLine> hints_;
  std::unique_ptr<CorrelationPicker> picker_;
  std::unique_ptr<InsulationDesign> design_;
  std::unique_ptr<ReportCommands> reports_;
  std::unique_ptr<SchedulePage> schedule_;
  std::unique_ptr<CalculatorDispatch> dispatch_;
  std::unique_ptr<UnsavedWork> unsaved_;
  std::unique_ptr<SurfaceOptionsView> surface_;
  std::vector<Subsystem*> subsystems_;  // in the order of Build and Wire
};
