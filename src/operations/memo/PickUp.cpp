#include "operations/memo/PickUp.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <cstring>

#include "operations/common/MemoControls.h"
#include "operations/memo/PickUpControls.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

void PickUp::Wire() {
  auto wire = [this](const char* name) {
    if (std::strcmp(name, PickUpControls::kPickedUpByItsOwnClick) == 0) return;
    // Panels built later in the project may not hold all their controls yet.
    if (!f.FindControl(QString::fromLatin1(name))) return;
    f.OnClick(name, [this, name] { PickUpText(name); });
  };
  for (const PickUpControls::Control& c : PickUpControls::Labels()) wire(c.name);
  for (const PickUpControls::Control& c : PickUpControls::Fields()) wire(c.name);
  f.OnDblClick(Memos::TextMemo, [this] { PasteIntoMemo(); });
  f.Grid(Memos::GridMemo)->viewport()->installEventFilter(this);
}

void PickUp::PickUpText(const char* name) {
  ConditionStore& store = f.Store();
  const QString text = std::strcmp(name, PickUpControls::kStefanBoltzmannField) == 0
                           ? store.GetCell(StoreCells::kStefanBoltzmannDigits)
                           : f.Text(name);
  store.SetCell(StoreCells::kPickUp, text);
}

void PickUp::PasteIntoMemo() {
  const QString text = f.Store().GetCell(StoreCells::kPickUp);
  if (text.isEmpty()) return;
  // Inserted through a cursor at the end, so the typing history (undo) stays.
  QPlainTextEdit* memo = f.Memo(Memos::TextMemo);
  QTextCursor cursor(memo->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
}

bool PickUp::PasteIntoGridCell(QPoint pos) {
  const QString text = f.Store().GetCell(StoreCells::kPickUp);
  StringGrid* grid = f.Grid(Memos::GridMemo);
  const QModelIndex index = grid->indexAt(pos);
  // Row 0 is the fixed header row; a cell that holds text is edited as usual.
  if (text.isEmpty() || !index.isValid() || index.row() == 0) return false;
  const QString old = grid->Cell(index.column(), index.row());
  if (!old.isEmpty() && old != QLatin1String(" ")) return false;
  grid->SetCell(index.column(), index.row(), text);
  return true;
}

bool PickUp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    bool pasted = false;
    f.Guarded([this, pos, &pasted] { pasted = PasteIntoGridCell(pos); });
    // A pasted cell opens no editor; any other double click edits the cell.
    if (pasted) return true;
  }
  return QObject::eventFilter(watched, event);
}
