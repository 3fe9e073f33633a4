// One printout of the 1. Bundesliga's last match day and table into a PDF on A4, as the print
// command makes it after the dialog; and the same lines as text alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <memory>

#include "core/printed_layout.h"
#include "core/season_file.h"
#include "ui/print/print_league.h"

namespace zak {
namespace {

const std::chrono::local_seconds kNow =
    std::chrono::local_days{std::chrono::year(2015) / 5 / 23} + std::chrono::hours(17);

struct Season {
  Season() {
    ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, 0), *data, 0);
    InitRankColours(colours);
  }
  std::unique_ptr<MatchData> data = std::make_unique<MatchData>();
  RankColourTable colours;
};

void BM_PrintTableAndMatchDayToPdf(benchmark::State& state) {
  const Season season;
  QTemporaryDir folder;
  const QString pdf = folder.filePath("druck.pdf");
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!ui::PrintLeagueOn(printer, {*season.data, season.colours, kNow}, {34, 0, true, true})) {
      state.SkipWithError("printing failed");
    }
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
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
