// The data path's costs: the settings store's reads and writes with every league stored, the
// stored copy's codec, loading a stored league, and a league's download from the real data
// service on loopback, parsed into the match data.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/stored_league_text.h"
#include "service/league_loading.h"
#include "settings/options.h"
#include "settings/settings_store.h"
#include "support/service_process.h"

namespace zak {
namespace {

class Silent : public MessageSink, public StatusSink {
 public:
  void ShowMessage(MessageKind, const std::string&, const std::string&) override {}
  void SetText(const std::string&) override {}
  void SetMaxProgress(int) override {}
  void SetCurProgress(int) override {}
};

// A store in a temporary folder holding the stored copies of all eight leagues, as after a
// season's downloads (the three leagues with data repeated).
struct FilledStore {
  FilledStore() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    for (int league = 0; league < kLeagueCount; ++league) {
      const int source = league % 3;
      if (!ReadSeasonFile(SeasonFilePath(ZAK_SEASON_DIR, source), *season, source)) std::abort();
      std::string text = EncodeStoredLeague(*season, source);
      if (!SaveSettingValue(kSectionData, LeagueDataKey(league), ScrambleSetting(text)))
        std::abort();
    }
  }
  QTemporaryDir dir;
  std::unique_ptr<MatchData> season = std::make_unique<MatchData>();
};

FilledStore& Store() {
  static FilledStore store;
  return store;
}

void BM_GetSettingValue(benchmark::State& state) {
  Store();
  for (auto _ : state) benchmark::DoNotOptimize(GetSettingValue(kSectionStart, "liga", "0"));
}
BENCHMARK(BM_GetSettingValue);

void BM_SaveSettingValue(benchmark::State& state) {
  Store();
  int league = 0;
  for (auto _ : state) {
    if (!SaveSettingValue(kSectionStart, "liga", std::to_string(++league % 8))) {
      state.SkipWithError("the store cannot be written");
    }
  }
}
BENCHMARK(BM_SaveSettingValue)->Unit(benchmark::kMicrosecond);

void BM_StoredLeagueRoundTrip(benchmark::State& state) {
  FilledStore& store = Store();
  auto data = std::make_unique<MatchData>();
  for (auto _ : state) {
    const std::string stored = ScrambleSetting(EncodeStoredLeague(*store.season, 2));
    benchmark::DoNotOptimize(DecodeStoredLeague(ScrambleSetting(stored), *data, 2));
  }
}
BENCHMARK(BM_StoredLeagueRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_LoadLeagueData(benchmark::State& state) {
  Store();
  auto data = std::make_unique<ProgramData>();
  HttpGateway gateway(data->options, data->identity, {});
  Silent silent;
  ServiceContext context{*data, gateway, silent,
                         [] { return Date{std::chrono::year(2015) / 6 / 30}; }};
  for (auto _ : state) benchmark::DoNotOptimize(LoadLeagueData(context, silent, 2));
}
BENCHMARK(BM_LoadLeagueData)->Unit(benchmark::kMicrosecond);

void BM_RequestLeagueData(benchmark::State& state) {
  Store();
  testing::ServiceProcess service;
  if (!service.running()) {
    state.SkipWithError("zak-dataservice does not start");
    return;
  }
  if (!SaveSettingValue(kSectionServer, "Host", service.host())) std::abort();
  auto data = std::make_unique<ProgramData>();
  LoadOptions(*data);
  data->identity = {"00-1A-2B-3C-4D-5E", "BENCH", 18};
  HttpGateway gateway(data->options, data->identity, {});
  Silent silent;
  ServiceContext context{*data, gateway, silent,
                         [] { return Date{std::chrono::year(2015) / 6 / 30}; }};
  for (auto _ : state) {
    benchmark::DoNotOptimize(RequestLeagueData(context, data->teamTable, silent, 2, 0));
  }
}
BENCHMARK(BM_RequestLeagueData)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zak

int main(int argc, char** argv) {
  for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) unsetenv(name);
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
