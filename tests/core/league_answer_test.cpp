#include "core/league_answer.h"

#include <gtest/gtest.h>

#include "core/agent_text.h"

namespace zak {
namespace {

TEST(LeagueAnswerTest, UpdateCountOnlyWithExactlyTwoParts) {
  LeagueAnswer a = SplitLeagueAnswer("1|220814|A|B|1|0;<>17");
  EXPECT_EQ(a.data, "1|220814|A|B|1|0;");
  EXPECT_EQ(a.updateCount, 17);
  a = SplitLeagueAnswer("x<>1<>2");
  EXPECT_EQ(a.data, "x<>1<>2");
  EXPECT_FALSE(a.updateCount);
  a = SplitLeagueAnswer("q)W7kd45%");
  EXPECT_EQ(a.data, "q)W7kd45%");
  EXPECT_FALSE(a.updateCount);
  a = SplitLeagueAnswer("x<>viele");
  EXPECT_EQ(a.data, "x");
  EXPECT_FALSE(a.updateCount);
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
