// The entry of the harnesses about one league: the first byte of an input picks the league.
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  static zak::MatchData* const data = new zak::MatchData;
  static zak::MatchData* const again = new zak::MatchData;
  const int league = bytes[0] % zak::kLeagueCount;
  zak::fuzz::PlaceMarker(*data, league);
  zak::fuzz::FuzzLeague(league, zak::fuzz::Text(bytes + 1, size - 1), *data, *again);
  return 0;
}
