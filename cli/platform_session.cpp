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
    // A value that cannot be stored is told below, with the store's other failures.
    [[maybe_unused]] const Outcome<void> identity = CompleteIdentity(data_->identity);
  } else {
    held_ = hold.failure();
  }
  gateway_ = std::make_unique<HttpGateway>(data_->options, data_->identity, LocalNow);
  context_ = std::make_unique<ServiceContext>(
      ServiceContext{*data_, *gateway_, messages_, [] { return LocalToday(); }});
  // A damaged settings file is told at once: nothing of this run will be kept.
  if (!held_) return;
  if (const Outcome<void> store = TakeStoreFailure(); !store) {
    messages_.ShowMessage(MessageKind::kWarning, store.message(), "");
  }
}

PlatformSession::~PlatformSession() = default;

}  // namespace zak::cli
