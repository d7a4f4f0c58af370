#include "CoefficientWindow.h"

#include <QApplication>
#include <QKeyEvent>

#include "widgets/StringGrid.h"

void CoefficientWindow::SetUp() {
  Open();
  form->show();
  QApplication::processEvents();
  ASSERT_EQ(TakeMessages(), QStringList()) << "start-up showed a message";
  Click("Button9");
  ASSERT_TRUE(form->IsShown("Panel21"));
}

void CoefficientWindow::SetNumber(const QString& number) { form->Edit("Edit71")->setText(number); }

void CoefficientWindow::Select(const QString& number) {
  SetNumber(number);
  Click("Button65");
}

void CoefficientWindow::SetItems(std::initializer_list<GridText> items) {
  for (const GridText& t : items) SetItem(t.column, t.row, QString::fromUtf8(t.text));
}

void CoefficientWindow::SetItem(int column, int row, const QString& text) {
  form->Grid("StringGrid4")->SetCell(column, row, text);
}

QString CoefficientWindow::Item(int column, int row) const {
  return form->Grid("StringGrid4")->Cell(column, row);
}

void CoefficientWindow::Evaluate() { Click("Button70"); }
void CoefficientWindow::Recall() { Click("Button78"); }

void CoefficientWindow::SetStoreCell(int column, int row, const QString& text) {
  form->Store().SetCell(column, row, text);
}

void CoefficientWindow::Click(const char* name) {
  FormFixture::Click(name);
  QApplication::processEvents();
}

void CoefficientWindow::Enter(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(target, &press);
  QApplication::processEvents();
}
