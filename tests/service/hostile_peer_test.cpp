// The program's data path against peers that are not the data service: a captive portal,
// garbage, answers without end, a trickle, a redirect; and against a store it cannot write.
#include <memory>

#include "core/league_answer.h"
#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/windows1252.h"
#include "hostile_server.h"
#include "service/league_loading.h"
#include "service_fixture.h"
#include "support/bundled_season.h"
#include "support/file_size_limit.h"
#include "support/service_process.h"

namespace zak {
namespace {

using testing::BundledSeason;
using testing::HostileServer;
using testing::Hostility;
using testing::ServiceProcess;

std::string Shifted(std::string_view text) { return ShiftBytes(ToWindows1252(text)); }

class HostilePeerTest : public testing::ServiceFixture {
 protected:
  // A good copy of league 0 in the store, from the real service, then a fresh start.
  void StoreGoodCopy() {
    ServiceProcess service;
    ASSERT_TRUE(service.running());
    UseHost(service.host());
    Restart();
    ASSERT_TRUE(LoadLeague(*context_, data_->teamTable, status_, 0, true, 0));
    storedData_ = GetSettingValue(kSectionData, LeagueDataKey(0), "");
    storedCount_ = GetSettingValue(kSectionData, UpdateCountKey(0), "");
    ASSERT_EQ(storedCount_, "1");
  }
  std::string storedData_;
  std::string storedCount_;
};

struct NotLeagueData {
  const char* name;
  Hostility hostility;
  std::string body;  // as it goes over the wire
};

class NotLeagueDataTest : public HostilePeerTest,
                          public ::testing::WithParamInterface<NotLeagueData> {};

// None of these is league data: each is a failure with the no-connection message, the stored
// copy and its count stay, and the league is shown from that copy.
TEST_P(NotLeagueDataTest, KeepsTheStoredCopyAndSaysThereIsNoConnection) {
  StoreGoodCopy();
  HostileServer peer(GetParam().hostility, GetParam().body);
  UseHost(peer.host());
  Restart();
  messages_.shown.clear();
  EXPECT_FALSE(LoadLeague(*context_, data_->teamTable, status_, 0, true, 1));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, kNoConnectionMessage);
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(0), ""), storedData_);
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(0), ""), storedCount_);
  EXPECT_EQ(data_->serverUpdateCount[0], 1);
  const auto season = BundledSeason({0});
  EXPECT_EQ((*season)(3, 0, 20), data_->matchData(3, 0, 20));
  EXPECT_EQ(peer.Requests().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    HostilePeer, NotLeagueDataTest,
    ::testing::Values(NotLeagueData{"PortalPage", Hostility::kPortalPage, ""},
                      NotLeagueData{"NulBytes", Hostility::kBytes, std::string(64, '\0')},
                      NotLeagueData{"Garbage", Hostility::kBytes, Shifted("Wartungsarbeiten")},
                      NotLeagueData{"EveryItemRejected", Hostility::kBytes,
                                    Shifted("x|y|z;99|1|A|B|1|1<>7")},
                      NotLeagueData{"ItemsWithoutCount", Hostility::kBytes, Shifted("x|y|z;a|b|c")},
                      NotLeagueData{"CountWithoutItems", Hostility::kBytes, Shifted("<>9")}),
    [](const auto& info) { return std::string(info.param.name); });

class TooMuchOrTooSlowTest : public HostilePeerTest,
                             public ::testing::WithParamInterface<Hostility> {};

// Each ends in the failure text, within twice the time-out, with the answer cut at 1 MiB: the
// peer never gets to push more than a few megabytes.
TEST_P(TooMuchOrTooSlowTest, EndsInTheFailureText) {
  HostileServer peer(GetParam());
  UseHost(peer.host());
  Restart();
  data_->options.ServerTimeoutMs = 1000;
  EXPECT_EQ(gateway_->HttpGetText(LeagueDataPath(0, 0), true, kConnectionFailedText),
            kConnectionFailedText);
  EXPECT_LT(peer.BytesSent(), 32u << 20);
}

std::string HostilityName(const ::testing::TestParamInfo<Hostility>& info) {
  switch (info.param) {
    case Hostility::kHugeAnswer:
      return "HugeAnswer";
    case Hostility::kEndlessAnswer:
      return "EndlessAnswer";
    case Hostility::kEndlessHeader:
      return "EndlessHeader";
    default:
      return "Trickle";
  }
}

INSTANTIATE_TEST_SUITE_P(HostilePeer, TooMuchOrTooSlowTest,
                         ::testing::Values(Hostility::kHugeAnswer, Hostility::kEndlessAnswer,
                                           Hostility::kEndlessHeader, Hostility::kTrickle),
                         HostilityName);

// The agent text carries the installation's identity: it must not follow a redirect to
// another host, and a redirect is no answer.
TEST_F(HostilePeerTest, ARedirectIsAFailureAndNotFollowed) {
  HostileServer elsewhere(Hostility::kBytes, Shifted("1|0108142030|A|B|1|1<>5"));
  HostileServer redirecting(Hostility::kRedirect,
                            "http://" + elsewhere.host() + std::string(LeagueDataPath(0, 0)));
  UseHost(redirecting.host());
  Restart();
  EXPECT_EQ(gateway_->HttpGetText(LeagueDataPath(0, 0), true, kConnectionFailedText),
            kConnectionFailedText);
  EXPECT_EQ(redirecting.Requests().size(), 1u);
  EXPECT_TRUE(elsewhere.Requests().empty());
}

// A store that cannot be written (a full disk: no file may grow): downloads still work for this
// run, and the user is told once, not per league.
TEST_F(HostilePeerTest, AStoreThatCannotBeWrittenIsToldOnce) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  Restart();
  messages_.shown.clear();
  {
    testing::FileSizeLimit full(1);
    for (int league = 0; league < 3; ++league) {
      EXPECT_TRUE(LoadLeague(*context_, data_->teamTable, status_, league, true, 0)) << league;
    }
  }
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_TRUE(messages_.shown[0].text.starts_with("Die Einstellungen können nicht gespeichert"))
      << messages_.shown[0].text;
  EXPECT_EQ(data_->matchData(0, 2, 0).Home, "Rot-Weiß Erfurt");
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(2), "0"), "0");
}

}  // namespace
}  // namespace zak
