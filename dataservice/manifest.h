// The manifest of a published season folder: "manifest.tsv" beside the league files, with each
// league's update count and the fingerprint of the league data that count belongs to, in the
// layout of the state file. Every instance serving a copy of the folder takes its counts from
// it, so all of them give the same count to the same data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state_file.h"

namespace zak::dataservice {

inline constexpr std::string_view kManifestName = "manifest.tsv";

// "<folder>/manifest.tsv".
std::string ManifestPath(std::string_view seasonDir);

std::string FormatManifest(const ServiceState& manifest);

// The fingerprints of the leagues' data as they are now; nothing for a league without a file.
using DataFingerprints = std::array<std::optional<std::uint64_t>, kLeagueCount>;

// The manifest after publishing: a league whose data differ from `previous` (or that is new)
// gets the next count, an unchanged league keeps its line, and a league without a file keeps its
// line too, so its count goes on from there when the file comes back. Fails when a changed
// league's count is already the highest 32-bit number: no further count can be given.
Outcome<ServiceState> NextManifest(const ServiceState& previous, const DataFingerprints& now);

// Whether an instance that has served `served` may serve `published`: the same data under the
// same count, or a higher count. A lower count, or the same count for other data, would let a
// client take old data for new.
bool MayFollow(const LeagueState& served, const LeagueState& published);

}  // namespace zak::dataservice
