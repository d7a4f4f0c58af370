#include "HeatLossWindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

void CopyFolder(const QString& from, const QString& to) {
  QDir().mkpath(to);
  QDirIterator it(from, QDir::Files);
  while (it.hasNext()) {
    it.next();
    QFile::copy(it.filePath(), to + QLatin1Char('/') + it.fileName());
  }
}

void Send(QWidget* w, QEvent::Type type) {
  const QPointF at = QPointF(w->rect().center());
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

}  // namespace

void HeatLossWindow::SetUp() {
  ASSERT_TRUE(temp.isValid());
  const QString data = qEnvironmentVariable("HEATCALC_DATA");
  ASSERT_FALSE(data.isEmpty()) << "HEATCALC_DATA names the built data";
  const QString dir = temp.path() + QStringLiteral("/app");
  for (const char* sub : {"G1de-ta", "siryou", "formtext", "text", "memo", "memocsv"})
    CopyFolder(data + QLatin1Char('/') + QLatin1String(sub), dir + QLatin1Char('/') + QLatin1String(sub));
  QFile::remove(dir + QStringLiteral("/G1de-ta/heatwork.csv"));
  ASSERT_TRUE(QFile::copy(dir + QStringLiteral("/G1de-ta/heatworkA.csv"), dir + QStringLiteral("/G1de-ta/heatwork.csv")));
  dialogs = std::make_unique<RecordingDialogs>(temp.path() + QStringLiteral("/scratch"));
  form = std::make_unique<TForm1>(dir, *dialogs);
  form->show();
  QApplication::processEvents();
  EXPECT_EQ(Messages(), QStringList()) << "start-up showed a message";
}

void HeatLossWindow::TearDown() {
  if (dialogs) {
    EXPECT_EQ(dialogs->messages, QStringList()) << "messages nobody expected";
    EXPECT_EQ(dialogs->busyDepth, 0) << "the busy pointer was not restored";
  }
  form.reset();
}

void HeatLossWindow::Click(const char* name) {
  QWidget* w = form->Control(name);
  ASSERT_TRUE(w->isVisible() && w->isEnabled()) << name << " cannot be clicked";
  Send(w, QEvent::MouseButtonPress);
  Send(w, QEvent::MouseButtonRelease);
  QApplication::processEvents();
}

void HeatLossWindow::Enter(const char* name) {
  QWidget* w = form->Control(name);
  ASSERT_TRUE(w->isVisible()) << name << " is hidden";
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QApplication::sendEvent(w, &press);
  QApplication::processEvents();
}

void HeatLossWindow::Set(const char* name, const QString& text) { form->Edit(name)->setText(text); }

QStringList HeatLossWindow::Texts(std::initializer_list<const char*> names) const {
  QStringList texts;
  for (const char* n : names) texts << form->Text(n);
  return texts;
}
