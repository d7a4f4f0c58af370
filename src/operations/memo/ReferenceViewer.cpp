#include "operations/memo/ReferenceViewer.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <algorithm>

#include "operations/common/MemoControls.h"
#include "operations/common/WindowControls.h"
#include "operations/memo/MemoFiles.h"
#include "widgets/Dialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

namespace {
// The widths a reference column may take to show its texts, px.
constexpr int kNarrowest = 60, kWidest = 320;
}  // namespace

void ReferenceViewer::Wire() {
  f.OnClick(Commands::Reference, [this] { ToggleReference(); });
  f.OnDblClick(Memos::ReferenceSide, [this] { HideReferenceList(); });
  FileListBox* list = f.List(Memos::ReferenceList);
  list->onSelect = [this] { f.Guarded([this] { OpenReferenceFile(); }); };
  list->onDoubleClick = [this] { f.Guarded([this] { ClearReferenceGrid(); }); };
  // Press and release need the point under the pointer, so the grid's
  // viewport is watched here rather than through OnPress.
  f.Grid(Memos::ReferenceGrid)->viewport()->installEventFilter(this);
}

bool ReferenceViewer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    f.Guarded([this, pos] { ShowLongCell(pos); });
  } else if (event->type() == QEvent::MouseButtonRelease) {
    f.Guarded([this] { HideLongCell(); });
  }
  return QObject::eventFilter(watched, event);
}

void ReferenceViewer::ToggleReference() {
  if (f.IsShown(Memos::ReferenceGrid)) {
    f.ShowControls({Memos::ReferenceText});
    f.HideControls({Memos::ReferenceGrid});
  } else {
    f.ShowControls({Memos::ReferenceGrid, Memos::ReferenceSide});
    f.HideControls({Memos::ReferenceText, Memos::MemoSide, Memos::GridMemo, Memos::TextMemo});
  }
  // The usage text is closed by every press, also when only the formula
  // texts and tables alternate.
  f.HideControls({Memos::FormulaText});
  FileListBox* list = f.List(Memos::ReferenceList);
  if (f.IsShown(Memos::ReferenceGrid))
    list->Point(f.Path(QStringLiteral("siryou")), QStringLiteral("*.csv"));
  else
    list->Point(f.Path(QStringLiteral("formtext")), QStringLiteral("*.txt"));
}

void ReferenceViewer::ListReferenceTables() {
  f.List(Memos::ReferenceList)->Point(f.Path(QStringLiteral("siryou")), QStringLiteral("*.csv"));
}

void ReferenceViewer::OpenReferenceFile() {
  if (f.IsShown(Memos::ReferenceGrid)) {
    LoadReferenceCsv();
  } else if (f.IsShown(Memos::ReferenceText)) {
    const QString path = f.List(Memos::ReferenceList)->SelectedPath();
    if (path.isEmpty()) return;
    const QStringList lines = MemoFiles::ReadLines(path);
    f.Memo(Memos::ReferenceText)->setPlainText(lines.join(QLatin1Char('\n')));
  }
}

void ReferenceViewer::ClearReferenceGrid() {
  if (!f.IsShown(Memos::ReferenceGrid)) return;
  f.Grid(Memos::ReferenceGrid)->ClearCells();
  f.Grid(Memos::ReferenceGrid)->SetHeaderRow(-1);
}

void ReferenceViewer::LoadReferenceCsv() {
  const QString path = f.List(Memos::ReferenceList)->SelectedPath();
  if (path.isEmpty()) return;
  BusyPointer busy(f.Dlg());
  // Read first: a file that cannot be read leaves the grid as it was.
  const QStringList lines = MemoFiles::ReadLines(path);
  StringGrid* grid = f.Grid(Memos::ReferenceGrid);
  grid->ClearCells();
  // The whole file and nothing below it; the columns stay as they are
  // (the vapour table sets ten).
  grid->SetRowCount(static_cast<int>(lines.size()));
  // Fields beyond the grid's columns are not shown; the engineer is told,
  // so a wide table is not taken for a short one.
  const bool wide = MemoFiles::FillGrid(*grid, lines);
  // The column captions (the first line of several fields, below the title
  // and the source, with rows below it) stay in view while the rows scroll;
  // each column takes the width of its texts.
  int header = -1;
  for (int r = 0; r < std::min(grid->RowCount() - 1, 5) && header < 0; ++r) {
    int filled = 0;
    for (int c = 0; c < grid->ColCount(); ++c) filled += grid->Cell(c, r).trimmed().isEmpty() ? 0 : 1;
    if (filled >= 2) header = r;
  }
  grid->SetHeaderRow(header);
  grid->FitColumns(kNarrowest, kWidest);
  if (wide) f.Message(MemoFiles::WideLinesMessage(path, grid->ColCount()));
}

void ReferenceViewer::ShowLongCell(QPoint pos) {
  StringGrid* grid = f.Grid(Memos::ReferenceGrid);
  const QModelIndex index = grid->indexAt(pos);
  if (!index.isValid()) return;
  const QString text = grid->Cell(index.column(), index.row());
  if (text.isEmpty() || text == QLatin1String(" ")) return;
  f.SetText(Memos::Note, text);
  f.ShowControls({Memos::Note});
}

void ReferenceViewer::HideLongCell() { f.HideControls({Memos::Note}); }

void ReferenceViewer::HideReferenceList() { f.HideControls({Memos::ReferenceSide}); }
