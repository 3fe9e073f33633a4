#include "options.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temporary_folder.h"

namespace zak::dataservice {
namespace {

using zak::testing::TemporaryFolder;

Outcome<std::optional<ServiceOptions>> Parse(std::vector<std::string> args) {
  return ParseOptions(args, DefaultOptions());
}

TEST(Options, DefaultsAndBothSpellings) {
  const auto options = **Parse({});
  EXPECT_EQ(options.bind, "127.0.0.1");
  EXPECT_EQ(options.port, 8014);
  EXPECT_TRUE(options.seasonDir.ends_with("/data/season-2014-15"));
  EXPECT_GE(options.threads, 1);
  EXPECT_EQ(options.latestVersion, "2.0.9.2");
  EXPECT_TRUE(options.history.starts_with("v2.0.9.2 (17.05.2015)\n- 3 Punkte"));
  EXPECT_EQ(options.history.find('\r'), std::string::npos);

  const auto given = **Parse(
      {"--port=0", "--bind", "::1", "--threads", "3", "--news=a=b", "--check-interval", "0"});
  EXPECT_EQ(given.port, 0);
  EXPECT_EQ(given.bind, "::1");
  EXPECT_EQ(given.threads, 3);
  EXPECT_EQ(given.news, "a=b");
  EXPECT_EQ(given.checkIntervalSeconds, 0);
}

// The download address names where users reach the service: a wildcard bind must be told.
TEST(Options, ThePublicHostMakesTheDownloadAddress) {
  const auto served = [](std::vector<std::string> args) {
    return WithPublicHost(**Parse(std::move(args)), 8015).downloadAddress;
  };
  EXPECT_EQ(served({"--bind", "::1", "--public-host="}), "http://[::1]:8015/zak/");
  EXPECT_EQ(served({"--bind", "0.0.0.0", "--public-host", "zak.example"}),
            "http://zak.example/zak/");
}

TEST(Options, HistoryFromAFileWithoutCarriageReturns) {
  TemporaryFolder folder;
  const auto path = (folder.path() / "history.txt").string();
  std::ofstream(path) << "v2\r\n- neu\r\n";
  EXPECT_EQ((**Parse({"--history-file", path})).history, "v2\n- neu\n");
  EXPECT_FALSE(Parse({"--history-file", path + "x"}).ok());
}

TEST(Options, MistakesAreReported) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"--port", "65536"},
                                                                {"--port", "x"},
                                                                {"--threads", "0"},
                                                                {"--client-timeout", "0"},
                                                                {"--check-interval", "-1"},
                                                                {"--port"},
                                                                {"--bind", "0.0.0.0"},
                                                                {"--bind", "::"},
                                                                {"--public-host", "a/b"},
                                                                {"--frei"},
                                                                {"8014"}}) {
    EXPECT_FALSE(Parse(args).ok()) << args[0];
  }
  const auto help = Parse({"--port", "1", "--help"});
  EXPECT_TRUE(help.ok() && !*help);
}

}  // namespace
}  // namespace zak::dataservice
