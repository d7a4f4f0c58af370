#include "CoefficientWindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "app/StringGrid.h"

namespace {

void CopyFolder(const QString& from, const QString& to) {
  QDir().mkpath(to);
  QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    it.next();
    const QString target = to + QLatin1Char('/') + it.fileName();
    if (it.fileInfo().isDir())
      CopyFolder(it.filePath(), target);
    else
      QFile::copy(it.filePath(), target);
  }
}

}  // namespace

void CoefficientWindow::SetUp() {
  ASSERT_TRUE(temp.isValid());
  const QString data = qEnvironmentVariable("HEATCALC_DATA");
  ASSERT_FALSE(data.isEmpty()) << "HEATCALC_DATA names the built data";
  const QString dir = temp.path() + QStringLiteral("/app");
  CopyFolder(data, dir);
  for (const char* sub : {"siryou", "formtext", "memo", "memocsv"})
    QDir().mkpath(dir + QLatin1Char('/') + QLatin1String(sub));
  QFile::remove(dir + QStringLiteral("/G1de-ta/heatwork.csv"));
  ASSERT_TRUE(QFile::copy(dir + QStringLiteral("/G1de-ta/heatworkA.csv"),
                          dir + QStringLiteral("/G1de-ta/heatwork.csv")));
  dialogs = std::make_unique<RecordingDialogs>(temp.path() + QStringLiteral("/scratch"));
  form = std::make_unique<TForm1>(dir, *dialogs);
  form->show();
  QApplication::processEvents();
  ASSERT_EQ(TakeMessages(), QStringList()) << "start-up showed a message";
  Click("Button9");
  ASSERT_TRUE(form->IsShown("Panel21"));
}

void CoefficientWindow::TearDown() {
  EXPECT_EQ(dialogs->messages, QStringList()) << "messages nobody expected";
  form.reset();
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

QString CoefficientWindow::Text(const char* name) const { return form->Text(name); }
void CoefficientWindow::SetText(const char* name, const QString& text) { form->Edit(name)->setText(text); }
QString CoefficientWindow::StoreCell(int column, int row) const { return form->Store().GetCell(column, row); }
void CoefficientWindow::SetStoreCell(int column, int row, const QString& text) {
  form->Store().SetCell(column, row, text);
}

void CoefficientWindow::Click(const char* name) {
  QWidget* w = form->Control(name);
  const QPointF at = QPointF(w->rect().center());
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  QApplication::processEvents();
}

void CoefficientWindow::Enter(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(target, &press);
  QApplication::processEvents();
}

QStringList CoefficientWindow::TakeMessages() { return dialogs->TakeMessages(); }
