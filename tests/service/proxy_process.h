// A real HTTP proxy (tinyproxy) on a free loopback port, asking for a user and password.
// `anonymous` makes it pass only the Host header on, as anonymising proxies do.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace zak::testing {

class ProxyProcess {
 public:
  ProxyProcess(const QString& user, const QString& password, bool anonymous = false);
  ~ProxyProcess();
  ProxyProcess(const ProxyProcess&) = delete;
  ProxyProcess& operator=(const ProxyProcess&) = delete;

  bool running() const { return port_ != 0; }
  int port() const { return port_; }
  QString error() const { return error_; }

 private:
  QTemporaryDir dir_;
  QProcess process_;
  int port_ = 0;
  QString error_;
};

}  // namespace zak::testing
