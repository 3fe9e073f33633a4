#include "table_order.h"

#include <algorithm>

namespace zak {

std::vector<int> SlotsInTableOrder(const TeamTable& table, int league) {
  const auto& rows = table[league];
  std::vector<int> slots;
  for (int slot = 0; slot < kTeamSlots; ++slot) {
    if (!rows[slot].Name.empty()) slots.push_back(slot);
  }
  std::stable_sort(slots.begin(), slots.end(),
                   [&rows](int a, int b) { return rows[a].Rank < rows[b].Rank; });
  return slots;
}

std::array<Trend, kTeamSlots> TableTrends(const TeamTable& before, const TeamTable& now, int league,
                                          int day) {
  std::array<Trend, kTeamSlots> trends;
  trends.fill(Trend::kSame);
  if (day <= 1) return trends;
  for (int slot = 0; slot < kTeamSlots; ++slot) {
    const int rankBefore = before[league][slot].Rank;
    const int rankNow = now[league][slot].Rank;
    if (rankNow < rankBefore) trends[slot] = Trend::kBetter;
    if (rankNow > rankBefore) trends[slot] = Trend::kWorse;
  }
  return trends;
}

}  // namespace zak
