// The page 熱伝達率の式 (CorrelationPage) of the analysis view: the list of
// every formula of the coefficient panel with its validity range and source
// (CorrelationList), and the formulas of the same geometry and kind of flow
// as the chosen one evaluated side by side on its items (CompareGrid).
// Choosing an entry does what typing its number into Edit71 and pressing 選択
// does. The caption 熱伝達率の式 of the coefficient panel opens the page.
//
// After every evaluation the flow's Re, Pr, Gr and Ra are held against the
// chosen formula's range: numbers outside it are marked on their fields and
// said in the hint line, with the unit hints of the panel's items.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "operations/coefficient/CorrelationRanges.h"
#include "widgets/Subsystem.h"

class AnalysisView;
class CoefficientPanel;
class HintLine;
class ItemGrid;

class CorrelationPicker : public Subsystem {
 public:
  CorrelationPicker(Form& form, AnalysisView& view, CoefficientPanel& panel, HintLine& hints);
  ~CorrelationPicker() override;
  void Build() override;
  void Wire() override;

  // Shows the page with the number in Edit71 picked out in the list.
  void Open();
  // Chooses the list's row: its number into Edit71, then 選択 (the panel
  // is shown first when it is closed). A row out of the list does nothing.
  void Choose(int row);
  // Evaluates the side-by-side table again from the items in the grid.
  void RefreshCompare();

  // The range check of the last evaluation: marks Re, Pr, Gr and Ra that
  // lie outside the chosen formula's range (and unmarks the others) and
  // returns the hint for them, empty when none.
  QStringList CheckRange();

  const CorrelationRanges& Ranges() const { return ranges_; }

 private:
  void FillList();
  bool PageShown() const;

  AnalysisView& view_;
  CoefficientPanel& panel_;
  HintLine& hints_;
  std::unique_ptr<ItemGrid> grid_;
  CorrelationRanges ranges_;
};
