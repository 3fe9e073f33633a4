// The season manifest: what the publishing step writes, and how a store serving the folder
// follows it when league files and manifest change at different moments.
#include "manifest.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <limits>

#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/windows1252.h"
#include "league_store.h"
#include "publish.h"
#include "support/file_bytes.h"
#include "support/run_program.h"
#include "support/temporary_folder.h"

namespace zak::dataservice {
namespace {

using zak::testing::CopySeason;
using zak::testing::FileBytes;
using zak::testing::ReplaceFile;
using zak::testing::RunProgram;
using zak::testing::TemporaryFolder;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

const std::string kHeader = "day\tkickoff\thome\taway\thome_goals\taway_goals\n";

// A league of one match that ended `homeGoals`:1.
std::string OneMatch(int homeGoals) {
  return kHeader + "1\t22.08.14 20:30\tBayern München\tVfL Wolfsburg\t" +
         std::to_string(homeGoals) + "\t1\n";
}

class Manifest : public ::testing::Test {
 protected:
  fs::path LeagueFile(int league) const { return SeasonFilePath(season_.string(), league); }
  fs::path ManifestFile() const { return ManifestPath(season_.string()); }
  void Write(int league, const std::string& text) { ReplaceFile(LeagueFile(league), text); }
  Outcome<std::vector<std::string>> PublishNow(const std::string& state = "") {
    return Publish({season_.string(), state});
  }
  ServiceState Published() const { return ParseState(FileBytes(ManifestFile())).value(); }
  static std::string Plain(const LeagueStore& store, int league) {
    const auto& answer = (*store.Current())[league];
    return answer.bytes ? FromWindows1252(ShiftBytes(*answer.bytes)) : "";
  }
  static std::int32_t Count(const LeagueStore& store, int league) {
    return (*store.Current())[league].count;
  }

  TemporaryFolder folder_;
  fs::path season_ = CopySeason(folder_.path());
  std::string state_ = (folder_.path() / "counts.tsv").string();
};

TEST_F(Manifest, PublishingRaisesTheCountsOfChangedLeaguesOnly) {
  const Outcome<std::vector<std::string>> first = PublishNow();
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first->front(), "league 0: 306 matches, update count 1 (new)");
  EXPECT_EQ(first->back(), "manifest written: " + ManifestFile().string());
  for (int league = 0; league < kLeagueCount; ++league) EXPECT_EQ(Published()[league].count, 1);

  Write(0, OneMatch(2));
  Write(3, FileBytes(LeagueFile(3)) + "\n\n");  // other bytes, the same matches
  const Outcome<std::vector<std::string>> second = PublishNow();
  ASSERT_TRUE(second.ok());
  EXPECT_EQ((*second)[0], "league 0: 1 matches, update count 2 (raised from 1)");
  EXPECT_EQ((*second)[3], "league 3: 306 matches, update count 1 (unchanged)");
  EXPECT_EQ(Published()[0].count, 2);
  EXPECT_EQ(Published()[3].count, 1);

