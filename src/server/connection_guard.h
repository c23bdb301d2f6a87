#pragma once

#include <QByteArray>
#include <QObject>
#include <QSslServer>
#include <QTcpServer>
#include <QTimer>
#include <functional>
#include <memory>

// The limits Qt HttpServer 6.4 has no knob for, kept on each socket before
// its parser reads: the size and the time of the headers, the declared length
// of the body, the time a body may take, the idle time between requests and
// the number of open connections. Past a limit the client gets its status
// and the connection is closed; everyone else is served as before.
namespace velmora::server {

struct Limiti {
  int connections = 1000;
  qsizetype headerBytes = 16 * 1024;
  int headerMs = 10'000;  // from a request's first byte to its blank line
  int idleMs = 30'000;    // between requests, and within a body
  // The largest body for a path.
  std::function<qint64(QByteArrayView path)> bodyLimit;
  // The limit as said to the client, for a path.
  std::function<QString(QByteArrayView path)> limitText;
};

// Watches one socket; dies with it.
class SocketGuard : public QObject {
 public:
  SocketGuard(QTcpSocket* socket, const Limiti& limits);

 private:
  void Arrived();
  bool HeaderDone(qsizetype end);
  void Refuse(int status, const QString& message, qint64 drain = 0);

  QTcpSocket* socket_;
  const Limiti& limits_;
  QByteArray head_;
  qint64 bodyLeft_ = 0;
  bool inBody_ = false;
  qint64 drainLeft_ = 0;
  QTimer idle_;
  QTimer header_;
};

// The open connections, counted and guarded as they are handed to the
// server; past the limit a connection gets 503 and is closed.
class Guard {
 public:
  explicit Guard(const Limiti& limits) : limits_(limits) {}
  // The socket to hand on, or nothing when it was refused.
  QTcpSocket* Take(QTcpSocket* socket);
  int Open() const { return *open_; }

 private:
  const Limiti& limits_;
  // Shared with the sockets, which may outlive the guard at shutdown.
  std::shared_ptr<int> open_ = std::make_shared<int>(0);
};

class GuardedTcpServer : public QTcpServer {
 public:
  GuardedTcpServer(const Limiti& limits, QObject* parent) : QTcpServer(parent), guard_(limits) {}
  QTcpSocket* nextPendingConnection() override;

 private:
  Guard guard_;
};

class GuardedSslServer : public QSslServer {
 public:
  GuardedSslServer(const Limiti& limits, QObject* parent) : QSslServer(parent), guard_(limits) {}
  QTcpSocket* nextPendingConnection() override;

 private:
  Guard guard_;
};

// A whole answer written straight to a socket, for the refusals made before
// the server's parser reads the request.
QByteArray RawAnswer(int status, const QString& message);

}  // namespace velmora::server
