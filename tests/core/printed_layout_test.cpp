// The printout as lines: titles, fixtures, table rows and footer character for character, from
// the real season and from constructed days.
#include "core/printed_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/season_file.h"
#include "core/text_util.h"
#include "support/bundled_season.h"

namespace zak {
namespace {

using testing::BundledSeason;
using testing::RankColours;

using std::chrono::days;
using std::chrono::hours;
using std::chrono::local_days;
using std::chrono::minutes;
using std::chrono::seconds;

constexpr Date kToday{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)};
const std::chrono::local_seconds kNow = local_days{kToday} + hours(9) + minutes(5) + seconds(7);

const std::string kSeparator = "  " + std::string(70, '-');

std::vector<std::string> Texts(const PrintLines& lines) {
  std::vector<std::string> texts;
  for (const PrintLine& line : lines) texts.push_back(line.text);
  return texts;
}

// Table rows are the lines with ".(" right after the position.
std::vector<std::string> TableRows(const PrintLines& lines) {
  std::vector<std::string> rows;
  for (const PrintLine& line : lines) {
    if (line.text.size() > 5 && line.text.substr(3, 2) == ".(") rows.push_back(line.text);
  }
  return rows;
}

// Day 1 of a league from its own catalogue: slot 2k at home against slot 2k + 1, all played.
void PlayFirstDay(MatchData& data, int league) {
  TeamTable catalogue{};
  FillTeamCatalogue(catalogue, league);
  for (int m = 0; m < GetMatchCount(league); ++m) {
    data(m, league, 0) = MatchRecord{catalogue[league][2 * m].Name,
                                     catalogue[league][2 * m + 1].Name,
                                     static_cast<std::int16_t>(m % 4),
                                     static_cast<std::int16_t>(m % 3),
                                     true,
                                     "01.08.14 19:00"};
  }
}

TEST(PrintedTable, FinalDayOfTheBundesliga) {
  const auto data = BundledSeason({0});
  const PrintLines lines = PrintTableLines(*data, RankColours(), 34, 0, kToday);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].text, "         MANNSCHAFT                SP    S  U  N   TORE    DIFF   PKT");
  EXPECT_EQ(Utf8Length(lines[0].text), 69u);
  EXPECT_TRUE(lines[0].bold);
  const std::vector<std::string> rows = TableRows(lines);
  ASSERT_EQ(rows.size(), 18u);
  EXPECT_EQ(rows[0], "  1.( 1) Bayern München            34   25  4  5   80:18     62    79");
  EXPECT_EQ(rows[17], " 18.(18) SC Paderborn 07           34    7 10 17   31:65    -34    31");
  for (const std::string& row : rows) EXPECT_EQ(Utf8Length(row), 69u) << row;
  // Bands of the 1. Bundesliga: 1 | 2-3 | 4 | 5-6 | 7-15 | 16 | 17-18.
  const std::vector<std::string> texts = Texts(lines);
  for (const int position : {2, 4, 5, 7, 16, 17}) {
    const auto row = std::find(texts.begin(), texts.end(), rows[position - 1]);
    EXPECT_EQ(*(row - 1), kSeparator) << "before position " << position;
  }
  EXPECT_EQ(std::count(texts.begin(), texts.end(), kSeparator), 6);
  // Four blank lines close the block, all at 13 points and none bold except the header.
  EXPECT_EQ(std::vector<std::string>(texts.end() - 4, texts.end()), std::vector<std::string>(4));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].pointSize, 13);
    EXPECT_FALSE(lines[i].bold);
  }
}

// Every league prints its own clubs only, and a dashed line wherever the colour changes
// between two printed rows, never above the first.
class PrintedTableOfLeague : public ::testing::TestWithParam<int> {};

