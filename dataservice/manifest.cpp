#include "manifest.h"

#include <limits>

namespace zak::dataservice {

std::string ManifestPath(std::string_view seasonDir) {
  std::string path(seasonDir);
  if (!path.empty() && !path.ends_with('/')) path += '/';
  return path.append(kManifestName);
}

std::string FormatManifest(const ServiceState& manifest) {
  return "# ZAK 14/15 season manifest, written by zak-dataservice publish\n" +
         FormatState(manifest);
}

Outcome<ServiceState> NextManifest(const ServiceState& previous, const DataFingerprints& now) {
  ServiceState next = previous;
  for (int league = 0; league < kLeagueCount; ++league) {
    LeagueState& entry = next[league];
    if (!now[league] || (entry.count != 0 && entry.fingerprint == *now[league])) continue;
    if (entry.count == std::numeric_limits<std::int32_t>::max()) {
      return Fail("an update count has reached its highest value");
    }
    ++entry.count;
    entry.fingerprint = *now[league];
  }
  return next;
}

bool MayFollow(const LeagueState& served, const LeagueState& published) {
  if (published.count == 0) return false;
  return published.count > served.count ||
         (published.count == served.count && published.fingerprint == served.fingerprint);
}

}  // namespace zak::dataservice
