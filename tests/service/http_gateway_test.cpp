#include "service/http_gateway.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include "hostile_server.h"
#include "service_fixture.h"
#include "support/free_port.h"
#include "support/service_process.h"

namespace zak {
namespace {

using testing::HostileServer;
using testing::Hostility;
using testing::ServiceProcess;

class HttpGatewayTest : public testing::ServiceFixture {};

TEST_F(HttpGatewayTest, AnswersWholeOrFirstLineOnly) {
  ServiceProcess service(
      testing::StartWith({"--history", "2.0.9.2 Saison 2014/15\n2.0.9.1 Fehler behoben"}));
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  EXPECT_EQ(GetVersionListText(*gateway_), "2.0.9.2 Saison 2014/15\n2.0.9.1 Fehler behoben");
  EXPECT_EQ(gateway_->HttpGetText("/zak/dl/fw1415.php?s=1", true, "F"), "2.0.9.2 Saison 2014/15");
}

TEST_F(HttpGatewayTest, LongAnswerIsReadCompletelyWithBreathsBetweenReads) {
  std::string history;
  while (history.size() < 5000) history += "Tabellenführer wechselt; ";
  history += "Ende";
  ServiceProcess service(testing::StartWith({"--history", history}));
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  EXPECT_EQ(GetVersionListText(*gateway_), history);
  EXPECT_GT(breaths_, 0);
}

TEST_F(HttpGatewayTest, ShortAnswersAndNotFoundPagesGiveTheFailureText) {
  {
    ServiceProcess service(testing::StartWith({"--latest-version", "1"}));
    ASSERT_TRUE(service.running());
    UseHost(service.host());
    EXPECT_EQ(GetLatestVersionText(*gateway_), kConnectionFailedText);
    EXPECT_EQ(gateway_->HttpGetText("/zak/gibt-es-nicht.php", false, "F"), "F");
  }
  ServiceProcess service(testing::StartWith({"--latest-version", " 2.1.0.0 \r\nalt"}));
  ASSERT_TRUE(service.running());
  UseHost(service.host());
  EXPECT_EQ(GetLatestVersionText(*gateway_), "2.1.0.0");
}

TEST_F(HttpGatewayTest, NewsLineIsUnshiftedOrTheDefault) {
  {
    ServiceProcess service(testing::StartWith({"--news", "Heute: Derby in Rostock"}));
    ASSERT_TRUE(service.running());
    UseHost(service.host());
    EXPECT_EQ(GetNewsLine(*gateway_), "Heute: Derby in Rostock");
  }
  // The service has gone: its port is free now.
  EXPECT_EQ(GetNewsLine(*gateway_), kDefaultNewsLine);
}

TEST_F(HttpGatewayTest, NothingListeningGivesTheFailureText) {
  const std::uint16_t port = testing::FreePort();
  ASSERT_NE(port, 0);
  UseHost("127.0.0.1:" + std::to_string(port));
  EXPECT_EQ(gateway_->HttpGetText("/zak/ud/news1415.php", false, "F"), "F");
  EXPECT_EQ(GetVersionInfoText(*gateway_), kConnectionFailedText);
}

// A peer that accepts the connection and never says a word: the request gives up after the
// time-out and leaves no connection open.
TEST_F(HttpGatewayTest, SilentServerGivesTheFailureTextAfterTheTimeout) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  UseHost("127.0.0.1:" + std::to_string(silent.serverPort()));
  data_->options.ServerTimeoutMs = 400;
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(gateway_->HttpGetText("/zak/dl/fw1415.php?s=2", true, "F"), "F");
  // It waited for the time-out (the timer's own granularity aside); that it gave up at all is
  // the answer above, however loaded the machine.
  EXPECT_GE(clock.elapsed(), 360);

  QTcpSocket* peer = silent.nextPendingConnection();
  ASSERT_NE(peer, nullptr);
  QByteArray request = peer->readAll();
  for (int i = 0; i < 50 && peer->state() == QAbstractSocket::ConnectedState; ++i) {
    peer->waitForReadyRead(100);
    request += peer->readAll();
  }
  EXPECT_NE(peer->state(), QAbstractSocket::ConnectedState) << "the request is still open";
  EXPECT_TRUE(request.startsWith("GET /zak/dl/fw1415.php?s=2 HTTP/1.1\r\n")) << request.data();
  EXPECT_TRUE(request.contains("Connection: Keep-Alive")) << request.data();
}

TEST_F(HttpGatewayTest, AgentTextIsShiftedBytes) {
  const HostileServer peer(Hostility::kBytes, "");
  UseHost(peer.host());
  data_->identity.SystemInfoText = "MÜNCHEN";
  gateway_->HttpGetText("/zak/ud/news1415.php", false, "F");
  ASSERT_EQ(peer.Requests().size(), 1u);
  const std::string request = peer.Requests()[0];
  const std::size_t at = request.find("User-Agent: ");
  ASSERT_NE(at, std::string::npos);
  std::string agent = request.substr(at + 12, request.find("\r\n", at) - at - 12);
  for (char& c : agent) c = static_cast<char>(static_cast<unsigned char>(c) ^ 0x80);
  // 17:00 local time on 23 May 2015, minus two hours; code 18; the name in Windows-1252.
  EXPECT_EQ(agent,
            "ZAK1415-143239320018"
            "00-1A-2B-3C-4D-5E M\xDCNCHEN");
}

}  // namespace
}  // namespace zak
