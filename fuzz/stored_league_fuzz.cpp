// The stored copy of a league, as the settings store keeps it (already unscrambled). First
// byte: the league; the rest: the stored text.
#include "core/stored_league_text.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;

void zak::fuzz::FuzzLeague(int league, std::string_view text, MatchData& data, MatchData& again) {
  data.ClearLeague(league);
  const Outcome<void> read = DecodeStoredLeague(text, data, league);
  Require(read || read.message().starts_with("Datensatz "), "a damaged copy names its record");
  Require(MarkerIntact(data, league), "reading stays inside its league");
  RequireSoundRecords(data, league);
  if (read) {
    // A copy that reads whole is stored again unchanged.
    again.ClearLeague(league);
    Require(DecodeStoredLeague(EncodeStoredLeague(data, league), again, league).ok(),
            "a stored copy reads back");
    Require(SameLeague(data, again, league), "a stored copy reads back unchanged");
  }
}
