// What the update, history and about windows work with, for one test: a settings store of its
// own, the real zak-dataservice with the test's options (or an address where none answers), the
// gateway to it, and the messages and opened addresses written down instead of shown.
#pragma once

#include <QUrl>
#include <memory>
#include <string>
#include <vector>

#include "core/program_data.h"
#include "service/http_gateway.h"
#include "support/service_process.h"
#include "support/temporary_store.h"
#include "ui/components/desktop_opener.h"
#include "ui/components/message_box.h"

namespace zak::testing {

class InfoWindowSession {
 public:
  // With the data service, started with `arguments` ("--latest-version", "2.0.9.3", ...).
  explicit InfoWindowSession(std::vector<std::string> arguments = {});
  // No data service: the store names a loopback port where nothing answers.
  static std::unique_ptr<InfoWindowSession> WithoutService();

  HttpGateway& gateway() { return *gateway_; }
  ui::MessageBoxHelper& messages() { return messages_; }
  ui::DesktopOpener& opener() { return opener_; }
  ServiceProcess& service() { return *service_; }
  std::string host() const { return host_; }

  const std::vector<ui::ShownMessage>& shown() const { return shown_; }
  const std::vector<QUrl>& opened() const { return opened_; }

 private:
  struct NoService {};
  explicit InfoWindowSession(NoService);
  void Connect(const std::string& host);

  TemporaryStore store_;
  std::unique_ptr<ServiceProcess> service_;
  std::string host_;
  ProgramData data_;
  std::unique_ptr<HttpGateway> gateway_;
  ui::MessageBoxHelper messages_{nullptr};
  ui::DesktopOpener opener_;
  std::vector<ui::ShownMessage> shown_;
  std::vector<QUrl> opened_;
};

}  // namespace zak::testing
