#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

// "velmora servizio --porta 0" as its own process, its URL read from the
// start line on standard error.
class ServiceProcess {
 public:
  explicit ServiceProcess(const QStringList& options = {}) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setReadChannel(QProcess::StandardError);
    process_.start(
        QStringLiteral(VELMORA_PROGRAM),
        QStringList{QStringLiteral("servizio"), QStringLiteral("--porta"), QStringLiteral("0")} +
            options);
    static const QRegularExpression started(QStringLiteral("in ascolto su (https?://[^/]+/)\n"));
    while (process_.state() != QProcess::NotRunning && url_.isEmpty()) {
      process_.waitForReadyRead(1000);
      err_ += process_.readAllStandardError();
      if (const auto match = started.match(QString::fromUtf8(err_)); match.hasMatch())
        url_ = match.captured(1);
    }
  }
  ~ServiceProcess() {
    if (process_.state() != QProcess::NotRunning) {
      process_.terminate();
      process_.waitForFinished(30'000);
    }
  }
  QString Url() const { return url_; }
  QProcess& Process() { return process_; }
  // Everything on standard error so far.
  QByteArray Errors() {
    err_ += process_.readAllStandardError();
    return err_;
  }

 private:
  QProcess process_;
  QString url_;
  QByteArray err_;
};
