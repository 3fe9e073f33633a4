#include "proxy_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace zak::testing {
namespace {

int FreePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

}  // namespace

ProxyProcess::ProxyProcess(const QString& user, const QString& password, bool anonymous) {
  const int port = FreePort();
  QFile config(dir_.filePath("tinyproxy.conf"));
  if (port == 0 || !config.open(QIODevice::WriteOnly)) {
    error_ = "no free port or no configuration file";
    return;
  }
  QString text = QString(
                     "Port %1\nListen 127.0.0.1\nTimeout 30\nMaxClients 8\n"
                     "Allow 127.0.0.1\nBasicAuth %2 %3\nLogLevel Info\n")
                     .arg(port)
                     .arg(user, password);
  if (anonymous) text += "Anonymous \"Host\"\n";
  config.write(text.toUtf8());
  config.close();

  process_.setProgram("tinyproxy");
  process_.setArguments({"-d", "-c", config.fileName()});
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.start();
  if (!process_.waitForStarted(10000)) {
    error_ = "tinyproxy does not start (scripts/setup installs it): " + process_.errorString();
    return;
  }
  const QDeadlineTimer deadline(10000);
  while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    if (socket.waitForConnected(200)) {
      port_ = port;
      return;
    }
    QThread::msleep(50);
  }
  error_ = "tinyproxy does not listen: " + QString::fromUtf8(process_.readAll());
}

ProxyProcess::~ProxyProcess() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(10000)) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

}  // namespace zak::testing
