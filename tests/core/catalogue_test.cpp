#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "core/maker.h"

namespace zak {
namespace {

TEST(Catalogue, CountsAndTheirBoundsOutsideTheLeagues) {
  EXPECT_EQ(GetTeamCount(8), 0);
  EXPECT_EQ(GetTeamCount(-1), 0);
  EXPECT_EQ(GetMatchCount(9), 0);
  EXPECT_EQ(GetDayCount(-3), 0);
  EXPECT_EQ(GetDayCount(4), 30);
  EXPECT_EQ(GetMatchCount(2), 10);
  EXPECT_EQ(GetDayCount(2), 38);
  EXPECT_EQ(GetLastTeamIndex(4), 15);
  EXPECT_EQ(GetLastMatchIndex(0), 8);
  EXPECT_EQ(GetLastDayIndex(0), 33);
}

TEST(Catalogue, LeagueNamesFallBackToTheFirstLeague) {
  EXPECT_EQ(GetLeagueName(0, true), "1. Fußball Bundesliga");
  EXPECT_EQ(GetLeagueName(9, false), "1. Bundesliga");
  EXPECT_EQ(GetLeagueName(-1, true), "1. Fußball Bundesliga");
  EXPECT_EQ(GetLeagueName(6, false), "Regionalliga Südwest");
  EXPECT_EQ(GetLeagueName(4, true), "Fußball Regionalliga Nordost");
}

TEST(Catalogue, EveryLeagueListsItsClubsThenFreeSlots) {
  TeamTable table{};
  std::set<std::int32_t> ids;
  for (int league = 0; league < kLeagueCount; ++league) {
    FillTeamCatalogue(table, league);
    for (int slot = 0; slot < kTeamSlots; ++slot) {
      const TeamRow& row = table[league][slot];
      const bool real = slot < GetTeamCount(league);
      EXPECT_EQ(!row.Name.empty(), real) << league << "/" << slot;
      EXPECT_EQ(row.Id != 0, real) << league << "/" << slot;
      if (real) {
        EXPECT_TRUE(ids.insert(row.Id).second) << "duplicate id " << row.Id;
      }
    }
  }
  EXPECT_EQ(ids.size(), 144u);
  EXPECT_EQ(table[0][18].Name, "");
  EXPECT_EQ(table[0][18].Id, 0);
  EXPECT_EQ(table[2][19].Name, "VfL Osnabrück");
  EXPECT_EQ(table[2][19].Id, 341);
  EXPECT_EQ(table[5][8].Name, "Rot-Weiss Essen");
  EXPECT_EQ(table[5][9].Name, "Rot-Weiß Oberhausen");
  EXPECT_EQ(table[1][11].Id, 13247);
}

TEST(Catalogue, CorrectionsAreWrittenWhateverLeagueIsFilled) {
  TeamTable table{};
  table[1][14].Points = 12;  // a counter the catalogue must leave alone
  FillTeamCatalogue(table, 0);
  EXPECT_EQ(table[1][14].PointsDeduction, 3);
  EXPECT_EQ(table[1][14].Name, "");
  EXPECT_EQ(table[1][14].Points, 12);
  EXPECT_EQ(table[1][17].PointsDeduction, 2);
  EXPECT_EQ(table[2][15].PointsDeduction, 2);
  const TeamRow& essen = table[5][8];
  EXPECT_EQ(essen.PointsDeduction, 1);
  EXPECT_EQ(essen.LostCorrection, -1);
  EXPECT_EQ(essen.DrawnCorrection, 1);
  EXPECT_EQ(essen.GoalsForCorrection, 1);
  EXPECT_EQ(essen.GoalsAgainstCorrection, -1);
  EXPECT_EQ(essen.WonCorrection, 0);
  EXPECT_EQ(table[1][17].NewsUrl,
            std::string(kNewsSite) +
                "/news/detail/verstoss-gegen-lizenzierungsauflage-zwei-punkte-abzug-fuer-vfr-aalen-"
                "119181/");
  EXPECT_EQ(table[0][4].NewsUrl, "");
}

TEST(Catalogue, EveryRankColourIsSet) {
  RankColourTable colours;
  InitRankColours(colours);
  for (int league = 0; league < kLeagueCount; ++league) {
    for (int position = 1; position <= kTeamSlots; ++position) {
      EXPECT_NE(ColourTextToValue(colours(league, position)), 0u) << league << "/" << position;
    }
    // Positions below the league's last club are grey.
    for (int position = GetTeamCount(league) + 1; position <= kTeamSlots; ++position) {
      EXPECT_EQ(colours(league, position), "&HC8D0D4");
    }
  }
  EXPECT_EQ(colours(0, 1), "&HAFEFFF");
  EXPECT_EQ(colours(0, 3), "&HC4F9FF");
  EXPECT_EQ(colours(2, 20), "&HEEEEFF");
  EXPECT_EQ(colours(4, 15), "&HDDDDFF");
  EXPECT_EQ(colours(5, 18), "&HEEEEFF");
  EXPECT_EQ(colours(6, 16), "&HEEEEFF");
}

TEST(Catalogue, ColourTextsReadAsBlueGreenRed) {
  EXPECT_EQ(ColourTextToValue("&HAFEFFF"), 0xAFEFFFu);
  EXPECT_EQ(ColourTextToValue("&HAFEFF"), 0u);
  EXPECT_EQ(ColourTextToValue("#AFEFFF!"), 0u);
  EXPECT_EQ(ColourTextToValue("&HAFEFFG"), 0u);
}

}  // namespace
}  // namespace zak
