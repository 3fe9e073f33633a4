#include "window_placement.h"

namespace zak::ui {

// move() places a window's outer frame, while width() and height() are its inner size: the
// owner's outer corner plus half the difference of the inner sizes centres the two alike, as
// both carry the same frame.
void CentreOver(QWidget* window, const QWidget* owner) {
  if (owner == nullptr) return;
  const QPoint corner = owner->frameGeometry().topLeft();
  window->move(corner.x() + (owner->width() - window->width()) / 2,
               corner.y() + (owner->height() - window->height()) / 2);
}

}  // namespace zak::ui
