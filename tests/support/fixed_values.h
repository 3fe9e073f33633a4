// The fixed date, time and identity every test runs with, so that no result depends on the day
// the tests run.
#pragma once

#include <chrono>

#include "core/local_clock.h"
#include "core/match_data.h"
#include "core/program_data.h"

namespace zak::testing {

// 30 June 2015: after the season, every match day has been played.
inline Date TestToday() {
  using namespace std::chrono;
  return 2015y / June / 30;
}

// 23 May 2015, 17:00 local time (the Bundesliga's last match day): the moment the agent text
// of every request carries.
inline std::chrono::local_seconds TestNow() {
  using namespace std::chrono;
  return local_days{2015y / May / 23} + 17h;
}

// An installation's identity: adapter address, computer name, system code.
inline Identity TestIdentity() { return {"00-1A-2B-3C-4D-5E", "KABINE", 18}; }

}  // namespace zak::testing
