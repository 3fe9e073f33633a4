// Reader of the season files: one league's fixtures and results as tab-separated UTF-8 text,
// a header line, then "day, kick-off, home, away, home goals, away goals" per match.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "match_data.h"
#include "outcome.h"

namespace zak {

// Clears the league and fills it from the text: slots in file order within each day, the
// kick-off text as given, Played only with both goals. A rejected line touches no record.
// Gives the number of records filled, or a failure with one line "file:line: what is wrong" per
// rejected line (the good lines are filled all the same).
Outcome<int> ReadSeasonText(std::string_view text, std::string_view fileName, MatchData& data,
                            int league);

// The largest season file read, by the program and the data service alike.
inline constexpr std::int64_t kLargestSeasonFile = std::int64_t{16} << 20;

// The same from a file; a file that cannot be read is one error and leaves the data alone: also
// one that is no regular file (opened without waiting, so a FIFO blocks nothing) or is larger
// than kLargestSeasonFile.
Outcome<int> ReadSeasonFile(const std::string& path, MatchData& data, int league);

// The season file of a league inside a season folder: "<folder>/league-<index>.tsv".
std::string SeasonFilePath(std::string_view folder, int league);

}  // namespace zak
