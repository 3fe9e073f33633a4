#include "service/league_loading.h"

#include <algorithm>

#include "core/scrambling.h"
#include "core/season_file.h"
#include "core/stored_league_text.h"
#include "core/text_util.h"
#include "hostile_server.h"
#include "service_fixture.h"
#include "support/bundled_season.h"
#include "support/proxy_process.h"
#include "support/service_process.h"

namespace zak {
namespace {

using testing::BundledSeason;
using testing::HostileServer;
using testing::Hostility;
using testing::ProxyProcess;
using testing::ServiceProcess;

constexpr const char* kLeagueRequests = "/zak/ud/gd1415.php";

class LeagueLoadingTest : public testing::ServiceFixture {
 protected:
  // The start-up's loading of every league from the store first.
  std::array<bool, kLeagueCount> LoadAll() {
    std::array<bool, kLeagueCount> ok{};
    for (int league = 0; league < kLeagueCount; ++league) {
      ok[league] = LoadLeague(*context_, data_->teamTable, status_, league, false, 0).ok();
    }
    return ok;
  }

  void UseProxy(int port, const std::string& password) {
    data_->options.ProxyEnabled = true;
    data_->options.ProxyServer = "127.0.0.1";
    data_->options.ProxyPort = static_cast<std::uint16_t>(port);
    data_->options.ProxyUser = "zak";
    data_->options.ProxyPassword = password;
  }

  static void ExpectLeague(const MatchData& actual, const MatchData& expected, int league) {
    for (int day = 0; day < kDaySlots; ++day) {
      for (int slot = 0; slot < kMatchSlots; ++slot) {
        ASSERT_EQ(actual(slot, league, day), expected(slot, league, day))
            << "league " << league << " day " << day + 1 << " slot " << slot;
      }
    }
  }
};

TEST_F(LeagueLoadingTest, FirstStartDownloadsAndStoresTheNextReadsTheStoredCopies) {
  const testing::TemporaryFolder folder;
  testing::ServiceStart start;
  // The season folder of a maker who has no file for the Regionalliga West yet.
  start.season = testing::CopySeason(folder.path(), {0, 1, 2, 3, 4, 6, 7});
  ServiceProcess service(start);
  ASSERT_TRUE(service.running());
  UseHost(service.host());

  EXPECT_EQ(LoadAll(),
            (std::array<bool, kLeagueCount>{true, true, true, true, true, true, true, true}));
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(service.RequestCount(kLeagueRequests), kLeagueCount);
  for (int league = 0; league < kLeagueCount; ++league) {
    if (league == 5) continue;
    ExpectLeague(data_->matchData, *BundledSeason({league}), league);
    EXPECT_FALSE(GetSettingValue(kSectionData, LeagueDataKey(league), "").empty());
    EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(league), ""), "1");
    EXPECT_EQ(data_->serverUpdateCount[league], 1);
  }
  // A league without a season file: the service has nothing, and nothing is stored.
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(5), "none"), "none");

  Restart();
  LoadAll();
  for (int league = 0; league < kLeagueCount; ++league) {
    if (league == 5) continue;
    ExpectLeague(data_->matchData, *BundledSeason({league}), league);
    EXPECT_EQ(data_->serverUpdateCount[league], 1);
  }
  // The stored copy's loading computes the table of the current day: the final one.
  const auto& rows = data_->teamTable[0];
  const auto leader =
      std::find_if(rows.begin(), rows.end(), [](const TeamRow& row) { return row.Rank == 1; });
  ASSERT_NE(leader, rows.end());
  EXPECT_EQ(leader->Name, "Bayern München");
  EXPECT_EQ(leader->Points, 79);
  // Only the league without a stored copy asked again.
  EXPECT_EQ(service.RequestCount(kLeagueRequests), kLeagueCount + 1);
  EXPECT_EQ(service.RequestCount("/zak/ud/gd1415.php?l=6&"), 2);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(LeagueLoadingTest, CurrentUpdateCountKeepsTheStoredCopy) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  ASSERT_TRUE(LoadLeague(*context_, data_->teamTable, status_, 1, true, 0));
  const std::string stored = GetSettingValue(kSectionData, LeagueDataKey(1), "");

  Restart();
  LeagueSource source = LeagueSource::kNone;
  EXPECT_TRUE(LoadLeague(*context_, data_->teamTable, status_, 1, true, data_->serverUpdateCount[1],
                         &source));
  EXPECT_EQ(source, LeagueSource::kStore);
  EXPECT_EQ(service.RequestCount("/zak/ud/gd1415.php?l=2&ui=1"), 1);
  EXPECT_TRUE(messages_.shown.empty());
  ExpectLeague(data_->matchData, *BundledSeason({1}), 1);
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(1), ""), stored);
}

