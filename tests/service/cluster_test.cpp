// Three real data service instances behind the real nginx (scripts/run-cluster), while the
// published season folder changes: the program's own download path through nginx.
#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "core/league_data_text.h"
#include "core/season_file.h"
#include "service/league_loading.h"
#include "service_fixture.h"
#include "support/await.h"
#include "support/cluster_process.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/temporary_folder.h"

namespace zak {
namespace {

using testing::ClusterProcess;
using testing::CopySeason;
using testing::FileBytes;
using testing::ReplaceFile;
using testing::TemporaryFolder;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kInstances = 3;
constexpr int kChanges = 5;
// Downloads after each step of a change.
constexpr int kDownloadsPerStep = 24;

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The league text with the home goals of its `match`-th line (from 1) set to `goals`.
std::string WithHomeGoals(const std::string& text, int match, int goals) {
  std::istringstream lines(text);
  std::string out;
  int number = 0;
  for (std::string line; std::getline(lines, line); ++number) {
    if (number == match) {
      std::vector<std::string> fields;
      std::istringstream cells(line);
      for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
      fields[4] = std::to_string(goals);
      line.clear();
      for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
    }
    out += line + "\n";
  }
  return out;
}

// The publishing as the editor runs it; the counts it gave, by league.
std::map<int, std::int32_t> PublishFolder(const fs::path& season) {
  const auto run = testing::RunProgram({ZAK_DATASERVICE, "publish", "--season", season.string()});
  EXPECT_EQ(run.status, 0) << run.output;
  std::map<int, std::int32_t> counts;
  const std::regex line(R"(league (\d): \d+ matches, update count (\d+))");
  for (std::sregex_iterator it(run.output.begin(), run.output.end(), line), end; it != end; ++it) {
    counts[std::stoi((*it)[1])] = std::stoi((*it)[2]);
  }
  return counts;
}

class Cluster : public testing::ServiceFixture {
 protected:
  // What each published count of a league stands for, as the program encodes the league.
  void NotePublished(const std::map<int, std::int32_t>& counts) {
    for (const auto& [league, count] : counts) {
      auto data = std::make_unique<MatchData>();
      ASSERT_TRUE(ReadSeasonFile(SeasonFilePath(season_.string(), league), *data, league).ok());
      const std::string text = EncodeLeagueData(*data, league);
      const auto [known, added] = published_[league].try_emplace(count, text);
      ASSERT_TRUE(added || known->second == text) << "count " << count << " given twice";
    }
  }

  // One automatic download of `league`, as at the program's start, and what the client then
  // holds checked against what was published.
  void Download(int league) {
    ++downloads_;
    const std::int32_t before = data_->serverUpdateCount[league];
    ASSERT_TRUE(LoadLeague(*context_, data_->teamTable, status_, league, true, before))
        << "download " << downloads_;
    const std::int32_t count = data_->serverUpdateCount[league];
    ASSERT_GE(count, before) << "the count went back, download " << downloads_;
    const auto expected = published_[league].find(count);
    ASSERT_NE(expected, published_[league].end()) << "count " << count << " was never published";
    ASSERT_EQ(EncodeLeagueData(data_->matchData, league), expected->second)
        << "league " << league << " held under count " << count << ", download " << downloads_;
  }

  // Leagues 0, 1, 0, 2, ...: four requests a round, so with three instances taking turns each
  // league is asked of every instance.
  void DownloadSome(int times) {
    constexpr int kLeagues[] = {0, 1, 0, 2};
    for (int i = 0; i < times && !HasFatalFailure(); ++i) Download(kLeagues[i % 4]);
  }

  // SIGHUP to some instances, then waits until each log has a further line with each of
  // `texts`.
  void LookNow(const ClusterProcess& cluster, const std::vector<std::size_t>& instances,
               const std::vector<std::string>& texts) {
    std::map<std::pair<std::size_t, std::size_t>, int> before;
    for (const std::size_t instance : instances) {
      for (std::size_t i = 0; i < texts.size(); ++i) {
        before[{instance, i}] = Occurrences(cluster.InstanceLog(instance), texts[i]);
      }
    }
    for (const std::size_t instance : instances) {
      ASSERT_EQ(kill(cluster.instances()[instance].pid, SIGHUP), 0);
    }
    for (const auto& logged : before) {
      const std::size_t instance = logged.first.first;
      const std::string& text = texts[logged.first.second];
      ASSERT_TRUE(testing::Await(
          [&] { return Occurrences(cluster.InstanceLog(instance), text) > logged.second; }, 120s))
          << "instance " << instance << " never logged " << text;
    }
  }

