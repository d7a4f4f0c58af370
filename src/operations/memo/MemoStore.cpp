#include "operations/memo/MemoStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "foundation/Errors.h"
#include "operations/common/MemoControls.h"
#include "operations/common/Unsaved.h"
#include "operations/common/WindowControls.h"
#include "operations/memo/MemoFiles.h"
#include "operations/memo/MemoName.h"
#include "store/AtomicFile.h"
#include "store/FileTrash.h"
#include "store/TextFile.h"
#include "widgets/Dialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/Form.h"
#include "widgets/StringGrid.h"

const QString MemoStore::kFemSheetName = QStringLiteral("有限要素法");

namespace {
// The lines of a text area; an empty text has none.
QStringList LinesOf(const QString& text) {
  if (text.isEmpty()) return {};
  return text.split(QLatin1Char('\n'));
}
}  // namespace

void MemoStore::Wire() {
  f.OnClick(Commands::Memo, [this] { ToggleMemo(); });
  f.OnClick(Memos::SaveMemo, [this] { ToggleNamePanel(); });
  f.OnClick(Memos::CancelName, [this] { CloseNamePanel(); });
  f.OnClick(Memos::SaveName, [this] { SaveMemo(); });
  f.OnEnter(Memos::Name, [this] { SaveMemo(); });
  f.OnDblClick(Memos::Name, [this] { ClearName(); });
  f.OnClick(Memos::DeleteFile, [this] { DeleteMemoFile(); });
  f.OnClick(Memos::CopyToDesktop, [this] { CopyMemoToDesktop(); });
  f.OnDblClick(Memos::MemoSide, [this] { ClearGridMemo(); });
  FileListBox* list = f.List(Memos::MemoList);
  list->onSelect = [this] { f.Guarded([this] { OpenMemoFile(); }); };
  list->onDoubleClick = [this] { f.Guarded([this] { StartEmptyMemo(); }); };
  // What the memos hold at the start is nothing typed yet.
  TextMemoSaved(QString());
  GridMemoSaved(QString());
}

bool MemoStore::TextMemoShown() const { return f.IsShown(Memos::TextMemo); }
bool MemoStore::GridMemoShown() const { return f.IsShown(Memos::GridMemo); }

void MemoStore::ToggleMemo() {
  if (TextMemoShown()) {
    f.HideControls({Memos::ReferenceGrid, Memos::TextMemo, Memos::ReferenceSide});
    f.ShowControls({Memos::GridMemo, Memos::MemoSide});
  } else {
    f.ShowControls({Memos::TextMemo, Memos::MemoSide});
    f.HideControls({Memos::ReferenceSide, Memos::ReferenceGrid, Memos::GridMemo});
  }
  f.HideControls({Memos::ReferenceText});
  // Disabled before the list is read, so a folder that cannot be listed
  // does not leave the copy enabled for a stale selection.
  f.SetEnabled(Memos::CopyToDesktop, false);
  RefreshMemoList();
}

void MemoStore::RefreshMemoList() {
  FileListBox* list = f.List(Memos::MemoList);
  if (GridMemoShown())
    list->Point(f.Path(QStringLiteral("memocsv")), QStringLiteral("*.csv"));
  else
    list->Point(f.Path(QStringLiteral("memo")), QStringLiteral("*.txt"));
}

void MemoStore::OpenMemoFile() {
  const QString path = f.List(Memos::MemoList)->SelectedPath();
  if (path.isEmpty()) return;
  bool replace = false;
  try {
    replace = MayReplaceShownMemo();
  } catch (const AppError&) {
    ShowSourceInList();
    throw;
  }
  if (!replace) {
    ShowSourceInList();
    return;
  }
  if (TextMemoShown()) {
    const QStringList lines = MemoFiles::ReadLines(path);
    f.Memo(Memos::TextMemo)->setPlainText(lines.join(QLatin1Char('\n')));
    TextMemoSaved(path);
  } else if (GridMemoShown()) {
    LoadGridMemoCsv();
  }
  f.SetEnabled(Memos::CopyToDesktop, true);
}

