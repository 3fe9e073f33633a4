// Reading a computed table: which club stands where, and how each club moved since the day
// before. Tables, printouts and HTML fragments all read a table this way.
#pragma once

#include <array>
#include <vector>

#include "catalogue.h"

namespace zak {

// The slots (0..19) of the league's clubs in table order: element 0 is the slot ranked first.
// Free slots (no club) are left out, so the vector holds as many slots as the league has clubs.
std::vector<int> SlotsInTableOrder(const TeamTable& table, int league);

// A club's move between the table after the day before and the table after the day shown.
// The values are the indices of the three trend pictures.
enum class Trend { kBetter = 0, kSame = 1, kWorse = 2 };

// The trend of the club in every slot from `before` to `now`. On match day 1 (and before it)
// there is no earlier table: every club is kSame.
std::array<Trend, kTeamSlots> TableTrends(const TeamTable& before, const TeamTable& now, int league,
                                          int day);

}  // namespace zak
