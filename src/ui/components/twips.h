// Window geometry is given in twips (see ui/drawing/twip_units.h): controls placed and moved by
// their twip layout.
#pragma once

#include <QWidget>
#include <utility>

#include "ui/drawing/twip_units.h"

namespace zak::ui {

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline void MoveTopTwips(QWidget* widget, int top) { widget->move(widget->x(), Twips(top)); }

}  // namespace zak::ui

namespace zak::ui {

// A control of type T, named and placed in twips; `args` go to T's constructor before the parent.
template <typename T, typename... Args>
T* PlaceControl(QWidget* parent, const QString& name, int left, int top, int width, int height,
                Args&&... args) {
  auto* control = new T(std::forward<Args>(args)..., parent);
  control->setObjectName(name);
  PlaceTwips(control, left, top, width, height);
  return control;
}

}  // namespace zak::ui
