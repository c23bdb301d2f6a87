#pragma once

#include "core/law/legal_data_in_use.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

// The answers of the routes, made from the request's parts alone: what the
// HTTP plumbing (http_service.cpp) writes back.
namespace velmora::server {

using Intestazioni = QList<QPair<QByteArray, QByteArray>>;

struct Risposta {
  int status = 200;
  QByteArray contentType;
  QByteArray body;
  Intestazioni headers;  // beyond the ones every answer carries
};

// A route: the page's files, or one of the API. `Lotto` is streamed by the
// plumbing itself.
enum class Rotta { Pagina, Valutazione, Prospetto, Lotto, Dati, Stato, OpenApi, Nessuna };

struct Richiesta {
  QByteArray method;  // "GET", "POST"...
  QByteArray path;    // without the query
  QByteArray query;   // the query's text, as sent
  QByteArray contentType;
  QByteArray accept;
  QByteArray body;
  QDateTime now;                    // when the request came: today's date, and the report's time
  const DatiLegali* law = nullptr;  // read at start-up, shared by every request
};

Rotta RouteOf(QByteArrayView path);
// The methods the route takes, for 405 and its Allow header.
QByteArray MethodsOf(Rotta route);
// The media type the route's body must have; empty for a route without one.
QByteArray ContentTypeOf(Rotta route);
// Whether the route belongs to the API (token, no caching).
bool IsApi(QByteArrayView path);

// The answer for any route but Lotto, whose method and content type were
// checked.
Risposta Answer(Rotta route, const Richiesta& request);

// An error answer: {"errore": {"messaggio": ...}}.
Risposta ErrorAnswer(int status, const QString& message);

// The media type without its parameters, in lower case.
QByteArray MediaType(QByteArrayView contentType);

}  // namespace velmora::server
