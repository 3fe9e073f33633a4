// The fonts the layouts were measured in, by their metric twins: MS Sans Serif and Arial as
// Liberation Sans, Courier New as Liberation Mono.
#pragma once

#include <QFont>

namespace zak::ui {

inline QFont SansFont(double points, bool bold = false) {
  QFont font("Liberation Sans");
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

inline QFont MonoFont(double points) {
  QFont font("Liberation Mono");
  font.setPointSizeF(points);
  return font;
}

}  // namespace zak::ui
