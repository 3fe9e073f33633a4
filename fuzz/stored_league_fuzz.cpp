// The stored copy of a league, as the settings store keeps it (already unscrambled). First
// byte: the league; the rest: the stored text.
#include "core/stored_league_text.h"
#include "support.h"

using namespace zak;
using namespace zak::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const auto input = LeagueInputOf(bytes, size);
  if (!input) return 0;
  const int league = input->league;
  const auto [data, again] = ScratchMatchData();
  data.ClearLeague(league);
  PlaceMarker(data, league);
  const StoredLeagueRead read = DecodeStoredLeague(input->text, data, league);
  Require(read.records >= 0 && read.records <= kStoredRecordCount, "at most 380 records");
  Require(read.ok == (read.records == kStoredRecordCount), "ok exactly when all were read");
  Require(MarkerIntact(data, league), "reading stays inside its league");
  RequireSoundRecords(data, league);
  if (read.ok) {
    // A copy that reads whole is stored again unchanged.
    again.ClearLeague(league);
    Require(DecodeStoredLeague(EncodeStoredLeague(data, league), again, league).ok,
            "a stored copy reads back");
    Require(SameLeague(data, again, league), "a stored copy reads back unchanged");
  }
  return 0;
}
