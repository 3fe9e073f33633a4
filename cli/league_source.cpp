#include "league_source.h"

#include <filesystem>
#include <iostream>
#include <optional>

#include "core/local_clock.h"
#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/season_folder.h"
#include "core/season_replay.h"
#include "core/stored_league_text.h"
#include "settings/settings_store.h"

namespace zak::cli {
namespace {

// A league without a season file simply has no results yet.
int ReadSeasonLeague(const std::string& command, const std::string& folder, int league,
                     MatchData& data) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::cerr << "zak-cli " << command << ": Saisonordner nicht gefunden: " << folder << "\n";
    return 1;
  }
  const std::string path = SeasonFilePath(folder, league);
  if (!std::filesystem::exists(path, ec)) return 0;
  const Outcome<int> read = ReadSeasonFile(path, data, league);
  if (read) return 0;
  std::cerr << read.message() << "\n";
  return 1;
}

// The league's copy in the user's settings store, as the program stored it after a download.
// Without one, or with a damaged one, the season that came with the program. Only reads: the
// store stays as it was, byte for byte.
int ReadStoredLeague(const std::string& command, int league, MatchData& data) {
  if (const Outcome<void> store = TakeStoreFailure(); !store) {
    std::cerr << "Warnung: " << store.message() << "\n";
  }
  const std::string stored = GetSettingValue(kSectionData, LeagueDataKey(league), "");
  if (!stored.empty() && DecodeStoredLeague(ScrambleSetting(stored), data, league)) return 0;
  data.ClearLeague(league);
  const std::string folder = BundledSeasonFolder();
  std::cerr << "zak-cli " << command << ": "
            << (stored.empty() ? "keine gespeicherten Daten der Liga " + std::to_string(league)
                               : "die gespeicherten Daten der Liga " + std::to_string(league) +
                                     " sind fehlerhaft")
            << ", daher aus der mitgelieferten Saison " << folder << "\n";
  return ReadSeasonLeague(command, folder, league, data);
}

}  // namespace

int ReadLeague(const std::string& command, const Arguments& args, int league, MatchData& data) {
  const auto season = args.values.find("--season");
  return season == args.values.end() ? ReadStoredLeague(command, league, data)
                                     : ReadSeasonLeague(command, season->second, league, data);
}

DatedLeague ReadDatedLeague(const std::string& command, const Arguments& args, int league) {
  DatedLeague read{0, LocalToday(), nullptr};
  std::optional<Date> replayed;
  if (const auto given = args.values.find("--date"); given != args.values.end()) {
    const Outcome<Date> date = ParseIsoDate(given->second);
    if (!date) {
      std::cerr << "zak-cli " << command
                << ": Option --date erwartet ein Datum JJJJ-MM-TT, nicht \"" << given->second
                << "\"\n";
      read.status = 2;
      return read;
    }
    replayed = *date;
    read.today = *date;
  }
  auto data = std::make_unique<MatchData>();
  read.status = ReadLeague(command, args, league, *data);
  if (read.status != 0) return read;
  if (replayed) WithholdResultsAfter(*data, *replayed);
  read.data = std::move(data);
  return read;
}

}  // namespace zak::cli