TEST_P(PrintedTableOfLeague, RowsAndSeparators) {
  const int league = GetParam();
  MatchData data;
  PlayFirstDay(data, league);
  const RankColourTable colours = RankColours();
  const PrintLines lines = PrintTableLines(data, colours, 1, league, kToday);
  const std::vector<std::string> rows = TableRows(lines);
  ASSERT_EQ(static_cast<int>(rows.size()), GetTeamCount(league));
  EXPECT_NE(lines[1].text, kSeparator);
  std::size_t row = 0;
  for (std::size_t i = 1; i + 4 < lines.size(); ++i) {
    if (lines[i].text == kSeparator) {
      ASSERT_LT(row, rows.size());
      ASSERT_GT(row, 0u);
      EXPECT_NE(colours(league, static_cast<int>(row) + 1), colours(league, static_cast<int>(row)))
          << "separator above position " << row + 1;
      EXPECT_EQ(lines[i + 1].text, rows[row]);
      continue;
    }
    EXPECT_EQ(lines[i].text, rows[row]);
    if (row > 0 && lines[i - 1].text != kSeparator) {
      EXPECT_EQ(colours(league, static_cast<int>(row) + 1), colours(league, static_cast<int>(row)));
    }
    // Match day 1 has no day before it.
    EXPECT_EQ(rows[row].substr(3, 6), ".(--) ");
    ++row;
  }
  EXPECT_EQ(row, rows.size());
}

INSTANTIATE_TEST_SUITE_P(AllLeagues, PrintedTableOfLeague, ::testing::Range(0, kLeagueCount),
                         [](const auto& info) { return "League" + std::to_string(info.param); });

TEST(PrintedTable, PreviousPositionsComeFromTheDayBefore) {
  const auto data = BundledSeason({0});
  const std::vector<std::string> rows =
      TableRows(PrintTableLines(*data, RankColours(), 2, 0, kToday));
  const std::vector<std::string> dayOne =
      TableRows(PrintTableLines(*data, RankColours(), 1, 0, kToday));
  // Each club's position after day 1 stands in brackets in the rows of day 2.
  for (const std::string& row : rows) {
    const std::string name = row.substr(9, 26);
    const auto before = std::find_if(dayOne.begin(), dayOne.end(),
                                     [&](const std::string& r) { return r.substr(9, 26) == name; });
    ASSERT_NE(before, dayOne.end()) << name;
    EXPECT_EQ(row.substr(5, 2), before->substr(1, 2)) << name;
  }
}

struct RowCase {
  const char* name;
  TeamRow row;
  int previous;
  int day;
  std::string text;
};

class PrintedTableRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(PrintedTableRow, Text) {
  const RowCase& c = GetParam();
  EXPECT_EQ(PrintTableRowText(c.row, c.previous, c.day), c.text);
}

TeamRow Row(std::string name, int rank, int games, int won, int drawn, int lost, int goalsFor,
            int goalsAgainst, int points) {
  TeamRow row;
  row.Name = std::move(name);
  row.Rank = static_cast<std::int16_t>(rank);
  row.Games = static_cast<std::int16_t>(games);
  row.Won = static_cast<std::int16_t>(won);
  row.Drawn = static_cast<std::int16_t>(drawn);
  row.Lost = static_cast<std::int16_t>(lost);
  row.GoalsFor = static_cast<std::int16_t>(goalsFor);
  row.GoalsAgainst = static_cast<std::int16_t>(goalsAgainst);
  row.GoalDiff = static_cast<std::int16_t>(goalsFor - goalsAgainst);
  row.Points = static_cast<std::int16_t>(points);
  return row;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintedTableRow,
    ::testing::Values(
        RowCase{"WorkedExample", Row("Musterstadt", 1, 5, 4, 1, 0, 12, 3, 13), 2, 5,
                "  1.( 2) Musterstadt                5    4  1  0   12:3       9    13"},
        RowCase{"DayOneDashes", Row("Musterstadt", 7, 1, 0, 1, 0, 1, 1, 1), 0, 1,
                "  7.(--) Musterstadt                1    0  1  0    1:1       0     1"},
        RowCase{"NegativeFigures", Row("Rot-Weiss Essen", 20, 0, 0, -1, 1, -1, 1, -1), 20, 2,
                " 20.(20) Rot-Weiss Essen            0    0 -1  1   -1:1      -2    -1"},
        // A name longer than its column pushes the rest along; nothing is cut.
        RowCase{
            "LongNameUnpadded",
            Row("Sportgemeinschaft Sonnenhof Großaspach", 3, 2, 1, 1, 0, 4, 2, 4), 4, 2,
            "  3.( 4) Sportgemeinschaft Sonnenhof Großaspach 2    1  1  0    4:2       2     4"},
        RowCase{"WideFigures", Row("Musterstadt", 10, 38, 38, 0, 0, 12345, 0, 114), 10, 38,
                " 10.(10) Musterstadt               38   38  0  0 12345:0    12345   114"}),
    [](const auto& info) { return std::string(info.param.name); });