  // A league whose file is gone keeps its line, and goes on from it when the file is back.
  fs::remove(LeagueFile(5));
  ASSERT_TRUE(PublishNow().ok());
  EXPECT_EQ(Published()[5].count, 1);
  Write(5, OneMatch(4));
  ASSERT_TRUE(PublishNow().ok());
  EXPECT_EQ(Published()[5].count, 2);
  EXPECT_EQ(Published()[0].count, 2);
}

struct BadFolder {
  const char* name;
  std::function<void(const fs::path& season)> make;
  const char* told;  // part of the refusal
};

const BadFolder kBadFolders[] = {
    {"LineWithTwoColumns",
     [](const fs::path& s) {
       std::ofstream(SeasonFilePath(s.string(), 2), std::ios::app) << "x\ty\n";
     },
     "league-2.tsv\" has errors"},
    {"MatchDay39",
     [](const fs::path& s) {
       std::ofstream(SeasonFilePath(s.string(), 2))
           << kHeader << "39\t22.08.14 20:30\tBayern München\tVfL Wolfsburg\t2\t1\n";
     },
     "league-2.tsv\" has errors"},
    {"OnlyTheHeader",
     [](const fs::path& s) { std::ofstream(SeasonFilePath(s.string(), 2)) << kHeader; },
     "league-2.tsv\" has no matches"},
    {"FolderInsteadOfFile",
     [](const fs::path& s) {
       fs::remove(SeasonFilePath(s.string(), 2));
       fs::create_directory(SeasonFilePath(s.string(), 2));
     },
     "league-2.tsv\" cannot be read (no regular file)"},
    {"DamagedManifest",
     [](const fs::path& s) { std::ofstream(ManifestPath(s.string())) << "0\t1\n"; },
     "manifest.tsv\" is damaged"},
};

TEST_F(Manifest, ABadFolderIsRefusedAndTheManifestStaysAsItWas) {
  for (const BadFolder& bad : kBadFolders) {
    SCOPED_TRACE(bad.name);
    TemporaryFolder folder;
    const fs::path season = CopySeason(folder.path());
    ASSERT_TRUE(Publish({season.string(), ""}).ok());
    // A change of its own folder that must not be published with the bad file.
    ReplaceFile(SeasonFilePath(season.string(), 0), OneMatch(3));
    bad.make(season);
    const std::string before = FileBytes(ManifestPath(season.string()));
    const Outcome<std::vector<std::string>> result = Publish({season.string(), ""});
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.message().find(bad.told), std::string::npos) << result.message();
    EXPECT_EQ(FileBytes(ManifestPath(season.string())), before);
  }
  TemporaryFolder empty;
  const Outcome<std::vector<std::string>> none = Publish({empty.path().string(), ""});
  ASSERT_FALSE(none.ok());
  EXPECT_NE(none.message().find("no league file"), std::string::npos);
  EXPECT_FALSE(fs::exists(ManifestPath(empty.path().string())));
}

// A maker who ran one instance before: its clients hold that instance's counts, so the first
// manifest starts from them.
TEST_F(Manifest, TheFirstManifestGoesOnFromTheCountsOfAStateFile) {
  auto data = std::make_unique<MatchData>();
  ASSERT_TRUE(ReadSeasonFile(LeagueFile(0), *data, 0).ok());
  ServiceState state{};
  state[0] = {7, Fingerprint(LeagueDataBytes(*data, 0))};  // served as the files are now
  state[1] = {4, 1};                                       // served with other data
  ASSERT_TRUE(WriteStateFile(state_, state).ok());
  ASSERT_TRUE(PublishNow(state_).ok());
  EXPECT_EQ(Published()[0], state[0]);
  EXPECT_EQ(Published()[1].count, 5);
  EXPECT_EQ(Published()[2].count, 1);
  // From then on the manifest is the record.
  state[1].count = 100;
  ASSERT_TRUE(WriteStateFile(state_, state).ok());
  ASSERT_TRUE(PublishNow(state_).ok());
  EXPECT_EQ(Published()[1].count, 5);
  std::ofstream(state_) << "kaputt\n";
  fs::remove(ManifestFile());
  EXPECT_NE(PublishNow(state_).message().find("is damaged"), std::string::npos);
  EXPECT_FALSE(fs::exists(ManifestFile()));
}

TEST_F(Manifest, TheManifestIsReplacedWholeByARename) {
  ASSERT_TRUE(PublishNow().ok());
  const std::string first = FileBytes(ManifestFile());
  std::ifstream reader(ManifestFile(), std::ios::binary);  // opened before the publishing
  Write(1, OneMatch(0));
  ASSERT_TRUE(PublishNow().ok());
  const std::string seenByReader{std::istreambuf_iterator<char>(reader), {}};
  EXPECT_EQ(seenByReader, first);
  EXPECT_NE(FileBytes(ManifestFile()), first);
  EXPECT_EQ(Published()[1].count, 2);
  EXPECT_EQ(std::distance(fs::directory_iterator(season_), {}), kLeagueCount + 1);
}

