#include "core/program_update.h"

#include <gtest/gtest.h>

#include <cctype>

#include "core/maker.h"
#include "core/protocol.h"
#include "core/text_util.h"
#include "core/version_history.h"

namespace zak {
namespace {

struct VersionRow {
  const char* newest;
  UpdateState state;
};

class UpdateStateOf : public ::testing::TestWithParam<VersionRow> {};

// The installed version is 2.0.9.2 throughout; versions compare as texts, not as numbers.
TEST_P(UpdateStateOf, NewestVersion) {
  EXPECT_EQ(CompareVersionTexts(kProgramVersion, GetParam().newest), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(AgainstInstalled, UpdateStateOf,
                         ::testing::Values(VersionRow{"2.0.9.2", UpdateState::kCurrent},
                                           VersionRow{"2.0.9.3", UpdateState::kNewerAvailable},
                                           VersionRow{"2.1", UpdateState::kNewerAvailable},
                                           VersionRow{"2.0.9.2a", UpdateState::kNewerAvailable},
                                           VersionRow{"2.0.10.0", UpdateState::kTestVersion},
                                           VersionRow{"2.0.9", UpdateState::kTestVersion},
                                           VersionRow{"1.9", UpdateState::kTestVersion},
                                           VersionRow{"10.0", UpdateState::kTestVersion},
                                           VersionRow{"", UpdateState::kTestVersion},
                                           VersionRow{"???", UpdateState::kNoConnection}),
                         [](const ::testing::TestParamInfo<VersionRow>& info) {
                           std::string name;
                           for (const char c : std::string_view(info.param.newest)) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name.empty()    ? std::string("empty")
                                  : name == "___" ? "unknown"
                                                  : "v" + name;
                         });

TEST(ShownNewestVersion, TheFailureTextBecomesQuestionMarks) {
  EXPECT_EQ(ShownNewestVersion(kConnectionFailedText), "???");
  EXPECT_EQ(CompareVersionTexts(kProgramVersion, ShownNewestVersion(kConnectionFailedText)),
            UpdateState::kNoConnection);
  EXPECT_EQ(ShownNewestVersion("2.0.9.3"), "2.0.9.3");
}

// The start-up offers the update window only for a longer answer that sorts after ours.
TEST(IsNewerVersionOffered, OnlyForAnAnswerThatSortsAfterTheInstalledVersion) {
  EXPECT_TRUE(IsNewerVersionOffered(kProgramVersion, "2.1.0.0"));
  EXPECT_TRUE(IsNewerVersionOffered(kProgramVersion, "2.0.9.3"));
  EXPECT_TRUE(IsNewerVersionOffered("2", "äb3"));
  EXPECT_FALSE(IsNewerVersionOffered(kProgramVersion, "2.0.10.0"));
  EXPECT_FALSE(IsNewerVersionOffered(kProgramVersion, "2.0.9.2"));
  // Two characters, though "3." sorts after "2.0.9.2"; "ä" is one character of two bytes.
  EXPECT_FALSE(IsNewerVersionOffered(kProgramVersion, "3."));
  EXPECT_FALSE(IsNewerVersionOffered("2", "ä3"));
  // The failure text starts with a letter, which sorts after every digit.
  EXPECT_FALSE(IsNewerVersionOffered(kProgramVersion, kConnectionFailedText));
}

struct HistoryRow {
  const char* name;
  std::string_view answer;
  std::string_view shown;
};

class HistoryForDisplayOf : public ::testing::TestWithParam<HistoryRow> {};

TEST_P(HistoryForDisplayOf, Answer) {
  EXPECT_EQ(HistoryForDisplay(GetParam().answer), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HistoryForDisplayOf,
    ::testing::Values(HistoryRow{"LineFeeds", "v2\n- a\n\nv1\n- b", "v2\r\n- a\r\n\r\nv1\r\n- b"},
                      HistoryRow{"LeadingAndTrailingLineFeeds", "\nab\n", "\r\nab\r\n"},
                      HistoryRow{"CarriageReturnLineFeedsKeepTheirCarriageReturn", "a\r\nb\r\n",
                                 "a\r\r\nb\r\r\n"},
                      HistoryRow{"ThreeCharacters", "abc", "abc"},
                      HistoryRow{"TwoCharacters", "ab", ""},
                      HistoryRow{"TwoUmlautsOfFourBytes", "\xC3\xA4\xC3\xB6", ""},
                      HistoryRow{"ThreeUmlauts", "\xC3\xA4\xC3\xB6\xC3\xBC",
                                 "\xC3\xA4\xC3\xB6\xC3\xBC"},
                      HistoryRow{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<HistoryRow>& info) { return info.param.name; });

// Shown whenever the service cannot be asked: blocks newest first, each a dated heading and its
// change lines, separated by one empty line, nothing after the last.
TEST(BuiltInHistory, OneDatedBlockPerVersionNewestFirst) {
  EXPECT_EQ(Utf8Length(kBuiltInHistory), 3076u);
  const std::vector<std::string> blocks = Split(kBuiltInHistory, "\r\n\r\n");
  ASSERT_EQ(blocks.size(), 21u);
  EXPECT_EQ(blocks[0],
            "v2.0.9.2 (17.05.2015)\r\n"
            "- 3 Punkte Abzug für den Zweitligisten SV Sandhausen\r\n"
            "- 2 Punkte Abzug für den Drittligisten SpVgg Unterhaching");
  EXPECT_EQ(blocks[20].substr(0, 21), "v1.2.0 (28.06.2006)\r\n");
  std::string previousDate = "99999999";
  for (const std::string& block : blocks) {
    const std::vector<std::string> lines = Split(block, "\r\n");
    ASSERT_GE(lines.size(), 2u) << block;
    const std::string& heading = lines[0];
    ASSERT_EQ(heading.substr(0, 1), "v") << heading;
    const std::size_t open = heading.find(" (");
    ASSERT_NE(open, std::string::npos) << heading;
    const std::string date = heading.substr(open + 2);
    ASSERT_EQ(date.size(), 11u) << heading;
    EXPECT_EQ(date.substr(2, 1) + date.substr(5, 1) + date.substr(10), "..)") << heading;
    const std::string sortable = date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2);
    EXPECT_LT(sortable, previousDate) << heading;
    previousDate = sortable;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].substr(0, 2), "- ") << heading << ": " << lines[i];
    }
  }
}

}  // namespace
}  // namespace zak