  TemporaryFolder folder_;
  fs::path season_ = CopySeason(folder_.path());
  std::map<int, std::map<std::int32_t, std::string>> published_;
  int downloads_ = 0;
};

// The instances look at the folder only when told (SIGHUP), so every order of events is brought
// about on purpose: files changed but not yet published, and one instance ahead of the others.
TEST_F(Cluster, CountsNeverGoBackAndNothingNewOnlyForDataTheClientHolds) {
  NotePublished(PublishFolder(season_));
  ClusterProcess cluster(kInstances, season_, {"--threads", "1", "--check-interval", "0"});
  ASSERT_TRUE(cluster.running()) << cluster.Output();
  ASSERT_EQ(cluster.instances().size(), static_cast<std::size_t>(kInstances));
  UseHost(cluster.host());
  ASSERT_NO_FATAL_FAILURE(DownloadSome(kDownloadsPerStep));

  std::string first = FileBytes(SeasonFilePath(season_.string(), 0));
  std::string second = FileBytes(SeasonFilePath(season_.string(), 1));
  for (int change = 1; change <= kChanges; ++change) {
    SCOPED_TRACE("change " + std::to_string(change));
    // The editor saves a draft, then the final results, each file replaced whole; only the
    // final ones are published. Instances counting on their own would give the draft a count.
    for (const int goals : {7, 9}) {
      first = WithHomeGoals(first, change, goals);
      ReplaceFile(SeasonFilePath(season_.string(), 0), first);
      std::vector<std::string> changed = {"league 0: "};
      if (change % 2 == 1) {
        second = WithHomeGoals(second, change, goals - 1);
        ReplaceFile(SeasonFilePath(season_.string(), 1), second);
        changed.push_back("league 1: ");
      }
      LookNow(cluster, {0, 1, 2}, changed);
      ASSERT_NO_FATAL_FAILURE(DownloadSome(kDownloadsPerStep));
    }
    const auto counts = PublishFolder(season_);
    ASSERT_EQ(counts.at(0), change + 1);
    NotePublished(counts);
    // One instance ahead: a client that got the new count from it asks the others too.
    const std::string taken = "league 0: 306 matches, update count " + std::to_string(change + 1);
    LookNow(cluster, {0}, {taken});
    ASSERT_NO_FATAL_FAILURE(DownloadSome(kDownloadsPerStep));
    EXPECT_EQ(data_->serverUpdateCount[0], change + 1);
    LookNow(cluster, {1, 2}, {taken});
    ASSERT_NO_FATAL_FAILURE(DownloadSome(kDownloadsPerStep));
  }
  EXPECT_GE(downloads_, 300);
  EXPECT_EQ(data_->serverUpdateCount[0], kChanges + 1);
  EXPECT_EQ(data_->serverUpdateCount[1], (kChanges + 1) / 2 + 1);
  EXPECT_TRUE(messages_.shown.empty()) << messages_.shown.front().text;

  // Every instance gives the same counts to the same data.
  for (const auto& instance : cluster.instances()) {
    UseHost("127.0.0.1:" + std::to_string(instance.port));
    for (int league : {0, 1, 2}) {
      SCOPED_TRACE("instance on port " + std::to_string(instance.port) + ", league " +
                   std::to_string(league));
      const std::int32_t newest = published_[league].rbegin()->first;
      EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, league, newest),
                kRequestNothingNew);
      ASSERT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, league, 0),
                kRequestNewData);
      EXPECT_EQ(data_->serverUpdateCount[league], newest);
      EXPECT_EQ(EncodeLeagueData(data_->matchData, league), published_[league][newest]);
    }
  }
  EXPECT_EQ(cluster.Stop(), 0) << cluster.Output();
}

TEST_F(Cluster, OnlyTheProgramsPathsArePassedOnAndAStopEndsEverything) {
  PublishFolder(season_);
  ClusterProcess cluster(2, season_);
  ASSERT_TRUE(cluster.running()) << cluster.Output();
  UseHost(cluster.host());
  const std::string failed = "keine Verbindung";
  EXPECT_EQ(gateway_->HttpGetText("/zak/dl/fw1415.php?s=2", true, failed), "2.0.9.2");
  for (const char* path : {"/", "/index.html", "/zakx/dl/fw1415.php?s=2", "/zak", "/50x.html"}) {
    EXPECT_EQ(gateway_->HttpGetText(path, true, failed), failed) << path;
  }
  EXPECT_EQ(cluster.Stop(), 0) << cluster.Output();
  EXPECT_EQ(gateway_->HttpGetText("/zak/dl/fw1415.php?s=2", true, failed), failed);
  for (const auto& instance : cluster.instances()) {
    UseHost("127.0.0.1:" + std::to_string(instance.port));
    EXPECT_EQ(gateway_->HttpGetText("/zak/dl/fw1415.php?s=2", true, failed), failed)
        << instance.port;
  }
}

}  // namespace
}  // namespace zak
