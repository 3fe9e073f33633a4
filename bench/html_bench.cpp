// Both HTML fragments of one league, as the export window and zak-cli html build them: the
// table after the last match day (two standings computations) and the day's fixtures.
// Budget: under 1 ms for both.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "core/html_fragments.h"
#include "core/season_file.h"

namespace zak {
namespace {

void BM_BothFragmentsOfOneLeague(benchmark::State& state) {
  const int league = static_cast<int>(state.range(0));
  auto data = std::make_unique<MatchData>();
  if (!ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, league), *data, league)) std::abort();
  RankColourTable colours;
  InitRankColours(colours);
  const HtmlSource source{*data, colours, HtmlAddresses::ForHost("127.0.0.1:8014")};
  const int lastDay = GetLastDayIndex(league);
  for (auto _ : state) {
    std::string text = BuildTableHtml(source, league, lastDay, 4);
    text += BuildMatchDayHtml(source, league, lastDay, 4);
    benchmark::DoNotOptimize(text);
  }
}
// The 1. Bundesliga (18 clubs, 34 days) and the 3. Liga (20 clubs, 38 days: the largest).
BENCHMARK(BM_BothFragmentsOfOneLeague)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zak
