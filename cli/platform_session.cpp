#include "platform_session.h"

#include <iostream>

#include "core/local_clock.h"
#include "settings/identity.h"
#include "settings/options.h"

namespace zak::cli {

void StderrMessages::ShowMessage(MessageKind kind, const std::string& text,
                                 const std::string& title) {
  std::string plain;
  for (const char c : text) {
    if (c != '\r') plain += c;
  }
  std::cerr << (kind == MessageKind::kWarning ? "Warnung: " : "Information: ")
            << (title.empty() ? "" : title + ": ") << plain << "\n";
}

PlatformSession::PlatformSession() : data_(std::make_unique<ProgramData>()) {
  LoadOptions(*data_);
  CompleteIdentity(data_->identity);
  gateway_ = std::make_unique<HttpGateway>(data_->options, data_->identity, LocalNow);
  context_ = std::make_unique<ServiceContext>(
      ServiceContext{*data_, *gateway_, messages_, [] { return LocalToday(); }});
}

PlatformSession::~PlatformSession() = default;

}  // namespace zak::cli
