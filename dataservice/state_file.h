// The update counts of the leagues, kept in a small text file so that they survive restarts:
// one line per league with data, "<league index>\t<count>\t<fingerprint>", the fingerprint being
// that of the league data the count belongs to. Lines starting with "#" are comments.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "core/outcome.h"

namespace zak::dataservice {

struct LeagueState {
  std::int32_t count = 0;  // 0: the league has never had data
  std::uint64_t fingerprint = 0;
  bool operator==(const LeagueState&) const = default;
};
using ServiceState = std::array<LeagueState, kLeagueCount>;

std::string FormatState(const ServiceState& state);
// Fails when a line is malformed, a league appears twice or is out of range, or no league is
// listed.
Outcome<ServiceState> ParseState(std::string_view text);

// No file yet gives no counts (a fresh start).
Outcome<ServiceState> ReadStateFile(const std::string& path);

// Writes a sibling temporary file, flushes it to disk and renames it over `path`, so a reader
// sees either the old or the new counts. Creates the folder.
Outcome<void> WriteStateFile(const std::string& path, const ServiceState& state);

// The same for any text: a reader of `path` sees the whole old text or the whole new one, never
// a mixture, and the rename itself is flushed to the folder.
Outcome<void> WriteTextAtomically(const std::string& path, const std::string& text);

}  // namespace zak::dataservice
