#include "team_statistics.h"

#include <algorithm>
#include <charconv>

#include "standings.h"

namespace zak {
namespace {

bool ValidLeague(int league) { return league >= 0 && league < kLeagueCount; }

bool ValidTeam(int league, int team) {
  return ValidLeague(league) && team >= 0 && team < GetTeamCount(league);
}

char DarkenDigit(char c) {
  if (c >= '0' && c <= '2') return '0';
  if (c >= '3' && c <= '9') return static_cast<char>(c - 3);
  if (c >= 'A' && c <= 'C') return static_cast<char>('7' + (c - 'A'));
  if (c >= 'D' && c <= 'F') return static_cast<char>('A' + (c - 'D'));
  return c;
}

}  // namespace

bool CalculatePositionHistory(PositionHistory& history, const MatchData& data, Date today,
                              const BetweenStores& betweenStores) {
  for (int league = 0; league < kLeagueCount; ++league) {
    for (int day = 1; day <= kDaySlots; ++day) {
      const TeamTable table =
          CalculateTableAfterDay(data, static_cast<std::int16_t>(day), league, today);
      for (int slot = 0; slot < kTeamSlots; ++slot) {
        if (betweenStores && !betweenStores()) return false;
        history(league, slot, day - 1) = table[league][slot].Rank;
      }
    }
  }
  return true;
}

std::vector<ReachableColumn> ReachableBand(const TeamTable& standings,
                                           const RankColourTable& colours, int league, int team,
                                           int currentDay) {
  std::vector<ReachableColumn> band;
  if (!ValidTeam(league, team)) return band;
  const int n = GetTeamCount(league);
  const auto& rows = standings[league];
  const int own = rows[team].Points;
  for (int col = std::max(currentDay, 0); col < GetDayCount(league); ++col) {
    const int gain = 3 * (col - currentDay) + 3;
    int notAhead = 0;
    int behind = 0;
    for (int x = 0; x < n; ++x) {
      if (x == team) continue;
      if (own + gain >= rows[x].Points) ++notAhead;
      if (rows[x].Points + gain < own) ++behind;
    }
    ReachableColumn column;
    column.column = static_cast<std::int16_t>(col);
    column.first = static_cast<std::int16_t>(n - 1 - notAhead);
    column.last = static_cast<std::int16_t>(n - 1 - behind);
    for (int p = column.first; p <= column.last; ++p) {
      column.colours.push_back(ColourTextToValue(DarkenColourText(colours(league, p + 1))));
    }
    band.push_back(std::move(column));
  }
  return band;
}

std::string DarkenColourText(std::string_view text) {
  std::string dark(text);
  // The high digits of blue, green and red: the third, fifth and seventh character.
  for (std::size_t i : {2u, 4u, 6u}) {
    if (i < dark.size()) dark[i] = DarkenDigit(dark[i]);
  }
  return dark;
}

PositionChart BuildPositionChart(const PositionHistory& history, const MatchData& data,
                                 const RankColourTable& colours, int league, int team, Date today) {
  PositionChart chart;
  if (!ValidLeague(league)) return chart;
  chart.teamCount = GetTeamCount(league);
  chart.dayCount = GetDayCount(league);
  chart.lastStartedDay = GetLastStartedDay(data, league, today);
  for (int p = 1; p <= chart.teamCount; ++p) {
    chart.rankColours.push_back(ColourTextToValue(colours(league, p)));
  }
  if (!ValidTeam(league, team)) return chart;
  const std::int16_t current = GetCurrentDay(data, league, true, today);
  for (int d = 0; d < current && d < chart.dayCount; ++d) {
    chart.line.push_back(history(league, team, d));
  }
  const TeamTable standings = CalculateTableAfterDay(data, current, league, today);
  chart.band = ReachableBand(standings, colours, league, team, current);
  return chart;
}

int FavouriteTeamIndex(std::string_view stored, int clubCount) {
  int index = 0;
  const auto [end, ec] = std::from_chars(stored.data(), stored.data() + stored.size(), index);
  if (ec != std::errc() || end != stored.data() + stored.size()) return 0;
  if (index == -1) return -1;
  return (index >= 0 && index < clubCount) ? index : 0;
}

}  // namespace zak
