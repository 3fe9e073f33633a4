// The HTML fragments against text assembled here from the fragments' fixed pieces and the real
// figures of the 2014/15 Bundesliga, so a slip in the generator's pieces shows up as a diff.
#include "core/html_fragments.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/season_file.h"
#include "support/bundled_season.h"

namespace zak {
namespace {

using testing::BundledSeason;
using testing::RankColours;

constexpr const char* kHost = "zak.test:8014";
constexpr const char* kImages = "http://zak.test:8014/zak/i/";

std::size_t Count(const std::string& text, const std::string& piece) {
  std::size_t n = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
    ++n;
  return n;
}

// --- The fixed pieces, written out once more here ---------------------------------------

std::string Title(const std::string& league, int day) {
  return "<table style=\"padding: 0px 3px 0px 3px; width:540px; border:1px solid #000000; "
         "border-bottom:0px; font-family:Arial; font-size:12pt; font-weight:bold; color:#000000; "
         "background-color:#DDDDDD;\"><tr><td>" +
         league + "</td><td style=\"text-align:right;\">" + std::to_string(day) +
         ". Spieltag</td></tr></table>";
}

std::string Banner() {
  return "<table style=\"text-align:right; padding: 0px 3px 0px 3px; width:540px; border:0px; "
         "font-family:Arial; font-size:8pt; color:FFFFFF; background-color:#000000;\"><tr><td "
         "style=\"text-align:center;\"><a href=\"http://zak.test:8014/zak/\" target=\"_blank\" "
         "style=\"font-decoration:underlined; color:#FFFFFF;\" title=\"ZAK - Die Zakliste\"><img "
         "src=\"http://zak.test:8014/zak/img/zak_logo.png\" /></a></td></tr></table><br /><br />";
}

std::string Picture(const std::string& file) {
  return "<img src=\"" + std::string(kImages) + file + "\" style=\"vertical-align:middle;\" />";
}

std::string Badge(int id) { return Picture("t/a/" + std::to_string(id) + ".gif"); }

std::string Fav(const std::string& text, bool fav) {
  return fav ? "<b><span style=\"color:blue;\">" + text + "</span></b>" : text;
}

const std::string kTableHead =
    "<table cellspacing=\"1px\" style=\"width:540px; border:1px solid #000000; font-family:Arial; "
    "font-size:10pt\"><tr style=\"background-color:#000000; color:#FFFFFF;\"><td><b>&nbsp;Platz"
    "&nbsp;</b></td><td><b>&nbsp;Mannschaft&nbsp;</b></td><td><b>&nbsp;Spiele&nbsp;</b></td><td "
    "style=\"width:30px; text-align:center;\"><b>S</b></td><td style=\"width:30px; "
    "text-align:center;\"><b>U</b></td><td style=\"width:30px; text-align:center;\"><b>N</b></td>"
    "<td style=\"width:50px; text-align:center;\"><b>&nbsp;Tore&nbsp;</b></td><td "
    "style=\"width:45px; text-align:center;\"><b>&nbsp;Diff.&nbsp;</b></td><td><b>&nbsp;Punkte"
    "&nbsp;</b></td></tr>";

const std::string kDayHead =
    "<table cellspacing=\"1px\" style=\"width:540px; border:1px solid #000000; font-family:Arial; "
    "font-size:10pt\"><tr style=\"background-color:#000000; color:#FFFFFF;\"><td "
    "style=\"width:110px;\"><b>&nbsp;Datum&nbsp;</b></td><td style=\"text-align:right; "
    "width:200px;\"><b>&nbsp;Heimmannschaft&nbsp;</b></td><td style=\"width:50px;\"></td><td "
    "style=\"text-align:left; width:200px;\"><b>&nbsp;Gastmannschaft&nbsp;</b></td></tr>";

struct Standing {
  const char* colour;
  const char* arrow;
  int id;
  std::string name;
  int games, won, drawn, lost, goalsFor, goalsAgainst, points;
};

std::string Cell(const std::string& text) {
  return "<td style=\"text-align:center\">" + text + "</td>";
}

std::string Row(int position, const Standing& s, bool fav) {
  const auto n = [fav](int v) { return Fav(std::to_string(v), fav); };
  return std::string("<tr style=\"background-color:#") + s.colour + ";\">" +
         "<td style=\"text-align:right\"><b>" + n(position) + "</b>&nbsp;" + Picture(s.arrow) +
         "&nbsp;&nbsp;</td>" + "<td>" + Badge(s.id) + " " + Fav(s.name, fav) + "</td>" +
         Cell(n(s.games)) + Cell(n(s.won)) + Cell(n(s.drawn)) + Cell(n(s.lost)) +
         Cell(Fav(std::to_string(s.goalsFor) + ":" + std::to_string(s.goalsAgainst), fav)) +
         Cell(n(s.goalsFor - s.goalsAgainst)) + "<td style=\"text-align:center\"><b>" +
         n(s.points) + "</b></td></tr>";
}

// The final table of 2014/15; the arrow compares with the table after match day 33.
const std::vector<Standing> kFinalTable = {
    {"FFEFAF", "n.gif", 222, "Bayern München", 34, 25, 4, 5, 80, 18, 79},
    {"FFF9C4", "n.gif", 246, "VfL Wolfsburg", 34, 20, 9, 5, 72, 38, 69},
    {"FFF9C4", "n.gif", 221, "Bor. Mönchengladbach", 34, 19, 9, 6, 53, 26, 66},
    {"FFFCE2", "n.gif", 236, "Bayer Leverkusen", 34, 17, 10, 7, 62, 37, 61},
    {"DDF0DD", "p.gif", 342, "FC Augsburg", 34, 15, 4, 15, 43, 43, 49},
    {"DDF0DD", "m.gif", 206, "FC Schalke 04", 34, 13, 9, 12, 42, 40, 48},
    {"E0E0E0", "n.gif", 210, "Borussia Dortmund", 34, 13, 7, 14, 47, 42, 46},
    {"E0E0E0", "p.gif", 442, "1899 Hoffenheim", 34, 12, 8, 14, 49, 55, 44},
    {"E0E0E0", "p.gif", 205, "Eintracht Frankfurt", 34, 11, 10, 13, 56, 62, 43},
    {"E0E0E0", "m.gif", 202, "Werder Bremen", 34, 11, 10, 13, 50, 65, 43},
    {"E0E0E0", "m.gif", 337, "1. FSV Mainz 05", 34, 9, 13, 12, 45, 47, 40},
    {"E0E0E0", "n.gif", 213, "1. FC Köln", 34, 9, 13, 12, 34, 40, 40},
    {"E0E0E0", "p.gif", 218, "Hannover 96", 34, 9, 10, 15, 40, 56, 37},
    {"E0E0E0", "p.gif", 215, "VfB Stuttgart", 34, 9, 9, 16, 42, 60, 36},
    {"E0E0E0", "m.gif", 209, "Hertha BSC", 34, 9, 8, 17, 36, 52, 35},
    {"FFEEEE", "p.gif", 211, "Hamburger SV", 34, 9, 8, 17, 25, 50, 35},
    {"FFDDDD", "m.gif", 245, "SC Freiburg", 34, 7, 13, 14, 36, 47, 34},
    {"FFDDDD", "n.gif", 422, "SC Paderborn 07", 34, 7, 10, 17, 31, 65, 31},
};

std::string ExpectedTable(const std::string& favourite) {
  std::string text = "<!-- Tabelle START -->\r\n" + Title("1. Bundesliga", 34) + kTableHead;
  for (std::size_t p = 0; p < kFinalTable.size(); ++p) {
    text += Row(static_cast<int>(p + 1), kFinalTable[p], kFinalTable[p].name == favourite);
  }
  return text + "</table>" + Banner() + "\r\n<!-- Tabelle ENDE -->\r\n\r\n";
}

struct Fixture {
  std::string home, away;
  int homeId, awayId, homeGoals, awayGoals;
};

const std::vector<Fixture> kDay34 = {
    {"Hamburger SV", "FC Schalke 04", 211, 206, 2, 0},
    {"Eintracht Frankfurt", "Bayer Leverkusen", 205, 236, 2, 1},
    {"1. FC Köln", "VfL Wolfsburg", 213, 246, 2, 2},
    {"Bayern München", "1. FSV Mainz 05", 222, 337, 2, 0},
    {"Bor. Mönchengladbach", "FC Augsburg", 221, 342, 1, 3},
    {"1899 Hoffenheim", "Hertha BSC", 442, 209, 2, 1},
    {"Borussia Dortmund", "Werder Bremen", 210, 202, 3, 2},
    {"Hannover 96", "SC Freiburg", 218, 245, 2, 1},
    {"SC Paderborn 07", "VfB Stuttgart", 422, 215, 1, 2},
};

std::string MatchRow(const std::string& date, const std::string& homeCell,
                     const std::string& result, const std::string& awayCell) {
  return "<tr style=\"background-color:#DDF0DD;\"><td style=\"width:100px;\">&nbsp;" + date +
         "&nbsp;</td><td style=\"width:200px; text-align:right;\">" + homeCell +
         "&nbsp;</td><td style=\"text-align:center\">" + result +
         "</td><td style=\"width:200px; text-align:left;\">&nbsp;" + awayCell + "</td></tr>";
}

std::string ExpectedMatchDay(const std::string& favourite) {
  std::string text = "<!-- Spieltag START -->\r\n" + Title("1. Bundesliga", 34) + kDayHead;
  for (const Fixture& f : kDay34) {
    text += MatchRow("23.05.15 15:30", Fav(f.home, f.home == favourite) + " " + Badge(f.homeId),
                     std::to_string(f.homeGoals) + " : " + std::to_string(f.awayGoals),
                     Badge(f.awayId) + " " + Fav(f.away, f.away == favourite));
  }
  return text + "</table>" + Banner() + "\r\n<!-- Spieltag ENDE -->\r\n\r\n";
}

class HtmlFragments : public ::testing::Test {
 protected:
  std::unique_ptr<MatchData> data = BundledSeason({0});
  RankColourTable colours = RankColours();
  HtmlSource source{*data, colours, HtmlAddresses::ForHost(kHost)};
};

// --- The real last match day, whole ---------------------------------------------------------

// Slot 9 of the 1. Bundesliga is FC Schalke 04, slot 4 Bayern München.
struct FavouriteCase {
  const char* label;
  int slot;
  const char* name;
};

class RealLastDay : public HtmlFragments, public ::testing::WithParamInterface<FavouriteCase> {};

TEST_P(RealLastDay, TableIsTheFinalTableCharacterForCharacter) {
  EXPECT_EQ(BuildTableHtml(source, 0, 33, GetParam().slot), ExpectedTable(GetParam().name));
}

TEST_P(RealLastDay, MatchDayIsTheLastDayCharacterForCharacter) {
  EXPECT_EQ(BuildMatchDayHtml(source, 0, 33, GetParam().slot), ExpectedMatchDay(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Favourite, RealLastDay,
                         ::testing::Values(FavouriteCase{"None", -1, ""},
                                           FavouriteCase{"Schalke", 9, "FC Schalke 04"},
                                           FavouriteCase{"Bayern", 4, "Bayern München"},
                                           FavouriteCase{"SlotBeyondTheClubs", 18, ""},
                                           FavouriteCase{"SlotBeyondTheTable", 20, ""}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(HtmlFragments, FourLineEndsPerFragmentAllCrLf) {
  const std::string text = BuildTableHtml(source, 0, 33, -1) + BuildMatchDayHtml(source, 0, 33, 4);
  EXPECT_EQ(Count(text, "\n"), 8u);
  EXPECT_EQ(Count(text, "\r\n"), 8u);
  EXPECT_EQ(Count(text, "\r"), 8u);
}

// --- Trend arrows -----------------------------------------------------------------------------

TEST_F(HtmlFragments, FirstMatchDayShowsTheUnchangedArrowOnEveryRow) {
  const std::string text = BuildTableHtml(source, 0, 0, -1);
  EXPECT_EQ(Count(text, Picture("n.gif")), 18u);
  EXPECT_EQ(Count(text, "p.gif"), 0u);
  EXPECT_EQ(Count(text, "m.gif"), 0u);
}

// Real moves of the season: (match day, club, badge, position now, arrow).
struct Move {
  const char* label;
  int day;
  const char* club;
  int id;
  int position;
  const char* file;
};

class TrendArrow : public HtmlFragments, public ::testing::WithParamInterface<Move> {};

TEST_P(TrendArrow, PointsTheWayTheClubMoved) {
  const Move& m = GetParam();
  const std::string cells = "<td style=\"text-align:right\"><b>" + std::to_string(m.position) +
                            "</b>&nbsp;" + Picture(m.file) + "&nbsp;&nbsp;</td><td>" + Badge(m.id) +
                            " " + m.club + "</td>";
  const std::string text = BuildTableHtml(source, 0, m.day - 1, -1);
  EXPECT_NE(text.find(cells), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Season, TrendArrow,
                         ::testing::Values(Move{"WolfsburgFiveToThreeOnDay9", 9, "VfL Wolfsburg",
                                                246, 3, "p.gif"},
                                           Move{"GladbachThreeToFiveOnDay13", 13,
                                                "Bor. Mönchengladbach", 221, 5, "m.gif"},
                                           Move{"GladbachFiveToThreeOnDay21", 21,
                                                "Bor. Mönchengladbach", 221, 3, "p.gif"}),
                         [](const auto& info) { return std::string(info.param.label); });

// --- Rows and fixtures that the data shapes ------------------------------------------------

struct LeagueRows {
  const char* label;
  int league;
  std::size_t rows;
};

class TableRows : public HtmlFragments, public ::testing::WithParamInterface<LeagueRows> {};

TEST_P(TableRows, OneRowPerClubOfTheLeague) {
  const std::string text = BuildTableHtml(source, GetParam().league, 0, -1);
  EXPECT_EQ(Count(text, "<td style=\"text-align:right\"><b>"), GetParam().rows);
  EXPECT_EQ(Count(text, "t/a/0.gif"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Leagues, TableRows,
                         ::testing::Values(LeagueRows{"RegionalligaNordost", 4, 16},
                                           LeagueRows{"DritteLiga", 2, 20},
                                           LeagueRows{"RegionalligaBayern", 7, 18}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(HtmlFragments, FixtureWithAnUnknownNameKeepsTheSpaceButHasNoBadge) {
  (*data)(0, 0, 33).Home = "Hamburg";
  (*data)(0, 0, 33).Away = "Schalke 04";
  const std::string text = BuildMatchDayHtml(source, 0, 33, -1);
  EXPECT_NE(text.find(MatchRow("23.05.15 15:30", "Hamburg ", "2 : 0", " Schalke 04")),
            std::string::npos)
      << text;
}

TEST_F(HtmlFragments, FixtureWithoutNamesGetsNoBadgeOfAFreeSlot) {
  (*data)(0, 0, 33) = MatchRecord{};
  const std::string text = BuildMatchDayHtml(source, 0, 33, -1);
  EXPECT_EQ(text.find("t/a/0.gif"), std::string::npos);
  EXPECT_NE(text.find(MatchRow("", " ", "&nbsp;:&nbsp;", " ")), std::string::npos) << text;
}

TEST_F(HtmlFragments, UnplayedFixtureShowsAnEmptyResultAndHighlightsOnlyTheName) {
  MatchRecord& match = (*data)(3, 0, 33);
  match.Played = false;
  match.HomeGoals = match.AwayGoals = -1;
  match.KickOff = "";
  const std::string text = BuildMatchDayHtml(source, 0, 33, 4);
  EXPECT_NE(text.find(MatchRow("", Fav("Bayern München", true) + " " + Badge(222), "&nbsp;:&nbsp;",
                               Badge(337) + " 1. FSV Mainz 05")),
            std::string::npos)
      << text;
  EXPECT_EQ(Count(text, "color:blue"), 1u);
}

// --- Hostile text from the data service ----------------------------------------------------

TEST_F(HtmlFragments, MarkupInFixtureTextIsEscaped) {
  MatchRecord& match = (*data)(0, 0, 33);
  match.Home = "<script>alert(\"x\")</script>";
  match.Away = "A & B <b>";
  match.KickOff = "\"><img src=x>";
  const std::string text = BuildMatchDayHtml(source, 0, 33, -1);
  EXPECT_EQ(text.find("<script"), std::string::npos);
  EXPECT_EQ(text.find("<img src=x"), std::string::npos);
  EXPECT_NE(text.find(MatchRow("&quot;&gt;&lt;img src=x&gt;",
                               "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; ", "2 : 0",
                               " A &amp; B &lt;b&gt;")),
            std::string::npos)
      << text;
}

TEST_F(HtmlFragments, AHostWithMarkupCannotLeaveTheAttribute) {
  const HtmlSource odd{*data, colours, HtmlAddresses::ForHost("x\"><script>")};
  const std::string text = BuildTableHtml(odd, 0, 33, -1);
  EXPECT_EQ(text.find("<script"), std::string::npos);
  EXPECT_NE(text.find("http://x&quot;&gt;&lt;script&gt;/zak/i/n.gif"), std::string::npos);
}

// --- What no window offers, but a caller might pass ------------------------------------------

struct OutOfRange {
  const char* label;
  int league, dayIndex;
};

class OutsideTheCatalogue : public HtmlFragments,
                            public ::testing::WithParamInterface<OutOfRange> {};

TEST_P(OutsideTheCatalogue, GivesNoFragment) {
  EXPECT_EQ(BuildTableHtml(source, GetParam().league, GetParam().dayIndex, -1), "");
  EXPECT_EQ(BuildMatchDayHtml(source, GetParam().league, GetParam().dayIndex, -1), "");
}

INSTANTIATE_TEST_SUITE_P(Arguments, OutsideTheCatalogue,
                         ::testing::Values(OutOfRange{"LeagueEight", 8, 0},
                                           OutOfRange{"LeagueMinusOne", -1, 0},
                                           OutOfRange{"DayIndex38", 0, 38},
                                           OutOfRange{"DayIndexMinusOne", 0, -1}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zak
