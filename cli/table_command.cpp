// zak-cli table: the table of one league after one match day.
#include <iostream>

#include "arguments.h"
#include "commands.h"
#include "core/standings.h"
#include "core/table_text.h"
#include "league_source.h"

namespace zak::cli {

int TableCommand(const std::vector<std::string>& words) {
  const auto args = ParseArguments(words, {"--season", "--league", "--day", "--date"}, {"--tsv"});
  if (!args) {
    std::cerr << "zak-cli table: " << args.message() << "\n";
    return 2;
  }
  const Outcome<int> league = LeagueOption(*args);
  const Outcome<std::optional<int>> day =
      league ? DayOption(*args, *league) : Outcome<std::optional<int>>(std::nullopt);
  if (!league || !day) {
    std::cerr << "zak-cli table: " << (!league ? league.message() : day.message()) << "\n";
    return 2;
  }
  const DatedLeague read = ReadDatedLeague("table", *args, *league);
  if (read.status != 0) return read.status;

  std::int16_t upToDay = *day ? static_cast<std::int16_t>(**day) : -1;
  TeamTable table{};
  CalculateTable(table, *read.data, *league, upToDay, read.today);
  std::cout << (args->flags.contains("--tsv") ? TableAsTsv(table, *league)
                                              : TableAsText(table, *league, upToDay));
  return 0;
}

}  // namespace zak::cli