void MemoStore::LoadGridMemoCsv() {
  const QString path = f.List(Memos::MemoList)->SelectedPath();
  if (path.isEmpty()) return;
  BusyPointer busy(f.Dlg());
  // Read first: a file that cannot be read leaves the grid as it was.
  const QStringList lines = MemoFiles::ReadLines(path);
  StringGrid* grid = f.Grid(Memos::GridMemo);
  grid->ClearCells();
  // A file longer than the grid makes the grid longer, so that saving it
  // again keeps every line.
  if (lines.size() > grid->RowCount()) grid->SetRowCount(static_cast<int>(lines.size()));
  const bool wide = MemoFiles::FillGrid(*grid, lines);
  GridMemoSaved(path);
  if (wide) f.Message(MemoFiles::WideLinesMessage(path, grid->ColCount()));
}

void MemoStore::StartEmptyMemo() {
  if (TextMemoShown()) {
    if (!MayReplaceShownMemo()) return ShowSourceInList();
    f.Memo(Memos::TextMemo)->clear();
    TextMemoSaved(QString());
  } else if (GridMemoShown()) {
    const QString path = f.List(Memos::MemoList)->SelectedPath();
    if (QFileInfo(path).completeBaseName() == kFemSheetName) return;
    if (!MayReplaceShownMemo()) return ShowSourceInList();
    f.Grid(Memos::GridMemo)->ClearCells();
    GridMemoSaved(QString());
  }
}

bool MemoStore::NewGridMemo(const QList<QStringList>& rows) {
  if (!GridMemoShown()) {
    // From the text memo or any other view to the grid memo.
    if (!TextMemoShown()) ToggleMemo();
    ToggleMemo();
  }
  if (!MayReplaceShownMemo()) return false;
  StringGrid* grid = f.Grid(Memos::GridMemo);
  grid->ClearCells();
  GridMemoSaved(QString());
  if (rows.size() > grid->RowCount()) grid->SetRowCount(static_cast<int>(rows.size()));
  for (qsizetype r = 0; r < rows.size(); ++r) {
    if (rows[r].size() > grid->ColCount()) grid->SetColCount(static_cast<int>(rows[r].size()));
    grid->SetRowTexts(static_cast<int>(r), rows[r]);
  }
  return true;
}

void MemoStore::ClearGridMemo() {
  f.Grid(Memos::GridMemo)->ClearCells();
  GridMemoSaved(QString());
}

void MemoStore::ToggleNamePanel() { f.SetShown(Memos::NameBar, !f.IsShown(Memos::NameBar)); }
void MemoStore::CloseNamePanel() { f.HideControls({Memos::NameBar}); }
void MemoStore::ClearName() { f.SetText(Memos::Name, QString()); }

QString MemoStore::MemoPath(const char* folder, const QString& name, const char* extension) const {
  const QString refusal = MemoName::Refusal(name);
  if (!refusal.isEmpty()) throw AppError(refusal);
  return f.Path(QString::fromLatin1(folder)) + QLatin1Char('/') + name + QString::fromLatin1(extension);
}

void MemoStore::SaveMemo() {
  QString name = f.Text(Memos::Name);
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
    f.SetText(Memos::Name, name);
  }
  if (TextMemoShown()) {
    const QString path = MemoPath("memo", name, ".txt");
    if (!WriteReplacing(path, LinesOf(f.Text(Memos::TextMemo)))) return;
    TextMemoSaved(path);
    f.Message(QStringLiteral("メモを保存しました"));
    RefreshMemoList();
  }
  if (GridMemoShown() && !SaveGridMemoCsv()) return;
  f.HideControls({Memos::NameBar});
  ToggleMemo();
  ToggleMemo();
}

