// zak-cli table: the table of one league after one match day.
#include <filesystem>
#include <iostream>
#include <memory>

#include "arguments.h"
#include "commands.h"
#include "core/local_clock.h"
#include "core/season_file.h"
#include "core/season_folder.h"
#include "core/standings.h"
#include "core/table_text.h"
#include "platform_session.h"
#include "service/league_loading.h"
#include "settings/settings_store.h"

namespace zak::cli {
namespace {

// The league from a season folder. A league without a season file simply has no results yet.
int ReadSeasonLeague(const std::string& folder, int league, MatchData& data) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::cerr << "zak-cli table: Saisonordner nicht gefunden: " << folder << "\n";
    return 1;
  }
  const std::string path = SeasonFilePath(folder, league);
  if (!std::filesystem::exists(path, ec)) return 0;
  const SeasonReadResult read = ReadSeasonFile(path, data, league);
  for (const std::string& message : read.errors) std::cerr << message << "\n";
  return read.ok() ? 0 : 1;
}

// The league's copy in the user's settings store, as the program stored it after a download.
// Without one, the season that came with the program.
int ReadStoredLeague(int league, MatchData& data) {
  PlatformSession session;
  if (LoadLeagueData(session.context(), session.statusBar(), league)) {
    data = session.data().matchData;
    return 0;
  }
  if (!GetSettingValue(kSectionData, LeagueDataKey(league), "").empty()) return 1;
  const std::string folder = BundledSeasonFolder();
  std::cerr << "zak-cli table: keine gespeicherten Daten der Liga " << league
            << ", daher aus der mitgelieferten Saison " << folder << "\n";
  return ReadSeasonLeague(folder, league, data);
}

}  // namespace

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
  auto data = std::make_unique<MatchData>();
  const auto season = args->values.find("--season");
  const int status = season == args->values.end()
                         ? ReadStoredLeague(*league, *data)
                         : ReadSeasonLeague(season->second, *league, *data);
  if (status != 0) return status;

  std::int16_t upToDay = day ? static_cast<std::int16_t>(*day) : -1;
  TeamTable table{};
  CalculateTable(table, *data, *league, upToDay, LocalToday());
  std::cout << (args->flags.contains("--tsv") ? TableAsTsv(table, *league)
                                              : TableAsText(table, *league, upToDay));
  return 0;
}

}  // namespace zak::cli
