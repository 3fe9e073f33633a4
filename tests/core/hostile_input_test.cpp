// The parsers meet text from the network, the settings store and files that anyone can edit:
// whatever bytes arrive, they stay within the match data and never touch another league.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "core/league_answer.h"
#include "core/league_data_text.h"
#include "core/season_file.h"
#include "core/stored_league_text.h"

namespace zak {
namespace {

// Random text built mostly from the separators and digits the formats use, so that many
// inputs get deep into the parsers.
std::string HostileText(std::mt19937& random) {
  static constexpr std::string_view kPieces[] = {";",
                                                 "|",
                                                 "\t",
                                                 "\n",
                                                 "\r\n",
                                                 "<>",
                                                 "1",
                                                 "38",
                                                 "39",
                                                 "0",
                                                 "-1",
                                                 "32768",
                                                 "99999999999",
                                                 "10",
                                                 "Wahr",
                                                 "Falsch",
                                                 "0108141530",
                                                 "22.08.14 20:30",
                                                 "Bayern München",
                                                 "",
                                                 "\xff",
                                                 "\x80",
                                                 std::string_view("\0", 1)};
  std::string text;
  const int count = static_cast<int>(random() % 400);
  for (int i = 0; i < count; ++i) {
    if (random() % 8 == 0) {
      text += static_cast<char>(random());
    } else {
      text += kPieces[random() % std::size(kPieces)];
    }
  }
  return text;
}

TEST(HostileInput, ParsersStayInsideTheirLeague) {
  std::mt19937 random(2015);
  auto data = std::make_unique<MatchData>();
  const int untouched = 6;
  (*data)(9, untouched, 37).Home = "bleibt";
  for (int round = 0; round < 1500; ++round) {
    const std::string text = HostileText(random);
    const int league = static_cast<int>(random() % kLeagueCount);
    if (league == untouched) continue;
    ParseLeagueItems(text, *data, league);
    // A failure always says why.
    const Outcome<int> season = ReadSeasonText(text, "zufall.tsv", *data, league);
    EXPECT_TRUE(season || !season.message().empty());
    const Outcome<void> stored = DecodeStoredLeague(text, *data, league);
    EXPECT_TRUE(stored || !stored.message().empty());
    SplitLeagueAnswer(text);
    for (int day = 0; day < kDaySlots; ++day) {
      for (int slot = 0; slot < kMatchSlots; ++slot) {
        const MatchRecord& r = (*data)(slot, league, day);
        // A played record always carries both goals, which the standings rely on.
        if (r.Played) {
          ASSERT_TRUE(r.HomeGoals >= 0 && r.AwayGoals >= 0) << "round " << round;
        }
      }
    }
  }
  EXPECT_EQ((*data)(9, untouched, 37).Home, "bleibt");
}

}  // namespace
}  // namespace zak
