// zak-cli download: every league loaded as the program's start-up loads it, with automatic
// download on: each league from the data service first, then every league from the store.
// Exit 1 when a league has no data, or when a download could not be stored: a script learns
// that the next run will not find it.
#include <iostream>

#include "arguments.h"
#include "commands.h"
#include "platform_session.h"
#include "service/league_loading.h"
#include "settings/settings_store.h"

namespace zak::cli {
namespace {

int PlayedMatches(const MatchData& data, int league) {
  int played = 0;
  for (int day = 0; day < kDaySlots; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) played += data(slot, league, day).Played;
  }
  return played;
}

}  // namespace

int DownloadCommand(const std::vector<std::string>& words) {
  if (const auto args = ParseArguments(words, {}, {}); !args) {
    std::cerr << "zak-cli download: " << args.message() << "\n";
    return 2;
  }
  PlatformSession session;
  if (!session.held()) {
    std::cerr << "zak-cli download: " << session.held().message() << " Es wird nichts geladen.\n";
    return 1;
  }
  ProgramData& data = session.data();
  ServiceContext& context = session.context();

  // Downloads first; the first league that fails ends them, as at start-up.
  std::array<bool, kLeagueCount> downloaded{};
  if (data.options.AutoDownload && context.gateway.IsInternetConnected()) {
    for (int league = 0; league < kLeagueCount; ++league) {
      LeagueSource source = LeagueSource::kNone;
      const Outcome<void> loaded = LoadLeague(context, data.teamTable, session.statusBar(), league,
                                              true, data.serverUpdateCount[league], &source);
      downloaded[league] = source == LeagueSource::kService;
      if (!loaded) break;
    }
  }

  bool allUsable = true;
  for (int league = 0; league < kLeagueCount; ++league) {
    LeagueSource source = LeagueSource::kNone;
    const Outcome<void> loaded =
        LoadLeague(context, data.teamTable, session.statusBar(), league, false, 0, &source);
    allUsable = allUsable && loaded;
    const char* from = source == LeagueSource::kNone                            ? "keine Daten"
                       : downloaded[league] || source == LeagueSource::kService ? "Datendienst"
                                                                                : "gespeichert";
    std::cout << league << '\t' << GetLeagueName(league, false) << '\t' << from << '\t'
              << PlayedMatches(data.matchData, league) << '\n';
  }
  return allUsable && !StoreWriteFailed() ? 0 : 1;
}

}  // namespace zak::cli