bool MemoStore::SaveGridMemoCsv() {
  if (!GridMemoShown()) return false;
  const QString path = MemoPath("memocsv", f.Text(Memos::Name), ".csv");
  const QStringList lines = MemoFiles::GridLines(*f.Grid(Memos::GridMemo));
  if (!WriteReplacing(path, lines)) return false;
  gridSource_ = path;
  gridSaved_ = lines;
  f.Message(QStringLiteral("デ－タを保存しました"));
  return true;
}

void MemoStore::DeleteMemoFile() {
  const QString path = f.List(Memos::MemoList)->SelectedPath();
  if (path.isEmpty()) return;
  const QString fileName = QFileInfo(path).fileName();
  if (!f.Confirm(QStringLiteral("ファイル %1 をごみ箱に移しますか。").arg(fileName))) return;
  const FileTrash::Outcome out =
      f.Dlg().MoveToTrash(path, f.Path(QString::fromLatin1(FileTrash::kBackupFolder)));
  if (!out.Moved()) {
    f.Message(QStringLiteral("ファイル %1 を削除できません。\r%2").arg(fileName, out.reason));
    return;
  }
  // The text memo showed the file just deleted: it is emptied, unless it
  // has changes, which stay as a new memo. A grid memo keeps its table,
  // and unsaved text of the hidden text memo stays.
  const bool textMemo = TextMemoShown();
  ToggleMemo();
  ToggleMemo();
  if (textSource_ == path) textSource_.clear();
  if (gridSource_ == path) gridSource_.clear();
  if (textMemo && !TextMemoChanged()) {
    f.Memo(Memos::TextMemo)->clear();
    TextMemoSaved(QString());
  }
  const QString note = out.Note(fileName);
  if (!note.isEmpty()) f.Message(note);
}

void MemoStore::CopyMemoToDesktop() {
  const QString path = f.List(Memos::MemoList)->SelectedPath();
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
    const FileTrash::Outcome out =
        f.Dlg().MoveToTrash(target, f.Path(QString::fromLatin1(FileTrash::kBackupFolder)));
    if (!out.Moved()) {
      f.Message(QStringLiteral("デスクトップの %1 を置き換えられません。\r%2").arg(fileName, out.reason));
      return;
    }
    const QString note = out.Note(fileName);
    if (!note.isEmpty()) f.Message(note);
  }
  TextFile::WriteBytes(target, bytes);
  f.Message(QStringLiteral("データを保存しました"));
}

// ---------------------------------------------------------------- unsaved changes

void MemoStore::TextMemoSaved(const QString& source) {
  textSource_ = source;
  textSaved_ = f.Text(Memos::TextMemo);
}

void MemoStore::GridMemoSaved(const QString& source) {
  gridSource_ = source;
  gridSaved_ = MemoFiles::GridLines(*f.Grid(Memos::GridMemo));
}

bool MemoStore::TextMemoChanged() const { return f.Text(Memos::TextMemo) != textSaved_; }

bool MemoStore::GridMemoChanged() const {
  return MemoFiles::GridLines(*f.Grid(Memos::GridMemo)) != gridSaved_;
}

namespace {
QString Caption(const char* memo, const QString& source) {
  const QString file = source.isEmpty() ? QStringLiteral("新規") : QFileInfo(source).fileName();
  return QString::fromUtf8(memo) + QStringLiteral("（") + file + QStringLiteral("）");
}

bool SavesBack(const QString& source) {
  return !source.isEmpty() && !MemoName::IsProtected(QFileInfo(source).completeBaseName());
}
}  // namespace

QString MemoStore::TextMemoCaption() const { return Caption("テキストメモ", textSource_); }
QString MemoStore::GridMemoCaption() const { return Caption("表メモ", gridSource_); }

bool MemoStore::MayReplaceShownMemo() {
  const bool text = TextMemoShown();
  if (text ? !TextMemoChanged() : !GridMemoShown() || !GridMemoChanged()) return true;
  const QString item = text ? TextMemoCaption() : GridMemoCaption();
  switch (f.Dlg().Ask(QStringLiteral("確認"), Unsaved::Question({item}))) {
    case Dialogs::Reply::Yes:
      return text ? SaveTextMemoBack() : SaveGridMemoBack();
    case Dialogs::Reply::No:
      return true;
    case Dialogs::Reply::Cancel:
      break;
  }
  return false;
}

