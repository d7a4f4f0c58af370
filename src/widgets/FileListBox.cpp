#include "widgets/FileListBox.h"

#include <QDir>
#include <QFileInfo>

#include "foundation/Errors.h"
#include "foundation/FloatFaults.h"

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row == lastRow_) return;
    lastRow_ = row;
    if (row >= 0 && onSelect) onSelect();
  });
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    if (onDoubleClick) onDoubleClick();
  });
}

void FileListBox::Point(const QString& folder, const QString& mask) {
  FloatFaults::Keep keep;
  QDir dir(folder);
  if (!dir.exists()) throw FileError(QStringLiteral("ファイル %1 は開けません").arg(folder));
  const QStringList names =
      dir.entryList(QStringList{mask}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  folder_ = folder;
  mask_ = mask;
  const QSignalBlocker block(this);
  clear();
  addItems(names);
  // A name the list cuts off shows whole in its tooltip.
  for (int i = 0; i < count(); ++i) item(i)->setToolTip(item(i)->text());
  lastRow_ = -1;
  setCurrentRow(-1);
}

QString FileListBox::SelectedPath() const {
  const QListWidgetItem* it = currentItem();
  if (!it || currentRow() < 0) return QString();
  return folder_ + QLatin1Char('/') + it->text();
}

QStringList FileListBox::Names() const {
  QStringList names;
  for (int i = 0; i < count(); ++i) names << item(i)->text();
  return names;
}

bool FileListBox::SelectName(const QString& name) {
  for (int i = 0; i < count(); ++i) {
    if (item(i)->text() == name) {
      setCurrentRow(i);
      return true;
    }
  }
  return false;
}

void FileListBox::ShowSelected(const QString& name) {
  const QSignalBlocker block(this);
  const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly);
  setCurrentRow(name.isEmpty() || found.isEmpty() ? -1 : row(found.front()));
  lastRow_ = currentRow();
}
