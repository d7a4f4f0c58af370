// The close of the window, by its close button or at the end of the
// desktop session (which closes the windows too): nothing typed is lost
// without a question. Unsaved work is the inputs of the calculator on
// screen that differ from the condition store's file, and a text memo or a
// grid memo with changes not saved. The question names each; はい saves
// each through its own Save (the panel's, with its guards and messages; a
// memo back to its file, a new one through the name panel), いいえ closes
// without saving, キャンセル keeps the window open.
#pragma once

#include <QString>
#include <QStringList>

class Form;
class HeatLossPanels;
class HeatingPanel;
class MemoStore;

class UnsavedWork {
 public:
  UnsavedWork(Form& form, HeatLossPanels& heatLoss, HeatingPanel& heating, MemoStore& memos)
      : f(form), heatLoss_(heatLoss), heating_(heating), memos_(memos) {}

  // One line per piece of work a close would lose; empty when none.
  QStringList Items();
  // Asks when there is unsaved work; true when the window may close: none,
  // いいえ, or はい and everything saved. A Save that is refused, or a memo
  // that needs a name first, keeps the window open.
  bool MayClose();

 private:
  // The caption of the calculator on screen when its inputs differ from
  // the store's file; empty otherwise.
  QString ChangedConditions();
  void SaveConditions();
  bool SaveAll();

  Form& f;
  HeatLossPanels& heatLoss_;
  HeatingPanel& heating_;
  MemoStore& memos_;
};
