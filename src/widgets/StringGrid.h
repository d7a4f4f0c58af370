// A grid of text cells addressed (column, row) from 0, like the grids of the
// window (reference grid, grid memo, item grid). Writing a cell checks for a
// pending floating-point fault first, as every field write does.
#pragma once

#include <QTableWidget>
#include <functional>

class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  StringGrid(int columns, int rows, QWidget* parent = nullptr);

  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  int ColCount() const { return columnCount(); }
  int RowCount() const { return rowCount(); }
  void SetColCount(int n);
  void SetRowCount(int n);
  // Empties every cell; the size stays.
  void ClearCells();
  // All cells of one row, as texts.
  QStringList RowTexts(int row) const;
  void SetRowTexts(int row, const QStringList& texts);
  // Row 0 drawn as a fixed header row (grey, not editable, also when empty).
  void SetFixedHeaderRow(bool fixed);
  // The column captions of a table: the row's texts stand in a header that
  // stays in view while the rows scroll, in place of the row itself; -1
  // shows every row again.
  void SetHeaderRow(int row);
  // Each column as wide as its widest text, within [minimum, maximum].
  void FitColumns(int minimum, int maximum);

  // The cell's text as a number (ToNumber / ToInteger); a text that is not
  // one announces the cell (wrongCell) before the conversion error leaves.
  long double CellNumber(int column, int row);
  int CellInteger(int column, int row);

  // Ctrl+C copies the selected cells as tab-separated lines (what
  // spreadsheets paste); with pasting on, Ctrl+V writes such a block from the
  // current cell on, the grid growing no larger than it is.
  void SetPasteAllowed(bool allowed) { pasteAllowed_ = allowed; }
  QString SelectedText() const;
  void Paste(const QString& text);

  // Called when Enter is pressed in the grid, also while a cell is edited.
  std::function<void()> onEnter;

 signals:
  // A cell whose text a calculation read as a number and was none.
  void wrongCell(int column, int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void MarkHeaderRow();
  bool fixedHeader_ = false;
  bool pasteAllowed_ = false;
  int headerRow_ = -1;
};
