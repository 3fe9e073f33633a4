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

}  // namespace

bool LoadLeague(ServiceContext& context, TeamTable& table, StatusSink& statusBar, int league,
                bool preferDownload, std::int32_t ui, LeagueSource* source) {
  Note(source, LeagueSource::kNone);
  if (preferDownload) {
    const std::int16_t r = RequestLeagueData(context, table, statusBar, league, ui);
    if (r == kRequestNewData) {
      StoreDownload(context, league);
      Note(source, LeagueSource::kService);
      return true;
    }
    if (LoadLeagueData(context, statusBar, league)) Note(source, LeagueSource::kStore);
    return r == kRequestNothingNew;
  }
  if (LoadLeagueData(context, statusBar, league)) {
    Note(source, LeagueSource::kStore);
    return true;
  }
  const std::int16_t r = RequestLeagueData(context, table, statusBar, league, ui);
  if (r == kRequestNewData) {
    StoreDownload(context, league);
    Note(source, LeagueSource::kService);
    return true;
  }
  return r == kRequestNothingNew;
}

bool SaveLeagueData(const MatchData& data, int league) {
  if (league < 0 || league >= kLeagueCount) return false;
  return SaveSettingValue(kSectionData, LeagueDataKey(league),
                          ScrambleSetting(EncodeStoredLeague(data, league)));
}

void TellStoreFailure(ServiceContext& context) {
  if (const auto notice = TakeStoreFailureNotice()) {
    context.messages.ShowMessage(MessageKind::kWarning, *notice, "");
  }
}

bool LoadLeagueData(ServiceContext& context, StatusSink& statusBar, int league) {
  if (league < 0 || league >= kLeagueCount) return false;
  statusBar.SetText("Daten laden...");
  const std::string stored = GetSettingValue(kSectionData, LeagueDataKey(league), "");
  if (stored.empty()) return false;
  ProgramData& data = context.data;
  if (!DecodeStoredLeague(ScrambleSetting(stored), data.matchData, league).ok) {
    context.messages.ShowMessage(MessageKind::kInformation, std::string(kDamagedText),
                                 std::string(kDamagedTitle));
    context.gateway.ProcessEvents();
    return false;
  }
  std::int16_t upToDay = -1;
  CalculateTable(data.teamTable, data.matchData, league, upToDay, context.today());
  return true;
}

}  // namespace zak
