#include "arguments.h"

#include "core/catalogue.h"
#include "core/command_line.h"
#include "core/text_util.h"

namespace zak::cli {

Outcome<Arguments> ParseArguments(const std::vector<std::string>& words,
                                  const std::set<std::string>& withValue,
                                  const std::set<std::string>& flags) {
  const CommandLineSyntax syntax{withValue,
                                 flags,
                                 false,
                                 {},
                                 "Unbekannte Option: {}",
                                 "Option {} braucht einen Wert",
                                 "Option {} erwartet keinen Wert",
                                 "Option {} ist mehrfach angegeben"};
  const Outcome<std::vector<CommandLineOption>> options = ReadCommandLine(words, syntax);
  if (!options) return options.failure();
  Arguments args;
  for (const CommandLineOption& option : *options) {
    if (option.value) {
      args.values[option.name] = *option.value;
    } else {
      args.flags.insert(option.name);
    }
  }
  return args;
}

Outcome<std::optional<int>> NumberOption(const Arguments& args, const std::string& name, int low,
                                         int high) {
  const auto found = args.values.find(name);
  if (found == args.values.end()) return std::optional<int>();
  const auto number = ParseInt32(found->second);
  if (!number || *number < low || *number > high) {
    return Fail("Option " + name + " erwartet eine Zahl von " + std::to_string(low) + " bis " +
                std::to_string(high) + ", nicht \"" + found->second + "\"");
  }
  return std::optional<int>(*number);
}

Outcome<int> LeagueOption(const Arguments& args) {
  const Outcome<std::optional<int>> league = NumberOption(args, "--league", 0, kLeagueCount - 1);
  if (!league) return league.failure();
  if (!*league) return Fail("Option --league fehlt");
  return **league;
}

Outcome<std::optional<int>> DayOption(const Arguments& args, int league) {
  return NumberOption(args, "--day", 1, GetDayCount(league));
}

}  // namespace zak::cli
