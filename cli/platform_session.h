// What zak-cli needs to work like the program on the user's store: the application object for
// Qt's networking, the program-wide data loaded from the store, the gateway, and messages and
// status written to standard error.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "core/program_data.h"
#include "core/reporting.h"
#include "service/data_service.h"
#include "settings/store_lock.h"

namespace zak::cli {

// Messages as the windows would show them, one per paragraph on standard error:
// "Warnung: ..." or "Information: ...".
class StderrMessages : public MessageSink {
 public:
  void ShowMessage(MessageKind kind, const std::string& text, const std::string& title) override;
};

// A terminal has no status bar: the status text and progress are not shown.
class NoStatusBar : public StatusSink {
 public:
  void SetText(const std::string&) override {}
  void SetMaxProgress(int) override {}
  void SetCurProgress(int) override {}
};

// For the commands that write the store: holds it for the command's run (see store_lock.h).
class PlatformSession {
 public:
  // Holds the store, loads the options from it and completes the installation identity, as
  // start-up does. When another program holds the store, nothing is loaded: see held().
  PlatformSession();
  ~PlatformSession();

  // Whether the store is held; the failure says why not ("ZAK 14/15 läuft bereits ...").
  const Outcome<void>& held() const { return held_; }

  ProgramData& data() { return *data_; }
  ServiceContext& context() { return *context_; }
  StatusSink& statusBar() { return status_; }

 private:
  int argc_ = 1;
  char name_[8] = "zak-cli";
  char* argv_[2] = {name_, nullptr};
  QCoreApplication app_{argc_, argv_};
  std::unique_ptr<StoreHold> hold_;
  Outcome<void> held_;
  std::unique_ptr<ProgramData> data_;
  std::unique_ptr<HttpGateway> gateway_;
  StderrMessages messages_;
  NoStatusBar status_;
  std::unique_ptr<ServiceContext> context_;
};

}  // namespace zak::cli
