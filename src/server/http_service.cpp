#include "server/http_service.h"

#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>

#include "server/answer_headers.h"
#include "server/cases.h"
#include "server/routes.h"
#include "server/server_texts.h"

namespace velmora::server {
namespace {

QByteArray MethodName(QHttpServerRequest::Method method) {
  switch (method) {
    case QHttpServerRequest::Method::Get:
      return "GET";
    case QHttpServerRequest::Method::Put:
      return "PUT";
    case QHttpServerRequest::Method::Delete:
      return "DELETE";
    case QHttpServerRequest::Method::Post:
      return "POST";
    case QHttpServerRequest::Method::Head:
      return "HEAD";
    case QHttpServerRequest::Method::Options:
      return "OPTIONS";
    case QHttpServerRequest::Method::Patch:
      return "PATCH";
    case QHttpServerRequest::Method::Connect:
      return "CONNECT";
    case QHttpServerRequest::Method::Trace:
      return "TRACE";
    default:
      return "ALTRO";
  }
}

// Compares the whole token whatever the first difference, so that the time
// of a refusal says nothing of the token.
bool SameToken(QByteArrayView given, QByteArrayView token) {
  unsigned difference = unsigned(given.size() ^ token.size());
  for (qsizetype i = 0; i < given.size(); ++i)
    difference |= unsigned(given[i]) ^ unsigned(token.isEmpty() ? 0 : token[i % token.size()]);
  return difference == 0;
}

// Writes blocks of a body as HTTP chunks, waiting for a slow reader so that
// the answer never piles up in memory.
class ChunkWriter {
 public:
  explicit ChunkWriter(QTcpSocket* socket) : socket_(socket) {}
  bool Write(std::string_view block) {
    if (broken_ || block.empty()) return !broken_;
    socket_->write(QByteArray::number(qulonglong(block.size()), 16) + "\r\n");
    socket_->write(block.data(), qint64(block.size()));
    socket_->write("\r\n");
    while (socket_->bytesToWrite() > kMostPending) {
      if (socket_->state() != QAbstractSocket::ConnectedState ||
          !socket_->waitForBytesWritten(30'000)) {
        broken_ = true;
        socket_->abort();
        break;
      }
    }
    return !broken_;
  }
  void End() {
    if (!broken_) socket_->write("0\r\n\r\n");
  }

 private:
  static constexpr qint64 kMostPending = 1024 * 1024;
  QTcpSocket* socket_;
  bool broken_ = false;
};

}  // namespace

HttpService::HttpService(Impostazioni settings, QObject* parent)
    : QAbstractHttpServer(parent), settings_(std::move(settings)) {}

bool HttpService::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
  QElapsedTimer clock;
  clock.start();
  Richiesta in;
  in.method = MethodName(request.method());
  in.path = request.url().path(QUrl::FullyEncoded).toUtf8();
  in.query = request.url().query(QUrl::FullyEncoded).toUtf8();
  in.contentType = request.value("content-type");
  in.accept = request.value("accept");
  in.now = settings_.clock();
  in.law = settings_.law.get();
  const QByteArray origin = request.value("origin");
  const Rotta route = RouteOf(in.path);
  const bool api = IsApi(in.path);
  const bool crossSite = !settings_.origin.isEmpty() && origin == settings_.origin;

  Intestazioni headers = SecurityHeaders(api);
  if (crossSite) {
    headers.append(
        qMakePair(QByteArray("Access-Control-Allow-Origin"), QByteArray(settings_.origin)));
    headers.append(qMakePair(QByteArray("Vary"), QByteArray("Origin")));
  }

