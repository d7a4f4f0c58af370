// The reference-data viewer: tables of siryou/*.csv in the reference grid
// (StringGrid2) and formula texts of formtext/*.txt in the formula-text view
// (Memo5), chosen in the reference list. Holding the mouse button on a grid
// cell shows its whole text in the long-cell box (Memo3).
#pragma once

#include <QObject>
#include <QPoint>

class Form;

class ReferenceViewer : public QObject {
  Q_OBJECT
 public:
  explicit ReferenceViewer(Form& form) : f(form) {}

  void Wire();

  // Alternates tables and formula texts; from a memo always opens the tables.
  void ToggleReference();
  void ListReferenceTables();
  // The selection of the reference list changed: shows that file.
  void OpenReferenceFile();
  // Double click on a list entry: empties the reference grid.
  void ClearReferenceGrid();
  void LoadReferenceCsv();
  // Mouse button down at pos (viewport coordinates of the reference grid).
  void ShowLongCell(QPoint pos);
  void HideLongCell();
  void HideReferenceList();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form& f;
};
