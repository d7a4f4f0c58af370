// How the controls follow a window that grows. Every control made from a
// control table keeps its row's place while the window has its smallest
// size; when the window is larger, each control is moved or stretched by
// the growth of its parent as its row's anchor flags say (ControlTable.h).
// A parent passes on only the growth it takes itself: the children of a
// control that keeps its size never move.
//
// The places are worked out from the rows' numbers and the window's growth
// alone, never from the sizes the controls have at the moment, so a resize
// in any order, or back to the smallest size, gives the same places.
#pragma once

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

class AnchorLayout {
 public:
  // Notes a control's place at the window's smallest size and its anchor
  // flags. A control made without a table may be noted too (its parent's
  // growth then reaches its children).
  void Note(QWidget* control, QRect place, unsigned flags);

  // Places every noted control for a window `growth` larger than its
  // smallest size (a negative growth counts as none).
  void Grow(QSize growth);

 private:
  struct Entry {
    QPointer<QWidget> control;
    QRect place;
    unsigned flags;
  };
  // What a control gives its children: a shift of their places and the
  // growth their flags follow.
  struct Room {
    QPoint shift;
    QSize growth;
  };
  Room RoomIn(const QWidget* parent) const;
  QRect Place(const Entry& e) const;

  std::vector<Entry> entries_;
  QHash<const QWidget*, int> index_;
  QSize growth_{0, 0};
};
