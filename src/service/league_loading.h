// Loading a league from the data service or from its stored copy, and keeping that copy.
#pragma once

#include <cstdint>

#include "data_service.h"

namespace zak {

// Where a league's data finally came from.
enum class LeagueSource { kNone, kService, kStore };

// With `preferDownload` the service is asked first and the stored copy is the fallback;
// otherwise the stored copy is read first and a download follows only when it is missing or
// damaged. Every fresh download is stored, with its update count in the same write; when the
// store cannot be written the user is told once per run. True when the league has usable data: new
// data, or the service's "nothing new" (even when no stored copy exists).
bool LoadLeague(ServiceContext& context, TeamTable& table, StatusSink& statusBar, int league,
                bool preferDownload, std::int32_t ui, LeagueSource* source = nullptr);

// Writes the league's stored copy from the match data, scrambled; false when the store could
// not be written.
bool SaveLeagueData(const MatchData& data, int league);

// Tells the user, once per run, that the store cannot be written (after a failed save).
void TellStoreFailure(ServiceContext& context);

// Reads the stored copy into the match data and computes the program's table of the league.
// False without a message when there is no copy; false after the "Fehlerhafte Daten" message
// when the copy is damaged (records read before the damage stay).
bool LoadLeagueData(ServiceContext& context, StatusSink& statusBar, int league);

}  // namespace zak
