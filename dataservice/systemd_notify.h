// What the service tells systemd (Type=notify): that it is ready once it listens, which update
// counts it serves, and that its serving loops still turn. Not started by systemd (no
// NOTIFY_SOCKET), every call does nothing.
#pragma once

#include <chrono>
#include <string>

#include "league_answer.h"

namespace zak::dataservice {

// "update counts of leagues 0 to 7: 3 1 1 1 0 1 1 1", 0 for a league without data, and
// " (published)" when the counts come from the season folder's manifest.
std::string StatusText(const LeagueSnapshot& leagues);

void NotifyReady(const std::string& status);
void NotifyStatus(const std::string& status);
void NotifyWatchdog();

// How often systemd expects to hear from the watchdog (WatchdogSec=); zero without one.
std::chrono::microseconds WatchdogInterval();

}  // namespace zak::dataservice
