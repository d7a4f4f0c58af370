// Which calculator is on screen: the two mode buttons, the four heat-loss
// selections, the pipe-flow switch, the Run dispatch of both heat-loss
// panels, the Enter keys and the start-up sequence.
#pragma once

#include <QString>

#include "widgets/Subsystem.h"

struct CylinderPanelRow;

class CalculatorDispatch : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Wire() override;

  // The start-up sequence; an error ends it at its step.
  void StartUp();

  void ShowHeatLossMode();
  void ShowHeatingMode();
  void SelectHeater();
  void SelectCylinder();
  void SelectFlatPlate();
  void SelectFlatWall();
  void TogglePipeFlow();
  void PipeRunButton();
  void RunCylinderPanel();
  void RunFlatPanel();
  // Enter in a shared field of Panel4: the Run of the panel that shows.
  void RunShowingPanel();

  // Writes the calculator code (6,2); a change of code resets the export
  // counter (5,5) to "0".
  void SetCalculatorCode(const QString& code);

 private:
  // Shows the cylinder panel as one of its calculators: code, kind, captions.
  void ShowCylinderPanel(const CylinderPanelRow& row);
};
