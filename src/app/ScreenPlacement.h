// Where the window opens: centred on the screen's available area, but never
// with its title bar above or its left edge left of that area, so the
// engineer can always grab and move it, also when the window is larger than
// the screen (a small screen, or a scale factor such as 1.5).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The top-left corner of a frame of the given size on the area.
QPoint PlaceOnScreen(QSize frame, QRect area);

// Moves the window so; once the desktop has framed it, moves it again by its
// real frame (its title bar included).
void PlaceWindowOnScreen(QWidget& window);
