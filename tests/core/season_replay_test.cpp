#include "core/season_replay.h"

#include <gtest/gtest.h>

namespace zak {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

struct DateCase {
  const char* name;
  const char* text;
  std::optional<Date> date;
};

class IsoDate : public ::testing::TestWithParam<DateCase> {};

TEST_P(IsoDate, ReadsOnlyRealDatesInTheLongForm) {
  const Outcome<Date> date = ParseIsoDate(GetParam().text);
  ASSERT_EQ(date.ok(), GetParam().date.has_value()) << date.message();
  if (date) {
    EXPECT_EQ(*date, *GetParam().date);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IsoDate,
    ::testing::Values(DateCase{"MidSeason", "2015-03-01", Date{year(2015), month(3), day(1)}},
                      DateCase{"LeapDay", "2016-02-29", Date{year(2016), month(2), day(29)}},
                      DateCase{"NoLeapDay", "2015-02-29", std::nullopt},
                      DateCase{"MonthThirteen", "2015-13-01", std::nullopt},
                      DateCase{"ShortDigits", "2015-3-1", std::nullopt},
                      DateCase{"GermanForm", "01.03.2015", std::nullopt},
                      DateCase{"SignedPart", "2015-+3-01", std::nullopt},
                      DateCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GermanDate, PadsDayAndMonth) {
  EXPECT_EQ(GermanDate(Date{year(2015), month(3), day(1)}), "01.03.2015");
}

TEST(WithholdResultsAfter, KeepsOnlyResultsKickedOffUpToTheDate) {
  MatchData data;
  data(0, 0, 22) = {"A", "B", 4, 1, true, "01.03.15 17:30"};
  data(1, 0, 22) = {"C", "D", 2, 0, true, "02.03.15 20:15"};
  data(2, 7, 30) = {"E", "F", 1, 1, true, "23.05.15 15:30"};
  data(3, 0, 22) = {"G", "H", 0, 0, true, ""};
  WithholdResultsAfter(data, Date{year(2015), month(3), day(1)});
  EXPECT_TRUE(data(0, 0, 22).Played);
  EXPECT_EQ(data(0, 0, 22).HomeGoals, 4);
  const MatchRecord nextDay{"C", "D", -1, -1, false, "02.03.15 20:15"};
  EXPECT_EQ(data(1, 0, 22), nextDay);
  EXPECT_FALSE(data(2, 7, 30).Played);
  EXPECT_EQ(data(2, 7, 30).AwayGoals, -1);
  EXPECT_TRUE(data(3, 0, 22).Played);  // no date to judge by
}

}  // namespace
}  // namespace zak