  auto answer = [&]() -> Risposta {
    if (route == Rotta::Nessuna)
      return ErrorAnswer(404, text::kNotFound.arg(QString::fromUtf8(in.path)));
    const QByteArray methods = MethodsOf(route);
    if (in.method == "OPTIONS" && api && !settings_.origin.isEmpty()) {
      if (!crossSite) return ErrorAnswer(403, text::kOriginRefused);
      return {204,
              {},
              {},
              {{"Access-Control-Allow-Methods", methods},
               {"Access-Control-Allow-Headers", "Authorization, Content-Type"},
               {"Access-Control-Max-Age", "600"}}};
    }
    if (in.method != methods) {
      Risposta refused = ErrorAnswer(405, text::kMethodNotAllowed.arg(QString::fromUtf8(methods)));
      refused.headers.append(qMakePair(QByteArray("Allow"), QByteArray(methods)));
      return refused;
    }
    if (api && !settings_.token.isEmpty()) {
      const QByteArray authorization = request.value("authorization");
      if (!authorization.startsWith("Bearer ") ||
          !SameToken(authorization.mid(7).trimmed(), settings_.token)) {
        Risposta refused = ErrorAnswer(401, text::kUnauthorized);
        refused.headers.append(qMakePair(QByteArray("WWW-Authenticate"), QByteArray("Bearer")));
        return refused;
      }
    }
    if (const QByteArray wanted = ContentTypeOf(route);
        !wanted.isEmpty() && MediaType(in.contentType) != wanted)
      return ErrorAnswer(415, text::kWrongContentType.arg(QString::fromUtf8(wanted)));
    const qint64 limit = route == Rotta::Lotto ? settings_.batchLimit : settings_.caseLimit;
    if (request.body().size() > limit)
      return ErrorAnswer(413, text::kTooLarge.arg(LimitText(limit)));
    return {0, {}, {}, {}};
  }();

  QHttpServerResponder responder = makeResponder(request, socket);
  auto finish = [&](int status) {
    if (settings_.log)
      settings_.log(in.method + ' ' + (route == Rotta::Nessuna ? QByteArray("-") : in.path) + ' ' +
                    QByteArray::number(status) + ' ' + QByteArray::number(clock.elapsed()) +
                    "ms\n");
  };
  auto write = [&](const Risposta& out) {
    Intestazioni all = headers + out.headers;
    if (!out.contentType.isEmpty())
      all.append(qMakePair(QByteArray("Content-Type"), QByteArray(out.contentType)));
    responder.writeStatusLine(QHttpServerResponder::StatusCode(out.status));
    for (const auto& [name, value] : all) responder.writeHeader(name, value);
    responder.writeHeader("Content-Length", QByteArray::number(out.body.size()));
    responder.writeBody(out.body);
    finish(out.status);
  };

  if (answer.status != 0) {
    write(answer);
    return true;
  }
  in.body = request.body();
  if (route != Rotta::Lotto) {
    write(Answer(route, in));
    return true;
  }

  // The batch: its result goes out as it is made.
  ChunkWriter chunks(socket);
  bool started = false;
  const EsitoLotto esito =
      RunBatchOver(in.body, in.now.date(), *in.law, [&](std::string_view block) {
        if (!started) {
          responder.writeStatusLine(QHttpServerResponder::StatusCode::Ok);
          Intestazioni all = headers;
          all.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/csv; charset=utf-8")));
          all.append(qMakePair(QByteArray("Transfer-Encoding"), QByteArray("chunked")));
          for (const auto& [name, value] : all) responder.writeHeader(name, value);
          socket->write("\r\n");
          started = true;
        }
        chunks.Write(block);
      });
  if (started) {
    chunks.End();
    finish(200);
  } else {
    write(ErrorAnswer(422, text::kBatchFailed.arg(esito.refusal)));
  }
  return true;
}

void HttpService::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
  makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

QString LimitText(qint64 bytes) {
  if (bytes % (1024 * 1024) == 0)
    return QString::number(bytes / (1024 * 1024)) + QStringLiteral(" MiB");
  return QString::number(bytes / 1024) + QStringLiteral(" KiB");
}

}  // namespace velmora::server
