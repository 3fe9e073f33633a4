// One printout of the 1. Bundesliga's last match day and table into a PDF on A4, as the print
// commands and zak-cli print make it; and the same lines as text alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "core/printed_layout.h"
#include "core/season_file.h"
#include "ui/drawing/print_pdf.h"

namespace zak {
namespace {

const std::chrono::local_seconds kNow =
    std::chrono::local_days{std::chrono::year(2015) / 5 / 23} + std::chrono::hours(17);

struct Season {
  Season() {
    if (!ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, 0), *data, 0)) std::abort();
    InitRankColours(colours);
  }
  std::unique_ptr<MatchData> data = std::make_unique<MatchData>();
  RankColourTable colours;
};

void BM_PrintTableAndMatchDayToPdf(benchmark::State& state) {
  const Season season;
  const PrintRequest request{34, 0, true, true};
  for (auto _ : state) {
    const auto pdf = ui::RenderPdf(PrintLeagueLines(*season.data, season.colours, request, kNow),
                                   ui::A4Paper(QString::fromStdString(PrintJobName(34, 0))));
    if (!pdf) state.SkipWithError("printing failed");
  }
}
BENCHMARK(BM_PrintTableAndMatchDayToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintedLinesOnly(benchmark::State& state) {
  const Season season;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PrintLeagueLines(*season.data, season.colours, {34, 0, true, true}, kNow));
  }
}
BENCHMARK(BM_PrintedLinesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zak

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
