#include "data_service_process.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTcpSocket>

namespace zak::testing {

DataServiceProcess::DataServiceProcess(const QStringList& extraArguments,
                                       const QString& seasonDir) {
  process_.setProgram(ZAK_DATASERVICE);
  process_.setArguments(QStringList{"--bind", "127.0.0.1", "--port", "0", "--threads", "1",
                                    "--season", seasonDir, "--state", dir_.filePath("state")} +
                        extraArguments);
  process_.start();
  if (!process_.waitForStarted(10000)) return;
  const QRegularExpression listening("listening on [0-9.]+:([0-9]+)");
  QByteArray out;
  const QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
    process_.waitForReadyRead(200);
    out += process_.readAllStandardOutput();
    const auto match = listening.match(QString::fromUtf8(out));
    if (match.hasMatch()) {
      port_ = match.captured(1).toInt();
      return;
    }
  }
}

DataServiceProcess::~DataServiceProcess() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(10000)) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

QString DataServiceProcess::host() const { return "127.0.0.1:" + QString::number(port_); }

int DataServiceProcess::RequestCount(const QString& prefix) {
  const QByteArray sentinel = "/zak/test-sentinel-" + QByteArray::number(++sentinels_);
  QTcpSocket socket;
  socket.connectToHost("127.0.0.1", static_cast<quint16>(port_));
  if (socket.waitForConnected(5000)) {
    socket.write("GET " + sentinel + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
    socket.waitForBytesWritten(5000);
    while (socket.waitForReadyRead(5000)) socket.readAll();
  }
  const QDeadlineTimer deadline(10000);
  while (!log_.contains(sentinel + " ") && !deadline.hasExpired()) {
    process_.waitForReadyRead(100);
    log_ += process_.readAllStandardError();
  }
  int count = 0;
  for (const QByteArray& line : log_.split('\n')) {
    const QList<QByteArray> fields = line.split(' ');
    // time, client, method, target, status, bytes, duration
    if (fields.size() > 3 && fields[3].startsWith(prefix.toUtf8())) ++count;
  }
  return count;
}

}  // namespace zak::testing
