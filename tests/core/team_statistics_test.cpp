#include "core/team_statistics.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/season_file.h"
#include "core/season_replay.h"
#include "core/standings.h"
#include "support/bundled_season.h"

namespace zak {
namespace {

using testing::BundledSeason;
using testing::RankColours;

constexpr Date kAfterSeason{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)};
constexpr Date kMidSeason{std::chrono::year(2015), std::chrono::month(3), std::chrono::day(1)};

// The three leagues whose results the season folder holds.
std::unique_ptr<MatchData> RealSeason() { return BundledSeason({0, 1, 2}); }

int Slot(int league, const std::string& name) {
  TeamTable names{};
  FillTeamCatalogue(names, league);
  for (int slot = 0; slot < kTeamSlots; ++slot) {
    if (names[league][slot].Name == name) return slot;
  }
  ADD_FAILURE() << "no club " << name;
  return 0;
}

class RealSeasonHistory : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = RealSeason().release();
    history_ = new PositionHistory;
    ASSERT_TRUE(CalculatePositionHistory(*history_, *data_, kAfterSeason, [] { return true; }));
  }
  static void TearDownTestSuite() {
    delete history_;
    delete data_;
  }
  static int At(int league, const std::string& club, int day) {
    return (*history_)(league, Slot(league, club), day - 1);
  }
  static inline MatchData* data_ = nullptr;
  static inline PositionHistory* history_ = nullptr;
};

struct PlaceCase {
  const char* name;
  int league;
  const char* club;
  int day;
  int position;
};

class PositionAfterDay : public RealSeasonHistory,
                         public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PositionAfterDay, IsTheTablePositionOfThatDay) {
  const PlaceCase& c = GetParam();
  EXPECT_EQ(At(c.league, c.club, c.day), c.position);
}