TEST(NextManifest, ACountAtItsHighestIsNotReused) {
  constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
  ServiceState previous{};
  previous[0] = {kHighest, 1};
  EXPECT_EQ(NextManifest(previous, {std::uint64_t{1}}).value(), previous);
  EXPECT_FALSE(NextManifest(previous, {std::uint64_t{2}}).ok());
}

TEST_F(Manifest, EveryStoreServesTheManifestCountsByteForByte) {
  ASSERT_TRUE(PublishNow().ok());
  Write(0, OneMatch(2));
  ASSERT_TRUE(PublishNow().ok());
  LeagueStore one(season_.string(), state_, 0ms);
  LeagueStore other(season_.string(), (folder_.path() / "other.tsv").string(), 0ms);
  ASSERT_TRUE(one.Start().ok());
  ASSERT_TRUE(other.Start().ok());
  EXPECT_EQ(Plain(one, 0), "1|2208142030|Bayern München|VfL Wolfsburg|2|1<>2");
  for (int league = 0; league < kLeagueCount; ++league) {
    EXPECT_EQ(*(*one.Current())[league].bytes, *(*other.Current())[league].bytes) << league;
    EXPECT_TRUE((*one.Current())[league].published);
  }
  EXPECT_EQ(ReadStateFile(state_).value(), Published());
}

TEST_F(Manifest, DataNewerThanTheManifestWaitForThePublishing) {
  ASSERT_TRUE(PublishNow().ok());
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  const std::string served = Plain(store, 0);
  Write(0, OneMatch(2));
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);
  ASSERT_TRUE(PublishNow().ok());
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), "1|2208142030|Bayern München|VfL Wolfsburg|2|1<>2");
}

TEST_F(Manifest, AManifestNewerThanTheDataWaitsForTheirFile) {
  ASSERT_TRUE(PublishNow().ok());
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  const std::string served = Plain(store, 0);
  // The publisher's folder, synchronised manifest first.
  const fs::path publisher = CopySeason(folder_.path() / "publisher");
  fs::copy_file(ManifestFile(), ManifestPath(publisher.string()));
  std::ofstream(SeasonFilePath(publisher.string(), 0)) << OneMatch(2);
  std::ofstream(SeasonFilePath(publisher.string(), 1)) << OneMatch(0);
  ASSERT_TRUE(Publish({publisher.string(), ""}).ok());
  ReplaceFile(ManifestFile(), FileBytes(ManifestPath(publisher.string())));
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);
  EXPECT_EQ(Count(store, 1), 1);
  EXPECT_EQ(Count(store, 2), 1);
  Write(0, FileBytes(SeasonFilePath(publisher.string(), 0)));
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), "1|2208142030|Bayern München|VfL Wolfsburg|2|1<>2");
  EXPECT_EQ(Count(store, 1), 1);
}

TEST_F(Manifest, ACountNeverGoesBack) {
  ASSERT_TRUE(PublishNow().ok());
  const std::string firstData = FileBytes(LeagueFile(0));
  const std::string firstManifest = FileBytes(ManifestFile());
  Write(0, OneMatch(2));
  ASSERT_TRUE(PublishNow().ok());
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  const std::string served = Plain(store, 0);

  // An older publication put back whole: data and count belong together, but are older.
  Write(0, firstData);
  ReplaceFile(ManifestFile(), firstManifest);
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);
  // Published again from scratch: count 2 now stands for other data.
  Write(0, OneMatch(5));
  fs::remove(ManifestFile());
  ASSERT_TRUE(PublishNow().ok());
  Write(0, OneMatch(6));
  ASSERT_TRUE(PublishNow().ok());
  ASSERT_EQ(Published()[0].count, 2);
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);
  // And a restarted instance remembers what it served.
  LeagueStore restarted(season_.string(), state_, 0ms);
  ASSERT_TRUE(restarted.Start().ok());
  EXPECT_EQ(Count(restarted, 0), 0);
  EXPECT_EQ(Count(restarted, 1), 1);
  // Publishing with that instance's counts goes on above them.
  fs::remove(ManifestFile());
  ASSERT_TRUE(PublishNow(state_).ok());
  restarted.Refresh();
  EXPECT_EQ(Plain(restarted, 0), "1|2208142030|Bayern München|VfL Wolfsburg|6|1<>3");
}

