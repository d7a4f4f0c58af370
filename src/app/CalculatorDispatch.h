// Which calculator is on screen: the two mode buttons 放熱計算 and 加熱計算,
// the heat-loss selections, the Enter keys of the shared surface fields,
// the result export of the calculator on screen, the restore of the factory
// store and the start-up sequence. It selects calculators and calls down
// into the subsystems; nothing calls it back.
#pragma once

#include "store/CalculatorCode.h"
#include "widgets/Subsystem.h"

class HeatLossPanels;
class HeatingPanel;
class MemoViews;

class CalculatorDispatch : public Subsystem {
 public:
  CalculatorDispatch(Form& form, HeatLossPanels& heatLoss, HeatingPanel& heating, MemoViews& memos)
      : Subsystem(form), heatLoss_(heatLoss), heating_(heating), memos_(memos) {}
  void Wire() override;

  // The start-up sequence: every step runs, an error of one is shown when
  // all have run, so the window is never left half set up.
  void StartUp();

  void ShowHeatLossMode();
  void ShowHeatingMode();
  // A heat-loss calculator, as its button in 作業選択 selects it.
  void Select(Calculator calculator);
  // Enter in a shared field of Panel4: the Run of the panel that shows.
  void RunShowingPanel();
  // 結果一括保存: nothing unless the grid memo shows; then the block of the
  // calculator code.
  void ExportResults();
  // 復元. ask: the single click asks first; the double click copies at once.
  // The store in memory becomes the factory copy too, and the calculator
  // on screen is loaded from it again and run.
  void RestoreFactoryStore(bool ask);

 private:
  void ReloadRestoredStore();

  HeatLossPanels& heatLoss_;
  HeatingPanel& heating_;
  MemoViews& memos_;
};
