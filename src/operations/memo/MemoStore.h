// The text memo (Memo2) and the grid memo (StringGrid3) with their files in
// memo/*.txt and memocsv/*.csv: the memo list, opening, saving under a name
// typed into the name panel, deleting to the trash and copying to the desktop.
#pragma once

#include <QString>

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

  void ToggleNamePanel();
  void CloseNamePanel();
  void ClearName();
  // Saves the memo that is showing under the name of the name field.
  void SaveMemo();
  void SaveGridMemoCsv();

  void DeleteMemoFile();
  void CopyMemoToDesktop();

  // A grid memo of this base name holds the finite-element sheet: a double
  // click on it in the list keeps the loaded sheet.
  static const QString kFemSheetName;

 private:
  bool TextMemoShown() const;
  bool GridMemoShown() const;
  // folder + name + extension, after checking that the name stays inside the folder.
  QString MemoPath(const char* folder, const QString& name, const char* extension) const;

  Form& f;
};
