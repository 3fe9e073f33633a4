// Team statistics: where every club stood after every match day, and which places a club can
// still reach on the match days to come.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "match_data.h"

namespace zak {

// Table position (1 = top) of every club slot after every match day, indexed by league,
// slot 0..20 and match-day index 0..37. Slot 20 and the slots and days a league does not have
// hold whatever the standings computation gave for them; nothing reads them.
class PositionHistory {
 public:
  static constexpr int kSlots = kTeamSlots + 1;

  std::int16_t& operator()(int league, int slot, int day) {
    return cells_[Index(league, slot, day)];
  }
  std::int16_t operator()(int league, int slot, int day) const {
    return cells_[Index(league, slot, day)];
  }

 private:
  static std::size_t Index(int league, int slot, int day) {
    return static_cast<std::size_t>(day) +
           kDaySlots * (static_cast<std::size_t>(slot) + kSlots * static_cast<std::size_t>(league));
  }
  std::array<std::int16_t, kLeagueCount * kSlots * kDaySlots> cells_{};
};

// Called before each of the 8 × 38 × 20 stores, so the window can process pending events while
// the history is computed. Returning false stops the computation (the window went away).
using BetweenStores = std::function<bool()>;

// Fills the history of all leagues from the standings after each match day 1..38. Returns
// false when `betweenStores` stopped it; the history is then only partly filled.
bool CalculatePositionHistory(PositionHistory& history, const MatchData& data, Date today,
                              const BetweenStores& betweenStores);

// The places still within reach on one future match day: positions first..last (0-based, best
// first) and the darkened rank colour (0x00BBGGRR) of each of them.
struct ReachableColumn {
  std::int16_t column = 0;  // match-day index: column c stands for match day c + 1
  std::int16_t first = 0;
  std::int16_t last = 0;
  std::vector<std::uint32_t> colours;  // colours[i] fills position first + i

  bool operator==(const ReachableColumn&) const = default;
};

// The band of a club for every match day after `currentDay` (a match-day number), from the
// points of `standings` (the table after the current day). Each match day can bring any club 3
// points; a tie in points counts as reachable both ways. Empty for a club or league that does
// not exist and when the current day is the league's last.
std::vector<ReachableColumn> ReachableBand(const TeamTable& standings,
                                           const RankColourTable& colours, int league, int team,
                                           int currentDay);

// A colour text "&HBBGGRR" a shade darker: the high digit of blue, green and red each loses 3,
// not going below 0; low digits and anything that is not an upper-case hex digit stay.
std::string DarkenColourText(std::string_view text);

// Everything the position chart draws for one club, in the chart's own terms.
struct PositionChart {
  int teamCount = 0;
  int dayCount = 0;
  int lastStartedDay = 0;                  // where the red marker stands
  std::vector<std::uint32_t> rankColours;  // background of positions 1..teamCount
  std::vector<std::int16_t> line;          // position (1-based) after match day 1, 2, ...
  std::vector<ReachableColumn> band;
};

// The chart of `team` of `league` (no club: team -1; then only the frame). The line runs up to
// the current match day counting played results, the band covers the match days after it.
PositionChart BuildPositionChart(const PositionHistory& history, const MatchData& data,
                                 const RankColourTable& colours, int league, int team, Date today);

// The club to show from the stored favourite of a league (the list index as text): -1 stands
// for no club; a text that is not a number, or an index outside the `clubCount` clubs, gives the
// first club.
int FavouriteTeamIndex(std::string_view stored, int clubCount);

}  // namespace zak
