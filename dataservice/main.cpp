// zak-dataservice: the maker's data service. Serves the league data of the season files, the
// version texts and the news line to the desktop program over HTTP.
#include <sys/resource.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/address.hpp>
#include <boost/asio/signal_set.hpp>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "access_log.h"
#include "answers.h"
#include "core/outcome.h"
#include "io_pool.h"
#include "league_store.h"
#include "listener.h"
#include "loop_watchdog.h"
#include "metrics_server.h"
#include "options.h"
#include "publish.h"
#include "season_watch.h"
#include "systemd_notify.h"
#include "thread_leagues.h"
#include "web_pictures.h"

namespace net = boost::asio;
using namespace zak::dataservice;
using zak::Fail;
using zak::Outcome;

namespace {

// The usual soft limit of 1024 open files is soon reached by connections, and then the season
// files could not be read.
void RaiseOpenFileLimit() {
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
  limit.rlim_cur = limit.rlim_max;
  if (setrlimit(RLIMIT_NOFILE, &limit) != 0) WriteLogLine("the limit of open files stays low");
}

// The metrics' own address; never the public one.
Outcome<void> StartMetrics(std::optional<MetricsServer>& metrics, net::io_context& io,
                           const ServiceOptions& options, const net::ip::tcp::endpoint& served,
                           const LeagueStore& store) {
  const Outcome<HostPort> at = ParseHostPort(options.metrics);
  boost::system::error_code ec;
  const net::ip::address address = net::ip::make_address(at ? at->address : "", ec);
  if (!at || ec) return Fail("no IP address and port");
  if (at->port == served.port()) return Fail("the metrics are never served on the public port");
  metrics.emplace(io, store);
  if (const Outcome<void> listening = metrics->Listen({address, at->port}); !listening) {
    metrics.reset();
    return Fail("cannot listen: " + listening.message());
  }
  metrics->Start();
  return {};
}

int Serve(const ServiceOptions& options) {
  boost::system::error_code ec;
  const net::ip::address address = net::ip::make_address(options.bind, ec);
  if (ec) {
    std::cerr << "zak-dataservice: --bind: \"" << options.bind << "\" is no IP address\n";
    return 2;
  }
  RaiseOpenFileLimit();
  LeagueStore store(options.seasonDir, options.stateFile);
  if (const Outcome<void> started = store.Start(); !started) {
    std::cerr << "zak-dataservice: " << started.message() << "\n";
    return 1;
  }
  FixedAnswers fixed;  // made once the port is known: the download address may name it
  SessionRegistry sessions;
  const ServiceContext context{fixed, std::chrono::seconds(options.clientTimeoutSeconds), sessions};

  IoPool pool(options.threads);
  net::io_context& io = pool.main();
  // Every serving thread keeps its own copy of the leagues; a new one is posted to each.
  store.OnPublished([&pool](std::shared_ptr<const LeagueSnapshot> leagues) {
    pool.OnEachThread([leagues] { SetThreadLeagues(leagues); });
  });
  Listener listener(pool, context);
  if (const Outcome<void> listening = listener.Listen({address, options.port}); !listening) {
    std::cerr << "zak-dataservice: cannot listen on " << options.bind << ":" << options.port << ": "
              << listening.message() << "\n";
    return 1;
  }
  const auto local = listener.LocalEndpoint();
  fixed = MakeFixedAnswers(WithPublicHost(options, local.port()), WebPictures());
  std::string status = StatusText(*store.Current());  // touched by the watch's thread only
  SeasonWatch watch(store, std::chrono::seconds(options.checkIntervalSeconds), [&] {
    if (std::string now = StatusText(*store.Current()); now != status) {
      status = std::move(now);
      NotifyStatus(status);
    }
  });
  // A quarter of systemd's interval per beat: pings come at least twice within it.
  const auto watchdogInterval = WatchdogInterval();
  LoopWatchdog watchdog(pool.all(), watchdogInterval / 4, NotifyWatchdog);
  std::optional<MetricsServer> metrics;
  if (!options.metrics.empty()) {
    const Outcome<void> started = StartMetrics(metrics, io, options, local, store);
    if (!started) {
      std::cerr << "zak-dataservice: --metrics " << options.metrics << ": " << started.message()
                << "\n";
      return 1;
    }
  }
  net::signal_set stop(io, SIGINT, SIGTERM);
  // Answers under way still go out (each within the client time-out); then run() returns.
  stop.async_wait([&](boost::system::error_code ec, int) {
    if (ec) return;
    listener.Stop();
    if (metrics) metrics->Stop();
    watch.Stop();
    watchdog.Stop();
    sessions.StopAll(pool);
    pool.Release();
  });
  listener.Start();
  // Tests and scripts wait for this line; with --port 0 it tells the port.
  std::printf("listening on %s:%u\n", local.address().to_string().c_str(), local.port());
  std::fflush(stdout);
  NotifyReady(status);
  watch.Start();
  if (watchdogInterval.count() > 0) watchdog.Start();

  pool.Run(
      [&store](net::io_context& context) {
        GatherLogOnThisThread(context);
        SetThreadLeagues(store.Current());
      },
      [] { EndGatheringOnThisThread(); });
  // Every request's line first, "stopped" last. A log nobody reads must not keep a stopped
  // service alive.
  FlushLog(std::chrono::seconds(2));
  WriteLogLine("stopped");
  FlushLog(std::chrono::seconds(2));
  return 0;
}

// The exit status when the command line says not to run: 2 after naming a wrong option, with the
// usage, and 0 after printing the usage that --help asked for. Nothing when the options are good.
template <typename Options>
std::optional<int> StatusBeforeRunning(const Outcome<std::optional<Options>>& parsed,
                                       std::string_view program, const std::string& usage) {
  if (!parsed) {
    std::cerr << program << ": " << parsed.message() << "\n\n" << usage;
    return 2;
  }
  if (!*parsed) {
    std::cout << usage;
    return 0;
  }
  return std::nullopt;
}

// The publishing step: 0 when the manifest was written, 1 when it was refused, 2 on bad
// arguments.
int RunPublish(const std::vector<std::string>& args) {
  const Outcome<std::optional<PublishOptions>> parsed = ParsePublishOptions(args);
  if (const std::optional<int> status =
          StatusBeforeRunning(parsed, "zak-dataservice publish", PublishUsageText())) {
    return *status;
  }
  const Outcome<std::vector<std::string>> published = Publish(**parsed);
  if (!published) {
    std::cerr << "zak-dataservice publish: " << published.message()
              << "\nnothing published; the manifest stays as it was\n";
    return 1;
  }
  for (const std::string& line : *published) std::cout << line << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // A client or a log reader that went away must not end the service.
  std::signal(SIGPIPE, SIG_IGN);
  if (argc > 1 && std::string_view(argv[1]) == "publish") {
    return RunPublish(std::vector<std::string>(argv + 2, argv + argc));
  }
  const Outcome<std::optional<ServiceOptions>> parsed =
      ParseOptions(std::vector<std::string>(argv + 1, argv + argc), DefaultOptions());
  if (const std::optional<int> status =
          StatusBeforeRunning(parsed, "zak-dataservice", UsageText())) {
    return *status;
  }
  return Serve(**parsed);
}
