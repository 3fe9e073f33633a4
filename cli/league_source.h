// Where zak-cli's commands get a league's match data and today's date from.
#pragma once

#include <memory>
#include <string>

#include "arguments.h"
#include "core/match_data.h"

namespace zak::cli {

// The league from the season folder given with --season, or else from the copy the last
// download stored in the user's settings. Messages name `command`; gives the exit status.
int ReadLeague(const std::string& command, const Arguments& args, int league, MatchData& data);

// The league as it stood on the date in force: the one given with --date (YYYY-MM-DD), which
// replays the season to the end of that day, or the clock's. `status` is the exit status; when
// it is not 0 a message naming `command` was written and there is no data.
struct DatedLeague {
  int status = 0;
  Date today;
  std::unique_ptr<MatchData> data;
};
DatedLeague ReadDatedLeague(const std::string& command, const Arguments& args, int league);

}  // namespace zak::cli
