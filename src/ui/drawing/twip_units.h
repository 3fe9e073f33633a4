// Layouts are given in twips, 1/1440 inch: 15 twips are one logical pixel at 96 dpi, and Qt
// scales logical pixels on denser screens. Colours come as the system's 0x00BBGGRR values.
#pragma once

#include <QColor>
#include <cmath>
#include <cstdint>

namespace zak::ui {

inline constexpr int kTwipsPerPixel = 15;

inline int Twips(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// Colours are 0x00BBGGRR values, red in the low byte.
inline QColor ColourFromValue(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace zak::ui
