#include "core/table_order.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/season_file.h"
#include "core/standings.h"
#include "support/bundled_season.h"
#include "support/fixed_values.h"

namespace zak {
namespace {

using testing::BundledSeason;

// A league of `clubs` clubs in slots 0..clubs-1 whose ranks are `ranks` (slot order); free
// slots rank below every club, as the ranking leaves them.
TeamTable TableWithRanks(int league, const std::vector<int>& ranks) {
  TeamTable table{};
  int next = static_cast<int>(ranks.size());
  for (int slot = 0; slot < kTeamSlots; ++slot) {
    TeamRow& row = table[league][slot];
    if (slot < static_cast<int>(ranks.size())) {
      row.Name = "Verein " + std::to_string(slot);
      row.Rank = static_cast<std::int16_t>(ranks[slot]);
    } else {
      row.Rank = static_cast<std::int16_t>(++next);
    }
  }
  return table;
}

TEST(SlotsInTableOrder, SlotOfEveryPositionForTheLeaguesClubsOnly) {
  const TeamTable table = TableWithRanks(3, {3, 1, 4, 2});
  EXPECT_EQ(SlotsInTableOrder(table, 3), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_TRUE(SlotsInTableOrder(table, 2).empty());  // another league: nothing there
}

TEST(SlotsInTableOrder, FreeSlotRankedAboveAClubIsLeftOut) {
  TeamTable table = TableWithRanks(0, {2, 3});
  table[0][5].Rank = 1;  // no name: not a club, wherever it ranks
  EXPECT_EQ(SlotsInTableOrder(table, 0), (std::vector<int>{0, 1}));
}

TEST(SlotsInTableOrder, RealSeasonTableIsReadTopDown) {
  const auto data = BundledSeason({0});
  const TeamTable table = CalculateTableAfterDay(*data, 34, 0, testing::TestToday());
  const std::vector<int> order = SlotsInTableOrder(table, 0);
  ASSERT_EQ(order.size(), 18u);
  EXPECT_EQ(table[0][order.front()].Name, "Bayern München");
  EXPECT_EQ(table[0][order.front()].Points, 79);
  EXPECT_EQ(table[0][order.back()].Name, "SC Paderborn 07");
  for (std::size_t p = 0; p < order.size(); ++p) {
    EXPECT_EQ(table[0][order[p]].Rank, static_cast<int>(p + 1));
  }
}

struct TrendCase {
  const char* name;
  int rankBefore;
  int rankNow;
  int day;
  Trend expected;
};

class TableTrendsTest : public ::testing::TestWithParam<TrendCase> {};

TEST_P(TableTrendsTest, ClubInSlotTwo) {
  const TrendCase& c = GetParam();
  const TeamTable before = TableWithRanks(1, {1, 2, c.rankBefore});
  const TeamTable now = TableWithRanks(1, {1, 2, c.rankNow});
  const auto trends = TableTrends(before, now, 1, c.day);
  EXPECT_EQ(trends[2], c.expected);
  EXPECT_EQ(trends[0], Trend::kSame);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TableTrendsTest,
    ::testing::Values(TrendCase{"UpOnDayTwo", 9, 3, 2, Trend::kBetter},
                      TrendCase{"DownOnDayTwo", 3, 9, 2, Trend::kWorse},
                      TrendCase{"StaysOnTheLastDay", 5, 5, 38, Trend::kSame},
                      TrendCase{"UpOnDayOneCountsAsSame", 9, 3, 1, Trend::kSame},
                      TrendCase{"DownBeforeAnyDayCountsAsSame", 3, 9, 0, Trend::kSame}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zak
