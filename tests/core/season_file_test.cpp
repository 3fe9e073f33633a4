#include "core/season_file.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "core/text_util.h"

namespace zak {
namespace {

const std::string kHeader = "day\tkickoff\thome\taway\thome_goals\taway_goals\n";

// Every league's file holds its whole fixture list: each club once per match day, every match
// with a result, except those of VFC Plauen (Regionalliga Nordost), which withdrew during the
// season and whose matches were struck: they stay without one.
TEST(SeasonFile, TheRealSeasonIsCompleteAndBalanced) {
  for (int league = 0; league < kLeagueCount; ++league) {
    SCOPED_TRACE(GetLeagueName(league, false));
    auto data = std::make_unique<MatchData>();
    const Outcome<int> read = ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, league), *data, league);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(*read, GetDayCount(league) * GetMatchCount(league));
    TeamTable table{};
    FillTeamCatalogue(table, league);
    std::map<std::string, int> games;
    int unplayed = 0;
    for (int d = 0; d < kDaySlots; ++d) {
      for (int m = 0; m < kMatchSlots; ++m) {
        const MatchRecord& r = (*data)(m, league, d);
        const bool inside = d <= GetLastDayIndex(league) && m <= GetLastMatchIndex(league);
        const bool struck = r.Home == "VFC Plauen" || r.Away == "VFC Plauen";
        EXPECT_EQ(r.Played, inside && !struck) << d << " " << m;
        if (!inside) continue;
        EXPECT_TRUE(KickOffDate(r.KickOff)) << r.KickOff;
        ++games[r.Home];
        ++games[r.Away];
        if (!r.Played) {
          EXPECT_EQ(r.HomeGoals, -1);
          EXPECT_EQ(r.AwayGoals, -1);
          ++unplayed;
        }
      }
    }
    EXPECT_EQ(unplayed, league == 4 ? 30 : 0);
    EXPECT_EQ(games.size(), static_cast<std::size_t>(GetTeamCount(league)));
    for (int slot = 0; slot < GetTeamCount(league); ++slot) {
      EXPECT_EQ(games[table[league][slot].Name], GetDayCount(league)) << table[league][slot].Name;
    }
  }
}

TEST(SeasonFile, KeepsFileOrderKickOffTextAndPartialResults) {
  auto data = std::make_unique<MatchData>();
  (*data)(5, 3, 20).Home = "alt";
  const Outcome<int> read = ReadSeasonText(kHeader +
                                               "2\t01.08.14 15:30\tA\tB\t1\t0\r\n"
                                               "1\t31.07.14 20:30\tC\tD\t2\t\n"
                                               "2\t02.08.14 15:30\tE\tF\t\t\n"
                                               "\n",
                                           "t.tsv", *data, 3);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, 3);
  const MatchRecord& first = (*data)(0, 3, 1);
  EXPECT_EQ(first.Home, "A");
  EXPECT_EQ(first.KickOff, "01.08.14 15:30");
  EXPECT_TRUE(first.Played);
  const MatchRecord& partial = (*data)(0, 3, 0);
  EXPECT_EQ(partial.HomeGoals, 2);
  EXPECT_EQ(partial.AwayGoals, -1);
  EXPECT_FALSE(partial.Played);
  EXPECT_EQ((*data)(1, 3, 1).Home, "E");
  EXPECT_EQ((*data)(1, 3, 1).KickOff, "02.08.14 15:30");
  EXPECT_EQ((*data)(5, 3, 20), MatchRecord{});  // the league was cleared first
}

TEST(SeasonFile, RejectsBadLinesWithFileAndLineAndKeepsTheRest) {
  auto data = std::make_unique<MatchData>();
  std::string text = kHeader;
  text += "1\t01.08.14 15:30\tA\tB\t1\n";         // line 2: five columns
  text += "0\t01.08.14 15:30\tA\tB\t1\t1\n";      // line 3: day 0
  text += "39\t01.08.14 15:30\tA\tB\t1\t1\n";     // line 4: day 39
  text += "x\t01.08.14 15:30\tA\tB\t1\t1\n";      // line 5: no number
  text += "1\t01.08.14 15:30\tA\tB\tzwei\t1\n";   // line 6
  text += "1\t01.08.14 15:30\tA\tB\t1\t32768\n";  // line 7: beyond 16 bits
  text += "1\t01.08.14 15:30\tA\tB\t-1\t1\n";     // line 8: negative
  text += "1\t01.08.14 15:30\tA;B\tC\t1\t1\n";    // line 9: a protocol separator
  text += "1\t\tA\tB\t1\t1\n";       // line 10: no kick-off, read as the one before on the wire
  text += "1\t \tA\tB\t1\t1\n";      // line 11: a blank one
  text += "1\toffen\tA\tB\t1\t1\n";  // line 12: no digits, sent as empty
  text += "1\t1.8.14 15:30\tA\tB\t1\t1\n";               // line 13: too few digits
  text += "1\t01.08.14 15:30\tA\t\xE2\x86\x92\t1\t1\n";  // line 14: "→" has no code there
  text += std::string("1\t01.08.14 15:30\tA\0B\tC\t1\t1\n", 27);           // line 15: NUL
  for (int i = 0; i < 11; ++i) text += "5\t01.08.14 15:30\tH\tG\t0\t0\n";  // line 26: eleventh
  text += "1\t01.08.14 15:30\tGut\tAuch gut\t32767\t0";                    // line 27, no final LF
  const Outcome<int> read = ReadSeasonText(text, "liga.tsv", *data, 0);
  ASSERT_FALSE(read);
  const std::vector<std::string> errors = Split(read.message(), "\n");
  ASSERT_EQ(errors.size(), 15u);
  // One line per rejected line, in file order.
  const int rejected[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 26};
  for (std::size_t i = 0; i < errors.size(); ++i) {
    const std::string where = "liga.tsv:" + std::to_string(rejected[i]) + ": ";
    EXPECT_EQ(errors[i].rfind(where, 0), 0u) << errors[i];
  }
  EXPECT_EQ(errors[8], "liga.tsv:10: Anstoßzeit fehlt");
  EXPECT_EQ(errors[10], "liga.tsv:12: Anstoßzeit \"offen\" hat nicht die Form TT.MM.JJ hh:mm");
  // The good lines are read all the same.
  int filled = 0;
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) filled += !(*data)(slot, 0, day).Home.empty();
  }
  EXPECT_EQ(filled, 11);
  EXPECT_EQ((*data)(0, 0, 0).Home, "Gut");
  EXPECT_EQ((*data)(0, 0, 0).HomeGoals, 32767);
  EXPECT_EQ((*data)(9, 0, 4).Home, "H");
  EXPECT_EQ((*data)(1, 0, 0), MatchRecord{});
}

TEST(SeasonFile, AMissingFileIsOneErrorAndTouchesNothing) {
  auto data = std::make_unique<MatchData>();
  (*data)(0, 0, 0).Home = "bleibt";
  const Outcome<int> read = ReadSeasonFile("/nonexistent/league-0.tsv", *data, 0);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.message(), "/nonexistent/league-0.tsv: Datei kann nicht gelesen werden");
  EXPECT_EQ((*data)(0, 0, 0).Home, "bleibt");
  EXPECT_FALSE(ReadSeasonFile(ZAK_SEASON_DIR, *data, 0).ok());  // a folder is no file
  EXPECT_FALSE(ReadSeasonText("", "x", *data, 8).ok());
}

}  // namespace
}  // namespace zak
