#include "agent_text.h"

#include "maker.h"

namespace zak {

std::int32_t GetAgentTimestamp(std::chrono::local_seconds moment) {
  const std::int64_t seconds = moment.time_since_epoch().count() - 7200;
  // A 32-bit number, as the service has always read it; wraps like the original in 2038.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(seconds));
}

std::string BuildAgentText(std::int32_t timestamp, const Identity& identity) {
  return std::string(kBuildMarker) + std::to_string(timestamp) +
         std::to_string(identity.OsVersionCode) + identity.InstallationId + " " +
         identity.SystemInfoText;
}

}  // namespace zak
