#pragma once

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "server/connection_guard.h"
#include "server/http_service.h"
#include "server/routes.h"

// The service listening on a free port of the loopback in the test's own
// process, with the limits of the command's and the settings given.
class RunningService {
 public:
  explicit RunningService(velmora::server::Impostazioni settings = {},
                          velmora::server::Limiti limits = {})
      : settings_(std::move(settings)), limits_(std::move(limits)) {
    // A fixed day: what a case without a date is valued on.
    if (!settings_.law) settings_.law = velmora::LeggiDatiLegali({});
    if (!settings_.clock)
      settings_.clock = [] { return QDateTime(QDate(2026, 12, 9), QTime(10, 0)); };
    limits_.bodyLimit = [this](QByteArrayView path) {
      return velmora::server::RouteOf(path) == velmora::server::Rotta::Lotto ? settings_.batchLimit
                                                                             : settings_.caseLimit;
    };
    limits_.limitText = [this](QByteArrayView path) {
      return velmora::server::LimitText(limits_.bodyLimit(path));
    };
    service_ = std::make_unique<velmora::server::HttpService>(settings_);
    auto* listener = new velmora::server::GuardedTcpServer(limits_, service_.get());
    listener->setListenBacklogSize(1024);
    if (!listener->listen(QHostAddress::LocalHost, 0)) qFatal("no free port");
    port_ = listener->serverPort();
    service_->bind(listener);
  }
  quint16 Port() const { return port_; }
  QUrl Url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:") + QString::number(port_) + path);
  }

 private:
  velmora::server::Impostazioni settings_;
  velmora::server::Limiti limits_;
  std::unique_ptr<velmora::server::HttpService> service_;
  quint16 port_ = 0;
};

// A reply waited for with the event loop running, so that the service in
// the same process answers; a generous bound, never a measure.
inline bool WaitFor(QNetworkReply* reply, int ms = 60'000) {
  if (reply->isFinished()) return true;
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return reply->isFinished();
}
