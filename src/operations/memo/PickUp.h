// The text pick-up: a click on a caption or field of the pick-up list keeps
// its text in the pick-up cell (5,4) of the condition store; a double click
// in the text memo appends it at the end, and a double click on an empty
// cell of the grid memo writes it into that cell.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class Form;

class PickUp : public QObject {
  Q_OBJECT
 public:
  explicit PickUp(Form& form) : f(form) {}

  // Wires the controls of the list that exist in the window.
  void Wire();

  // Keeps the caption or text of the control in the pick-up cell.
  void PickUpText(const char* name);
  // Appends the pick-up text at the very end of the text memo.
  void PasteIntoMemo();
  // Writes the pick-up text into the empty grid-memo cell at pos (viewport
  // coordinates); false when nothing was written.
  bool PasteIntoGridCell(QPoint pos);


 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form& f;
};
