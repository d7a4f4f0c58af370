// The analysis view of the upper area: one tabbed view for the tools that
// look at the calculator on screen below it (its curve, a sweep of one
// input, the thickness it needs, ...). グラフ shows it in place of the memo
// and reference views; メモ and 資料 bring those back. Each tool adds a page
// and builds its controls on it with a control table whose parent is the
// page's name.
#pragma once

#include <QString>

#include "widgets/Subsystem.h"

class ChartView;
class QTabWidget;
class QWidget;

class AnalysisView : public Subsystem {
 public:
  using Subsystem::Subsystem;
  void Build() override;
  void Wire() override;

  // A page named `name` (its control name) with the tab caption `caption`.
  QWidget* AddPage(const char* name, const QString& caption);

  // Shows the view at the page (by its control name).
  void Show(const char* page);
  void Hide();
  bool IsOpen() const;

  // The chart GraphView on the page GraphPage.
  ChartView& Chart() const;

 private:
  QTabWidget* tabs_ = nullptr;
};
