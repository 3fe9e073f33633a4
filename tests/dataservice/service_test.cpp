// The real service on a free loopback port, asked by real HTTP clients.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include "core/league_data_text.h"
#include "core/season_file.h"
#include "core/text_util.h"
#include "http_client.h"
#include "support/await.h"
#include "support/file_bytes.h"
#include "support/service_process.h"

namespace zak::dataservice {
namespace {

using zak::testing::CopySeason;
using zak::testing::ServiceProcess;
using zak::testing::TemporaryFolder;

using namespace std::chrono_literals;
using namespace std::string_literals;

const std::string kLeagueOne = "/zak/ud/gd1415.php?l=1&ui=0";

class Service : public ::testing::Test {
 protected:
  std::unique_ptr<ServiceProcess> Start(std::vector<std::string> extra = {}) {
    return std::make_unique<ServiceProcess>(season_, state_, std::move(extra));
  }
  std::string League(std::uint16_t port, int l, int ui) {
    const auto target = "/zak/ud/gd1415.php?l=" + std::to_string(l) + "&ui=" + std::to_string(ui);
    return Unshifted(Get(port, target, ProgramAgent()).body);
  }
  // The update count at the end of a data answer.
  std::string Count(std::uint16_t port, int l) {
    const auto parts = Split(League(port, l, 0), "<>");
    return parts.size() == 2 ? parts[1] : "no count";
  }
  // The count once it has reached `expected`, or what it still is after twenty seconds.
  std::string CountBecomes(std::uint16_t port, int l, const std::string& expected) {
    std::string count;
    zak::testing::Await([&] { return (count = Count(port, l)) == expected; });
    return count;
  }
  // Rewrites the first match's result of league 0.
  void ChangeLeagueZero(const std::string& from, const std::string& to) {
    const auto path = season_ / "league-0.tsv";
    std::string text = zak::testing::FileBytes(path);
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, from.size(), to);
    std::ofstream(path) << text;
  }

  TemporaryFolder folder_;
  std::filesystem::path season_ = CopySeason(folder_.path());
  std::filesystem::path state_ = folder_.path() / "state" / "counts.tsv";
};

TEST_F(Service, LeagueAnswerParsesBackToTheSeasonFile) {
  auto service = Start();
  const auto parts = Split(League(service->port(), 1, 0), "<>");
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[1], "1");
  auto expected = std::make_unique<MatchData>();
  ASSERT_TRUE(ReadSeasonFile(SeasonFilePath(season_.string(), 0), *expected, 0).ok());
  auto parsed = std::make_unique<MatchData>();
  EXPECT_EQ(ParseLeagueItems(parts[0], *parsed, 0), 306);
  EXPECT_EQ(*parsed, *expected);
  EXPECT_EQ(parts[0], EncodeLeagueData(*expected, 0));
}

TEST_F(Service, FixedCodesForCurrentCopiesMissingLeaguesAndForeignAgents) {
  std::filesystem::remove(season_ / "league-3.tsv");
  auto service = Start();
  const auto port = service->port();
  EXPECT_EQ(League(port, 1, 1), "q)W7kd45%");
  EXPECT_NE(League(port, 1, 2), "q)W7kd45%");
  EXPECT_EQ(League(port, 4, 0), "q)W7kd45%");  // Regionalliga Nord: no season file
  EXPECT_EQ(Unshifted(Get(port, kLeagueOne, "").body), "t(%)rwz81");
  EXPECT_EQ(Unshifted(Get(port, kLeagueOne, "ZAK1415-unshifted").body), "t(%)rwz81");
  for (const char* target : {"/zak/ud/gd1415.php?l=9&ui=0", "/zak/ud/gd1415.php?l=0&ui=0",
                             "/zak/ud/gd1415.php?l=1&ui=x", "/zak/ud/gd1415.php?l=1"}) {
    const HttpAnswer answer = Get(port, target, ProgramAgent());
    EXPECT_EQ(answer.status, 200u) << target;
    EXPECT_EQ(Unshifted(answer.body), "2") << target;
  }
}