TEST_F(LeagueLoadingTest, NothingListeningShowsTheConnectionMessageAndUsesTheStoredCopy) {
  {
    ServiceProcess service;
    ASSERT_TRUE(service.running());
    UseHost(service.host());
    ASSERT_TRUE(LoadLeague(*context_, data_->teamTable, status_, 0, true, 0));
  }
  Restart();
  LeagueSource source = LeagueSource::kNone;
  EXPECT_FALSE(LoadLeague(*context_, data_->teamTable, status_, 0, true, 0, &source));
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::kWarning);
  EXPECT_EQ(messages_.shown[0].text, kNoConnectionMessage);
  EXPECT_EQ(messages_.shown[0].title, "");
  EXPECT_EQ(source, LeagueSource::kStore);
  ExpectLeague(data_->matchData, *BundledSeason({0}), 0);
}

TEST_F(LeagueLoadingTest, DamagedStoredCopyIsReportedAndDownloadedAgain) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  ASSERT_TRUE(LoadLeague(*context_, data_->teamTable, status_, 2, false, 0));
  const std::string stored = GetSettingValue(kSectionData, LeagueDataKey(2), "");
  const std::vector<std::string> records = Split(ScrambleSetting(stored), "|");
  ASSERT_EQ(records.size(), 380u);
  std::string cut;
  for (int i = 0; i < 200; ++i) cut += (i ? "|" : "") + records[i];
  ASSERT_TRUE(SaveSettingValue(kSectionData, LeagueDataKey(2), ScrambleSetting(cut)));

  Restart();
  LeagueSource source = LeagueSource::kNone;
  EXPECT_TRUE(LoadLeague(*context_, data_->teamTable, status_, 2, false, 0, &source));
  EXPECT_EQ(source, LeagueSource::kService);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::kInformation);
  EXPECT_EQ(messages_.shown[0].title, "Fehlerhafte Daten");
  EXPECT_EQ(messages_.shown[0].text,
            "Gespeicherte Daten sind fehlerhaft. Daten werden erneut aus dem Internet geladen.");
  EXPECT_EQ(service.RequestCount("/zak/ud/gd1415.php?l=3&ui=0"), 2);
  EXPECT_EQ(GetSettingValue(kSectionData, LeagueDataKey(2), ""), stored);
  ExpectLeague(data_->matchData, *BundledSeason({2}), 2);
}

TEST_F(LeagueLoadingTest, ParsingReportsProgressAndComputesTheTableUpToDaySeven) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, 0, 0), kRequestNewData);
  EXPECT_EQ(status_.texts.front(), "Download...");
  EXPECT_EQ(status_.maximum, 305);  // 306 items
  EXPECT_EQ(status_.highest, 305);
  EXPECT_EQ(status_.current, 0);
  for (int slot = 0; slot < GetTeamCount(0); ++slot) {
    EXPECT_EQ(data_->teamTable[0][slot].Games, 7) << data_->teamTable[0][slot].Name;
  }
  EXPECT_GE(breaths_, 306);
}

