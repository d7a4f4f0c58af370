// The program: one window over the folder that holds the executable,
// opened centred on the screen.
#include <QApplication>
#include <QScreen>

#include "widgets/QtDialogs.h"
#include "app/TForm1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtDialogs dialogs;
  TForm1 form(QCoreApplication::applicationDirPath(), dialogs);
  dialogs.setParentWidget(&form);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    form.move(area.center() - form.rect().center());
  }
  form.show();
  return app.exec();
}
