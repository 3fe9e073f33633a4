// What the fuzz harnesses share: checks of the invariants every parser keeps, and the real
// season as reference data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/match_data.h"

namespace zak::fuzz {

// Reports a broken invariant and aborts, which libFuzzer records as a finding.
[[noreturn]] void Fail(std::string_view what);
inline void Require(bool holds, std::string_view what) {
  if (!holds) Fail(what);
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A harness about one league defines this; league_entry.cpp hands it every input of at least
// one byte: the league the first byte picks, the rest as `text`, and two match data that live
// across inputs (a MatchData is large), `data` with a marker outside the league (PlaceMarker).
void FuzzLeague(int league, std::string_view text, MatchData& data, MatchData& again);

// A played record has both goals in 0..32767; a record without a result has none played.
void RequireSoundRecords(const MatchData& data, int league);

// True when both hold the same records for `league`.
bool SameLeague(const MatchData& a, const MatchData& b, int league);

// A record in another league than `league`, so that a parser that writes outside its league is
// caught; check it with MarkerIntact.
void PlaceMarker(MatchData& data, int league);
bool MarkerIntact(const MatchData& data, int league);

// The bundled season's leagues 0..2, read once.
const MatchData& RealSeason();

}  // namespace zak::fuzz
