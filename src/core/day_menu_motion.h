// The motion of the main window's sliding match-day panel and the row highlight over the
// league table, in twips. The window only moves its controls to the positions computed here.
#pragma once

#include <cstdint>

namespace zak {

// Top of the panel when closed and open, and the marks where its braking starts.
inline constexpr int kDayPanelClosedTop = 8120;
inline constexpr int kDayPanelOpenTop = 5035;
inline constexpr int kDayPanelBrakeOpening = 6420;
inline constexpr int kDayPanelBrakeClosing = 6820;

// The slide's tick interval in milliseconds. The slide was designed for a 1 ms timer on a system
// whose timer fires 64 times a second (every 15.625 ms): an opening of 38 ticks took about 0.6 s.
// A timer that really fires every millisecond would make the slide a jump, so the ticks keep
// that pace, rounded to whole milliseconds.
inline constexpr int kDayMenuTickMs = 16;

// One tick of a slide: `tick` is the slide's tick count after incrementing, the braking curve's
// angle in degrees. Runs at 137 twips a tick until the braking mark, then 137 - 195 sin(tick°).
// Top is held in single precision, as the panel's position always was.
float NextDayPanelTop(float top, std::int16_t tick, bool opening);

// True when a slide has reached its end position (the caller then sets it exactly).
bool DayPanelSlideEnded(float top, bool opening);

// Top of the highlight frame over table row 0..19.
inline int RowHighlightTop(int row) { return row * 360 + 900; }

// The table row of a trend arrow at the given Top: (top - 900) / 360, halves to the even row.
int RowOfTrendArrow(double top);

}  // namespace zak
