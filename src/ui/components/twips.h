// Window geometry is given in twips, 1/1440 inch: 15 twips are one logical pixel at 96 dpi, and
// Qt scales logical pixels on denser screens.
#pragma once

#include <QColor>
#include <QWidget>
#include <cmath>
#include <cstdint>
#include <utility>

namespace zak::ui {

inline constexpr int kTwipsPerPixel = 15;

inline int Twips(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline void MoveTopTwips(QWidget* widget, int top) { widget->move(widget->x(), Twips(top)); }

// Colours are 0x00BBGGRR values, red in the low byte.
inline QColor ColourFromValue(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

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