TEST_F(Service, VersionTextsNewsAndNotFound) {
  auto service = Start({"--latest-version", "2.0.9.3", "--news", "Größte Neuigkeit"});
  const auto port = service->port();
  EXPECT_EQ(Get(port, "/zak/dl/fw1415.php?s=2", "").body, "2.0.9.3");
  const std::string history = Get(port, "/zak/dl/fw1415.php?s=1", "").body;
  EXPECT_TRUE(history.starts_with("v2.0.9.2 (17.05.2015)\n- 3 Punkte Abzug f\xFCr")) << history;
  EXPECT_EQ(history.find('\r'), std::string::npos);
  // The address users reach this service at, not the built-in default host.
  const std::string download = "http://127.0.0.1:" + std::to_string(port) + "/zak/";
  EXPECT_EQ(Get(port, "/zak/dl/fw1415.php?s=0", "").body, download);
  EXPECT_NE(Get(port, "/zak/", "").body.find("<a href=\"" + download + "\">"), std::string::npos);
  EXPECT_EQ(Unshifted(Get(port, "/zak/ud/news1415.php", "").body), "Größte Neuigkeit");
  for (const char* target : {"/", "/zak/dl/fw1415.php?s=3", "/zak/ud/gd1415.phpx", "/zak/x"}) {
    const HttpAnswer answer = Get(port, target, ProgramAgent());
    EXPECT_EQ(answer.status, 404u) << target;
    EXPECT_NE(answer.body.find("Seite nicht gefunden"), std::string::npos);
  }
}

TEST_F(Service, ChangedSeasonFileRaisesTheCountOnHangUpAndOnTheRegularCheck) {
  auto service = Start({"--check-interval", "0"});
  const auto port = service->port();
  ChangeLeagueZero("Bayern München\tVfL Wolfsburg\t2\t1", "Bayern München\tVfL Wolfsburg\t3\t1");
  EXPECT_EQ(Count(port, 1), "1");  // no regular check: nothing seen yet
  service->Signal(SIGHUP);
  EXPECT_EQ(CountBecomes(port, 1, "2"), "2");
  EXPECT_NE(League(port, 1, 0).find("|Bayern München|VfL Wolfsburg|3|1;"), std::string::npos);
  service->Signal(SIGHUP);  // nothing changed: the count stays
  std::this_thread::sleep_for(500ms);
  EXPECT_EQ(Count(port, 1), "2");
  EXPECT_EQ(Count(port, 2), "1");

  service = Start({"--check-interval", "1"});
  ChangeLeagueZero("VfL Wolfsburg\t3\t1", "VfL Wolfsburg\t4\t1");
  EXPECT_EQ(CountBecomes(service->port(), 1, "3"), "3");
}

TEST_F(Service, CountsSurviveRestartsAndChangesWhileStopped) {
  {
    auto first = Start();
    ChangeLeagueZero("VfL Wolfsburg\t2\t1", "VfL Wolfsburg\t0\t0");
    first->Signal(SIGHUP);
    EXPECT_EQ(CountBecomes(first->port(), 1, "2"), "2");
    EXPECT_EQ(first->Stop(), 0);
  }
  auto second = Start();
  EXPECT_EQ(League(second->port(), 1, 2), "q)W7kd45%");
  EXPECT_EQ(Count(second->port(), 2), "1");
  second->Stop();
  ChangeLeagueZero("VfL Wolfsburg\t0\t0", "VfL Wolfsburg\t2\t1");
  auto third = Start();
  EXPECT_EQ(Count(third->port(), 1), "3");
}

TEST_F(Service, DamagedStateFileStopsTheStart) {
  std::filesystem::create_directories(state_.parent_path());
  std::ofstream(state_) << "0\tviele\tffff\n";
  EXPECT_FALSE(Start()->running());
}

