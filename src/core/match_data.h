// The fixtures, kick-off times and results of all eight leagues, and the two rules that derive
// a match day from the kick-off dates and today's date.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace zak {

// One fixture. Goals are -1 while no result is known; only played records count in a table.
struct MatchRecord {
  std::string Home;
  std::string Away;
  std::int16_t HomeGoals = -1;
  std::int16_t AwayGoals = -1;
  bool Played = false;
  // "dd.mm.yy hh:mm", or empty when not delivered.
  std::string KickOff;

  bool operator==(const MatchRecord&) const = default;
};

// All records, addressed by (match slot 0..9, league 0..7, match-day index 0..37); index d is
// match day d + 1. Slots of a day keep the order in which the data came.
class MatchData {
 public:
  MatchData() : records_(kMatchSlots * kLeagueCount * kDaySlots) {}

  MatchRecord& operator()(int slot, int league, int day) {
    return records_[Index(slot, league, day)];
  }
  const MatchRecord& operator()(int slot, int league, int day) const {
    return records_[Index(slot, league, day)];
  }

  // Clears every record of the league: all 38 days, all 10 slots.
  void ClearLeague(int league);

  bool operator==(const MatchData&) const = default;

 private:
  static std::size_t Index(int slot, int league, int day) {
    return static_cast<std::size_t>(slot) +
           kMatchSlots *
               (static_cast<std::size_t>(league) + kLeagueCount * static_cast<std::size_t>(day));
  }
  std::vector<MatchRecord> records_;
};

using Date = std::chrono::year_month_day;

// The calendar date of a kick-off text (its first eight characters "dd.mm.yy", year 2000 + yy);
// nothing when they do not read as a valid date.
std::optional<Date> KickOffDate(std::string_view kickOff);

// The match day (1..GetDayCount) of the match dated nearest to today; the earlier day wins a
// tie, a match today ends the search. With countPlayed every played record also moves the
// result to its day.
std::int16_t GetCurrentDay(const MatchData& data, int league, bool countPlayed, Date today);

// The highest match day with a match dated before today; 0 when there is none.
std::int16_t GetLastStartedDay(const MatchData& data, int league, Date today);

}  // namespace zak
