// The real zak-dataservice as a child process on a free loopback port, with a season folder of
// its own (copies of the real season files) and a state file in a temporary folder.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zak::dataservice {

class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Copies the real season files into `folder`/season.
std::filesystem::path CopySeason(const std::filesystem::path& folder);

class ServiceProcess {
 public:
  // Starts the service with --port 0 and waits for its "listening on" line. Standard error goes
  // to a log file, or to `errorFd` when one is given.
  ServiceProcess(const std::filesystem::path& season, const std::filesystem::path& state,
                 const std::vector<std::string>& extraArgs = {}, int errorFd = -1);
  ~ServiceProcess();

  std::uint16_t port() const { return port_; }
  void Signal(int signal) const;
  // SIGTERM, then the exit status (-1 when it did not end normally, -2 when it had not ended
  // after `limit` and was killed).
  int Stop(std::chrono::seconds limit = std::chrono::seconds(60));
  // Everything written to standard error so far: the log.
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
  std::filesystem::path logFile_;
};

}  // namespace zak::dataservice
