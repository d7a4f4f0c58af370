#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

QPoint PlaceOnScreen(QSize frame, QRect area) {
  const int x = area.left() + (area.width() - frame.width()) / 2;
  const int y = area.top() + (area.height() - frame.height()) / 2;
  return {std::max(x, area.left()), std::max(y, area.top())};
}

void PlaceWindowOnScreen(QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window.move(PlaceOnScreen(window.frameGeometry().size(), area));
  // The desktop frames the window some time after it shows.
  for (int delay : {0, 250}) {
    QTimer::singleShot(delay, &window, [&window, area] {
      const QRect frame = window.frameGeometry();
      if (frame.top() < area.top() || frame.left() < area.left()) window.move(PlaceOnScreen(frame.size(), area));
    });
  }
}