TEST_F(Service, KeepAliveAndHttp10) {
  auto service = Start();
  HttpConnection keep(service->port());
  for (int i = 0; i < 3; ++i) {
    const HttpAnswer answer = keep.Send({"/zak/dl/fw1415.php?s=2", ""});
    EXPECT_EQ(answer.status, 200u);
    EXPECT_TRUE(answer.date.ends_with(" GMT") && answer.date.size() == 29) << answer.date;
  }
  // Two requests in one write come back in order on the same connection.
  keep.SendRaw(
      "GET /zak/dl/fw1415.php?s=2 HTTP/1.1\r\nHost: x\r\n\r\n"
      "GET /nichts HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(keep.Receive().body, "2.0.9.2");
  EXPECT_EQ(keep.Receive().status, 404u);

  HttpConnection once(service->port());
  const HttpAnswer old = once.Send({"/zak/dl/fw1415.php?s=2", "", 10, ""});
  EXPECT_EQ(old.version, 10u);
  EXPECT_EQ(old.body, "2.0.9.2");
  EXPECT_TRUE(once.ClosedWithin(5s));

  HttpConnection oldKeep(service->port());
  EXPECT_EQ(oldKeep.Send({"/zak/dl/fw1415.php?s=2", "", 10, "Keep-Alive"}).connection,
            "keep-alive");
  EXPECT_EQ(oldKeep.Send({"/zak/dl/fw1415.php?s=2", "", 10, "Keep-Alive"}).status, 200u);

  HttpConnection closing(service->port());
  EXPECT_EQ(closing.Send({"/zak/dl/fw1415.php?s=2", "", 11, "close"}).status, 200u);
  EXPECT_TRUE(closing.ClosedWithin(5s));
}

TEST_F(Service, SlowClientIsDroppedWithoutHoldingOthers) {
  auto service = Start({"--client-timeout", "1"});
  HttpConnection slow(service->port());
  slow.SendRaw("GET /zak/ud/gd14");
  bool dropped = false;
  for (int i = 0; i < 25 && !dropped; ++i) {    // one byte every 200 ms, for up to 5 s
    EXPECT_EQ(Count(service->port(), 1), "1");  // others are served meanwhile
    dropped = slow.ClosedWithin(200ms);
    if (!dropped) slow.SendRaw("1");
  }
  EXPECT_TRUE(dropped);
}

TEST_F(Service, OversizedAndBrokenRequestsAreRefused) {
  auto service = Start();
  HttpConnection big(service->port());
  big.SendRaw("GET / HTTP/1.1\r\nX-Big: " + std::string(9000, 'a') + "\r\n\r\n");
  EXPECT_EQ(big.Receive().status, 431u);
  EXPECT_TRUE(big.ClosedWithin(5s));
  for (const std::string& junk : {"\x80\x00\xff garbage\r\n\r\n"s, "GET / HTTP/9.9\r\n\r\n"s,
                                  "GET /\x01 HTTP/1.1\r\n\r\n"s}) {
    HttpConnection broken(service->port());
    broken.SendRaw(junk);
    EXPECT_EQ(broken.Receive().status, 400u);
  }
  // Random bytes, some after a valid request line: each connection ends, the service lives on.
  std::mt19937 random(1415);
  for (int i = 0; i < 200; ++i) {
    std::string bytes(random() % 300, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    HttpConnection connection(service->port());
    connection.SendRaw((i % 2 ? "GET / HTTP/1.1\r\n"s : ""s) + bytes + "\r\n\r\n");
    EXPECT_TRUE(connection.ClosedWithin(3s) || connection.Receive().status >= 400);
  }
  EXPECT_EQ(Count(service->port(), 1), "1");
}

TEST_F(Service, LogsEveryRequestButNeverTheAgentAndStopsCleanly) {
  // An idle keep-alive connection is closed at the stop, not waited for: with an hour's client
  // time-out, waiting for it would outlast the stop's limit, and the service would be killed.
  auto service = Start({"--client-timeout", "3600"});
  League(service->port(), 1, 0);
  Get(service->port(), "/zak/\xe4\\", "");
  HttpConnection idle(service->port());
  idle.Send({"/zak/ud/news1415.php", ""});
  EXPECT_EQ(service->Stop(), 0);
  EXPECT_TRUE(idle.ClosedWithin(1s));
  const std::string log = service->Log();
  EXPECT_NE(log.find(" 127.0.0.1 GET /zak/ud/gd1415.php?l=1&ui=0 200 "), std::string::npos);
  EXPECT_NE(log.find(" GET /zak/\\xe4\\x5c 404 "), std::string::npos) << log;
  EXPECT_EQ(log.find(ProgramAgent().substr(0, 8)), std::string::npos);
  EXPECT_EQ(log.find("A1B2C3D4E5F6"), std::string::npos);
  EXPECT_TRUE(log.ends_with("stopped\n"));
}

}  // namespace
}  // namespace zak::dataservice
