#include "systemd_notify.h"

#include <systemd/sd-daemon.h>

#include <algorithm>

namespace zak::dataservice {

std::string StatusText(const LeagueSnapshot& leagues) {
  std::string text = "update counts of leagues 0 to " + std::to_string(kLeagueCount - 1) + ":";
  for (const LeagueAnswer& league : leagues) text += " " + std::to_string(league.count);
  const bool published = std::any_of(leagues.begin(), leagues.end(),
                                     [](const LeagueAnswer& l) { return l.published; });
  return published ? text + " (published)" : text;
}

void NotifyReady(const std::string& status) { sd_notify(0, ("READY=1\nSTATUS=" + status).c_str()); }

void NotifyStatus(const std::string& status) { sd_notify(0, ("STATUS=" + status).c_str()); }

void NotifyWatchdog() { sd_notify(0, "WATCHDOG=1"); }

std::chrono::microseconds WatchdogInterval() {
  std::uint64_t microseconds = 0;
  if (sd_watchdog_enabled(0, &microseconds) <= 0) return {};
  return std::chrono::microseconds(microseconds);
}

}  // namespace zak::dataservice
