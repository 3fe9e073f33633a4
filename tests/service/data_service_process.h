// The real zak-dataservice, started for one test on a free loopback port with the season files
// and a state file of its own. Its access log (standard error) tells which requests came.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace zak::testing {

class DataServiceProcess {
 public:
  // Starts the service with one thread, so its log lines come in the order of the requests.
  explicit DataServiceProcess(const QStringList& extraArguments = {},
                              const QString& seasonDir = ZAK_SEASON_DIR);
  ~DataServiceProcess();
  DataServiceProcess(const DataServiceProcess&) = delete;
  DataServiceProcess& operator=(const DataServiceProcess&) = delete;

  bool running() const { return port_ != 0; }
  int port() const { return port_; }
  // "127.0.0.1:<port>", the form of the store's "Host" value.
  QString host() const;

  // The number of logged requests whose target starts with `prefix`. Sends a request of its
  // own first and waits for its line, so every earlier request has been logged.
  int RequestCount(const QString& prefix);

 private:
  QTemporaryDir dir_;
  QProcess process_;
  int port_ = 0;
  int sentinels_ = 0;
  QByteArray log_;
};

}  // namespace zak::testing
