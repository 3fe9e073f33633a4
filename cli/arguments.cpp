#include "arguments.h"

#include "core/catalogue.h"
#include "core/text_util.h"

namespace zak::cli {

std::optional<Arguments> ParseArguments(const std::vector<std::string>& words,
                                        const std::set<std::string>& withValue,
                                        const std::set<std::string>& flags, std::string& error) {
  Arguments args;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    // Which of two values was meant cannot be told.
    if (args.flags.contains(word) || args.values.contains(word)) {
      error = "Option " + word + " ist mehrfach angegeben";
      return std::nullopt;
    }
    if (flags.contains(word)) {
      args.flags.insert(word);
    } else if (withValue.contains(word)) {
      if (i + 1 >= words.size()) {
        error = "Option " + word + " braucht einen Wert";
        return std::nullopt;
      }
      args.values[word] = words[++i];
    } else {
      error = "Unbekannte Option: " + word;
      return std::nullopt;
    }
  }
  return args;
}

std::optional<int> NumberOption(const Arguments& args, const std::string& name, int low, int high,
                                std::string& error) {
  const auto found = args.values.find(name);
  if (found == args.values.end()) return std::nullopt;
  const auto number = ParseInt32(found->second);
  if (!number || *number < low || *number > high) {
    error = "Option " + name + " erwartet eine Zahl von " + std::to_string(low) + " bis " +
            std::to_string(high) + ", nicht \"" + found->second + "\"";
    return std::nullopt;
  }
  return *number;
}

std::optional<int> DayOption(const Arguments& args, int league, std::string& error) {
  return NumberOption(args, "--day", 1, GetDayCount(league), error);
}

}  // namespace zak::cli
