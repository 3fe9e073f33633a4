// What the season folder, the state file and an unread log can do to the real service: nothing
// in them may stop it, block its requests or make it serve a half-written league.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "core/league_data_text.h"
#include "core/season_file.h"
#include "core/text_util.h"
#include "http_client.h"
#include "support/await.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/service_process.h"

namespace zak::dataservice {
namespace {

using zak::testing::CopySeason;
using zak::testing::FileBytes;
using zak::testing::ServiceProcess;
using zak::testing::TemporaryFolder;

using namespace std::chrono_literals;
namespace fs = std::filesystem;

const std::string kLeagueOne = "/zak/ud/gd1415.php?l=1&ui=0";
const std::string kLeagueTwo = "/zak/ud/gd1415.php?l=2&ui=0";

// The number of matches in a league answer; -1 when it is no data answer.
int MatchesIn(const HttpAnswer& answer) {
  const auto parts = Split(Unshifted(answer.body), "<>");
  if (parts.size() != 2) return -1;
  auto data = std::make_unique<MatchData>();
  return ParseLeagueItems(parts[0], *data, 0);
}

// Waits for `text` to appear in the service's log.
bool LogShows(const ServiceProcess& service, const std::string& text) {
  return zak::testing::Await([&] { return service.Log().find(text) != std::string::npos; });
}

struct Hazard {
  const char* name;
  std::function<void(const fs::path&)> make;  // puts the hazard at the given path
  const char* logged;                         // why the service says it cannot read it
};

const Hazard kHazards[] = {
    {"Folder", [](const fs::path& at) { fs::create_directory(at); }, "no regular file"},
    {"Fifo", [](const fs::path& at) { ASSERT_EQ(mkfifo(at.c_str(), 0644), 0); }, "no regular file"},
    {"LinkToZeroDevice", [](const fs::path& at) { fs::create_symlink("/dev/zero", at); },
     "no regular file"},
    {"DanglingLink", [](const fs::path& at) { fs::create_symlink(at.string() + ".weg", at); },
     "No such file"},
    {"SparseFileOf17MiB",
     [](const fs::path& at) {
       std::ofstream(at).close();
       fs::resize_file(at, 17 << 20);
     },
     "larger than 16 MiB"},
};

class SeasonFolderHazard : public ::testing::TestWithParam<Hazard> {
 protected:
  TemporaryFolder folder_;
  fs::path season_ = CopySeason(folder_.path());
  fs::path state_ = folder_.path() / "counts.tsv";
};

// Requests on fresh connections, so that every serving thread gets some.
void ExpectServedPromptly(std::uint16_t port, int matches) {
  for (int i = 0; i < 6; ++i) {
    HttpAnswer answer;
    ASSERT_NO_THROW(answer = Get(port, kLeagueOne, ProgramAgent())) << "request " << i;
    EXPECT_EQ(MatchesIn(answer), matches);
  }
}

TEST_P(SeasonFolderHazard, KeepsTheLastGoodAnswerAndNeverStops) {
  const fs::path file = season_ / "league-0.tsv";
  {
    ServiceProcess service(season_, state_, {"--check-interval", "1"});
    fs::remove(file);
    GetParam().make(file);
    service.Signal(SIGHUP);
    EXPECT_TRUE(LogShows(service, "league-0.tsv cannot be read (" + std::string(GetParam().logged)))
        << service.Log();
    ExpectServedPromptly(service.port(), 306);
    service.Signal(SIGHUP);  // the same problem again is not logged again
    EXPECT_EQ(MatchesIn(Get(service.port(), kLeagueTwo, ProgramAgent())), 306);
    EXPECT_EQ(service.Stop(20s), 0);
    const std::string log = service.Log();
    EXPECT_EQ(log.find("cannot be read"), log.rfind("cannot be read")) << log;
  }
  // A start with the hazard in place serves the other leagues.
  ServiceProcess again(season_, state_);
  EXPECT_EQ(MatchesIn(Get(again.port(), kLeagueTwo, ProgramAgent())), 306);
  ExpectServedPromptly(again.port(), -1);
  EXPECT_EQ(again.Stop(20s), 0);
}

INSTANTIATE_TEST_SUITE_P(Service, SeasonFolderHazard, ::testing::ValuesIn(kHazards),
                         [](const auto& info) { return std::string(info.param.name); });

struct StateHazard {
  const char* name;
  std::function<void(const fs::path&)> make;
  const char* message;
};

const StateHazard kStateHazards[] = {
    {"Damaged", [](const fs::path& at) { std::ofstream(at) << "0\tviele\tffff\n"; }, "is damaged"},
    {"Empty", [](const fs::path& at) { std::ofstream(at).close(); }, "is damaged"},
    {"WithoutLeagues",
     [](const fs::path& at) { std::ofstream(at) << "# league\tcount\tfingerprint\n"; },
     "is damaged"},
    {"Folder", [](const fs::path& at) { fs::create_directory(at); }, "cannot read"},
};

class StateFileHazard : public ::testing::TestWithParam<StateHazard> {};

// Counts read from such a file would start again at 1, and a client would take old data for
// new: the start is refused with a message, not an abort.
TEST_P(StateFileHazard, StopsTheStartWithAMessage) {
  TemporaryFolder folder;
  const fs::path season = CopySeason(folder.path());
  const fs::path state = folder.path() / "counts.tsv";
  GetParam().make(state);
  ServiceProcess service(season, state);
  EXPECT_FALSE(service.running()) << "the service started";
  EXPECT_NE(service.Log().find(GetParam().message), std::string::npos) << service.Log();
}

INSTANTIATE_TEST_SUITE_P(Service, StateFileHazard, ::testing::ValuesIn(kStateHazards),
                         [](const auto& info) { return std::string(info.param.name); });

// A season file rewritten in place, again and again, while the service is told to look at it
// every few milliseconds: every answer is a whole league, and the last version is served once
// the file stands still. The writer does a fixed number of rewrites and the reader asks until
// the writer is done and at least as many answers came, however fast either side runs.
TEST(SeasonFileRewrittenInPlace, IsNeverServedHalfWritten) {
  TemporaryFolder folder;
  const fs::path season = CopySeason(folder.path());
  const fs::path file = season / "league-0.tsv";
  const std::string first = FileBytes(file);
  std::string second = first;
  const std::string from = "Bayern München\tVfL Wolfsburg\t2\t1";
  second.replace(second.find(from), from.size(), "Bayern München\tVfL Wolfsburg\t5\t1");
  ServiceProcess service(season, folder.path() / "counts.tsv", {"--check-interval", "1"});

  constexpr int kRewrites = 120;
  std::atomic<bool> written = false;
  std::jthread writer([&] {
    for (int round = 0; round < kRewrites; ++round) {
      const std::string& text = round % 2 ? second : first;
      const std::size_t half = text.find('\n', text.size() / 2) + 1;
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out.write(text.data(), static_cast<std::streamsize>(half)).flush();
      std::this_thread::sleep_for(5ms);
      out.write(text.data() + half, static_cast<std::streamsize>(text.size() - half));
      out.close();
      std::this_thread::sleep_for(5ms);
    }
    std::ofstream(file, std::ios::binary | std::ios::trunc) << second;
    written = true;
  });
  int answers = 0;
  int whole = 0;
  try {
    for (; !written || answers < kRewrites; ++answers) {
      service.Signal(SIGHUP);
      const int matches = MatchesIn(Get(service.port(), kLeagueOne, ProgramAgent()));
      whole += matches == 306;
      if (matches != 306) ADD_FAILURE() << matches << " matches in answer " << answers;
    }
  } catch (const std::exception& e) {
    ADD_FAILURE() << e.what() << " after " << answers << " answers";
  }
  writer.join();
  EXPECT_EQ(whole, answers);
  std::string served;
  EXPECT_TRUE(zak::testing::Await([&] {
    service.Signal(SIGHUP);
    served = Unshifted(Get(service.port(), kLeagueOne, ProgramAgent()).body);
    return served.find("|VfL Wolfsburg|5|1;") != std::string::npos;
  })) << served.substr(0, 200);
}

// A league file of 10 000 bad lines once wrote 10 000 log lines at every change of the file,
// and as many from the publishing step: now its first five, and how many more there were.
TEST(SeasonFileOfManyBadLines, GivesABoundedLog) {
  TemporaryFolder folder;
  const fs::path season = CopySeason(folder.path());
  const fs::path file = season / "league-0.tsv";
  const std::string good = FileBytes(file);
  const auto count = [](const std::string& text, const std::string& part) {
    int lines = 0;
    for (const std::string& line : Split(text, "\n")) lines += line.find(part) != line.npos;
    return lines;
  };
  const std::string more = "... and 9995 more problems in " + file.string();
  ServiceProcess service(season, folder.path() / "counts.tsv", {"--check-interval", "0"});
  for (const std::string gap : {"", "\n\n\n\n\n\n"}) {  // the second moves the bad lines down
    std::string bad = good + gap;
    for (int line = 0; line < 10000; ++line) bad += "x\ty\n";
    std::ofstream(file, std::ios::binary) << bad;
    service.Signal(SIGHUP);
    const int first = count(good, "") + static_cast<int>(gap.size());
    EXPECT_TRUE(LogShows(service, file.string() + ":" + std::to_string(first) + ":"));
  }
  EXPECT_EQ(service.Stop(20s), 0);  // the log written whole
  const std::string log = service.Log();
  EXPECT_EQ(count(log, "league-0.tsv:"), 10) << log.substr(0, 3000);
  EXPECT_EQ(count(log, more), 2);
  const auto publish =
      zak::testing::RunProgram({ZAK_DATASERVICE, "publish", "--season", season.string()});
  EXPECT_EQ(count(publish.output, "league-0.tsv:"), 5) << publish.output.substr(0, 3000);
  EXPECT_EQ(count(publish.output, more), 1);
}

// Standard error goes to a pipe that nobody reads. Requests are still answered, the stop still
// works, and once the pipe is read the log tells how many lines it had to drop.
TEST(UnreadLog, NeitherStallsRequestsNorTheStop) {
  TemporaryFolder folder;
  const fs::path season = CopySeason(folder.path());
  int pipeFds[2];
  ASSERT_EQ(pipe2(pipeFds, O_CLOEXEC), 0);
  ServiceProcess service(season, folder.path() / "counts.tsv", {}, pipeFds[1]);
  close(pipeFds[1]);
  // Each request logs its 4 KB target: far more than the pipe and the log's queue hold.
  const std::string longTarget = "/" + std::string(4000, 'x');
  HttpConnection connection(service.port());
  for (int i = 0; i < 600; ++i) {
    HttpAnswer answer;
    ASSERT_NO_THROW(answer = connection.Send({longTarget, ""})) << "request " << i;
    ASSERT_EQ(answer.status, 404u);
  }
  EXPECT_EQ(MatchesIn(connection.Send({kLeagueOne, ProgramAgent()})), 306);

  std::string log;
  std::thread reader([&] {
    char buffer[65536];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) log.append(buffer, n);
  });
  EXPECT_EQ(service.Stop(30s), 0);
  reader.join();
  close(pipeFds[0]);
  EXPECT_NE(log.find(" lines dropped, standard error was not read\n"), std::string::npos);
  EXPECT_TRUE(log.ends_with("stopped\n"))
      << log.substr(log.size() - std::min<size_t>(200, log.size()));
}

}  // namespace
}  // namespace zak::dataservice
