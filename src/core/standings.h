// League tables computed from the match data: counters, corrections and positions.
#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue.h"
#include "match_data.h"

namespace zak {

// Computes the league's 20 rows from the results of match days 1..upToDay. upToDay -1 means the
// current day (GetCurrentDay without played results), which is written back to the caller.
// Other values are bounded to 0..38, the days the match data holds.
void CalculateTable(TeamTable& table, const MatchData& data, int league, std::int16_t& upToDay,
                    Date today);

// A fresh table computed up to the given day.
TeamTable CalculateTableAfterDay(const MatchData& data, std::int16_t day, int league, Date today);

// Assigns Rank 1..20 to the league's rows: more points first, then goal difference, goals
// scored and games played. Rows equal in all four end where the original pairwise exchange
// sequence leaves them, which this reproduces exactly.
void RankTable(TeamTable& table, int league);

// The exchange sequence as the system defines it, step by step: 20 passes over every ordered
// pair of rows with one test per column. RankTable gives the same ranks, faster.
void RankTableStepwise(TeamTable& table, int league);

void SwapRanks(std::int16_t& a, std::int16_t& b);

// Mode 0: identical character for character; any other mode: equal ignoring letter case.
// Texts of different length are never equal.
bool NamesEqual(std::string_view a, std::string_view b, int compareMode);

}  // namespace zak
