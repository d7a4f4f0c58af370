#include "operations/memo/MemoStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "widgets/Dialogs.h"
#include "foundation/Errors.h"
#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"
#include "widgets/Form.h"
#include "operations/memo/MemoFiles.h"
#include "operations/memo/MemoName.h"
#include "store/TextFile.h"

const QString MemoStore::kFemSheetName = QStringLiteral("有限要素法");

namespace {
// The lines of a text area; an empty text has none.
QStringList LinesOf(const QString& text) {
  if (text.isEmpty()) return {};
  return text.split(QLatin1Char('\n'));
}
}  // namespace

void MemoStore::Wire() {
  f.OnClick("Button22", [this] { ToggleMemo(); });
  f.OnClick("Button43", [this] { ToggleNamePanel(); });
  f.OnClick("Button86", [this] { CloseNamePanel(); });
  f.OnClick("Button24", [this] { SaveMemo(); });
  f.OnEnter("Edit56", [this] { SaveMemo(); });
  f.OnDblClick("Edit56", [this] { ClearName(); });
  f.OnClick("Button42", [this] { DeleteMemoFile(); });
  f.OnClick("Button47", [this] { CopyMemoToDesktop(); });
  f.OnDblClick("Panel3", [this] { ClearGridMemo(); });
  FileListBox* list = f.List("FileListBox1");
  list->onSelect = [this] { f.Guarded([this] { OpenMemoFile(); }); };
  list->onDoubleClick = [this] { f.Guarded([this] { StartEmptyMemo(); }); };
}

bool MemoStore::TextMemoShown() const { return f.IsShown("Memo2"); }
bool MemoStore::GridMemoShown() const { return f.IsShown("StringGrid3"); }

void MemoStore::ToggleMemo() {
  if (TextMemoShown()) {
    f.HideControls({"StringGrid2", "Memo2", "Panel11"});
    f.ShowControls({"StringGrid3", "Panel3"});
  } else {
    f.ShowControls({"Memo2", "Panel3"});
    f.HideControls({"Panel11", "StringGrid2", "StringGrid3"});
  }
  f.HideControls({"Memo5"});
  // Disabled before the list is read, so a folder that cannot be listed
  // does not leave the copy enabled for a stale selection.
  f.SetEnabled("Button47", false);
  RefreshMemoList();
}

void MemoStore::RefreshMemoList() {
  FileListBox* list = f.List("FileListBox1");
  if (GridMemoShown())
    list->Point(f.Path(QStringLiteral("memocsv")), QStringLiteral("*.csv"));
  else
    list->Point(f.Path(QStringLiteral("memo")), QStringLiteral("*.txt"));
}

void MemoStore::OpenMemoFile() {
  const QString path = f.List("FileListBox1")->SelectedPath();
  if (path.isEmpty()) return;
  if (TextMemoShown()) {
    const QStringList lines = MemoFiles::ReadLines(path);
    f.Memo("Memo2")->setPlainText(lines.join(QLatin1Char('\n')));
  } else if (GridMemoShown()) {
    LoadGridMemoCsv();
  }
  f.SetEnabled("Button47", true);
}

void MemoStore::LoadGridMemoCsv() {
  const QString path = f.List("FileListBox1")->SelectedPath();
  if (path.isEmpty()) return;
  BusyPointer busy(f.Dlg());
  // Read first: a file that cannot be read leaves the grid as it was.
  const QStringList lines = MemoFiles::ReadLines(path);
  StringGrid* grid = f.Grid("StringGrid3");
  grid->ClearCells();
  // A file longer than the grid makes the grid longer, so that saving it
  // again keeps every line.
  if (lines.size() > grid->RowCount()) grid->SetRowCount(static_cast<int>(lines.size()));
  if (MemoFiles::FillGrid(*grid, lines)) f.Message(MemoFiles::WideLinesMessage(path, grid->ColCount()));
}

void MemoStore::StartEmptyMemo() {
  if (TextMemoShown()) {
    f.Memo("Memo2")->clear();
  } else if (GridMemoShown()) {
    const QString path = f.List("FileListBox1")->SelectedPath();
    if (QFileInfo(path).completeBaseName() != kFemSheetName) f.Grid("StringGrid3")->ClearCells();
  }
}

