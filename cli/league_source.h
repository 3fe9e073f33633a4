// Where zak-cli's commands get a league's match data and today's date from.
#pragma once

#include <optional>
#include <string>

#include "arguments.h"
#include "core/match_data.h"

namespace zak::cli {

// The league from the season folder given with --season, or else from the copy the last
// download stored in the user's settings. Messages name `command`; gives the exit status.
int ReadLeague(const std::string& command, const Arguments& args, int league, MatchData& data);

// Today's date: the one given with --date (YYYY-MM-DD), or the clock's. A given date replays the
// season as it stood at the end of that day (see AsItStood).
struct DateInForce {
  bool ok = true;  // false: --date is not a date; a message naming the command was written
  Date today;
  bool replay = false;
};
DateInForce ChooseDate(const std::string& command, const Arguments& args);

// In a replay, takes the results out of `data` that were not known yet on that day.
void AsItStood(const DateInForce& date, MatchData& data);

}  // namespace zak::cli
