#include "window_placement.h"

namespace zak::ui {

void CentreOver(QWidget* window, const QWidget* owner) {
  if (owner == nullptr) return;
  const QRect outer = owner->geometry();
  window->move(outer.left() + (outer.width() - window->width()) / 2,
               outer.top() + (outer.height() - window->height()) / 2);
}

}  // namespace zak::ui
