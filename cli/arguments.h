// Command-line options of zak-cli: "--name value" (or "--name=value") pairs and bare "--flag"s
// after the command.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace zak::cli {

struct Arguments {
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
};

// Reads the options after the command word. `withValue` and `flags` name the accepted options;
// anything else, a value option without its value, a flag with one, or an option given twice
// fails.
Outcome<Arguments> ParseArguments(const std::vector<std::string>& words,
                                  const std::set<std::string>& withValue,
                                  const std::set<std::string>& flags);

// The option's whole-number value within [low, high], nothing when it is not given; a failure
// that says what is wrong otherwise.
Outcome<std::optional<int>> NumberOption(const Arguments& args, const std::string& name, int low,
                                         int high);

// --league: a league index 0..7, which every command that shows a league needs.
Outcome<int> LeagueOption(const Arguments& args);

// --day: a match day of the league, 1 up to its number of match days.
Outcome<std::optional<int>> DayOption(const Arguments& args, int league);

}  // namespace zak::cli
