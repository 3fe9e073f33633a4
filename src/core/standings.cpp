#include "standings.h"

#include <algorithm>
#include <utility>

#include "windows1252.h"

namespace zak {
namespace {

bool ValidLeague(int league) { return league >= 0 && league < kLeagueCount; }

void CountMatch(TeamRow& row, std::int16_t own, std::int16_t other) {
  row.GoalsFor += own;
  row.GoalsAgainst += other;
  if (own > other) {
    ++row.Won;
    row.Points += 3;
  } else if (own == other) {
    ++row.Drawn;
    ++row.Points;
  } else {
    ++row.Lost;
  }
}

void ResetCounters(TeamRow& row) {
  row.Won = row.Lost = row.Drawn = row.GoalDiff = row.GoalsFor = row.GoalsAgainst = 0;
  row.Points = row.Rank = row.Games = 0;
}

// A team plays at most once per match day: only its first played record of a day, in slot
// order, counts.
void CountResults(TeamRow& row, const MatchData& data, int league, int days) {
  for (int day = 0; day < days; ++day) {
    for (int slot = 0; slot < kMatchSlots; ++slot) {
      const MatchRecord& r = data(slot, league, day);
      if (!r.Played) continue;
      if (NamesEqual(r.Home, row.Name, 0)) {
        CountMatch(row, r.HomeGoals, r.AwayGoals);
        break;
      }
      if (NamesEqual(r.Away, row.Name, 0)) {
        CountMatch(row, r.AwayGoals, r.HomeGoals);
        break;
      }
    }
  }
}

void ApplyCorrections(TeamRow& row) {
  row.Points -= row.PointsDeduction;
  row.GoalsFor -= row.GoalsForCorrection;
  row.GoalsAgainst -= row.GoalsAgainstCorrection;
  row.Won -= row.WonCorrection;
  row.Lost -= row.LostCorrection;
  row.Drawn -= row.DrawnCorrection;
}

char32_t FoldCase(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  return c;
}

// The ranking key: points, then goal difference, goals scored and games played, each as an
// unsigned 16-bit field, so that one comparison of keys equals the four column comparisons.
std::uint64_t RankKey(const TeamRow& row) {
  const auto field = [](std::int16_t v) {
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v) ^ 0x8000u);
  };
  return field(row.Points) << 48 | field(row.GoalDiff) << 32 | field(row.GoalsFor) << 16 |
         field(row.Games);
}

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b, int compareMode) {
  if (compareMode == 0) return a == b;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    bool validA = false;
    bool validB = false;
    const char32_t ca = NextCodePoint(a, i, validA);
    const char32_t cb = NextCodePoint(b, j, validB);
    if (FoldCase(ca) != FoldCase(cb)) return false;
  }
  return i == a.size() && j == b.size();
}

void SwapRanks(std::int16_t& a, std::int16_t& b) { std::swap(a, b); }

void CalculateTable(TeamTable& table, const MatchData& data, int league, std::int16_t& upToDay,
                    Date today) {
  if (!ValidLeague(league)) return;
  if (upToDay == -1) upToDay = GetCurrentDay(data, league, false, today);
  const int days = std::clamp<int>(upToDay, 0, kDaySlots);
  FillTeamCatalogue(table, league);
  for (TeamRow& row : table[league]) {
    ResetCounters(row);
    CountResults(row, data, league, days);
    if (row.Name.empty()) row.Points = -99;
    ApplyCorrections(row);
    row.GoalDiff = static_cast<std::int16_t>(row.GoalsFor - row.GoalsAgainst);
    row.Games = static_cast<std::int16_t>(row.Drawn + row.Lost + row.Won);
  }
  RankTable(table, league);
}

TeamTable CalculateTableAfterDay(const MatchData& data, std::int16_t day, int league, Date today) {
  TeamTable table{};
  CalculateTable(table, data, league, day, today);
  return table;
}

// Why this equals the stepwise sequence: for one pair of rows, the four column tests leave the
// row with the larger value above the other whenever the values differ, and each later test
// overrides the earlier ones. So the pair ends ordered by the last differing column of
// (games, goals for, goal difference, points), which is one comparison of RankKey; equal keys
// leave the pair as it stands. A pass is a fixed function of the positions, so once a pass
// moves nothing, none of the remaining passes would either.
void RankTable(TeamTable& table, int league) {
  if (!ValidLeague(league)) return;
  auto& rows = table[league];
  std::array<std::uint64_t, kTeamSlots> key{};
  std::array<std::int16_t, kTeamSlots> rank{};
  for (int t = 0; t < kTeamSlots; ++t) {
    key[t] = RankKey(rows[t]);
    rank[t] = static_cast<std::int16_t>(t + 1);
  }
  for (int pass = 0; pass < kTeamSlots; ++pass) {
    bool moved = false;
    for (int i = 0; i < kTeamSlots; ++i) {
      for (int j = 0; j < kTeamSlots; ++j) {
        if (j == i || key[j] == key[i]) continue;
        if ((key[j] > key[i]) != (rank[j] < rank[i])) {
          SwapRanks(rank[j], rank[i]);
          moved = true;
        }
      }
    }
    if (!moved) break;
  }
  for (int t = 0; t < kTeamSlots; ++t) rows[t].Rank = rank[t];
}

void RankTableStepwise(TeamTable& table, int league) {
  if (!ValidLeague(league)) return;
  auto& rows = table[league];
  for (int t = 0; t < kTeamSlots; ++t) rows[t].Rank = static_cast<std::int16_t>(t + 1);
  // Exchanges the two positions when the row with the smaller value stands above the other.
  const auto test = [](TeamRow& a, TeamRow& b, std::int16_t TeamRow::*column) {
    if ((a.*column < b.*column && a.Rank < b.Rank) || (b.*column < a.*column && b.Rank < a.Rank)) {
      SwapRanks(a.Rank, b.Rank);
    }
  };
  for (int pass = 0; pass < kTeamSlots; ++pass) {
    for (int i = 0; i < kTeamSlots; ++i) {
      for (int j = 0; j < kTeamSlots; ++j) {
        if (j == i) continue;
        TeamRow& a = rows[j];
        TeamRow& b = rows[i];
        test(a, b, &TeamRow::Games);
        test(a, b, &TeamRow::GoalsFor);
        test(a, b, &TeamRow::GoalDiff);
        test(a, b, &TeamRow::Points);
      }
    }
  }
}

}  // namespace zak
