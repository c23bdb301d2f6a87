// Feeds arbitrary bytes to the service's reader of a case's JSON body, then
// the case to the route that values it, as an office's software could send
// them. Every body is read or refused: a refusal has its status (400 for the
// body, 422 naming a field) and a message, and a body read is valued or
// refused with a field; the answer does not depend on the day it is run.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "server/case_request.h"
#include "server/routes.h"

using namespace velmora;
using namespace velmora::server;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

#define CHECK(condition)                \
  do {                                  \
    if (!(condition)) Fail(#condition); \
  } while (false)

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
  const RichiestaLetta read = ReadCaseRequest(body);
  if (const auto* refused = std::get_if<RichiestaRifiutata>(&read)) {
    CHECK(refused->status == 400 || refused->status == 422);
    CHECK(!refused->messaggio.isEmpty());
    CHECK((refused->status == 422) == !refused->campo.isEmpty());
  }
  Richiesta request;
  request.method = "POST";
  request.path = "/api/v1/valutazione";
  request.contentType = "application/json";
  request.body = body;
  request.now = QDateTime(QDate(2026, 12, 7), QTime(12, 0));
  static const DatiLegaliCondivisi law = LeggiDatiLegali({});
  request.law = law.get();
  const Risposta answer = Answer(Rotta::Valutazione, request);
  // The route answers as the reader read: a body refused keeps its status,
  // a case read is valued or refused by the strict reader with a field.
  if (const auto* refused = std::get_if<RichiestaRifiutata>(&read))
    CHECK(answer.status == refused->status);
  else
    CHECK(answer.status == 200 || answer.status == 422);
  const QJsonDocument json = QJsonDocument::fromJson(answer.body);
  CHECK(json.isObject());
  if (answer.status != 200) {
    const QJsonObject error = json.object().value(u"errore").toObject();
    CHECK(!error.value(u"messaggio").toString().isEmpty());
    if (answer.status == 422) CHECK(error.contains(u"campo"));
  }
  return 0;
}
