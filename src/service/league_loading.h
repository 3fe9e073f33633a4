// Loading a league from the data service or from its stored copy, and keeping that copy.
#pragma once

#include <cstdint>

#include "core/outcome.h"
#include "data_service.h"

namespace zak {

// Where a league's data finally came from.
enum class LeagueSource { kNone, kService, kStore };

// With `preferDownload` the service is asked first and the stored copy is the fallback;
// otherwise the stored copy is read first and a download follows only when it is missing or
// damaged. Every fresh download is stored, with its update count in the same write; when the
// store cannot be written the user is told once per run. A success when the league has usable
// data: new data, or the service's "nothing new" (even when no stored copy exists); otherwise a
// failure after the messages that said why.
Outcome<void> LoadLeague(ServiceContext& context, TeamTable& table, StatusSink& statusBar,
                         int league, bool preferDownload, std::int32_t ui,
                         LeagueSource* source = nullptr);

// Writes the league's stored copy from the match data, scrambled; a failure when the store could
// not be written (see SaveSettingValue) or the league is none of the catalogue's.
Outcome<void> SaveLeagueData(const MatchData& data, int league);

// Tells the user, once per run, that the store cannot be written (after a failed save).
void TellStoreFailure(MessageSink& messages);
inline void TellStoreFailure(ServiceContext& context) { TellStoreFailure(context.messages); }

// Reads the stored copy into the match data and computes the program's table of the league.
// A failure without a message when there is no copy; a failure after the "Fehlerhafte Daten"
// message when the copy is damaged (records read before the damage stay).
Outcome<void> LoadLeagueData(ServiceContext& context, StatusSink& statusBar, int league);

}  // namespace zak
