// The program: one window over the folder that holds the executable.
#include <QApplication>

#include "app/QtDialogs.h"
#include "app/TForm1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QtDialogs dialogs;
  TForm1 form(QCoreApplication::applicationDirPath(), dialogs);
  dialogs.setParent(&form);
  form.show();
  return app.exec();
}
