#include "core/league_answer.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/agent_text.h"

namespace zak {
namespace {

struct SplitCase {
  const char* name;
  const char* answer;
  const char* data;
  std::optional<std::int32_t> count;
};

class SplitLeagueAnswerTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLeagueAnswerTest, DataBeforeTheFirstSeparatorCountOnlyWithTwoParts) {
  const LeagueAnswerParts a = SplitLeagueAnswer(GetParam().answer);
  EXPECT_EQ(a.data, GetParam().data);
  EXPECT_EQ(a.updateCount, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SplitLeagueAnswerTest,
    ::testing::Values(SplitCase{"DataAndCount", "1|220814|A|B|1|0;<>17", "1|220814|A|B|1|0;", 17},
                      SplitCase{"CountWithLineEnd", "1|220814|A|B|1|0<>17\r\n", "1|220814|A|B|1|0",
                                17},
                      SplitCase{"ThreeParts", "1|220814|A|B|1|0;2||C|D|0|0<>1<>2",
                                "1|220814|A|B|1|0;2||C|D|0|0", std::nullopt},
                      SplitCase{"FourParts", "x<><>3<>", "x", std::nullopt},
                      SplitCase{"NoSeparator", "q)W7kd45%", "q)W7kd45%", std::nullopt},
                      SplitCase{"CountNoNumber", "x<>viele", "x", std::nullopt},
                      SplitCase{"EmptyCount", "x<>", "x", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeagueAnswerTest, RequestPath) {
  EXPECT_EQ(LeagueDataPath(0, 0), "/zak/ud/gd1415.php?l=1&ui=0");
  EXPECT_EQ(LeagueDataPath(7, 123456), "/zak/ud/gd1415.php?l=8&ui=123456");
}

TEST(AgentTextTest, TimestampAndLayout) {
  using namespace std::chrono;
  // 23 May 2015, 17:20 local time: the last match day of the Bundesliga.
  const local_seconds moment = local_days{2015y / May / 23} + 17h + 20min;
  EXPECT_EQ(GetAgentTimestamp(moment), 1432401600 - 7200);
  EXPECT_EQ(GetAgentTimestamp(local_seconds{}), -7200);
  const Identity identity{"00-1A-2B-3C-4D-5E", "KABINE", 18};
  EXPECT_EQ(BuildAgentText(1432394400, identity),
            "ZAK1415-143239440018"
            "00-1A-2B-3C-4D-5E KABINE");
}

}  // namespace
}  // namespace zak
