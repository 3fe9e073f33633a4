#include "core/match_data.h"

#include <gtest/gtest.h>

#include <memory>

namespace zak {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

constexpr Date kToday{year(2015), month(3), day(15)};

// "dd.mm.yy 15:30" for a date `offset` days from kToday.
std::string KickOffIn(int offset) {
  const Date d{std::chrono::sys_days(kToday) + std::chrono::days(offset)};
  char text[32];
  std::snprintf(text, sizeof text, "%02u.%02u.%02d 15:30", static_cast<unsigned>(d.day()),
                static_cast<unsigned>(d.month()), static_cast<int>(d.year()) - 2000);
  return text;
}

// Every match of a league dated `offsetOfDay(day)` days from today.
template <typename F>
std::unique_ptr<MatchData> LeagueDated(int league, F offsetOfDay) {
  auto data = std::make_unique<MatchData>();
  for (int d = 0; d <= GetLastDayIndex(league); ++d) {
    for (int m = 0; m <= GetLastMatchIndex(league); ++m) {
      (*data)(m, league, d).KickOff = KickOffIn(offsetOfDay(d));
    }
  }
  return data;
}

TEST(KickOffDate, ReadsDayMonthTwoDigitYear) {
  EXPECT_EQ(KickOffDate("22.08.14 20:30"), (Date{year(2014), month(8), day(22)}));
  EXPECT_EQ(KickOffDate("29.02.16"), (Date{year(2016), month(2), day(29)}));
  EXPECT_FALSE(KickOffDate(""));
  EXPECT_FALSE(KickOffDate("29.02.15 20:30"));
  EXPECT_FALSE(KickOffDate("2a.08.14 20:30"));
  EXPECT_FALSE(KickOffDate("22-08-14 20:30"));
  EXPECT_FALSE(KickOffDate("00.08.14"));
}

TEST(GetCurrentDay, AllInTheFutureGivesTheNearestDay) {
  const auto data = LeagueDated(0, [](int d) { return 10 + 7 * d; });
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 1);
  EXPECT_EQ(GetLastStartedDay(*data, 0, kToday), 0);
}

TEST(GetCurrentDay, NearestDayWinsAndTheEarlierOneOnATie) {
  // Days 1..34 seven days apart; day 18 lies 3 days ago, day 19 4 days ahead.
  auto data = LeagueDated(0, [](int d) { return 7 * (d - 17) - 3; });
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 18);
  EXPECT_EQ(GetLastStartedDay(*data, 0, kToday), 18);
  // 3 days ago and 3 days ahead: the earlier day.
  data = LeagueDated(0, [](int d) { return d < 18 ? -3 - 6 * (17 - d) : 3 + 6 * (d - 18); });
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 18);
}

TEST(GetCurrentDay, AMatchTodayEndsTheSearch) {
  auto data = LeagueDated(0, [](int d) { return d - 11; });
  (*data)(0, 0, 12).KickOff = KickOffIn(0);  // day 13 equally dated today
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 12);
  // Today counts as current but not as started.
  EXPECT_EQ(GetLastStartedDay(*data, 0, kToday), 11);
}

TEST(GetCurrentDay, PlayedResultsMoveTheDayWhenCounted) {
  auto data = LeagueDated(0, [](int d) { return 7 * (d - 17) + 1; });
  // Day 18 is one day ahead, nearest; day 20 has a played match 15 days ahead.
  (*data)(4, 0, 19).Played = true;
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 18);
  EXPECT_EQ(GetCurrentDay(*data, 0, true, kToday), 20);
}

TEST(GetCurrentDay, AnUnreadableKickOffEndsTheScan) {
  auto data = LeagueDated(0, [](int d) { return 7 * (d - 30); });
  (*data)(3, 0, 5).KickOff = "";
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 6);  // nearest before the gap
  EXPECT_EQ(GetLastStartedDay(*data, 0, kToday), 6);
  (*data)(0, 0, 0).KickOff = "kein Datum";
  EXPECT_EQ(GetCurrentDay(*data, 0, false, kToday), 1);
  EXPECT_EQ(GetLastStartedDay(*data, 0, kToday), 0);
  const MatchData empty;
  EXPECT_EQ(GetCurrentDay(empty, 3, true, kToday), 1);
  EXPECT_EQ(GetLastStartedDay(empty, 3, kToday), 0);
}

TEST(GetCurrentDay, ScansOnlyTheLeaguesOwnDaysAndSlots) {
  // League 4 has 30 days of 8 matches; records beyond stay cleared and must not end the scan
  // early or be taken.
  auto data = LeagueDated(4, [](int d) { return d - 40; });
  EXPECT_EQ(GetCurrentDay(*data, 4, false, kToday), 30);
  EXPECT_EQ(GetLastStartedDay(*data, 4, kToday), 30);
  (*data)(8, 4, 5).KickOff = KickOffIn(0);
  (*data)(0, 4, 30).KickOff = KickOffIn(0);
  EXPECT_EQ(GetCurrentDay(*data, 4, false, kToday), 30);
}

}  // namespace
}  // namespace zak
