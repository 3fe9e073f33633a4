// The real zak-dataservice as a child process on a free loopback port ("--port 0"; its first
// line tells the port). Its access log (standard error) goes to a file that tests can read.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "temporary_folder.h"

namespace zak::testing {

struct ServiceStart {
  std::filesystem::path season = ZAK_SEASON_DIR;
  // Empty: a state file in the process's own temporary folder.
  std::filesystem::path state;
  // One thread logs the requests in the order they came.
  int threads = 1;
  // Further command-line options, such as {"--news", "Derby"}.
  std::vector<std::string> arguments;
  // Standard error goes to this descriptor instead of the log file (-1: the log file).
  int errorFd = -1;
  // "NAME=value" beside the test's own environment, such as systemd's NOTIFY_SOCKET.
  std::vector<std::string> environment;
  // Soft and hard limit of open files for the service (0: inherited).
  int openFileLimit = 0;
};

// The bundled season, one thread, and these further options.
inline ServiceStart StartWith(std::vector<std::string> arguments) {
  ServiceStart start;
  start.arguments = std::move(arguments);
  return start;
}

class ServiceProcess {
 public:
  // Starts the service and waits (20 s at most) for its "listening on" line. When it does not
  // come, running() is false and Log() tells why.
  explicit ServiceProcess(ServiceStart start = {});
  // The data service's own tests: a season folder and state file of the test's, two threads.
  ServiceProcess(const std::filesystem::path& season, const std::filesystem::path& state,
                 std::vector<std::string> arguments = {}, int errorFd = -1);
  ~ServiceProcess();
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;

  // True once the service has told its port (and still after Stop()).
  bool running() const { return port_ != 0; }
  std::uint16_t port() const { return port_; }
  // "127.0.0.1:<port>", the form of the settings store's "Host" value.
  std::string host() const;

  void Signal(int signal) const;
  // SIGTERM, then the exit status: -1 when it did not end normally or was not running, -2 when
  // it had not ended after `limit` and was killed.
  int Stop(std::chrono::seconds limit = std::chrono::seconds(60));
  // Everything written to standard error so far: the access log and the service's notes.
  std::string Log() const;
  // The number of logged requests whose target starts with `prefix`. Sends a request of its
  // own first and waits for its log line, so every earlier request has been logged.
  int RequestCount(const std::string& prefix);

 private:
  TemporaryFolder folder_;
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
  int sentinels_ = 0;
};

}  // namespace zak::testing
