#include "core/stored_league_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/season_file.h"
#include "core/text_util.h"
#include "support/bundled_season.h"

namespace zak {
namespace {

using testing::BundledSeason;

TEST(StoredLeagueTextTest, RecordLayoutAndOrder) {
  auto data = std::make_unique<MatchData>();
  MatchRecord& r = (*data)(1, 2, 0);
  r = {"Hansa Rostock", "Arminia Bielefeld", 2, 0, true, "26.07.14 14:00"};
  (*data)(0, 2, 1) = {"A", "B", -1, -1, false, ""};
  const std::string text = EncodeStoredLeague(*data, 2);
  const auto records = Split(text, "|");
  ASSERT_EQ(records.size(), 380u);
  EXPECT_EQ(records[0], "Falsch;;-1;-1;;");
  EXPECT_EQ(records[1], "Wahr;26.07.14 14:00;0;2;Arminia Bielefeld;Hansa Rostock");
  EXPECT_EQ(records[10], "Falsch;;-1;-1;B;A");
}

TEST(StoredLeagueTextTest, RealSeasonComesBackIdentical) {
  const auto season = BundledSeason({1});
  // Goals -1 and empty kick-offs must survive as well.
  (*season)(9, 1, 37) = {"Ohne Anstoß", "Ohne Tore", -1, -1, false, ""};
  (*season)(0, 1, 33).HomeGoals = -1;
  (*season)(0, 1, 33).Played = false;
  (*season)(1, 1, 33).KickOff.clear();

  auto loaded = std::make_unique<MatchData>();
  (*loaded)(0, 0, 0).Home = "another league stays";
  const Outcome<void> read = DecodeStoredLeague(EncodeStoredLeague(*season, 1), *loaded, 1);
  EXPECT_TRUE(read) << read.message();
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      ASSERT_EQ((*loaded)(slot, 1, day), (*season)(slot, 1, day)) << day << "/" << slot;
    }
  }
  EXPECT_EQ((*loaded)(0, 0, 0).Home, "another league stays");
}

TEST(StoredLeagueTextTest, DamagedCopiesStopWhereTheDamageIs) {
  const auto season = BundledSeason({0});
  const auto records = Split(EncodeStoredLeague(*season, 0), "|");
  std::string cut;
  for (int i = 0; i < 200; ++i) cut += (i ? "|" : "") + records[i];

  auto loaded = std::make_unique<MatchData>();
  Outcome<void> read = DecodeStoredLeague(cut, *loaded, 0);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.message(), "Datensatz 201 von 380 fehlt oder ist fehlerhaft.");
  EXPECT_EQ((*loaded)(9, 0, 19), (*season)(9, 0, 19));  // record 199 was read

  std::string badGoal = EncodeStoredLeague(*season, 0);
  const std::size_t at = badGoal.find(";2;");
  badGoal.replace(at, 3, ";x;");
  const auto damaged = std::count(badGoal.begin(), badGoal.begin() + at, '|') + 1;
  read = DecodeStoredLeague(badGoal, *loaded, 0);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.message(),
            "Datensatz " + std::to_string(damaged) + " von 380 fehlt oder ist fehlerhaft.");

  read = DecodeStoredLeague("Wahr;;1;1;A", *loaded, 0);  // five fields
  ASSERT_FALSE(read);
  EXPECT_EQ(read.message(), "Datensatz 1 von 380 fehlt oder ist fehlerhaft.");
  EXPECT_FALSE(DecodeStoredLeague("", *loaded, 0));
}

// A record marked played needs two goals 0..32767; anything else is damage, and the record
// must not count as a played match with it.
struct DamagedRecord {
  const char* name;
  const char* record;
};

class PlayedRecordWithoutResult : public ::testing::TestWithParam<DamagedRecord> {};

TEST_P(PlayedRecordWithoutResult, IsDamageAndNotPlayed) {
  const auto season = BundledSeason({0});
  std::string text = EncodeStoredLeague(*season, 0);
  text.replace(0, text.find('|'), GetParam().record);
  auto loaded = std::make_unique<MatchData>();
  (*loaded)(0, 0, 0) = {"A", "B", 3, 1, true, "22.08.14 20:30"};  // an earlier reading
  const Outcome<void> read = DecodeStoredLeague(text, *loaded, 0);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.message(), "Datensatz 1 von 380 fehlt oder ist fehlerhaft.");
  EXPECT_FALSE((*loaded)(0, 0, 0).Played);
}

INSTANTIATE_TEST_SUITE_P(
    Goals, PlayedRecordWithoutResult,
    ::testing::Values(DamagedRecord{"NegativeAway", "Wahr;22.08.14 20:30;-1;2;B;A"},
                      DamagedRecord{"NegativeHome", "Wahr;22.08.14 20:30;2;-7;B;A"},
                      DamagedRecord{"LetterAway", "Wahr;22.08.14 20:30;x;2;B;A"},
                      DamagedRecord{"EmptyHome", "Wahr;22.08.14 20:30;2;;B;A"},
                      DamagedRecord{"HomeBeyond16Bit", "Wahr;22.08.14 20:30;1;40000;B;A"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zak
