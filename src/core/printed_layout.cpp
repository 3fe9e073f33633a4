#include "printed_layout.h"

#include <array>
#include <cstdint>

#include "maker.h"
#include "standings.h"
#include "table_order.h"
#include "text_util.h"

namespace zak {
namespace {

constexpr int kTitleSize = 16;
constexpr int kBodySize = 13;
constexpr int kMatchSize = 11;
constexpr int kFooterSize = 10;

constexpr std::string_view kTableHeader =
    "         MANNSCHAFT                SP    S  U  N   TORE    DIFF   PKT";

// Indexed by std::chrono::weekday::c_encoding(): Sunday first.
constexpr std::array<std::string_view, 7> kWeekdays = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};

bool DayInRange(int day) { return day >= 1 && day <= kDaySlots; }

void AddBlankLines(PrintLines& lines, int count, int pointSize) {
  for (int i = 0; i < count; ++i) lines.push_back({"", pointSize, false});
}

std::string Number(int value) { return std::to_string(value); }

std::string TwoDigits(unsigned value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
         static_cast<char>('0' + value % 10);
}

// The kick-off's weekday as its first two letters ("Sa"); nothing when the text is no date.
std::string WeekdayLetters(const std::string& kickOff) {
  const std::optional<Date> date = KickOffDate(kickOff);
  if (!date) return {};
  const std::chrono::weekday weekday{std::chrono::sys_days(*date)};
  return std::string(kWeekdays[weekday.c_encoding()].substr(0, 2));
}

}  // namespace

std::string PrintMatchLineText(const MatchRecord& match) {
  const std::string pairing = WeekdayLetters(match.KickOff) + " " + match.KickOff + "  " +
                              PadRight(match.Home, 27) + " - " + match.Away;
  std::string line(1, ' ');
  line += PadRight(pairing, 75);
  if (match.Played && match.HomeGoals >= 0 && match.AwayGoals >= 0) {
    return line + PadLeft(Number(match.HomeGoals), 3) + ":" + PadRight(Number(match.AwayGoals), 3);
  }
  return line + "   :   ";
}

std::string PrintTableRowText(const TeamRow& row, int previousRank, int day) {
  return PadLeft(Number(row.Rank), 3) + ".(" +
         (day == 1 ? std::string("--") : PadLeft(Number(previousRank), 2)) + ") " +
         PadRight(row.Name, 26) + PadLeft(Number(row.Games), 2) + "   " +
         PadLeft(Number(row.Won), 2) + " " + PadLeft(Number(row.Drawn), 2) + " " +
         PadLeft(Number(row.Lost), 2) + " " + PadLeft(Number(row.GoalsFor), 4) + ":" +
         PadRight(Number(row.GoalsAgainst), 4) + " " + PadLeft(Number(row.GoalDiff), 4) + "  " +
         PadLeft(Number(row.Points), 4);
}

PrintLines PrintHeaderLines(const MatchData& data, int day, int league) {
  PrintLines lines;
  AddBlankLines(lines, 2, kBodySize);
  lines.push_back({"  Tabelle der " + GetLeagueName(league, true) + " 2014 / 2015", kTitleSize});
  AddBlankLines(lines, 2, kBodySize);
  std::string first;
  std::string last;
  if (DayInRange(day)) {
    first = data(0, league, day - 1).KickOff.substr(0, 8);
    last = data(GetLastMatchIndex(league), league, day - 1).KickOff.substr(0, 8);
  }
  lines.push_back(
      {"  " + Number(day) + ". Spieltag (" + first + " bis " + last + ")", kBodySize, true});
  AddBlankLines(lines, 2, kBodySize);
  return lines;
}

PrintLines PrintMatchDayLines(const MatchData& data, int day, int league) {
  PrintLines lines;
  if (DayInRange(day)) {
    for (int m = 0; m <= GetLastMatchIndex(league); ++m) {
      const MatchRecord& match = data(m, league, day - 1);
      // A slot without clubs holds no fixture: a league without data prints no pairings.
      if (match.Home.empty() && match.Away.empty()) continue;
      lines.push_back({PrintMatchLineText(match), kMatchSize});
    }
  }
  AddBlankLines(lines, 4, kBodySize);
  return lines;
}

PrintLines PrintTableLines(const MatchData& data, const RankColourTable& colours, int day,
                           int league, Date today) {
  const TeamTable after =
      CalculateTableAfterDay(data, static_cast<std::int16_t>(day), league, today);
  TeamTable before{};
  if (day > 1)
    before = CalculateTableAfterDay(data, static_cast<std::int16_t>(day - 1), league, today);

  PrintLines lines{{std::string(kTableHeader), kBodySize, true}};
  const std::vector<int> order = SlotsInTableOrder(after, league);
  std::string previousColour;
  for (std::size_t r = 0; r < order.size(); ++r) {
    const std::string& colour = colours(league, static_cast<int>(r) + 1);
    if (r > 0 && colour != previousColour) {
      lines.push_back({"  " + std::string(70, '-'), kBodySize});
    }
    previousColour = colour;
    const int slot = order[r];
    lines.push_back(
        {PrintTableRowText(after[league][slot], before[league][slot].Rank, day), kBodySize});
  }
  AddBlankLines(lines, 4, kBodySize);
  return lines;
}

PrintLines PrintFooterLines(std::chrono::local_seconds now) {
  using namespace std::chrono;
  const local_days day = floor<days>(now);
  const year_month_day date{day};
  const hh_mm_ss time{now - day};
  const std::string s = std::string(kWeekdays[weekday(day).c_encoding()]) + ", " +
                        TwoDigits(static_cast<unsigned>(date.day())) + "." +
                        TwoDigits(static_cast<unsigned>(date.month())) + "." +
                        Number(static_cast<int>(date.year())) + "  " +
                        TwoDigits(static_cast<unsigned>(time.hours().count())) + ":" +
                        TwoDigits(static_cast<unsigned>(time.minutes().count())) + ":" +
                        TwoDigits(static_cast<unsigned>(time.seconds().count()));
  return {{"  " + PadRight(s, 48) + "ZAK v" + std::string(kProgramVersion) + "  " +
               std::string(kCopyrightNotice),
           kFooterSize}};
}

PrintLines PrintLeagueLines(const MatchData& data, const RankColourTable& colours,
                            const PrintRequest& request, std::chrono::local_seconds now) {
  PrintLines lines = PrintHeaderLines(data, request.day, request.league);
  if (request.day < 1 || request.day > GetDayCount(request.league)) {
    lines.push_back(PrintFooterLines(now)[0]);
    return lines;
  }
  auto append = [&lines](PrintLines block) {
    lines.insert(lines.end(), block.begin(), block.end());
  };
  if (request.printDay) append(PrintMatchDayLines(data, request.day, request.league));
  if (request.printTable) {
    const Date today{std::chrono::floor<std::chrono::days>(now)};
    append(PrintTableLines(data, colours, request.day, request.league, today));
  }
  append(PrintFooterLines(now));
  return lines;
}

std::string PrintJobName(int day, int league) {
  return "ZAK 14/15 – " + GetLeagueName(league, false) + " – " + Number(day) + ". Spieltag";
}

}  // namespace zak
