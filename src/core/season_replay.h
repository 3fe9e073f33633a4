// Replaying the season: a date given on the command line stands for today, and the results of
// matches not yet kicked off on that date are not known yet.
#pragma once

#include <string>
#include <string_view>

#include "match_data.h"
#include "outcome.h"

namespace zak {

// "YYYY-MM-DD" as a calendar date; a failure for any other form or an impossible date.
Outcome<Date> ParseIsoDate(std::string_view text);

// "dd.mm.yyyy", the German way of writing the date.
std::string GermanDate(Date date);

// The season as it stood at the end of `date`: every record kicked off on a later day loses its
// result. Records without a readable kick-off keep theirs.
void WithholdResultsAfter(MatchData& data, Date date);

}  // namespace zak