void MemoStore::ClearGridMemo() { f.Grid("StringGrid3")->ClearCells(); }

void MemoStore::ToggleNamePanel() { f.SetShown("Panel15", !f.IsShown("Panel15")); }
void MemoStore::CloseNamePanel() { f.HideControls({"Panel15"}); }
void MemoStore::ClearName() { f.SetText("Edit56", QString()); }

QString MemoStore::MemoPath(const char* folder, const QString& name, const char* extension) const {
  const QString refusal = MemoName::Refusal(name);
  if (!refusal.isEmpty()) throw AppError(refusal);
  return f.Path(QString::fromLatin1(folder)) + QLatin1Char('/') + name + QString::fromLatin1(extension);
}

void MemoStore::SaveMemo() {
  QString name = f.Text("Edit56");
  if (name.isEmpty()) return;
  if (MemoName::IsProtected(name)) {
    f.Message(MemoName::ProtectedMessage());
    return;
  }
  const QString refusal = MemoName::Refusal(name);
  if (!refusal.isEmpty()) {
    f.Message(refusal);
    return;
  }
  if (MemoName::HasAaaPrefix(name)) {
    name = MemoName::ApplyAaaRule(name);
    f.SetText("Edit56", name);
  }
  if (TextMemoShown()) {
    MemoFiles::WriteLines(MemoPath("memo", name, ".txt"), LinesOf(f.Text("Memo2")));
    f.Message(QStringLiteral("メモを保存しました"));
    RefreshMemoList();
  }
  if (GridMemoShown()) SaveGridMemoCsv();
  f.HideControls({"Panel15"});
  ToggleMemo();
  ToggleMemo();
}

void MemoStore::SaveGridMemoCsv() {
  if (!GridMemoShown()) return;
  const QString path = MemoPath("memocsv", f.Text("Edit56"), ".csv");
  BusyPointer busy(f.Dlg());
  MemoFiles::WriteLines(path, MemoFiles::GridLines(*f.Grid("StringGrid3")));
  f.Message(QStringLiteral("デ－タを保存しました"));
}

void MemoStore::DeleteMemoFile() {
  const QString path = f.List("FileListBox1")->SelectedPath();
  if (path.isEmpty()) return;
  const QString fileName = QFileInfo(path).fileName();
  if (!f.Confirm(QStringLiteral("ファイル %1 をごみ箱に移しますか。").arg(fileName))) return;
  QString reason;
  if (!f.Dlg().MoveToTrash(path, &reason)) {
    f.Message(QStringLiteral("ファイル %1 を削除できません。\r%2").arg(fileName, reason));
    return;
  }
  // The text memo showed the file just deleted; a grid memo keeps its
  // table, and unsaved text of the hidden text memo stays.
  const bool textMemo = TextMemoShown();
  ToggleMemo();
  ToggleMemo();
  if (textMemo) f.Memo("Memo2")->clear();
}

void MemoStore::CopyMemoToDesktop() {
  const QString path = f.List("FileListBox1")->SelectedPath();
  if (path.isEmpty()) return;
  const QString fileName = QFileInfo(path).fileName();
  const QString desktop = f.Dlg().DesktopFolder();
  if (desktop.isEmpty() || !QFileInfo(desktop).isDir()) {
    f.Message(QStringLiteral("デスクトップのフォルダ %1 がありません。\rファイル %2 はコピーしていません。")
                  .arg(desktop, fileName));
    return;
  }
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly))
    throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path));
  const QByteArray bytes = source.readAll();
  source.close();

  const QString target = QDir(desktop).filePath(fileName);
  const QFileInfo existing(target);
  if (existing.exists() || existing.isSymLink()) {
    if (!f.Confirm(QStringLiteral("デスクトップに %1 があります。置き換えますか。\r（今あるファイルはごみ箱に移します）")
                       .arg(fileName)))
      return;
    QString reason;
    if (!f.Dlg().MoveToTrash(target, &reason)) {
      f.Message(QStringLiteral("デスクトップの %1 を置き換えられません。\r%2").arg(fileName, reason));
      return;
    }
  }
  if (!TextFile::WriteBytesAtomically(target, bytes))
    throw FileError(QStringLiteral("ファイル %1 を作成できません").arg(target));
  f.Message(QStringLiteral("データを保存しました"));
}