bool MemoStore::SaveTextMemoBack() {
  if (!SavesBack(textSource_)) {
    AskForName(true);
    return false;
  }
  const QString text = f.Text(Memos::TextMemo);
  MemoFiles::WriteLines(textSource_, LinesOf(text));
  textSaved_ = text;
  f.Message(QStringLiteral("メモを保存しました"));
  return true;
}

bool MemoStore::SaveGridMemoBack() {
  if (!SavesBack(gridSource_)) {
    AskForName(false);
    return false;
  }
  {
    BusyPointer busy(f.Dlg());
    const QStringList lines = MemoFiles::GridLines(*f.Grid(Memos::GridMemo));
    MemoFiles::WriteLines(gridSource_, lines);
    gridSaved_ = lines;
  }
  f.Message(QStringLiteral("デ－タを保存しました"));
  return true;
}

void MemoStore::AskForName(bool textMemo) {
  const QString& source = textMemo ? textSource_ : gridSource_;
  const bool isProtected = !source.isEmpty();
  for (int i = 0; i < 2 && (textMemo ? !TextMemoShown() : !GridMemoShown()); ++i) ToggleMemo();
  f.ShowControls({Memos::NameBar});
  f.Edit(Memos::Name)->setFocus();
  f.Message(isProtected ? QStringLiteral("上書きできないメモです。別の名前を付けて保存してください。")
                        : QStringLiteral("新しいメモです。名前を付けて保存してください。"));
}

bool MemoStore::WriteReplacing(const QString& path, const QStringList& lines) {
  // Everything that can refuse the new file does so before the old one
  // moves: a character without a code page 932 form, a link or a folder in
  // the memo's place, a folder that takes no new file.
  const QByteArray bytes = TextFile::Encode(path, lines);
  AtomicFile file(path);
  if (!file.Open()) throw FileError(TextFile::CannotWrite(path, file.Reason()));
  const QFileInfo existing(path);
  const bool replaces = existing.isFile();
  const QString fileName = existing.fileName();
  if (replaces &&
      !f.Confirm(
          QStringLiteral("メモ %1 はすでにあります。置き換えますか。\r（今あるファイルはごみ箱に移します）")
              .arg(fileName)))
    return false;
  {
    BusyPointer busy(f.Dlg());
    // The new file whole on the disk first, then the old one to the trash,
    // then the new one in its place: a memo is never gone from its folder
    // for want of its new content.
    if (file.Device().write(bytes) != bytes.size() || !file.Finish())
      throw FileError(TextFile::CannotWrite(path, file.Reason()));
  }
  QString note;
  if (replaces) {
    const FileTrash::Outcome out =
        f.Dlg().MoveToTrash(path, f.Path(QString::fromLatin1(FileTrash::kBackupFolder)));
    if (!out.Moved()) {
      f.Message(QStringLiteral("メモ %1 を置き換えられません。\r%2").arg(fileName, out.reason));
      return false;
    }
    note = out.Note(fileName);
    if (!file.Commit()) {
      QString text = TextFile::CannotWrite(path, file.Reason());
      text += QStringLiteral("\r今までのファイルは %1 にあります。").arg(out.location);
      throw FileError(text);
    }
  } else {
    TextFile::Commit(file);
  }
  if (!note.isEmpty()) f.Message(note);
  return true;
}

void MemoStore::ShowSourceInList() {
  FileListBox* list = f.List(Memos::MemoList);
  const QString& source = TextMemoShown() ? textSource_ : gridSource_;
  const QString folder = list->Folder() + QLatin1Char('/');
  list->ShowSelected(source.startsWith(folder) ? source.mid(folder.size()) : QString());
}
