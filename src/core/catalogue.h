// The fixed catalogue of the 2014/15 season: the eight leagues, their clubs, the colour band of
// every table position and the point corrections the association announced against four clubs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zak {

using LeagueIndex = std::int16_t;

// Fixed maxima that size every table of the program.
inline constexpr int kLeagueCount = 8;
inline constexpr int kTeamSlots = 20;
inline constexpr int kMatchSlots = 10;
inline constexpr int kDaySlots = 38;

// One club row of a league table. The catalogue fills name, id, corrections and news link;
// the standings computation fills the counters. Rows never move: `Rank` is the position.
struct TeamRow {
  std::string Name;
  std::int32_t Id = 0;
  std::int16_t Won = 0;
  std::int16_t Lost = 0;
  std::int16_t Drawn = 0;
  std::int16_t GoalDiff = 0;
  std::int16_t GoalsFor = 0;
  std::int16_t GoalsAgainst = 0;
  std::int16_t Points = 0;
  std::int16_t Rank = 0;
  std::int16_t Games = 0;
  std::int16_t WonCorrection = 0;
  std::int16_t LostCorrection = 0;
  std::int16_t DrawnCorrection = 0;
  std::int16_t GoalsForCorrection = 0;
  std::int16_t GoalsAgainstCorrection = 0;
  std::int16_t PointsDeduction = 0;
  std::string NewsUrl;

  bool operator==(const TeamRow&) const = default;
};

// Rows of all leagues, indexed [league][slot].
using TeamTable = std::array<std::array<TeamRow, kTeamSlots>, kLeagueCount>;

std::string GetLeagueName(int league, bool longName);
std::int16_t GetTeamCount(int league);
std::int16_t GetMatchCount(int league);
std::int16_t GetDayCount(int league);
// Inclusive upper bounds of the loops over teams, matches of a day and match days.
inline std::int16_t GetLastTeamIndex(int league) { return GetTeamCount(league) - 1; }
inline std::int16_t GetLastMatchIndex(int league) { return GetMatchCount(league) - 1; }
inline std::int16_t GetLastDayIndex(int league) { return GetDayCount(league) - 1; }

// The league's club names and ids as comma-separated texts of exactly 20 entries each; free
// slots are empty names and id "0".
std::string_view GetTeamList(int league);
std::string_view GetTeamIdList(int league);

// Writes Name and Id of the league's 20 slots, then the corrections and news links of the four
// corrected clubs whatever the league. Touches no other field.
void FillTeamCatalogue(TeamTable& table, int league);

// Background colours of the table positions as colour texts "&HBBGGRR", indexed by league and
// position 1..20.
class RankColourTable {
 public:
  std::string& operator()(int league, int position) { return cells_[league][position - 1]; }
  const std::string& operator()(int league, int position) const {
    return cells_[league][position - 1];
  }

 private:
  std::array<std::array<std::string, kTeamSlots>, kLeagueCount> cells_;
};

void InitRankColours(RankColourTable& colours);

// "&HBBGGRR" → 0x00BBGGRR (red in the low byte); 0 for a text of another form.
std::uint32_t ColourTextToValue(std::string_view text);

}  // namespace zak