// On the last day of the 1. Bundesliga Hamburg climbed from 17th to the play-off place and
// Freiburg fell from 14th into the direct relegation.
INSTANTIATE_TEST_SUITE_P(
    Season2014, PositionAfterDay,
    ::testing::Values(PlaceCase{"BundesligaLeaderDay34", 0, "Bayern München", 34, 1},
                      PlaceCase{"WolfsburgRunnerUpDay34", 0, "VfL Wolfsburg", 34, 2},
                      PlaceCase{"HamburgDay33", 0, "Hamburger SV", 33, 17},
                      PlaceCase{"HamburgDay34", 0, "Hamburger SV", 34, 16},
                      PlaceCase{"FreiburgDay33", 0, "SC Freiburg", 33, 14},
                      PlaceCase{"FreiburgDay34", 0, "SC Freiburg", 34, 17},
                      PlaceCase{"PaderbornLastDay34", 0, "SC Paderborn 07", 34, 18},
                      PlaceCase{"IngolstadtSecondLeagueWinner", 1, "FC Ingolstadt 04", 34, 1},
                      PlaceCase{"BielefeldThirdLeagueWinnerDay38", 2, "Arminia Bielefeld", 38, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealSeasonHistory, DaysBeyondTheSeasonKeepTheFinalTable) {
  // A 34-day league is asked for all 38 days; the table no longer changes after day 34.
  for (int slot = 0; slot < GetTeamCount(0); ++slot) {
    EXPECT_EQ((*history_)(0, slot, 37), (*history_)(0, slot, 33)) << slot;
  }
}

TEST_F(RealSeasonHistory, EveryDayHoldsEachPositionOfTheLeagueOnce) {
  for (int league = 0; league <= 2; ++league) {
    for (int day = 0; day < GetDayCount(league); ++day) {
      std::vector<int> seen(kTeamSlots + 1, 0);
      for (int slot = 0; slot < GetTeamCount(league); ++slot)
        ++seen[(*history_)(league, slot, day)];
      for (int p = 1; p <= GetTeamCount(league); ++p) {
        EXPECT_EQ(seen[p], 1) << "league " << league << " day " << day + 1 << " position " << p;
      }
    }
  }
}

TEST(CalculatePositionHistory, ProcessesEventsBeforeEveryStoreAndStopsWhenAsked) {
  const MatchData empty;
  PositionHistory history;
  int calls = 0;
  EXPECT_TRUE(CalculatePositionHistory(history, empty, kAfterSeason, [&] {
    ++calls;
    return true;
  }));
  EXPECT_EQ(calls, kLeagueCount * kDaySlots * kTeamSlots);
  EXPECT_EQ(history(7, 19, 37), 20);

  PositionHistory stopped;
  calls = 0;
  EXPECT_FALSE(CalculatePositionHistory(stopped, empty, kAfterSeason, [&] { return ++calls < 5; }));
  EXPECT_EQ(calls, 5);
  EXPECT_EQ(stopped(0, 3, 0), 4);  // the four stores before the stop
  EXPECT_EQ(stopped(0, 4, 0), 0);
  EXPECT_EQ(stopped(0, 0, 1), 0);
}

// A constructed table: only the points of the league's rows matter to the band.
TeamTable Points(int league, std::initializer_list<int> points, int rest) {
  TeamTable table{};
  FillTeamCatalogue(table, league);
  int slot = 0;
  for (int p : points) table[league][slot++].Points = static_cast<std::int16_t>(p);
  for (; slot < kTeamSlots; ++slot) table[league][slot].Points = static_cast<std::int16_t>(rest);
  return table;
}

TEST(ReachableBand, FirstFutureDayReachesThreePointsEitherWay) {
  // Club 0 has 30 points after day 20: 34 is out of reach, 33 is not; 27 can still catch it,
  // 26 and below cannot.
  const TeamTable table = Points(0, {30, 34, 33, 27}, 26);
  const auto band = ReachableBand(table, RankColours(), 0, 0, 20);
  ASSERT_EQ(band.size(), 14u);  // match days 21..34
  EXPECT_EQ(band[0].column, 20);
  EXPECT_EQ(band[0].first, 1);
  EXPECT_EQ(band[0].last, 3);
  // Positions 2, 3 and 4 of the 1. Bundesliga, each darkened.
  EXPECT_EQ(band[0].colours, (std::vector<std::uint32_t>{0x94C9CF, 0x94C9CF, 0xB2CCCF}));
  // Six points later the leader and all the 26-point clubs are within reach too.
  EXPECT_EQ(band[1].first, 0);
  EXPECT_EQ(band[1].last, 17);
  EXPECT_EQ(band.back().column, 33);
}

struct LeagueSizeCase {
  const char* name;
  int league;
  int clubs;
};

class BandOfLeagueSize : public ::testing::TestWithParam<LeagueSizeCase> {};

TEST_P(BandOfLeagueSize, UsesTheLeaguesOwnClubCount) {
  const LeagueSizeCase& c = GetParam();
  // Everyone level on 10 points; the slots the league does not have carry far more, which must
  // not count. A level table leaves every place open from the first future day on.
  TeamTable table = Points(c.league, {}, 10);
  for (int slot = c.clubs; slot < kTeamSlots; ++slot) table[c.league][slot].Points = 500;
  const int current = 5;
  const auto band = ReachableBand(table, RankColours(), c.league, 2, current);
  ASSERT_EQ(band.size(), static_cast<std::size_t>(2 * c.clubs - 2 - current));
  for (const ReachableColumn& col : band) {
    EXPECT_EQ(col.first, 0);
    EXPECT_EQ(col.last, c.clubs - 1);
    EXPECT_EQ(col.colours.size(), static_cast<std::size_t>(c.clubs));
  }
}

INSTANTIATE_TEST_SUITE_P(Leagues, BandOfLeagueSize,
                         ::testing::Values(LeagueSizeCase{"Nordost16", 4, 16},
                                           LeagueSizeCase{"Bundesliga18", 0, 18},
                                           LeagueSizeCase{"DritteLiga20", 2, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReachableBand, NoneOnTheLastDayOrForAClubThatIsNotThere) {
  const TeamTable table = Points(0, {}, 10);
  EXPECT_TRUE(ReachableBand(table, RankColours(), 0, 0, 34).empty());
  EXPECT_TRUE(ReachableBand(table, RankColours(), 0, 18, 10).empty());  // slot beyond 18 clubs
  EXPECT_TRUE(ReachableBand(table, RankColours(), 0, -1, 10).empty());
  EXPECT_TRUE(ReachableBand(table, RankColours(), 8, 0, 10).empty());
}

struct DarkenCase {
  const char* name;
  const char* text;
  const char* dark;
};

class DarkenColour : public ::testing::TestWithParam<DarkenCase> {};

TEST_P(DarkenColour, LowersEachHighDigitByThree) {
  EXPECT_EQ(DarkenColourText(GetParam().text), GetParam().dark);
}

INSTANTIATE_TEST_SUITE_P(Texts, DarkenColour,
                         ::testing::Values(DarkenCase{"ChampionYellow", "&HAFEFFF", "&H7FBFCF"},
                                           DarkenCase{"HighDigitsBelowThree", "&H1F2A0B",
                                                      "&H0F0A0B"},
                                           DarkenCase{"DigitsThreeToNine", "&H395A6C", "&H092A3C"},
                                           DarkenCase{"LettersAtoF", "&HA0D0F0", "&H70A0C0"},
                                           DarkenCase{"ShortTextKeepsWhatItHas", "&HF", "&HC"},
                                           DarkenCase{"NotHexStays", "&Hzzyyxx", "&Hzzyyxx"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FavouriteCase {
  const char* name;
  const char* stored;
  int index;
};

class Favourite : public ::testing::TestWithParam<FavouriteCase> {};

TEST_P(Favourite, ChoosesTheStoredClubOrFallsBackToTheFirst) {
  EXPECT_EQ(FavouriteTeamIndex(GetParam().stored, 18), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Stored, Favourite,
                         ::testing::Values(FavouriteCase{"LastClub", "17", 17},
                                           FavouriteCase{"BeyondTheList", "18", 0},
                                           FavouriteCase{"NoFavourite", "-1", -1},
                                           FavouriteCase{"OtherNegative", "-2", 0},
                                           FavouriteCase{"NotANumber", "Bayern", 0},
                                           FavouriteCase{"TrailingText", "3x", 0},
                                           FavouriteCase{"Empty", "", 0},
                                           FavouriteCase{"Huge", "99999999999", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildPositionChart, AfterTheSeasonTheLineRunsToTheLastDayWithoutBand) {
  const auto data = RealSeason();
  PositionHistory history;
  CalculatePositionHistory(history, *data, kAfterSeason, {});
  const int hamburg = Slot(0, "Hamburger SV");
  const PositionChart chart =
      BuildPositionChart(history, *data, RankColours(), 0, hamburg, kAfterSeason);
  EXPECT_EQ(chart.teamCount, 18);
  EXPECT_EQ(chart.dayCount, 34);
  EXPECT_EQ(chart.lastStartedDay, 34);
  ASSERT_EQ(chart.line.size(), 34u);
  EXPECT_EQ(chart.line[32], 17);
  EXPECT_EQ(chart.line[33], 16);
  EXPECT_TRUE(chart.band.empty());
  EXPECT_EQ(chart.rankColours.front(), 0xAFEFFFu);
}

TEST(BuildPositionChart, MidSeasonReplayShowsTheBandAfterTheCurrentDay) {
  auto data = RealSeason();
  WithholdResultsAfter(*data, kMidSeason);
  PositionHistory history;
  CalculatePositionHistory(history, *data, kMidSeason, {});
  const int bayern = Slot(0, "Bayern München");
  const PositionChart chart =
      BuildPositionChart(history, *data, RankColours(), 0, bayern, kMidSeason);
  // Match day 23 began on 27.02. and ended on 01.03.: the line stops there.
  EXPECT_EQ(chart.lastStartedDay, 23);
  ASSERT_EQ(chart.line.size(), 23u);
  EXPECT_EQ(chart.line.back(), 1);
  ASSERT_EQ(chart.band.size(), 11u);
  EXPECT_EQ(chart.band.front().column, 23);
  EXPECT_EQ(chart.band.front().first, 0);  // the leader can stay on top
  EXPECT_EQ(chart.band.back().first, 0);

  const PositionChart none = BuildPositionChart(history, *data, RankColours(), 0, -1, kMidSeason);
  EXPECT_TRUE(none.line.empty());
  EXPECT_TRUE(none.band.empty());
  EXPECT_EQ(none.rankColours.size(), 18u);
}

}  // namespace
}  // namespace zak
