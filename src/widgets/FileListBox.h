// A sorted list of the names of the plain files of one folder that match one
// mask, with one selection. Pointing it at a folder re-reads the folder and
// loses the selection. A change of the selection (a click on another entry,
// or the arrow keys) calls onSelect; a double click on an entry calls
// onDoubleClick.
#pragma once

#include <QListWidget>
#include <functional>

class FileListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit FileListBox(QWidget* parent = nullptr);

  // Re-reads folder for names matching mask (for example "*.csv"). Throws
  // FileError "ファイル %s は開けません" when the folder cannot be listed;
  // the list then keeps its previous content.
  void Point(const QString& folder, const QString& mask);

  QString Folder() const { return folder_; }
  // Full path of the selected file; empty when nothing is selected.
  QString SelectedPath() const;
  QStringList Names() const;
  // Selects the entry with this name (as a click would); false when absent.
  bool SelectName(const QString& name);
  // Selects the entry with this name, or none when it is absent, without
  // calling onSelect: the selection goes back to the file on screen when
  // opening another was called off.
  void ShowSelected(const QString& name);

  std::function<void()> onSelect;
  std::function<void()> onDoubleClick;

 private:
  QString folder_;
  QString mask_;
  int lastRow_ = -1;
};
