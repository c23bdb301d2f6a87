#include "server/connection_guard.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "server/answer_headers.h"
#include "server/server_texts.h"

namespace velmora::server {
namespace {

const char* Reason(int status) {
  switch (status) {
    case 408:
      return "Request Timeout";
    case 411:
      return "Length Required";
    case 413:
      return "Payload Too Large";
    case 431:
      return "Request Header Fields Too Large";
    case 503:
      return "Service Unavailable";
  }
  return "Bad Request";
}

// The value of a header in a request's head, or nothing when it is absent.
std::optional<QByteArray> HeaderValue(const QByteArray& head, QByteArrayView name) {
  const QList<QByteArray> lines = head.split('\n');
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QByteArray& line = lines[i];
    const qsizetype colon = line.indexOf(':');
    if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
      return line.mid(colon + 1).trimmed();
  }
  return std::nullopt;
}

// The most of a refused body read and dropped before the connection closes.
constexpr qint64 kMostDrained = 16 * 1024 * 1024;

}  // namespace

QByteArray RawAnswer(int status, const QString& message) {
  const QByteArray body =
      QJsonDocument(QJsonObject{{QStringLiteral("errore"),
                                 QJsonObject{{QStringLiteral("messaggio"), message}}}})
          .toJson(QJsonDocument::Compact);
  QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + Reason(status) + "\r\n";
  for (const auto& [name, value] : SecurityHeaders(true)) answer += name + ": " + value + "\r\n";
  answer += "Content-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\nConnection: close\r\n\r\n" + body;
  return answer;
}

SocketGuard::SocketGuard(QTcpSocket* socket, const Limiti& limits)
    : QObject(socket), socket_(socket), limits_(limits) {
  idle_.setSingleShot(true);
  header_.setSingleShot(true);
  // An idle connection is closed without a word: no request is waiting.
  connect(&idle_, &QTimer::timeout, socket_, [this] {
    if (head_.isEmpty() && !inBody_)
      socket_->abort();
    else
      Refuse(408, text::kTimeOut);
  });
  connect(&header_, &QTimer::timeout, this, [this] { Refuse(408, text::kTimeOut); });
  connect(socket_, &QTcpSocket::readyRead, this, &SocketGuard::Arrived);
  // An answer being written is no idle time.
  connect(socket_, &QTcpSocket::bytesWritten, this, [this] { idle_.start(limits_.idleMs); });
  idle_.start(limits_.idleMs);
}

void SocketGuard::Arrived() {
  idle_.start(limits_.idleMs);
  // The server's parser reads everything that arrived: what is there now is
  // new since the last time.
  const QByteArray data = socket_->peek(socket_->bytesAvailable());
  qsizetype at = 0;
  while (at < data.size()) {
    if (inBody_) {
      const qsizetype taken = qsizetype(std::min<qint64>(bodyLeft_, data.size() - at));
      bodyLeft_ -= taken;
      at += taken;
      if (bodyLeft_ == 0) inBody_ = false;
      continue;
    }
    if (head_.isEmpty()) header_.start(limits_.headerMs);
    const qsizetype room = limits_.headerBytes - head_.size();
    const QByteArray part = data.mid(at, room);
    const qsizetype before = head_.size();
    head_ += part;
    const qsizetype end = head_.indexOf("\r\n\r\n", std::max<qsizetype>(0, before - 3));
    if (end < 0) {
      if (head_.size() >= limits_.headerBytes)
        return Refuse(431, text::kHeadersTooLarge.arg(QStringLiteral("16 KiB")));
      return;
    }
    at += end + 4 - before;
    if (!HeaderDone(end)) return;
  }
}

// The request's head is in: its body's declared length against the limit
// of its path.
bool SocketGuard::HeaderDone(qsizetype end) {
  header_.stop();
  const QByteArray head = head_.left(end);
  head_.clear();
  const qsizetype firstSpace = head.indexOf(' ');
  const qsizetype secondSpace = head.indexOf(' ', firstSpace + 1);
  QByteArray path = head.mid(firstSpace + 1, secondSpace - firstSpace - 1);
  if (const qsizetype query = path.indexOf('?'); query >= 0) path.truncate(query);
  if (HeaderValue(head, "transfer-encoding")) {
    Refuse(411, text::kLengthRequired);
    return false;
  }
  qint64 length = 0;
  if (const auto declared = HeaderValue(head, "content-length")) {
    bool number = false;
    length = declared->toLongLong(&number);
    if (!number || length < 0) {
      Refuse(411, text::kLengthRequired);
      return false;
    }
  }
  if (length > limits_.bodyLimit(path)) {
    // A client mostly reads the answer once it has sent its body: some of
    // the body is read and dropped, so that it gets the 413.
    Refuse(413, text::kTooLarge.arg(limits_.limitText(path)),
           std::min<qint64>(length, kMostDrained));
    return false;
  }
  bodyLeft_ = length;
  inBody_ = length > 0;
  return true;
}

void SocketGuard::Refuse(int status, const QString& message, qint64 drain) {
  idle_.stop();
  header_.stop();
  // Nothing more of this connection reaches the server's parser.
  disconnect(socket_, &QTcpSocket::readyRead, nullptr, nullptr);
  drainLeft_ = drain - socket_->readAll().size();
  socket_->write(RawAnswer(status, message));
  if (drainLeft_ > 0) {
    connect(socket_, &QTcpSocket::readyRead, this, [this] {
      drainLeft_ -= socket_->readAll().size();
      if (drainLeft_ <= 0) socket_->disconnectFromHost();
    });
  } else {
    socket_->disconnectFromHost();
  }
  // A client that reads nothing is not waited for.
  QTimer::singleShot(limits_.idleMs, socket_, [socket = socket_] { socket->abort(); });
}

QTcpSocket* Guard::Take(QTcpSocket* socket) {
  if (!socket) return nullptr;
  if (*open_ >= limits_.connections) {
    socket->write(RawAnswer(503, text::kTooManyConnections));
    socket->disconnectFromHost();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    return nullptr;
  }
  ++*open_;
  QObject::connect(socket, &QObject::destroyed, [open = open_] { --*open; });
  new SocketGuard(socket, limits_);
  return socket;
}

QTcpSocket* GuardedTcpServer::nextPendingConnection() {
  for (;;) {
    QTcpSocket* socket = QTcpServer::nextPendingConnection();
    if (!socket) return nullptr;
    if (QTcpSocket* taken = guard_.Take(socket)) return taken;
  }
}

QTcpSocket* GuardedSslServer::nextPendingConnection() {
  for (;;) {
    QTcpSocket* socket = QSslServer::nextPendingConnection();
    if (!socket) return nullptr;
    if (QTcpSocket* taken = guard_.Take(socket)) return taken;
  }
}

}  // namespace velmora::server