TEST_F(Manifest, AManifestGoneOrDamagedKeepsItsCounts) {
  ASSERT_TRUE(PublishNow().ok());
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  const std::string served = Plain(store, 0);
  fs::remove(ManifestFile());
  Write(0, OneMatch(2));
  store.Refresh();  // counting on its own, it would give count 2 to these data
  EXPECT_EQ(Plain(store, 0), served);
  std::ofstream(ManifestFile()) << "kaputt\n";
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);
  fs::remove(ManifestFile());
  ASSERT_EQ(mkfifo(ManifestFile().c_str(), 0644), 0);  // no writer: a blocking read would hang
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);

  // Unreadable from the start: nothing is served rather than counts of the instance's own.
  LeagueStore fresh(season_.string(), (folder_.path() / "fresh.tsv").string(), 0ms);
  ASSERT_TRUE(fresh.Start().ok());
  for (int league = 0; league < kLeagueCount; ++league) EXPECT_EQ(Count(fresh, league), 0);
}

// A read error of the manifest (here its folder's mode 000 for a moment) once made a folder
// that never had one count as published, and every later change was refused until a restart.
TEST_F(Manifest, AFolderUnreadableForAMomentTakesTheNextChange) {
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  const std::string served = Plain(store, 0);
  Write(0, OneMatch(2));
  fs::permissions(season_, fs::perms::none);
  const bool root = geteuid() == 0;  // root reads through mode 000: an ordinary user looks
  ASSERT_TRUE(!root || seteuid(65534) == 0);
  const Outcome<FileRead> manifest = ReadRegularFile(ManifestFile());
  EXPECT_TRUE(store.Refresh());  // to be looked at again soon
  ASSERT_TRUE(!root || seteuid(0) == 0);
  fs::permissions(season_, fs::perms::owner_all);
  EXPECT_TRUE(!manifest && manifest.failure().kind != kFileMissing);
  EXPECT_EQ(Plain(store, 0), served);
  EXPECT_FALSE(store.Refresh());
  EXPECT_EQ(Plain(store, 0), "1|2208142030|Bayern München|VfL Wolfsburg|2|1<>2");
}

TEST(PublishCommand, ExitStatusAndMessages) {
  TemporaryFolder folder;
  const std::string season = CopySeason(folder.path()).string();
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {ZAK_DATASERVICE, "publish"});
    return RunProgram(args);
  };
  const auto ok = run({"--season", season});
  EXPECT_EQ(ok.status, 0) << ok.output;
  EXPECT_NE(ok.output.find("league 7: 306 matches, update count 1 (new)\nmanifest written: "),
            std::string::npos);

  std::ofstream(SeasonFilePath(season, 4), std::ios::app) << "1\t22.08.14\tA\tB\t1\t1\n";
  const auto refused = run({"--season=" + season});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("league-4.tsv:242: "), std::string::npos) << refused.output;
  EXPECT_NE(refused.output.find("nothing published; the manifest stays as it was"),
            std::string::npos);
  EXPECT_EQ(refused.output.find("update count"), std::string::npos);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"--season"}, {"--frei", season}, {"--season", season, "--port", "1"}}) {
    EXPECT_EQ(run(args).status, 2) << args.size();
  }
  EXPECT_EQ(run({"--help"}).status, 0);
}

}  // namespace
}  // namespace zak::dataservice
