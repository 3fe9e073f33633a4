#include "answers.h"

#include <gtest/gtest.h>

#include "access_log.h"
#include "core/scrambling.h"

namespace zak::dataservice {
namespace {

const std::string kAgent = ShiftBytes("ZAK1415-1431903600");

std::string Plain(const Reply& reply) { return reply.body ? ShiftBytes(*reply.body) : ""; }

class Answers : public ::testing::Test {
 protected:
  Answers() {
    options_.latestVersion = "2.0.9.3";
    options_.news = "Schöne Grüße";
    options_.history = "v1\n- ä";
    options_.downloadAddress = "http://zak.example/dl";
    fixed_ = MakeFixedAnswers(options_);
    leagues_[0] = MakeLeagueAnswer("1|x", 4, false);
  }
  Reply Ask(std::string_view target, std::string_view agent = kAgent) {
    return AnswerRequest(fixed_, leagues_, target, agent);
  }

  ServiceOptions options_;
  FixedAnswers fixed_;
  LeagueSnapshot leagues_{};
};

TEST_F(Answers, LeagueDataByCountAndAgent) {
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=1&ui=0")), "1|x<>4");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?ui=3&l=1")), "1|x<>4");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=1&ui=-7")), "1|x<>4");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=1&ui=4")), "q)W7kd45%");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=8&ui=0")), "q)W7kd45%");  // no data yet
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=1&ui=0", "ZAK1415-1431903600")), "t(%)rwz81");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=1&ui=0", kAgent.substr(0, 7))), "t(%)rwz81");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=99&ui=0", "")), "t(%)rwz81");  // agent first
}

// A count from the manifest is the same on every instance; a client sending a higher one got it
// from an instance that already serves newer data, and keeps that data.
TEST_F(Answers, AHigherPublishedCountIsNothingNewAHigherOwnCountGetsTheData) {
  leagues_[1] = MakeLeagueAnswer("1|y", 4, true);
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=2&ui=5")), "q)W7kd45%");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=2&ui=2147483647")), "q)W7kd45%");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=2&ui=3")), "1|y<>4");
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=2&ui=-5")), "1|y<>4");
  // Counts of this instance's own: a higher one is from before a lost state file.
  EXPECT_EQ(Plain(Ask("/zak/ud/gd1415.php?l=1&ui=5")), "1|x<>4");
}

TEST_F(Answers, RequestsTheProgramNeverMakesAreUnavailable) {
  for (const char* query : {"l=0&ui=0", "l=9&ui=0", "l=1&ui=", "l=1&ui=1x", "l=1", "ui=0",
                            "l=1&ui=99999999999", "l=%31&ui=0", ""}) {
    const Reply reply = Ask(std::string("/zak/ud/gd1415.php?") + query);
    EXPECT_EQ(reply.status, 200u) << query;
    EXPECT_EQ(Plain(reply), "2") << query;
  }
}

TEST_F(Answers, VersionTextsAndNewsInWindows1252) {
  EXPECT_EQ(*Ask("/zak/dl/fw1415.php?s=2", "").body, "2.0.9.3");
  EXPECT_EQ(*Ask("/zak/dl/fw1415.php?s=1", "").body, "v1\n- \xE4");
  EXPECT_EQ(*Ask("/zak/dl/fw1415.php?s=0", "").body, "http://zak.example/dl");
  EXPECT_EQ(Plain(Ask("/zak/ud/news1415.php", "")),
            "Sch\xF6ne Gr\xFC\xDF"
            "e");
}

TEST_F(Answers, EverythingElseIsTheNotFoundPage) {
  for (const char* target : {"/", "", "/zak/dl/fw1415.php", "/zak/dl/fw1415.php?s=3",
                             "/zak/ud/GD1415.php?l=1&ui=0", "/zak/ud/gd1415.php/x", "*"}) {
    const Reply reply = Ask(target);
    EXPECT_EQ(reply.status, 404u) << target;
    EXPECT_NE(reply.body->find("Seite nicht gefunden"), std::string::npos);
  }
}

TEST(AccessLog, LineHasTimeAddressTargetStatusBytesAndDuration) {
  AccessRecord record;
  record.time = std::chrono::sys_days{std::chrono::May / 23 / 2015} + std::chrono::hours(17);
  record.client = "127.0.0.1";
  record.method = "GET";
  record.target = "/zak/ud/gd1415.php?l=1&ui=0";
  record.status = 200;
  record.bytes = 12531;
  record.microseconds = 57;
  EXPECT_EQ(FormatAccessLine(record),
            "2015-05-23T17:00:00Z 127.0.0.1 GET /zak/ud/gd1415.php?l=1&ui=0 200 12531 57us");
  record.target = "/a b\n2015-05-23T17:00:00Z forged\\\xff";
  record.method = "";
  EXPECT_EQ(
      FormatAccessLine(record),
      "2015-05-23T17:00:00Z 127.0.0.1 - /a\\x20b\\x0a2015-05-23T17:00:00Z\\x20forged\\x5c\\xff "
      "200 12531 57us");
}

}  // namespace
}  // namespace zak::dataservice
