// scripts/run-cluster as a child process: N real zak-dataservice instances on loopback behind the
// real nginx, with the repository's nginx configuration, on a port of the test's.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "temporary_folder.h"

namespace zak::testing {

class ClusterProcess {
 public:
  // Starts `instances` instances serving `season` (which needs a manifest), each given
  // `serviceArguments`, and waits (120 s at most) for the script's "listening on" line. When it
  // does not come, running() is false and Output() tells why.
  ClusterProcess(int instances, const std::filesystem::path& season,
                 std::vector<std::string> serviceArguments = {});
  ~ClusterProcess();
  ClusterProcess(const ClusterProcess&) = delete;
  ClusterProcess& operator=(const ClusterProcess&) = delete;

  bool running() const { return port_ != 0; }
  // nginx's port, and "127.0.0.1:<port>" in the form of the settings store's "Host" value.
  std::uint16_t port() const { return port_; }
  std::string host() const;
  struct Instance {
    std::uint16_t port = 0;
    pid_t pid = -1;
    std::filesystem::path log;  // its standard error: the access log and its notes
  };
  // The instances as the script started them, for asking or signalling one of them directly.
  const std::vector<Instance>& instances() const { return instances_; }
  std::string InstanceLog(std::size_t index) const;

  // SIGTERM to the script, then its exit status: -1 when it did not end normally or was not
  // running, -2 when it had not ended after `limit` and was killed.
  int Stop(std::chrono::seconds limit = std::chrono::seconds(60));
  // What the script wrote on standard output and standard error.
  std::string Output() const;

 private:
  TemporaryFolder folder_;
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
  std::vector<Instance> instances_;
};

}  // namespace zak::testing
