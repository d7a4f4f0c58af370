#include "MemoWindow.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QMouseEvent>

#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"
#include "store/TextFile.h"

namespace {

void Send(QWidget* w, QEvent::Type type, QPoint pos) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

QWidget* MouseTarget(QWidget* w) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport();
  return w;
}

QPoint ItemCentre(FileListBox* list, const QString& entry) {
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() == entry) return list->visualItemRect(list->item(i)).center();
  ADD_FAILURE() << "no entry " << entry.toStdString();
  return QPoint(-1, -1);
}

QPoint CellCentre(StringGrid* grid, int column, int row) {
  grid->scrollTo(grid->model()->index(row, column));
  return grid->visualRect(grid->model()->index(row, column)).center();
}

}  // namespace

void MemoWindow::SetUp() {
  Open();
  form->resize(912, 559);
  form->show();
  QApplication::processEvents();
  EXPECT_EQ(Messages(), QStringList()) << "start-up showed a message";
}

void MemoWindow::Click(const char* name) {
  QWidget* w = MouseTarget(form->Control(name));
  Send(w, QEvent::MouseButtonPress, w->rect().center());
  Send(w, QEvent::MouseButtonRelease, w->rect().center());
  QApplication::processEvents();
}

void MemoWindow::DblClick(const char* name) {
  QWidget* w = MouseTarget(form->Control(name));
  const QPoint c = w->rect().center();
  Send(w, QEvent::MouseButtonPress, c);
  Send(w, QEvent::MouseButtonRelease, c);
  Send(w, QEvent::MouseButtonDblClick, c);
  Send(w, QEvent::MouseButtonRelease, c);
  QApplication::processEvents();
}

void MemoWindow::PressCell(const char* grid, int column, int row) {
  StringGrid* g = form->Grid(grid);
  Send(g->viewport(), QEvent::MouseButtonPress, CellCentre(g, column, row));
}

void MemoWindow::ReleaseCell(const char* grid, int column, int row) {
  StringGrid* g = form->Grid(grid);
  Send(g->viewport(), QEvent::MouseButtonRelease, CellCentre(g, column, row));
}

void MemoWindow::DblClickCell(const char* grid, int column, int row) {
  StringGrid* g = form->Grid(grid);
  const QPoint c = CellCentre(g, column, row);
  Send(g->viewport(), QEvent::MouseButtonPress, c);
  Send(g->viewport(), QEvent::MouseButtonRelease, c);
  Send(g->viewport(), QEvent::MouseButtonDblClick, c);
  Send(g->viewport(), QEvent::MouseButtonRelease, c);
  QApplication::processEvents();
}

void MemoWindow::Select(const char* list, const QString& entry) {
  FileListBox* l = form->List(list);
  const QPoint c = ItemCentre(l, entry);
  Send(l->viewport(), QEvent::MouseButtonPress, c);
  Send(l->viewport(), QEvent::MouseButtonRelease, c);
  QApplication::processEvents();
}

void MemoWindow::DblClickItem(const char* list, const QString& entry) {
  FileListBox* l = form->List(list);
  const QPoint c = ItemCentre(l, entry);
  Send(l->viewport(), QEvent::MouseButtonPress, c);
  Send(l->viewport(), QEvent::MouseButtonRelease, c);
  Send(l->viewport(), QEvent::MouseButtonDblClick, c);
  Send(l->viewport(), QEvent::MouseButtonRelease, c);
  QApplication::processEvents();
}

void MemoWindow::SaveAs(const QString& name) {
  if (!form->IsShown("Panel15")) Click("Button43");
  form->Edit("Edit56")->setText(name);
  form->Button("Button24")->click();
  QApplication::processEvents();
}

QByteArray MemoWindow::Bytes(const QString& relative) const {
  QFile file(Path(relative));
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

void MemoWindow::WriteBytes(const QString& relative, const QByteArray& bytes) const {
  QFile file(Path(relative));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

void MemoWindow::WriteLines(const QString& relative, const QStringList& lines) const {
  WriteBytes(relative, TextFile::Bytes(lines));
}
