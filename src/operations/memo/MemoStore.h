// The text memo (Memo2) and the grid memo (StringGrid3) with their files in
// memo/*.txt and memocsv/*.csv: the memo list, opening, saving under a name
// typed into the name panel, deleting to the trash and copying to the desktop.
//
// Each memo remembers the file it came from (none for a new one) and its
// content as last opened or saved, so that nothing typed is lost without a
// question: opening another file over changes asks first, and saving over
// an existing memo asks and, once the new file is written, moves the old
// file to the trash.
#pragma once

#include <QString>
#include <QStringList>

class Form;

class MemoStore {
 public:
  explicit MemoStore(Form& form) : f(form) {}
  MemoStore(const MemoStore&) = delete;
  MemoStore& operator=(const MemoStore&) = delete;

  void Wire();

  // Alternates text memo and grid memo; from any other view opens the text memo.
  void ToggleMemo();
  // Points the memo list at the folder of the memo kind that is showing.
  void RefreshMemoList();
  // The selection of the memo list changed: shows that file.
  void OpenMemoFile();
  void LoadGridMemoCsv();
  // Double click on a list entry: a fresh, empty memo (the file stays).
  void StartEmptyMemo();
  void ClearGridMemo();
  // Shows the grid memo holding rows (a table from another view) as a new
  // memo not yet saved; unsaved changes of the grid memo are asked about
  // first, as opening a file asks. False when the question called it off.
  bool NewGridMemo(const QList<QStringList>& rows);

  void ToggleNamePanel();
  void CloseNamePanel();
  void ClearName();
  // Saves the memo that is showing under the name of the name field.
  void SaveMemo();
  // Saves the grid memo under the name field's name; false when nothing
  // was written (not shown, or a replace called off).
  bool SaveGridMemoCsv();

  void DeleteMemoFile();
  void CopyMemoToDesktop();

  // True when the memo differs from its content as last opened or saved.
  bool TextMemoChanged() const;
  bool GridMemoChanged() const;
  // "テキストメモ（a.txt）", "表メモ（新規）": the memo and its file, for the
  // question before it is lost.
  QString TextMemoCaption() const;
  QString GridMemoCaption() const;
  // Saves the memo back to the file it came from; a new memo, or one from
  // an overwrite-protected file, shows the name panel for a name instead
  // and returns false. Throws FileError when the file cannot be written.
  bool SaveTextMemoBack();
  bool SaveGridMemoBack();

  // A grid memo of this base name holds the finite-element sheet: a double
  // click on it in the list keeps the loaded sheet.
  static const QString kFemSheetName;

 private:
  bool TextMemoShown() const;
  bool GridMemoShown() const;
  // Before the memo on screen is replaced: asks when it has changes. はい
  // saves it (back to its file, or shows the name panel and returns false),
  // いいえ lets it go, キャンセル returns false.
  bool MayReplaceShownMemo();
  // Writes the memo file; an existing one is asked about and goes to the
  // trash once the new file is whole. False when the question or the trash
  // called it off; throws FileError when the new file cannot be written,
  // before anything moves.
  bool WriteReplacing(const QString& path, const QStringList& lines);
  // The name panel, for a memo that needs a name to be saved.
  void AskForName(bool textMemo);
  // The list selects the file of the memo on screen again.
  void ShowSourceInList();
  void TextMemoSaved(const QString& source);
  void GridMemoSaved(const QString& source);
  // folder + name + extension, after checking that the name stays inside the folder.
  QString MemoPath(const char* folder, const QString& name, const char* extension) const;

  Form& f;
  QString textSource_, gridSource_;  // the files the memos came from; empty for new ones
  QString textSaved_;                // the text memo as last opened or saved
  QStringList gridSaved_;            // the grid memo's lines as last opened or saved
};
