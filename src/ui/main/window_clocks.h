// The clocks the main window reads: today's date (the current match day depends on it) and the
// local time (the agent text of every request carries it). A test sets both.
#pragma once

#include <functional>

#include "core/match_data.h"
#include "service/http_gateway.h"

namespace zak::ui {

struct WindowClocks {
  std::function<Date()> today;
  LocalClock now;
  // True when today's date was given instead of read (zak --date): the season is replayed.
  bool replay = false;
};

}  // namespace zak::ui
