// zak-cli table: the table of one league after one match day.
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/standings.h"
#include "core/table_text.h"
#include "league_source.h"

namespace zak::cli {

int TableCommand(const std::vector<std::string>& words) {
  std::string error;
  const auto args =
      ParseArguments(words, {"--season", "--league", "--day", "--date"}, {"--tsv"}, error);
  if (!args) {
    std::cerr << "zak-cli table: " << error << "\n";
    return 2;
  }
  const auto league = NumberOption(*args, "--league", 0, kLeagueCount - 1, error);
  const auto day = league ? DayOption(*args, *league, error) : std::nullopt;
  if (!error.empty() || !league) {
    std::cerr << "zak-cli table: " << (error.empty() ? "Option --league fehlt" : error) << "\n";
    return 2;
  }
  const DateInForce date = ChooseDate("table", *args);
  if (!date.ok) return 2;
  auto data = std::make_unique<MatchData>();
  const int status = ReadLeague("table", *args, *league, *data);
  if (status != 0) return status;
  AsItStood(date, *data);

  std::int16_t upToDay = day ? static_cast<std::int16_t>(*day) : -1;
  TeamTable table{};
  CalculateTable(table, *data, *league, upToDay, date.today);
  std::cout << (args->flags.contains("--tsv") ? TableAsTsv(table, *league)
                                              : TableAsText(table, *league, upToDay));
  return 0;
}

}  // namespace zak::cli
