#include "server/routes.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include "core/documents/calculation_report.h"
#include "core/documents/version.h"
#include "core/numbers/date_text.h"
#include "core/valuation/rates_by_date.h"
#include "server/case_request.h"
#include "server/cases.h"
#include "server/server_texts.h"

namespace velmora::server {
namespace {

constexpr char kJson[] = "application/json";

QByteArray Compact(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Risposta Refused(const QString& campo, const QString& motivo, const QString& messaggio,
                 const QString& forma) {
  return {422,
          kJson,
          Compact({{QStringLiteral("errore"), QJsonObject{{QStringLiteral("campo"), campo},
                                                          {QStringLiteral("motivo"), motivo},
                                                          {QStringLiteral("messaggio"), messaggio},
                                                          {QStringLiteral("forma"), forma}}}}),
          {}};
}

QByteArray PageType(QByteArrayView name) {
  static const QList<QPair<QByteArray, QByteArray>> types{{".html", "text/html; charset=utf-8"},
                                                          {".js", "text/javascript; charset=utf-8"},
                                                          {".css", "text/css; charset=utf-8"},
                                                          {".svg", "image/svg+xml"},
                                                          {".png", "image/png"},
                                                          {".ico", "image/x-icon"},
                                                          {".json", "application/json"},
                                                          {".txt", "text/plain; charset=utf-8"},
                                                          {".woff2", "font/woff2"}};
  for (const auto& [ending, type] : types)
    if (name.endsWith(ending)) return type;
  return "application/octet-stream";
}

QString PageResource(QByteArrayView path) {
  const QByteArrayView name = path == "/" ? QByteArrayView("/index.html") : path;
  return QStringLiteral(":/velmora/pagina") + QString::fromUtf8(name);
}

// The case read and valued: the record, or the answer that refuses it.
std::variant<RecordValutazione, Risposta> Valued(const Richiesta& request) {
  RichiestaLetta read = ReadCaseRequest(request.body);
  if (auto* fault = std::get_if<RichiestaRifiutata>(&read)) {
    if (fault->status != 422) return ErrorAnswer(fault->status, fault->messaggio);
    return Refused(fault->campo, fault->motivo, fault->messaggio, fault->forma);
  }
  auto& dati = std::get<DatiValutazione>(read);
  if (dati.riferimento.isEmpty()) dati.riferimento = SlashedDate(request.now.date());
  EsitoCaso esito = ValueCase(dati, *request.law);
  if (auto* refused = std::get_if<CasoRifiutato>(&esito))
    return Refused(refused->campo, refused->motivo, refused->messaggio, refused->forma);
  return std::get<RecordValutazione>(std::move(esito));
}

Risposta Report(const Richiesta& request) {
  auto valued = Valued(request);
  if (auto* refused = std::get_if<Risposta>(&valued)) return *refused;
  const auto& record = std::get<RecordValutazione>(valued);
  if (QUrlQuery(QString::fromUtf8(request.query)).queryItemValue(QStringLiteral("testo")) ==
      u"atto")
    return {200, "text/plain; charset=utf-8", ValoriPerAtto(record).toUtf8(), {}};
  const Calcolo calcolo{request.now, ProgramVersion()};
  if (request.accept.contains("text/html"))
    return {200, "text/html; charset=utf-8", ProspettoHtml(record, calcolo).toUtf8(), {}};
  return {200, "text/plain; charset=utf-8", ProspettoTesto(record, calcolo).toUtf8(), {}};
}

}  // namespace

Rotta RouteOf(QByteArrayView path) {
  if (path == "/api/v1/valutazione") return Rotta::Valutazione;
  if (path == "/api/v1/prospetto") return Rotta::Prospetto;
  if (path == "/api/v1/lotto") return Rotta::Lotto;
  if (path == "/api/v1/dati") return Rotta::Dati;
  if (path == "/api/v1/stato") return Rotta::Stato;
  if (path == "/api/v1/openapi.json") return Rotta::OpenApi;
  // Only the page's own files: no folder above them is reachable.
  if (path.startsWith("/") && !path.contains("/..") && !path.contains("//") &&
      !path.startsWith("/api/") && QFile::exists(PageResource(path)))
    return Rotta::Pagina;
  return Rotta::Nessuna;
}

QByteArray MethodsOf(Rotta route) {
  switch (route) {
    case Rotta::Valutazione:
    case Rotta::Prospetto:
    case Rotta::Lotto:
      return "POST";
    case Rotta::Pagina:
    case Rotta::Dati:
    case Rotta::Stato:
    case Rotta::OpenApi:
      return "GET";
    case Rotta::Nessuna:
      break;
  }
  return {};
}

QByteArray ContentTypeOf(Rotta route) {
  switch (route) {
    case Rotta::Valutazione:
    case Rotta::Prospetto:
      return kJson;
    case Rotta::Lotto:
      return "text/csv";
    default:
      return {};
  }
}

bool IsApi(QByteArrayView path) {
  return path.startsWith("/api/");
}

QByteArray MediaType(QByteArrayView contentType) {
  const qsizetype semicolon = contentType.indexOf(';');
  return (semicolon < 0 ? contentType : contentType.first(semicolon))
      .trimmed()
      .toByteArray()
      .toLower();
}

Risposta ErrorAnswer(int status, const QString& message) {
  return {
      status,
      kJson,
      Compact({{QStringLiteral("errore"), QJsonObject{{QStringLiteral("messaggio"), message}}}}),
      {}};
}

Risposta Answer(Rotta route, const Richiesta& request) {
  switch (route) {
    case Rotta::Pagina: {
      QFile file(PageResource(request.path));
      if (!file.open(QIODevice::ReadOnly))
        return ErrorAnswer(404, text::kNotFound.arg(QString::fromUtf8(request.path)));
      return {200,
              PageType(request.path == "/" ? QByteArrayView(".html") : request.path),
              file.readAll(),
              {}};
    }
    case Rotta::Valutazione: {
      auto valued = Valued(request);
      if (auto* refused = std::get_if<Risposta>(&valued)) return *refused;
      return {200, kJson, CaseJson(std::get<RecordValutazione>(valued)), {}};
    }
    case Rotta::Prospetto:
      return Report(request);
    case Rotta::Dati:
      return {200,
              kJson,
              QJsonDocument(LegalDataJson(*request.law)).toJson(QJsonDocument::Indented),
              {}};
    case Rotta::Stato:
      return {200,
              kJson,
              Compact({{QStringLiteral("versione"), ProgramVersion()},
                       {QStringLiteral("dati_fino_al"),
                        request.law->LastDayWithRate().toString(Qt::ISODate)}}),
              {}};
    case Rotta::OpenApi: {
      QFile file(QStringLiteral(":/velmora/openapi.json"));
      if (!file.open(QIODevice::ReadOnly)) return ErrorAnswer(500, {});
      return {200, kJson, file.readAll(), {}};
    }
    case Rotta::Lotto:
    case Rotta::Nessuna:
      break;
  }
  return ErrorAnswer(404, text::kNotFound.arg(QString::fromUtf8(request.path)));
}

}  // namespace velmora::server