TEST_F(LeagueLoadingTest, ProxyWithTheRightPasswordPassesAndWithAWrongOneFailsCleanly) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  ProxyProcess proxy("zak", "Abstiegskampf");
  ASSERT_TRUE(proxy.running()) << proxy.error();
  UseHost(service.host());
  UseProxy(proxy.port(), "Abstiegskampf");
  EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, 1, 0), kRequestNewData);
  ExpectLeague(data_->matchData, *BundledSeason({1}), 1);
  EXPECT_TRUE(messages_.shown.empty());

  data_->options.ProxyPassword = "Klassenerhalt";
  EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, 1, 0), kRequestFailed);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, kNoConnectionMessage);
  // Both requests went through the proxy; the second never reached the service.
  EXPECT_EQ(service.RequestCount(kLeagueRequests), 1);
}

TEST_F(LeagueLoadingTest, ProxyThatDropsTheAgentGivesTheFilteredMessage) {
  ServiceProcess service;
  ASSERT_TRUE(service.running());
  ProxyProcess proxy("zak", "geheim", true);
  ASSERT_TRUE(proxy.running()) << proxy.error();
  UseHost(service.host());
  UseProxy(proxy.port(), "geheim");
  EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, 0, 0), kRequestFailed);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::kWarning);
  EXPECT_EQ(messages_.shown[0].text, FilteredRequestMessage());
  EXPECT_NE(FilteredRequestMessage().find(ZAK_MAKER_NAME), std::string::npos);
  EXPECT_NE(FilteredRequestMessage().find(ZAK_CONTACT_ADDRESS), std::string::npos);
  EXPECT_EQ(service.RequestCount(kLeagueRequests), 1);
}

struct AnswerCase {
  const char* name;
  const char* answer;  // before shifting
  std::string_view message;
};

class LeagueAnswerClassification : public testing::ServiceFixture,
                                   public ::testing::WithParamInterface<AnswerCase> {};

// "1" is the service's "page unavailable" and "2" its "cannot connect"; an answer shorter than
// two bytes never reaches that far: the transport takes it for a failed connection. A count
// that came with a failed answer is not kept.
TEST_P(LeagueAnswerClassification, MessageAndUpdateCount) {
  const AnswerCase& c = GetParam();
  // A peer in place of the data service, its answer shifted as the service shifts its own.
  const HostileServer peer(Hostility::kBytes, ShiftBytes(c.answer));
  UseHost(peer.host());
  EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, 3, 0), kRequestFailed);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].kind, MessageKind::kWarning);
  EXPECT_EQ(messages_.shown[0].text, c.message);
  EXPECT_EQ(data_->serverUpdateCount[3], 0);
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(3), "none"), "none");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LeagueAnswerClassification,
    ::testing::Values(AnswerCase{"PageUnavailable", "1<>7", kPageUnavailableMessage},
                      AnswerCase{"PageUnavailableThreeParts", "1<>7<>8", kPageUnavailableMessage},
                      AnswerCase{"CannotConnect", "2<>7", kNoConnectionMessage},
                      AnswerCase{"CannotConnectAlone", "2", kNoConnectionMessage},
                      AnswerCase{"PageUnavailableAlone", "1", kNoConnectionMessage},
                      AnswerCase{"Empty", "", kNoConnectionMessage},
                      AnswerCase{"EmptyDataWithCount", "<>7", kNoConnectionMessage}),
    [](const auto& info) { return std::string(info.param.name); });

// With three parts around "<>" the first is the data, all of it, and no count is kept.
TEST_F(LeagueLoadingTest, ThreePartAnswerParsesItsFirstPartWhole) {
  const HostileServer peer(Hostility::kBytes, ShiftBytes("1|2208142030|A|B|1|0;2||C|D|0|0<>1<>2"));
  UseHost(peer.host());
  EXPECT_EQ(RequestLeagueData(*context_, data_->teamTable, status_, 3, 0), kRequestNewData);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(data_->matchData(0, 3, 0), (MatchRecord{"A", "B", 1, 0, true, "22.08.14 20:30"}));
  EXPECT_EQ(data_->matchData(0, 3, 1), (MatchRecord{"C", "D", 0, 0, true, "22.08.14 20:30"}));
  EXPECT_EQ(data_->serverUpdateCount[3], 0);
  EXPECT_EQ(GetSettingValue(kSectionData, UpdateCountKey(3), "none"), "none");
}

}  // namespace
}  // namespace zak
