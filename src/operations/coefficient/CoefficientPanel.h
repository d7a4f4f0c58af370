// The heat-transfer-coefficient panel Panel21 over the calculator area: a
// formula number is chosen from the catalogue (選択), its items are typed
// into the item grid StringGrid4 and evaluated (計算実行, or Enter in the
// grid); 戻る brings back the values last evaluated in the number's group.
#pragma once

#include <memory>

#include "widgets/Subsystem.h"

class CorrelationEvaluation;
class FinWallEvaluation;
class InputMemory;
class ItemGrid;

class CoefficientPanel : public Subsystem {
 public:
  explicit CoefficientPanel(Form& form);
  ~CoefficientPanel() override;
  void Build() override;
  void Wire() override;

  void ToggleCoefficientPanel();
  void SelectCorrelation();
  void EvaluateCorrelation();
  // Enter in the item grid: the next missing value, or the evaluation.
  void EnterInItems();
  void RememberInputs();
  void RecallInputs();
  // Fills the reference grid StringGrid2 with saturated water vapour from
  // 0 to 100 ℃.
  void SaturatedVapourTable();

  // True once after a selection or an evaluation wrote the panel's results
  // (or emptied them): the hints then look at the panel again.
  bool TakeRun();

 private:
  bool ran_ = false;
  std::unique_ptr<ItemGrid> grid_;
  std::unique_ptr<InputMemory> memory_;
  std::unique_ptr<FinWallEvaluation> finWall_;
  std::unique_ptr<CorrelationEvaluation> evaluation_;
};