struct MatchCase {
  const char* name;
  MatchRecord match;
  std::string text;
};

class PrintedMatchLine : public ::testing::TestWithParam<MatchCase> {};

TEST_P(PrintedMatchLine, Text) { EXPECT_EQ(PrintMatchLineText(GetParam().match), GetParam().text); }

std::string Padded(std::string start, std::string result) { return PadRight(start, 76) + result; }

INSTANTIATE_TEST_SUITE_P(
    Matches, PrintedMatchLine,
    ::testing::Values(
        MatchCase{
            "Played",
            {"Hamburger SV", "FC Schalke 04", 2, 0, true, "23.05.15 15:30"},
            Padded(" Sa 23.05.15 15:30  Hamburger SV                - FC Schalke 04", "  2:0  ")},
        MatchCase{
            "Unplayed",
            {"Hamburger SV", "FC Schalke 04", -1, -1, false, "22.05.15 20:30"},
            Padded(" Fr 22.05.15 20:30  Hamburger SV                - FC Schalke 04", "   :   ")},
        MatchCase{
            "TenNil",
            {"Bayern München", "SC Paderborn 07", 10, 0, true, "24.05.15 17:30"},
            Padded(" So 24.05.15 17:30  Bayern München              - SC Paderborn 07", " 10:0  ")},
        MatchCase{"GoalsNotPlayedStayOpen",
                  {"A", "B", 1, 1, false, "18.05.15 20:00"},
                  Padded(" Mo 18.05.15 20:00  A                           - B", "   :   ")},
        // Names too long for the line: printed whole, the result follows at once.
        MatchCase{"LongerThanTheLine",
                  {"Sportgemeinschaft Sonnenhof Großaspach",
                   "Turn- und Sportverein Arminia Bielefeld", 3, 1, true, "23.05.15 13:30"},
                  " Sa 23.05.15 13:30  Sportgemeinschaft Sonnenhof Großaspach - Turn- und "
                  "Sportverein Arminia Bielefeld  3:1  "},
        MatchCase{"NoKickOff",
                  {"A", "B", -1, -1, false, ""},
                  Padded("    A                           - B", "   :   ")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintedMatchDay, FinalDayOfTheBundesliga) {
  const auto data = BundledSeason({0});
  const PrintLines lines = PrintMatchDayLines(*data, 34, 0);
  ASSERT_EQ(lines.size(), 9u + 4u);
  EXPECT_EQ(lines[0].text,
            Padded(" Sa 23.05.15 15:30  Hamburger SV                - FC Schalke 04", "  2:0  "));
  EXPECT_EQ(lines[8].text,
            Padded(" Sa 23.05.15 15:30  SC Paderborn 07             - VfB Stuttgart", "  1:2  "));
  for (int i = 0; i < 9; ++i) EXPECT_EQ(lines[i].pointSize, 11);
  for (int i = 9; i < 13; ++i) EXPECT_EQ(lines[i], (PrintLine{"", 13, false}));
}

TEST(PrintedMatchDay, LeagueWithoutDataPrintsNoPairings) {
  const MatchData data;
  const PrintLines lines = PrintMatchDayLines(data, 1, 6);
  EXPECT_EQ(lines, PrintLines(4, PrintLine{"", 13, false}));
}

TEST(PrintedHeader, TitleAndDates) {
  const auto data = BundledSeason({1});
  const PrintLines lines = PrintHeaderLines(*data, 34, 1);
  const PrintLines expected = {{"", 13, false},
                               {"", 13, false},
                               {"  Tabelle der 2. Fußball Bundesliga 2014 / 2015", 16, false},
                               {"", 13, false},
                               {"", 13, false},
                               {"  34. Spieltag (24.05.15 bis 24.05.15)", 13, true},
                               {"", 13, false},
                               {"", 13, false}};
  EXPECT_EQ(lines, expected);
}

struct FooterCase {
  const char* name;
  std::chrono::local_seconds now;
  std::string start;
};

class PrintedFooter : public ::testing::TestWithParam<FooterCase> {};

TEST_P(PrintedFooter, VersionLineFromColumn51) {
  const PrintLines lines = PrintFooterLines(GetParam().now);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].pointSize, 10);
  EXPECT_EQ(lines[0].text, PadRight(GetParam().start, 50) + "ZAK v2.0.9.2  © 2005–2015 ZAK-Team");
}

