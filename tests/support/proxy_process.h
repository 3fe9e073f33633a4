// A real HTTP proxy (tinyproxy, which scripts/setup installs) on a free loopback port, asking
// for a user and password. `anonymous` makes it pass only the Host header on, as anonymising
// proxies do.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "temporary_folder.h"

namespace zak::testing {

class ProxyProcess {
 public:
  // Starts the proxy and waits (20 s at most) until it takes connections.
  ProxyProcess(const std::string& user, const std::string& password, bool anonymous = false);
  ~ProxyProcess();
  ProxyProcess(const ProxyProcess&) = delete;
  ProxyProcess& operator=(const ProxyProcess&) = delete;

  bool running() const { return port_ != 0; }
  std::uint16_t port() const { return port_; }
  // Why it is not running.
  const std::string& error() const { return error_; }

 private:
  TemporaryFolder folder_;
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
  std::string error_;
};

}  // namespace zak::testing
