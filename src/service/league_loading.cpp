#include "league_loading.h"

#include "core/scrambling.h"
#include "core/standings.h"
#include "core/stored_league_text.h"
#include "settings/settings_store.h"

namespace zak {
namespace {

constexpr std::string_view kDamagedTitle = "Fehlerhafte Daten";
constexpr std::string_view kDamagedText =
    "Gespeicherte Daten sind fehlerhaft. Daten werden erneut aus dem Internet geladen.";

void Note(LeagueSource* source, LeagueSource value) {
  if (source != nullptr) *source = value;
}

// The downloaded league and its update count in one write of the store: a kill or a full disk
// leaves both old or both new, never a new count with old data.
void StoreDownload(ServiceContext& context, int league) {
  const SettingValue values[] = {
      {kSectionData, LeagueDataKey(league),
       ScrambleSetting(EncodeStoredLeague(context.data.matchData, league))},
      {kSectionData, UpdateCountKey(league),
       std::to_string(context.data.serverUpdateCount[league])}};
  if (!SaveSettingValues(values)) TellStoreFailure(context);
}

// The end of a load that got nothing usable, after the messages that said why.
Outcome<void> NoUsableData(std::int16_t request, int league) {
  if (request == kRequestNothingNew) return {};
  return Fail("Für die Liga " + std::to_string(league) + " gibt es keine Daten.");
}

Failure NoSuchLeague(int league) {
  return Fail("Keine Liga mit dem Index " + std::to_string(league) + ".");
}

}  // namespace

Outcome<void> LoadLeague(ServiceContext& context, TeamTable& table, StatusSink& statusBar,
                         int league, bool preferDownload, std::int32_t ui, LeagueSource* source) {
  Note(source, LeagueSource::kNone);
  if (preferDownload) {
    const std::int16_t r = RequestLeagueData(context, table, statusBar, league, ui);
    if (r == kRequestNewData) {
      StoreDownload(context, league);
      Note(source, LeagueSource::kService);
      return {};
    }
    if (LoadLeagueData(context, statusBar, league)) Note(source, LeagueSource::kStore);
    return NoUsableData(r, league);
  }
  if (LoadLeagueData(context, statusBar, league)) {
    Note(source, LeagueSource::kStore);
    return {};
  }
  const std::int16_t r = RequestLeagueData(context, table, statusBar, league, ui);
  if (r == kRequestNewData) {
    StoreDownload(context, league);
    Note(source, LeagueSource::kService);
    return {};
  }
  return NoUsableData(r, league);
}

Outcome<void> SaveLeagueData(const MatchData& data, int league) {
  if (league < 0 || league >= kLeagueCount) return NoSuchLeague(league);
  return SaveSettingValue(kSectionData, LeagueDataKey(league),
                          ScrambleSetting(EncodeStoredLeague(data, league)));
}

void TellStoreFailure(MessageSink& messages) {
  if (const Outcome<void> store = TakeStoreFailure(); !store) {
    messages.ShowMessage(MessageKind::kWarning, store.message(), "");
  }
}

Outcome<void> LoadLeagueData(ServiceContext& context, StatusSink& statusBar, int league) {
  if (league < 0 || league >= kLeagueCount) return NoSuchLeague(league);
  statusBar.SetText("Daten laden...");
  const std::string stored = GetSettingValue(kSectionData, LeagueDataKey(league), "");
  if (stored.empty()) {
    return Fail("Keine gespeicherten Daten der Liga " + std::to_string(league) + ".");
  }
  ProgramData& data = context.data;
  if (!DecodeStoredLeague(ScrambleSetting(stored), data.matchData, league)) {
    context.messages.ShowMessage(MessageKind::kInformation, std::string(kDamagedText),
                                 std::string(kDamagedTitle));
    context.gateway.ProcessEvents();
    return Fail(std::string(kDamagedText));
  }
  std::int16_t upToDay = -1;
  CalculateTable(data.teamTable, data.matchData, league, upToDay, context.today());
  return {};
}

}  // namespace zak
