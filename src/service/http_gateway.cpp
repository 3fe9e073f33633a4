#include "http_gateway.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "core/agent_text.h"
#include "core/maker.h"
#include "core/protocol.h"
#include "core/scrambling.h"
#include "core/windows1252.h"
#include "settings/settings_store.h"

namespace zak {
namespace {

// How often the window gets to process its events while a request waits for the network.
constexpr int kBreatheMs = 50;
// The largest league answer is about 13 KB; anything beyond this is no answer of the service.
constexpr qint64 kAnswerLimit = 1 << 20;

QByteArray ToBytes(std::string_view text) {
  const std::string bytes = ToWindows1252(text);
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The platform's word on the connection, asked once per process; nothing when no backend
// answers.
const QNetworkInformation* ConnectionInformation() {
  static const QNetworkInformation* information = [] {
    return QNetworkInformation::loadDefaultBackend() ? QNetworkInformation::instance() : nullptr;
  }();
  return information;
}

bool IsLoopbackHost(const QString& host) {
  if (host.compare("localhost", Qt::CaseInsensitive) == 0) return true;
  const QHostAddress address(host);
  return !address.isNull() && address.isLoopback();
}

// Aborts a reply that is still running and deletes it: no request outlives its call.
struct ReplyDeleter {
  void operator()(QNetworkReply* reply) const {
    if (reply == nullptr) return;
    reply->disconnect();
    if (reply->isRunning()) reply->abort();
    delete reply;
  }
};

}  // namespace

HttpGateway::HttpGateway(const Options& options, const Identity& identity, LocalClock clock,
                         ProcessEventsCallback processEvents)
    : options_(options),
      identity_(identity),
      clock_(std::move(clock)),
      processEvents_(std::move(processEvents)),
      manager_(std::make_unique<QNetworkAccessManager>()) {
  // Without a proxy of its own the program goes the way the system is configured to.
  QNetworkProxyFactory::setUseSystemConfiguration(true);
  manager_->setAutoDeleteReplies(false);
}

HttpGateway::~HttpGateway() = default;

std::string HttpGateway::ServerHost() const {
  return GetSettingValue(kSectionServer, "Host", kDefaultServerHost);
}

std::string HttpGateway::AgentText() const {
  const auto now = clock_ ? clock_() : std::chrono::local_seconds{};
  return BuildAgentText(GetAgentTimestamp(now), identity_);
}

void HttpGateway::ProcessEvents() const {
  if (processEvents_) processEvents_();
}

bool HttpGateway::IsInternetConnected() const {
  if (connectedInAdvance_.has_value()) return *connectedInAdvance_;
  const QUrl url("http://" + QString::fromStdString(ServerHost()));
  if (IsLoopbackHost(url.host())) return true;
  const QNetworkInformation* information = ConnectionInformation();
  if (information == nullptr) return true;
  return information->reachability() != QNetworkInformation::Reachability::Disconnected;
}

std::string HttpGateway::HttpGetText(std::string_view path, bool firstLineOnly,
                                     std::string_view failureText) {
  if (!IsInternetConnected()) return std::string(failureText);
  std::string answer = Fetch(path);
  if (firstLineOnly) answer = answer.substr(0, answer.find('\n'));
  // The answer is Windows-1252, one byte per character, so bytes count characters.
  if (answer.size() < 2 || answer.find(kNotFoundPhrase) != std::string::npos) {
    return std::string(failureText);
  }
  return FromWindows1252(answer);
}

// The answer's bytes; empty on any failure of the transport.
std::string HttpGateway::Fetch(std::string_view path) {
  const QUrl url("http://" + QString::fromStdString(ServerHost()) +
                 QString::fromStdString(std::string(path)));
  if (!url.isValid() || url.host().isEmpty()) return {};

  if (options_.ProxyEnabled) {
    const QNetworkProxy proxy(
        QNetworkProxy::HttpProxy, QString::fromStdString(options_.ProxyServer), options_.ProxyPort,
        QString::fromStdString(options_.ProxyUser), QString::fromStdString(options_.ProxyPassword));
    const QNetworkProxy& current = manager_->proxy();
    if (current != proxy || current.user() != proxy.user() ||
        current.password() != proxy.password()) {
      // Connections and credentials of the previous proxy must not serve the new one.
      manager_->clearAccessCache();
      manager_->setProxy(proxy);
    }
  } else if (manager_->proxy().type() != QNetworkProxy::DefaultProxy) {
    manager_->clearAccessCache();
    manager_->setProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
  }

  QNetworkRequest request(url);
  request.setRawHeader("User-Agent", ToBytes(ShiftText(AgentText())));
  request.setRawHeader("Connection", "Keep-Alive");
  if (options_.ProxyEnabled && !options_.ProxyUser.empty()) {
    // The credentials go with the first request. Otherwise the proxy answers 407 first, and Qt
    // can hand that answer's page to the reader as if it began the league's data.
    const QString pair = QString::fromStdString(options_.ProxyUser + ":" + options_.ProxyPassword);
    request.setRawHeader("Proxy-Authorization", "Basic " + pair.toLatin1().toBase64());
  }
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
  // Connecting, sending and every wait for further bytes each get the whole time-out.
  request.setTransferTimeout(std::max(1, options_.ServerTimeoutMs));

  // The service never redirects: a redirect is no answer, and the agent text, which carries the
  // installation's identity, must not go to another host.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);
  // The time-out counts the gap between bytes; a peer that trickles them gets the whole request
  // no more than twice that.
  QDeadlineTimer deadline(2 * static_cast<qint64>(std::max(1, options_.ServerTimeoutMs)));

  std::unique_ptr<QNetworkReply, ReplyDeleter> reply(manager_->get(request));
  // Qt reads no further ahead than this, so an endless answer does not pile up in memory.
  reply->setReadBufferSize(kAnswerLimit);
  std::string answer;
  bool givenUp = false;
  const auto takeBytes = [&] {
    if (!reply->isOpen()) return;  // aborted: there is nothing more to read
    const QByteArray bytes = reply->read(kAnswerLimit + 1 - static_cast<qint64>(answer.size()));
    answer.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  };
  const auto giveUp = [&] {
    givenUp = true;
    reply->abort();
  };
  // A local loop runs only until the next bytes, the end or the next breath; it leaves user
  // input to the window's own event processing, which runs between reads and at each breath.
  QTimer breath;
  breath.setInterval(kBreatheMs);
  while (!reply->isFinished()) {
    QEventLoop wait;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &wait, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QObject::connect(&breath, &QTimer::timeout, &wait, &QEventLoop::quit);
    breath.start();
    if (!reply->isFinished()) wait.exec(QEventLoop::ExcludeUserInputEvents);
    breath.stop();
    takeBytes();
    if (static_cast<qint64>(answer.size()) > kAnswerLimit || deadline.hasExpired()) giveUp();
    ProcessEvents();
  }
  takeBytes();
  if (givenUp || static_cast<qint64>(answer.size()) > kAnswerLimit) return {};

  // Only a complete answer of the service counts; a proxy's or server's error page is no answer.
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) return {};
  return answer;
}

}  // namespace zak
