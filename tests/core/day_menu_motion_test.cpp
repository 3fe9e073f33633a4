#include "core/day_menu_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zak {
namespace {

// Runs one whole slide as the timer does and returns the number of ticks it took.
int Slide(float top, bool opening, float* last = nullptr) {
  std::int16_t tick = 0;
  while (true) {
    ++tick;
    const float next = NextDayPanelTop(top, tick, opening);
    EXPECT_TRUE(opening ? next < top : next > top) << "tick " << tick;  // never stalls
    top = next;
    if (DayPanelSlideEnded(top, opening)) break;
    if (tick > 100) break;
  }
  if (last) *last = top;
  return tick;
}

TEST(DayPanelMotion, ConstantSpeedUntilTheBrakingMark) {
  float top = kDayPanelClosedTop;
  for (std::int16_t tick = 1; tick <= 13; ++tick) top = NextDayPanelTop(top, tick, true);
  EXPECT_FLOAT_EQ(top, 6339.0f);
  top = kDayPanelOpenTop;
  for (std::int16_t tick = 1; tick <= 14; ++tick) top = NextDayPanelTop(top, tick, false);
  EXPECT_FLOAT_EQ(top, 6953.0f);
  // From the mark on, the n-th tick moves by 137 - 195 sin(n°).
  EXPECT_NEAR(NextDayPanelTop(6339.0f, 14, true),
              6339.0 - (137 - 195 * std::sin(14 * std::numbers::pi / 180)), 0.01);
}

TEST(DayPanelMotion, WholeSlidesTakeAboutFortyTicks) {
  float end = 0;
  const int opening = Slide(kDayPanelClosedTop, true, &end);
  EXPECT_GE(opening, 36);
  EXPECT_LE(opening, 40);
  EXPECT_LE(end, kDayPanelOpenTop);
  EXPECT_GT(end, kDayPanelOpenTop - 137);
  const int closing = Slide(kDayPanelOpenTop, false, &end);
  EXPECT_GE(closing, 34);
  EXPECT_LE(closing, 38);
  EXPECT_GE(end, kDayPanelClosedTop);
}

TEST(RowHighlight, TrendArrowsMapBackToTheirRows) {
  for (int row = 0; row < 20; ++row) EXPECT_EQ(RowOfTrendArrow(row * 360 + 960), row);
  EXPECT_EQ(RowOfTrendArrow(1080), 0);  // 0.5: to the even row
  EXPECT_EQ(RowOfTrendArrow(1260), 1);
  EXPECT_EQ(RowOfTrendArrow(1440), 2);  // 1.5
  EXPECT_EQ(RowOfTrendArrow(720), 0);   // -0.5
  EXPECT_EQ(RowHighlightTop(7), 3420);
  EXPECT_EQ(RowHighlightTop(0), 900);
}

}  // namespace
}  // namespace zak
