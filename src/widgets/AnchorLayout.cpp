#include "widgets/AnchorLayout.h"

#include <algorithm>

#include "widgets/ControlTable.h"

void AnchorLayout::Note(QWidget* control, QRect place, unsigned flags) {
  const auto it = index_.constFind(control);
  if (it != index_.constEnd()) {
    entries_[*it] = {control, place, flags};
    return;
  }
  index_.insert(control, static_cast<int>(entries_.size()));
  entries_.push_back({control, place, flags});
}

AnchorLayout::Room AnchorLayout::RoomIn(const QWidget* parent) const {
  // A widget not noted (a page of a tabbed view, the window itself) fills
  // its noted ancestor, or is the window: it passes that growth on as it is.
  const QWidget* w = parent;
  while (w && !index_.contains(w)) w = w->parentWidget();
  if (!w) return {QPoint(0, 0), growth_};
  const Entry& e = entries_[index_.value(w)];
  const QSize outer = RoomIn(w->parentWidget()).growth;
  const QSize own((e.flags & kStretchWidth) ? outer.width() : 0, (e.flags & kStretchHeight) ? outer.height() : 0);
  if (e.flags & kCentreContent) return {QPoint(own.width() / 2, own.height() / 2), QSize(0, 0)};
  return {QPoint(0, 0), own};
}

QRect AnchorLayout::Place(const Entry& e) const {
  const Room room = RoomIn(e.control->parentWidget());
  const int dw = room.growth.width(), dh = room.growth.height();
  QRect r = e.place.translated(room.shift);
  if (e.flags & kAnchorRight)
    r.translate(dw, 0);
  else if (e.flags & kCentreX)
    r.translate(dw / 2, 0);
  if (e.flags & kAnchorBottom)
    r.translate(0, dh);
  else if (e.flags & kCentreY)
    r.translate(0, dh / 2);
  if (e.flags & kStretchWidth) r.setWidth(r.width() + dw);
  if (e.flags & kStretchHeight) r.setHeight(r.height() + dh);
  return r;
}

void AnchorLayout::Grow(QSize growth) {
  growth_ = QSize(std::max(growth.width(), 0), std::max(growth.height(), 0));
  for (const Entry& e : entries_) {
    if (!e.control) continue;
    const QRect r = Place(e);
    if (e.control->geometry() != r) e.control->setGeometry(r);
  }
}
