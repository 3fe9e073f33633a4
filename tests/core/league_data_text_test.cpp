#include "core/league_data_text.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/season_file.h"
#include "support/bundled_season.h"

namespace zak {
namespace {

std::unique_ptr<MatchData> Parsed(std::string_view text, int league = 0) {
  auto data = std::make_unique<MatchData>();
  ParseLeagueItems(text, *data, league);
  return data;
}

TEST(LeagueDataText, TheRealSeasonSurvivesEncodingAndParsing) {
  for (int league = 0; league <= 2; ++league) {
    const auto season = testing::BundledSeason({league});
    const std::string text = EncodeLeagueData(*season, league);
    auto parsed = std::make_unique<MatchData>();
    EXPECT_EQ(ParseLeagueItems(text, *parsed, league), GetDayCount(league) * GetMatchCount(league));
    EXPECT_EQ(*parsed, *season) << "league " << league;
  }
}

TEST(LeagueDataText, EmptyFieldsRepeatDayAndKickOff) {
  auto data = std::make_unique<MatchData>();
  (*data)(0, 0, 0) = {"A", "B", 1, 0, true, "22.08.14 20:30"};
  (*data)(1, 0, 0) = {"C", "D", 2, -1, false, "22.08.14 20:30"};
  (*data)(2, 0, 0) = {"E", "F", -1, -1, false, "23.08.14 15:30"};
  (*data)(0, 0, 1) = {"B", "A", -1, -1, false, "23.08.14 15:30"};
  const std::string text = EncodeLeagueData(*data, 0);
  EXPECT_EQ(text, "1|2208142030|A|B|1|0;||C|D|2|;|2308141530|E|F||;2||B|A||");
  EXPECT_EQ(*Parsed(text + ";"), *data);  // a trailing ";" is an empty item
}

TEST(LeagueDataText, ItemsFillSlotsDayByDay) {
  const auto data = Parsed("1|0108141530|A|B|2|;||C|D|1|1;3|0208141530|E|F|0|0;||G|H|3|1");
  EXPECT_EQ((*data)(0, 0, 0).HomeGoals, 2);
  EXPECT_EQ((*data)(0, 0, 0).AwayGoals, -1);
  EXPECT_FALSE((*data)(0, 0, 0).Played);
  EXPECT_EQ((*data)(1, 0, 0).KickOff, "01.08.14 15:30");
  EXPECT_TRUE((*data)(1, 0, 0).Played);
  EXPECT_EQ((*data)(0, 0, 2).Home, "E");
  EXPECT_EQ((*data)(1, 0, 2).Home, "G");
  EXPECT_EQ((*data)(1, 0, 2).KickOff, "02.08.14 15:30");
  EXPECT_EQ((*data)(0, 0, 1), MatchRecord{});
}

TEST(LeagueDataText, BadItemsTouchNoOtherRecord) {
  std::string text = "1|0108141530|A|B|1|0;kaputt;||C|D|1|1";  // malformed: takes slot 1
  text += ";39|0108141530|X|Y|1|1;0||X|Y|1|1;x||X|Y|1|1";      // no such day: ignored
  text += ";||E|F|40000|1;||G|H|-2|1;||I|J|a|1";               // bad goals: fixtures unplayed
  text += ";||K|L|2|2";                                        // slot 6
  for (int i = 0; i < 5; ++i) text += ";2|0208141530|M|N|0|0;||M|N|0|0";  // day 2: ten matches
  text += ";||Elf|Zu viel|1|1";
  text += ";1||O|P|3|3";  // back to day 1 after day 2: slot 0 again
  const auto data = Parsed(text);
  EXPECT_EQ((*data)(0, 0, 0).Home, "O");  // the later item overwrote slot 0
  EXPECT_EQ((*data)(1, 0, 0), MatchRecord{});
  EXPECT_EQ((*data)(2, 0, 0).Home, "C");
  EXPECT_EQ((*data)(3, 0, 0), (MatchRecord{"E", "F", -1, 1, false, "01.08.14 15:30"}));
  EXPECT_EQ((*data)(4, 0, 0), (MatchRecord{"G", "H", -1, 1, false, "01.08.14 15:30"}));
  EXPECT_EQ((*data)(5, 0, 0), (MatchRecord{"I", "J", -1, 1, false, "01.08.14 15:30"}));
  EXPECT_EQ((*data)(6, 0, 0).Home, "K");
  EXPECT_EQ((*data)(9, 0, 1).Home, "M");
  for (int day = 2; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) EXPECT_EQ((*data)(slot, 0, day), MatchRecord{});
  }
}

TEST(LeagueDataText, ParsingClearsTheLeagueAndReportsProgress) {
  auto data = std::make_unique<MatchData>();
  (*data)(9, 4, 37).Home = "alt";
  (*data)(0, 3, 0).Home = "andere Liga";
  int calls = 0;
  int lastSeen = -1;
  ParseLeagueItems("1|0108141530|A|B||;||C|D||", *data, 4, [&](int position, int last) {
    EXPECT_EQ(position, calls++);
    lastSeen = last;
  });
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(lastSeen, 1);
  EXPECT_EQ((*data)(9, 4, 37), MatchRecord{});
  EXPECT_EQ((*data)(0, 3, 0).Home, "andere Liga");
  EXPECT_EQ(ParseLeagueItems("", *data, 4), 0);
  EXPECT_EQ(ParseLeagueItems("1|0108141530|A|B||", *data, 9), 0);
}

// A day that comes back after another starts again at its first slot: it overwrites its own
// records, and each record counts once, so a long answer never counts more than the league has.
TEST(LeagueDataText, ADayListedAgainOverwritesItsRecordsAndCountsThemOnce) {
  auto data = std::make_unique<MatchData>();
  std::string text;
  for (int round = 0; round < 50; ++round) {
    text += "1|0108141530|A|B|1|0;2|0808141530|C|D|2|2;";
  }
  text += "1|0108141530|E|F|3|1";
  EXPECT_EQ(ParseLeagueItems(text, *data, 4), 2);
  EXPECT_EQ((*data)(0, 4, 0).Home, "E");
  EXPECT_EQ((*data)(0, 4, 0).HomeGoals, 3);
  EXPECT_EQ((*data)(0, 4, 1).Home, "C");
  EXPECT_EQ((*data)(1, 4, 0), MatchRecord{});
}

}  // namespace
}  // namespace zak
