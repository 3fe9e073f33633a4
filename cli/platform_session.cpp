#include "platform_session.h"

#include <iostream>

#include "core/local_clock.h"
#include "settings/identity.h"
#include "settings/options.h"
#include "settings/settings_store.h"

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
  auto hold = HoldStore("zak-cli");
  if (hold) {
    hold_ = std::move(hold).value();
    LoadOptions(*data_);
    CompleteIdentity(data_->identity);
  } else {
    refusal_ = hold.message();
  }
  gateway_ = std::make_unique<HttpGateway>(data_->options, data_->identity, LocalNow);
  context_ = std::make_unique<ServiceContext>(
      ServiceContext{*data_, *gateway_, messages_, [] { return LocalToday(); }});
  // A damaged settings file is told at once: nothing of this run will be kept.
  if (!refusal_.empty()) return;
  if (const auto notice = TakeStoreFailureNotice()) {
    messages_.ShowMessage(MessageKind::kWarning, *notice, "");
  }
}

PlatformSession::~PlatformSession() = default;

}  // namespace zak::cli
