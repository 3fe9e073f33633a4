#include "info_window_session.h"

#include <QCoreApplication>

#include "settings/settings_store.h"
#include "support/fixed_values.h"
#include "support/free_port.h"

namespace zak::testing {

InfoWindowSession::InfoWindowSession(std::vector<std::string> arguments) {
  ServiceStart start;
  start.arguments = std::move(arguments);
  service_ = std::make_unique<ServiceProcess>(start);
  if (!service_->running()) qFatal("zak-dataservice did not start: %s", service_->Log().c_str());
  Connect(service_->host());
}

InfoWindowSession::InfoWindowSession(NoService) {
  Connect("127.0.0.1:" + std::to_string(FreePort()));
}

std::unique_ptr<InfoWindowSession> InfoWindowSession::WithoutService() {
  return std::unique_ptr<InfoWindowSession>(new InfoWindowSession(NoService{}));
}

void InfoWindowSession::Connect(const std::string& host) {
  host_ = host;
  if (const Outcome<void> saved = SaveSettingValue(kSectionServer, "Host", host); !saved) {
    qFatal("the test's settings cannot be stored: %s", saved.message().c_str());
  }
  data_.identity = TestIdentity();
  gateway_ = std::make_unique<HttpGateway>(data_.options, data_.identity, TestNow,
                                           [] { QCoreApplication::processEvents(); });
  messages_.AnswerInAdvance([this](const ui::ShownMessage& message) { shown_.push_back(message); });
  opener_.ObserveInstead([this](const QUrl& address) { opened_.push_back(address); });
}

}  // namespace zak::testing
