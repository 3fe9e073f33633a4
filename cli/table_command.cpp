// zak-cli table: the table of one league after one match day.
#include <filesystem>
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/local_clock.h"
#include "core/season_file.h"
#include "core/standings.h"
#include "core/table_text.h"

namespace zak::cli {

int TableCommand(const std::vector<std::string>& words) {
  std::string error;
  const auto args = ParseArguments(words, {"--season", "--league", "--day"}, {"--tsv"}, error);
  if (!args) {
    std::cerr << "zak-cli table: " << error << "\n";
    return 2;
  }
  const auto league = NumberOption(*args, "--league", 0, kLeagueCount - 1, error);
  const auto day = NumberOption(*args, "--day", 1, kDaySlots, error);
  if (!error.empty() || !league) {
    std::cerr << "zak-cli table: " << (error.empty() ? "Option --league fehlt" : error) << "\n";
    return 2;
  }
  const auto season = args->values.find("--season");
  if (season == args->values.end()) {
    std::cerr << "zak-cli table: Option --season fehlt\n";
    return 2;
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(season->second, ec)) {
    std::cerr << "zak-cli table: Saisonordner nicht gefunden: " << season->second << "\n";
    return 1;
  }

  auto data = std::make_unique<MatchData>();
  // A league without a season file simply has no results yet.
  const std::string path = SeasonFilePath(season->second, *league);
  if (std::filesystem::exists(path, ec)) {
    const SeasonReadResult read = ReadSeasonFile(path, *data, *league);
    if (!read.ok()) {
      for (const std::string& message : read.errors) std::cerr << message << "\n";
      return 1;
    }
  }

  std::int16_t upToDay = day ? static_cast<std::int16_t>(*day) : -1;
  TeamTable table{};
  CalculateTable(table, *data, *league, upToDay, LocalToday());
  std::cout << (args->flags.contains("--tsv") ? TableAsTsv(table, *league)
                                              : TableAsText(table, *league, upToDay));
  return 0;
}

}  // namespace zak::cli
