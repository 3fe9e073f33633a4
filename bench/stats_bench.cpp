// The statistics window: opening it until the first chart is drawn (the position history of
// all eight leagues, processing events between the stores as the window does, then one chart),
// and one redraw after choosing another club (which also stores the choice). Offscreen, on the
// whole season.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include "core/program_data.h"
#include "ui/drawing/chart_painting.h"
#include "ui/stats/frm_stats.h"
#include "whole_season.h"

namespace zak {
namespace {

constexpr Date kMidSeason{std::chrono::year(2015), std::chrono::month(3), std::chrono::day(1)};

std::unique_ptr<ProgramData> SeasonData() {
  auto data = std::make_unique<ProgramData>();
  data->matchData = *WholeSeason();
  InitRankColours(data->rankColour);
  return data;
}

ui::StatsDate MidSeason() {
  return {[] { return kMidSeason; }, true};
}

// The window's start: loaded, shown and its position history computed (the loading step
// called at once instead of after its timer).
void Open(ui::FrmStats& stats) {
  stats.Form_Load();
  stats.show();
  stats.Timer1_Timer();
}

// The real window: created, opened and its chart painted.
void BM_OpenToFirstChart(benchmark::State& state) {
  const auto data = SeasonData();
  for (auto _ : state) {
    ui::FrmStats stats(*data, MidSeason(), 0, nullptr);
    Open(stats);
    stats.findChild<QWidget*>("Picture1")->repaint();
    benchmark::DoNotOptimize(stats.loaded());
  }
}
BENCHMARK(BM_OpenToFirstChart)->Unit(benchmark::kMillisecond);

void BM_RedrawForAnotherClub(benchmark::State& state) {
  const auto data = SeasonData();
  ui::FrmStats stats(*data, MidSeason(), 0, nullptr);
  Open(stats);
  auto* teams = stats.findChild<QComboBox*>("cmbTeam");
  auto* picture = stats.findChild<QWidget*>("Picture1");
  int team = 0;
  for (auto _ : state) {
    team = (team + 1) % teams->count();
    teams->setCurrentIndex(team);
    picture->repaint();
  }
}
BENCHMARK(BM_RedrawForAnotherClub)->Unit(benchmark::kMicrosecond);

// The redraw without storing the choice: the club's chart computed and painted in the window.
void BM_RedrawWithoutStoring(benchmark::State& state) {
  const auto data = SeasonData();
  ui::FrmStats stats(*data, MidSeason(), 0, nullptr);
  Open(stats);
  auto* picture = static_cast<ui::PositionChartView*>(stats.findChild<QWidget*>("Picture1"));
  int team = 0;
  for (auto _ : state) {
    team = (team + 1) % GetTeamCount(0);
    picture->Show(BuildPositionChart(data->positionHistory, data->matchData, data->rankColour, 0,
                                     team, kMidSeason),
                  QStringLiteral("Verein"));
    picture->repaint();
  }
}
BENCHMARK(BM_RedrawWithoutStoring)->Unit(benchmark::kMicrosecond);

// The parts: the history alone (no events processed), and one chart computed and painted.
void BM_PositionHistory(benchmark::State& state) {
  const auto data = SeasonData();
  for (auto _ : state) {
    CalculatePositionHistory(data->positionHistory, data->matchData, kMidSeason, {});
  }
}
BENCHMARK(BM_PositionHistory)->Unit(benchmark::kMillisecond);

void BM_PaintChart(benchmark::State& state) {
  const auto data = SeasonData();
  CalculatePositionHistory(data->positionHistory, data->matchData, kMidSeason, {});
  const PositionChart chart = BuildPositionChart(data->positionHistory, data->matchData,
                                                 data->rankColour, 0, 4, kMidSeason);
  QImage image(585, 257, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    ui::PaintPositionChart(painter, chart);
  }
}
BENCHMARK(BM_PaintChart)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zak

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Each choice of a club is stored at once: into a settings store of the benchmark's own.
  QTemporaryDir store;
  qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
