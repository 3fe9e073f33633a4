#include "day_menu_motion.h"

#include <cmath>

namespace zak {

float NextDayPanelTop(float top, std::int16_t tick, bool opening) {
  // π/180 as the single-precision constant the braking curve has always used.
  constexpr float kRadiansPerDegree = 0.0174532924f;
  const bool braking = opening ? top <= kDayPanelBrakeOpening : top >= kDayPanelBrakeClosing;
  double step = 137.0;
  if (braking) {
    const float angle = static_cast<float>(tick) * kRadiansPerDegree;
    step = 137.0 - 195.0 * std::sin(static_cast<double>(angle));
  }
  return static_cast<float>(opening ? top - step : top + step);
}

bool DayPanelSlideEnded(float top, bool opening) {
  return opening ? top <= kDayPanelOpenTop : top >= kDayPanelClosedTop;
}

int RowOfTrendArrow(double top) {
  // Halves go to the even neighbour: 0.5 → 0, 1.5 → 2.
  const double row = (top - 480 - 420) / 360;
  const double floor = std::floor(row);
  const double fraction = row - floor;
  if (fraction > 0.5) return static_cast<int>(floor) + 1;
  if (fraction < 0.5) return static_cast<int>(floor);
  return static_cast<int>(std::fmod(floor, 2.0) == 0 ? floor : floor + 1);
}

}  // namespace zak
