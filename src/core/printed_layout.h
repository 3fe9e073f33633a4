// The printout of a league as lines of fixed-pitch text: the title block, the match day's
// fixtures, the table after the day and the footer. Columns are formed with blanks, so every
// line is printed in one monospaced font, at the size and weight it carries.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "catalogue.h"
#include "match_data.h"

namespace zak {

struct PrintLine {
  std::string text;  // UTF-8; widths count characters
  int pointSize = 13;
  bool bold = false;

  bool operator==(const PrintLine&) const = default;
};

using PrintLines = std::vector<PrintLine>;

// What a printout shows: the match day (1-based), the league and the two optional blocks.
struct PrintRequest {
  int day = 1;
  int league = 0;
  bool printTable = true;
  bool printDay = true;
};

// Two blank lines, the league and season at 16 points, two blank lines, the match day with the
// dates of its first and last match in bold, two blank lines.
PrintLines PrintHeaderLines(const MatchData& data, int day, int league);

// One line per fixture of the day in stored order (slots without clubs left out): weekday,
// kick-off, the pairing and the result from column 77 on; then four blank lines at 13 points.
PrintLines PrintMatchDayLines(const MatchData& data, int day, int league);

// The column header in bold, one row per club in table order with its position before the day,
// a dashed line wherever the rank colour changes, four blank lines.
PrintLines PrintTableLines(const MatchData& data, const RankColourTable& colours, int day,
                           int league, Date today);

// One fixture's line: " " and the pairing padded to 75 characters, then the result or "   :   ".
// Text too long for its column or its line is printed whole, unpadded.
std::string PrintMatchLineText(const MatchRecord& match);

// One club's row of 69 characters under the column header; on match day 1 the position before
// reads "--".
std::string PrintTableRowText(const TeamRow& row, int previousRank, int day);

// Today's weekday, date and time, and the program's version line from column 51 on.
PrintLines PrintFooterLines(std::chrono::local_seconds now);

// The whole printout: the title, the match day when asked for, the table when asked for, the
// footer. A day outside the league's season gives the title and the footer only.
PrintLines PrintLeagueLines(const MatchData& data, const RankColourTable& colours,
                            const PrintRequest& request, std::chrono::local_seconds now);

// The name the printout carries in the printer's queue: "ZAK 14/15 – 1. Bundesliga – 34. Spieltag".
std::string PrintJobName(int day, int league);

}  // namespace zak
