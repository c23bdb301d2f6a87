#pragma once

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QDateTime>
#include <functional>

#include "core/law/legal_data_in_use.h"

class QHttpServerRequest;
class QTcpSocket;

// The routes of the service over Qt HttpServer: the page from the program's
// resources, and the API under /api/v1. Each handler reads, asks the
// command line's code through cases.h and writes; nothing of a case stays
// after its answer, and the log line names only the method, the route, the
// status and the time.
namespace velmora::server {

struct Impostazioni {
  QByteArray token;   // empty: no token asked
  QByteArray origin;  // empty: no answer across sites
  qint64 caseLimit = 64 * 1024;
  qint64 batchLimit = qint64(256) * 1024 * 1024;
  DatiLegaliCondivisi law;                     // read at start-up
  std::function<QDateTime()> clock;            // the program's clock: today, and the report's time
  std::function<void(const QByteArray&)> log;  // one line, with its line end
};

class HttpService : public QAbstractHttpServer {
 public:
  explicit HttpService(Impostazioni settings, QObject* parent = nullptr);

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

 private:
  Impostazioni settings_;
};

// A limit as the client is told it: "64 KiB", "256 MiB".
QString LimitText(qint64 bytes);

}  // namespace velmora::server
