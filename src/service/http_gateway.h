// The one way to the data service: a GET of a path, answered as text or by the caller's failure
// text. Owns the network manager; sets agent text, proxy and time-out on every request.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/program_data.h"

class QNetworkAccessManager;

namespace zak {

// Lets the window process pending events while a request waits.
using ProcessEventsCallback = std::function<void()>;
// The local time now; only executables read the clock, everything else is handed this.
using LocalClock = std::function<std::chrono::local_seconds()>;

class HttpGateway {
 public:
  // `options` and `identity` are read anew for every request, so saved options apply at once.
  // Needs a QCoreApplication. `processEvents` may be empty (then nothing else runs while a
  // request waits apart from the request itself).
  HttpGateway(const Options& options, const Identity& identity, LocalClock clock,
              ProcessEventsCallback processEvents = {});
  ~HttpGateway();
  HttpGateway(const HttpGateway&) = delete;
  HttpGateway& operator=(const HttpGateway&) = delete;

  // GETs `path` from the data service and returns the answer, one character per byte
  // (Windows-1252 turned into UTF-8). Every failure gives `failureText`: no connection, a
  // transport error or time-out (between two bytes, or twice that for the whole request), a
  // redirect, an answer above 1 MiB or shorter than two characters, or one containing
  // "Seite nicht gefunden". With `firstLineOnly` only the text before the first LF counts.
  // No reply stays pending after the call.
  std::string HttpGetText(std::string_view path, bool firstLineOnly, std::string_view failureText);

  // False only when the platform reports no usable connection and the service is not on this
  // machine; when nothing can tell, true, and the request itself decides.
  bool IsInternetConnected() const;
  // From now on IsInternetConnected answers `connected`, whatever the platform says: a test
  // cannot unplug the machine.
  void AnswerConnectionStateInAdvance(bool connected) { connectedInAdvance_ = connected; }

  // The service's address from the store (section "Server", key "Host"), "host" or "host:port".
  std::string ServerHost() const;

  // The agent text of a request made now, before shifting.
  std::string AgentText() const;

  // Runs the window's event processing, if any was given.
  void ProcessEvents() const;

 private:
  std::string Fetch(std::string_view path);

  const Options& options_;
  const Identity& identity_;
  LocalClock clock_;
  ProcessEventsCallback processEvents_;
  std::unique_ptr<QNetworkAccessManager> manager_;
  std::optional<bool> connectedInAdvance_;
};

}  // namespace zak