INSTANTIATE_TEST_SUITE_P(
    Dates, PrintedFooter,
    ::testing::Values(FooterCase{"Tuesday", kNow, "  Dienstag, 08.12.2026  09:05:07"},
                      FooterCase{"Thursday",
                                 local_days{Date{std::chrono::year(2015), std::chrono::month(5),
                                                 std::chrono::day(21)}} +
                                     hours(23) + minutes(59) + seconds(59),
                                 "  Donnerstag, 21.05.2015  23:59:59"},
                      FooterCase{"SundayMidnight",
                                 local_days{Date{std::chrono::year(2015), std::chrono::month(1),
                                                 std::chrono::day(4)}},
                                 "  Sonntag, 04.01.2015  00:00:00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintedLeague, BlocksFollowTheFlags) {
  const auto data = BundledSeason({2});
  const RankColourTable colours = RankColours();
  const PrintLines header = PrintHeaderLines(*data, 20, 2);
  const PrintLines day = PrintMatchDayLines(*data, 20, 2);
  const PrintLines table = PrintTableLines(*data, colours, 20, 2, kToday);
  const PrintLines footer = PrintFooterLines(kNow);
  auto joined = [](std::initializer_list<PrintLines> blocks) {
    PrintLines all;
    for (const PrintLines& block : blocks) all.insert(all.end(), block.begin(), block.end());
    return all;
  };
  EXPECT_EQ(PrintLeagueLines(*data, colours, {20, 2, false, false}, kNow),
            joined({header, footer}));
  EXPECT_EQ(PrintLeagueLines(*data, colours, {20, 2, true, false}, kNow),
            joined({header, table, footer}));
  EXPECT_EQ(PrintLeagueLines(*data, colours, {20, 2, false, true}, kNow),
            joined({header, day, footer}));
  // With both, the match day comes first.
  EXPECT_EQ(PrintLeagueLines(*data, colours, {20, 2, true, true}, kNow),
            joined({header, day, table, footer}));
}

// A day the league does not play prints the title and the footer, without reading past the
// match data.
TEST(PrintedLeague, DaysOutsideTheSeason) {
  const auto data = BundledSeason({0});
  for (const int day : {-3, 0, 35, 39, 32767}) {
    const PrintLines lines = PrintLeagueLines(*data, RankColours(), {day, 0, true, true}, kNow);
    ASSERT_EQ(lines.size(), 9u) << day;
    EXPECT_EQ(lines[5].text, "  " + std::to_string(day) + ". Spieltag ( bis )") << day;
    EXPECT_EQ(lines.back(), PrintFooterLines(kNow)[0]);
  }
}

}  // namespace
}  // namespace zak
