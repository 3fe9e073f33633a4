#include "league_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "core/league_data_text.h"
#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/windows1252.h"
#include "support/temporary_folder.h"

namespace zak::dataservice {
namespace {

using zak::testing::CopySeason;
using zak::testing::TemporaryFolder;
using namespace std::chrono_literals;

const std::string kHeader = "day\tkickoff\thome\taway\thome_goals\taway_goals\n";
const std::string kMatch = "1\t22.08.14 20:30\tBayern München\tVfL Wolfsburg\t2\t1\n";

class Store : public ::testing::Test {
 protected:
  void Write(int league, const std::string& text) {
    std::ofstream(SeasonFilePath(season_.string(), league)) << text;
  }
  // A file still being written, as far as its time stamp tells: modified "later than now", so
  // only a second look after the settle time can take it, however slowly this test runs.
  void MarkBeingWritten() {
    for (const auto& entry : std::filesystem::directory_iterator(season_)) {
      std::filesystem::last_write_time(entry.path(),
                                       std::filesystem::file_time_type::clock::now() + 1h);
    }
  }
  std::string Plain(const LeagueStore& store, int league) {
    const auto& answer = (*store.Current())[league];
    return answer.bytes ? FromWindows1252(ShiftBytes(*answer.bytes)) : "";
  }

  TemporaryFolder folder_;
  std::filesystem::path season_ = CopySeason(folder_.path());
  std::string state_ = (folder_.path() / "counts.tsv").string();
};

TEST_F(Store, ServesEachSeasonFileWithItsCount) {
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  for (int league = 0; league < kLeagueCount; ++league) {
    auto data = std::make_unique<MatchData>();
    const bool present =
        ReadSeasonFile(SeasonFilePath(season_.string(), league), *data, league).ok();
    EXPECT_EQ((*store.Current())[league].count, present ? 1 : 0) << league;
    EXPECT_EQ(Plain(store, league), present ? EncodeLeagueData(*data, league) + "<>1" : "");
  }
}

TEST_F(Store, OnlyAChangeOfTheServedDataRaisesTheCount) {
  std::filesystem::remove(SeasonFilePath(season_.string(), 3));
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  Write(3, kHeader + kMatch);
  store.Refresh();
  EXPECT_EQ(Plain(store, 3), "1|2208142030|Bayern München|VfL Wolfsburg|2|1<>1");
  const auto before = store.Current();
  Write(3, kHeader + kMatch + "\n\n");  // other bytes, same matches
  store.Refresh();
  EXPECT_EQ(store.Current(), before);
  Write(3, kHeader + "1\t22.08.14 20:30\tBayern München\tVfL Wolfsburg\t\t\n");
  store.Refresh();
  EXPECT_EQ(Plain(store, 3), "1|2208142030|Bayern München|VfL Wolfsburg||<>2");
  EXPECT_EQ(ReadStateFile(state_).value()[3].count, 2);
  EXPECT_EQ(ReadStateFile(state_).value()[0].count, 1);
  // A reader still holding the old answers keeps them intact.
  EXPECT_EQ((*before)[3].count, 1);
}

TEST_F(Store, BrokenEmptyOrVanishedFilesKeepTheLastAnswer) {
  std::filesystem::remove(SeasonFilePath(season_.string(), 4));
  LeagueStore store(season_.string(), state_, 0ms);
  ASSERT_TRUE(store.Start().ok());
  const std::string served = Plain(store, 0);
  Write(0, kHeader + kMatch + "2\tkaputt\n");
  store.Refresh();
  Write(0, kHeader);
  store.Refresh();
  std::filesystem::remove(SeasonFilePath(season_.string(), 0));
  store.Refresh();
  EXPECT_EQ(Plain(store, 0), served);
  Write(4, kHeader);  // no matches: still nothing to deliver
  store.Refresh();
  EXPECT_EQ((*store.Current())[4].count, 0);
}

TEST_F(Store, CountsContinueFromTheStateFile) {
  {
    LeagueStore store(season_.string(), state_, 0ms);
    ASSERT_TRUE(store.Start().ok());
    Write(1, kHeader + kMatch);
    store.Refresh();
  }
  LeagueStore again(season_.string(), state_, 0ms);
  ASSERT_TRUE(again.Start().ok());
  EXPECT_EQ((*again.Current())[0].count, 1);
  EXPECT_EQ((*again.Current())[1].count, 2);
  EXPECT_TRUE(Plain(again, 1).ends_with("<>2"));

  std::ofstream(state_) << "0\tx\t0\n";
  EXPECT_FALSE(LeagueStore(season_.string(), state_, 0ms).Start().ok());
}

// A failed write of the counts is tried again at the next look, though no count changes: a
// restart would otherwise serve counts that went back.
TEST_F(Store, CountsNotSavedAreSavedAtTheNextLook) {
  const auto blocked = folder_.path() / "state";
  std::ofstream(blocked) << "";  // a file where the state file's folder belongs: writes fail
  const std::string state = (blocked / "counts.tsv").string();
  LeagueStore store(season_.string(), state, 0ms);
  ASSERT_TRUE(store.Start().ok());
  ASSERT_EQ((*store.Current())[0].count, 1);
  std::filesystem::remove(blocked);
  store.Refresh();
  EXPECT_EQ(ReadStateFile(state).value()[0].count, 1);
}

// A file that has just changed may still be being written: it is taken only once it has stood
// still for the settle time, however often it is looked at meanwhile.
TEST_F(Store, AChangedFileIsTakenOnlyOnceItHasStoodStill) {
  {
    LeagueStore store(season_.string(), state_, 1h);
    EXPECT_TRUE(store.Refresh());
    EXPECT_TRUE(store.Refresh());
    EXPECT_EQ((*store.Current())[0].count, 0);
  }
  constexpr auto kSettle = 200ms;
  MarkBeingWritten();
  LeagueStore store(season_.string(), state_, kSettle);
  EXPECT_TRUE(store.Refresh());
  std::this_thread::sleep_for(kSettle);
  EXPECT_FALSE(store.Refresh());
  EXPECT_EQ((*store.Current())[0].count, 1);

  const std::string served = Plain(store, 0);
  Write(0, kHeader + kMatch);  // the first line of a rewrite in place
  MarkBeingWritten();
  EXPECT_TRUE(store.Refresh());
  Write(0, kHeader + kMatch + "2\t23.08.14 15:30\tA\tB\t1\t1\n");  // it goes on
  MarkBeingWritten();
  EXPECT_TRUE(store.Refresh());
  EXPECT_EQ(Plain(store, 0), served);
  std::this_thread::sleep_for(kSettle);
  EXPECT_FALSE(store.Refresh());
  EXPECT_TRUE(Plain(store, 0).ends_with("|A|B|1|1<>2"));
}

}  // namespace
}  // namespace zak::dataservice
