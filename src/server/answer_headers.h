#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// The headers every answer carries: the page runs only its own files, is
// framed by no one and sends no referrer; API answers are never cached.
namespace velmora::server {

inline constexpr char kContentSecurityPolicy[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' data:; "
    "connect-src 'self'; form-action 'none'; frame-ancestors 'none'; base-uri 'none'";

inline QList<QPair<QByteArray, QByteArray>> SecurityHeaders(bool api) {
  QList<QPair<QByteArray, QByteArray>> headers{{"Content-Security-Policy", kContentSecurityPolicy},
                                               {"X-Content-Type-Options", "nosniff"},
                                               {"Referrer-Policy", "no-referrer"}};
  if (api) headers.append(qMakePair(QByteArray("Cache-Control"), QByteArray("no-store")));
  return headers;
}

}  // namespace velmora::server
