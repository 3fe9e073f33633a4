// The clock, read only by the executables: everything below them takes dates as arguments.
#pragma once

#include <chrono>
#include <ctime>

#include "match_data.h"

namespace zak {

inline Date LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date{std::chrono::year(local.tm_year + 1900),
              std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
              std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

// The local wall-clock time now, to the second.
inline std::chrono::local_seconds LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  using namespace std::chrono;
  const local_days day{year(local.tm_year + 1900) / month(static_cast<unsigned>(local.tm_mon + 1)) /
                       std::chrono::day(static_cast<unsigned>(local.tm_mday))};
  return day + hours(local.tm_hour) + minutes(local.tm_min) + seconds(local.tm_sec);
}

}  // namespace zak
