#include "state_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temporary_folder.h"

namespace zak::dataservice {
namespace {

using zak::testing::TemporaryFolder;

TEST(StateFile, RoundTripKeepsOnlyLeaguesWithData) {
  ServiceState state{};
  state[0] = {3, 0xfedcba9876543210ull};
  state[7] = {2147483647, 1};
  const std::string text = FormatState(state);
  EXPECT_EQ(text, "# league\tcount\tfingerprint\n0\t3\tfedcba9876543210\n7\t2147483647\t1\n");
  EXPECT_EQ(ParseState(text).value(), state);
}

TEST(StateFile, DamagedTextIsRejected) {
  for (const char* text : {"", "\n", "# league\tcount\tfingerprint\n", "0\t1\n", "8\t1\tff\n",
                           "-1\t1\tff\n", "0\t0\tff\n", "0\t-2\tff\n", "0\t1\tfg\n",
                           "0\t1\tff\n0\t2\tff\n", "0\t1\tff\tx\n", "0\t99999999999\tff\n"}) {
    EXPECT_FALSE(ParseState(text)) << text;
  }
}

TEST(StateFile, WriteReplacesTheFileAndLeavesNoTemporary) {
  TemporaryFolder folder;
  const std::string path = (folder.path() / "deep" / "counts.tsv").string();
  EXPECT_EQ(ReadStateFile(path).value(), ServiceState{});  // none yet: a fresh start
  ServiceState state{};
  state[2] = {5, 42};
  ASSERT_TRUE(WriteStateFile(path, state).ok());
  state[2].count = 6;
  ASSERT_TRUE(WriteStateFile(path, state).ok());
  EXPECT_EQ(ReadStateFile(path).value(), state);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "deep"), {}), 1);

  // Only a league with data is ever written: an empty file was cut off, and counts read from it
  // would start again at 1.
  std::ofstream(path).close();
  EXPECT_FALSE(ReadStateFile(path).ok());
  std::ofstream(path) << "kaputt\n";
  EXPECT_FALSE(ReadStateFile(path).ok());
  EXPECT_FALSE(WriteStateFile((folder.path() / "deep" / "counts.tsv" / "x").string(), state).ok());
}

}  // namespace
}  // namespace zak::dataservice
