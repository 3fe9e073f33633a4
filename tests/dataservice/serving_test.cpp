// The serving path under load and under attack: the batched access log loses no line, the
// metrics count what was sent, and idle connections never take the descriptors of the season.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "http_client.h"
#include "support/await.h"
#include "support/file_bytes.h"
#include "support/free_port.h"
#include "support/run_program.h"
#include "support/service_process.h"

namespace zak::dataservice {
namespace {

using zak::testing::Await;
using zak::testing::CopySeason;
using zak::testing::ServiceProcess;
using zak::testing::ServiceStart;
using zak::testing::TemporaryFolder;
using namespace std::chrono_literals;

int LinesWith(const std::string& log, const std::string& text) {
  int count = 0;
  for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
    ++count;
  }
  return count;
}

class Serving : public ::testing::Test {
 protected:
  ServiceStart Start(std::vector<std::string> arguments) {
    ServiceStart start;
    start.season = season_;
    start.state = folder_.path() / "counts.tsv";
    start.threads = 2;
    start.arguments = std::move(arguments);
    return start;
  }
  TemporaryFolder folder_;
  std::filesystem::path season_ = CopySeason(folder_.path());
};

// Lines gathered per thread and written in batches: none may be lost or held back at the stop.
TEST_F(Serving, ABurstOfTenThousandRequestsGivesTenThousandLines) {
  ServiceProcess service(Start({}));
  std::string batch;
  for (int i = 0; i < 100; ++i) batch += "GET /zak/ud/news1415.php HTTP/1.1\r\nHost: x\r\n\r\n";
  std::vector<std::unique_ptr<HttpConnection>> connections;
  for (int i = 0; i < 4; ++i)
    connections.push_back(std::make_unique<HttpConnection>(service.port()));
  for (int round = 0; round < 25; ++round) {
    for (auto& connection : connections) {
      connection->SendRaw(batch);
      for (int i = 0; i < 100; ++i) ASSERT_EQ(connection->Receive().status, 200u);
    }
  }
  connections.clear();
  EXPECT_EQ(service.Stop(), 0);
  const std::string log = service.Log();
  EXPECT_EQ(LinesWith(log, " GET /zak/ud/news1415.php 200 "), 10000);
  EXPECT_EQ(log.find("dropped"), std::string::npos);
  EXPECT_TRUE(log.ends_with("\nstopped\n"));
}

std::map<std::string, double> Scrape(std::uint16_t port) {
  std::map<std::string, double> samples;
  std::istringstream text(Get(port, "/metrics", "").body);
  for (std::string line; std::getline(text, line);) {
    const std::size_t space = line.rfind(' ');
    if (!line.starts_with('#') && space != std::string::npos) {
      samples[line.substr(0, space)] = std::stod(line.substr(space + 1));
    }
  }
  return samples;
}

TEST_F(Serving, MetricsCountWhatWasSentOnTheirOwnPortOnly) {
  const std::uint16_t metricsPort = zak::testing::FreePort();
  const std::string metricsAt = "127.0.0.1:" + std::to_string(metricsPort);
  ServiceProcess service(Start({"--metrics", metricsAt, "--client-timeout", "1"}));
  ASSERT_TRUE(service.running()) << service.Log();
  const std::string text = Get(metricsPort, "/metrics", "").body;
  std::ofstream(folder_.path() / "metrics.txt") << text;
  const auto check = zak::testing::RunProgram(
      {"/bin/sh", "-c", "promtool check metrics < " + (folder_.path() / "metrics.txt").string()});
  EXPECT_EQ(check.status, 0) << check.output << text;

  const auto before = Scrape(metricsPort);
  std::size_t bodies = 0;
  for (const char* target :
       {"/zak/ud/gd1415.php?l=1&ui=0", "/zak/ud/gd1415.php?l=2&ui=0", "/zak/ud/news1415.php",
        "/zak/dl/fw1415.php?s=2", "/zak/x", "/metrics", "/zak/i/n.gif"}) {
    bodies += Get(service.port(), target, ProgramAgent()).body.size();
  }
  HttpConnection slow(service.port());
  slow.SendRaw("GET /zak/");
  EXPECT_TRUE(slow.ClosedWithin(10s));
  std::ofstream(season_ / "league-3.tsv") << "kein\tSpiel\n";
  service.Signal(SIGHUP);
  const std::string refusals = "zak_season_file_refusals_total{league=\"3\"}";
  ASSERT_TRUE(Await([&] {
    auto now = Scrape(metricsPort);
    return now[refusals] == 1 && now["zak_open_connections"] == 0;
  }));
  auto after = Scrape(metricsPort);
  const auto rise = [&](const std::string& name) { return after[name] - before.at(name); };
  EXPECT_EQ(rise("zak_requests_total{kind=\"league\",status=\"200\"}"), 2);
  EXPECT_EQ(rise("zak_requests_total{kind=\"news\",status=\"200\"}"), 1);
  EXPECT_EQ(rise("zak_requests_total{kind=\"version\",status=\"200\"}"), 1);
  EXPECT_EQ(rise("zak_requests_total{kind=\"other\",status=\"404\"}"), 2);  // also /metrics
  EXPECT_EQ(rise("zak_requests_total{kind=\"picture\",status=\"200\"}"), 1);
  EXPECT_EQ(rise("zak_slow_connections_closed_total"), 1);
  // Each answer's status line and headers come to 90 to 200 bytes.
  EXPECT_GE(rise("zak_sent_bytes_total"), bodies + 7 * 90);
  EXPECT_LE(rise("zak_sent_bytes_total"), bodies + 7 * 200);
  EXPECT_EQ(after["zak_league_update{league=\"0\"}"], 1);
  EXPECT_NE(text.find("zak_league_data_info{league=\"0\",fingerprint=\""), std::string::npos);
  // Never on the public port.
  EXPECT_EQ(Get(service.port(), "/metrics", "").status, 404u);
  const std::string port = std::to_string(zak::testing::FreePort());
  ServiceProcess same(Start({"--port", port, "--metrics", "127.0.0.1:" + port}));
  EXPECT_FALSE(same.running());
}

// Idle connections up to the limit of open files: new ones are refused early, and the
// descriptors kept in reserve still let a changed season file be read.
TEST_F(Serving, IdleConnectionsUpToTheFileLimitLeaveTheSeasonReadable) {
  ServiceStart start = Start({"--client-timeout", "3600", "--check-interval", "0"});
  start.openFileLimit = 120;
  ServiceProcess service(start);
  ASSERT_TRUE(service.running()) << service.Log();
  std::vector<std::unique_ptr<HttpConnection>> idle;
  for (int i = 0; i < 120; ++i) idle.push_back(std::make_unique<HttpConnection>(service.port()));
  EXPECT_TRUE(idle.back()->ClosedWithin(10s));  // refused
  const auto file = season_ / "league-0.tsv";
  std::string season = zak::testing::FileBytes(file);
  season.replace(season.find("VfL Wolfsburg\t2\t1"), 17, "VfL Wolfsburg\t4\t1");
  std::ofstream(file) << season;
  service.Signal(SIGHUP);
  EXPECT_TRUE(Await([&] {
    return service.Log().find("league 0: 306 matches, update count 2") != std::string::npos;
  })) << service.Log();
  idle.clear();
  EXPECT_TRUE(Await([&] {
    const auto parts =
        Unshifted(Get(service.port(), "/zak/ud/gd1415.php?l=1&ui=1", ProgramAgent()).body);
    return parts.ends_with("<>2");
  }));
}

}  // namespace
}  // namespace zak::dataservice
