// Standings computation on the real season: one table, and the 8 × 38 tables that the
// statistics window computes when it opens.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/standings.h"
#include "whole_season.h"

namespace zak {
namespace {

constexpr Date kToday{std::chrono::year(2015), std::chrono::month(6), std::chrono::day(30)};

void BM_CalculateTableOneLeague(benchmark::State& state) {
  const auto data = WholeSeason();
  TeamTable table{};
  for (auto _ : state) {
    std::int16_t day = 34;
    CalculateTable(table, *data, 0, day, kToday);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_CalculateTableOneLeague);

void BM_StatisticsWindowTables(benchmark::State& state) {
  const auto data = WholeSeason();
  for (auto _ : state) {
    for (int league = 0; league < kLeagueCount; ++league) {
      for (std::int16_t day = 1; day <= kDaySlots; ++day) {
        benchmark::DoNotOptimize(CalculateTableAfterDay(*data, day, league, kToday));
      }
    }
  }
}
BENCHMARK(BM_StatisticsWindowTables)->Unit(benchmark::kMillisecond);

// Ranking alone, on the final 1. Bundesliga table: the fast path and the stepwise sequence.
template <void (*Rank)(TeamTable&, int)>
void BM_Rank(benchmark::State& state) {
  const auto data = WholeSeason();
  TeamTable table{};
  std::int16_t day = 34;
  CalculateTable(table, *data, 0, day, kToday);
  for (auto _ : state) {
    Rank(table, 0);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_Rank<RankTable>)->Name("BM_RankTable");
BENCHMARK(BM_Rank<RankTableStepwise>)->Name("BM_RankTableStepwise");

}  // namespace
}  // namespace zak

BENCHMARK_MAIN();
