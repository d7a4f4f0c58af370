// One heat-loss calculator described as data: its code and name, the panel
// it uses, what its selection shows, hides and relabels, which store cells
// its fields are saved in, its Run, the extra controls of its panel, and the
// hooks of the pages that show it (CalculatorRow.h: its chart, its design
// inputs, its option cells, its report method, its block of the comparison
// table). The panels (CylinderPanel, FlatPanel) do the rest.
#pragma once

#include <cstring>
#include <span>

#include "operations/common/CalculatorRow.h"
#include "operations/common/Unsaved.h"
#include "store/CalculatorCode.h"
#include "store/ConditionStore.h"
#include "store/StoreCells.h"
#include "widgets/ControlTable.h"

class Fields;
class Form;
class ComparisonTable;

enum class HeatLossPanel {
  Cylinder,  // Panel5 with the buttons Panel6 (and the pipe-flow inputs Panel20)
  Flat,      // Panel9 with the buttons Panel8
};

// One step of a selection, applied in order.
struct SelectionStep {
  enum Action { Show, Hide, Enable, Disable, InputColour, ResultColour, Caption };
  Action action;
  const char* control;
  const char* caption = nullptr;  // for Caption
};

// A field and the store cell that Save writes and Back reads. Back-only
// fields (results, or inputs that Save leaves) are restored but never saved.
// factory: the text Back gives the field while its cell holds nothing (a
// store from before the calculator, or never saved); none leaves it empty.
struct FieldBinding {
  const char* field;
  StoreCell cell;
  bool saved = true;
  const char* factory = nullptr;

  // The text Back puts into the field from the store s.
  QString StoredText(const ConditionStore& s) const { return ::StoredText(s, cell, factory); }
};

// A control of the calculator's own that switches something on its panel;
// the operation returns true when the panel should run afterwards.
struct PanelAction {
  const char* control;
  bool (*operation)(Form& f);
};

struct HeatLossCalculator {
  Calculator code;
  const char* name;  // as the pages name it: "円筒の放熱", "管内流体", ...
  HeatLossPanel panel;
  // Its button in the selection panel 作業選択, with the caption; nullptr
  // when the calculator is reached from another one's panel.
  const char* selectButton;
  const char* selectCaption;
  // The cylinder panel's kind it marks ("hi-ta", "enntou"); nullptr leaves it.
  const char* kind;
  // A calculator reached from another one's panel (pipe flow from the
  // cylinder) states that one's screen first, then its own steps.
  const HeatLossCalculator* selectionBase = nullptr;
  std::span<const SelectionStep> selection;  // before Back
  void (*prepare)(Form& f);                  // more of the selection before Back; may be nullptr
  std::span<const SelectionStep> afterBack;  // after Back
  bool runAfterSelection;                    // runs once more after Back
  std::span<const FieldBinding> fields;
  // The fields its panel's 実行 and 保存 need filled before they run or
  // save; empty: the panel's own lists (those of the calculators it was
  // made for).
  std::span<const char* const> required = {};
  void (*run)(Fields& f);  // reads the fields, calculates, writes the results
  std::span<const PanelAction> actions;
  // Fields and captions of its own on its panel, built with the panel and
  // hidden until its selection shows them; its input fields run the panel
  // on Enter, as the panel's own do.
  std::span<const ControlSpec> controls;
  CalculatorHooks hooks;
};

// The store cell of a calculator's field; {-1, -1} (never stored) when the
// calculator keeps none for it.
inline StoreCell CellOfField(const HeatLossCalculator& c, const char* field) {
  for (const FieldBinding& b : c.fields)
    if (std::strcmp(b.field, field) == 0) return b.cell;
  return {-1, -1};
}
