#include "server/case_request.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>
#include <cmath>
#include <initializer_list>

#include "server/cases.h"
#include "server/server_texts.h"

namespace velmora::server {
namespace {

RichiestaRifiutata FieldFault(const QString& campo, const QString& motivo, const QString& messaggio,
                              const QString& forma = {}) {
  return {422, campo, motivo, messaggio, forma};
}

RichiestaRifiutata WrongType(const QString& campo, const QString& wanted,
                             const QString& forma = {}) {
  return FieldFault(campo, QStringLiteral("tipo_errato"), text::kWrongType.arg(campo, wanted),
                    forma);
}

// A field that must be a text.
std::variant<QString, RichiestaRifiutata> Text(const QJsonValue& value, const QString& campo,
                                               const QString& forma = {}) {
  if (!value.isString()) return WrongType(campo, text::kTypeText, forma);
  return value.toString();
}

// A field whose text is one of a few words.
template <typename Enum>
std::variant<Enum, RichiestaRifiutata> Choice(const QJsonValue& value, const QString& campo,
                                              std::optional<Enum> (*named)(QStringView),
                                              const QString& allowed) {
  auto read = Text(value, campo);
  if (auto* fault = std::get_if<RichiestaRifiutata>(&read)) return *fault;
  const QString word = std::get<QString>(read);
  if (const auto chosen = named(word)) return *chosen;
  return FieldFault(campo, QStringLiteral("valore_non_ammesso"),
                    text::kServiceBadChoice.arg(campo, word, allowed), allowed);
}

const QStringList& Fields() {
  static const QStringList fields{
      QStringLiteral("tipo"),          QStringLiteral("valore"),  QStringLiteral("nascite"),
      QStringLiteral("accrescimento"), QStringLiteral("diritto"), QStringLiteral("imposta"),
      QStringLiteral("anni"),          QStringLiteral("data"),    QStringLiteral("saggio")};
  return fields;
}

std::optional<Saggio> RateNamed(QStringView word) {
  if (word == u"data") return Saggio::AllaData;
  if (word == u"2016") return Saggio::Tabella2016;
  return std::nullopt;
}

// Reads the fields one by one into the case; the first fault ends it.
std::optional<RichiestaRifiutata> ReadFields(const QJsonObject& body, DatiValutazione& dati) {
  // A field without a name cannot be sent back to: the body is malformed.
  if (body.contains(QString()))
    return RichiestaRifiutata{
        400, {}, QStringLiteral("campo_senza_nome"), text::kNamelessField, {}};
  for (auto field = body.begin(); field != body.end(); ++field)
    if (!Fields().contains(field.key()))
      return FieldFault(field.key(), QStringLiteral("campo_sconosciuto"),
                        text::kUnknownField.arg(field.key()));
  for (const char* required : {"tipo", "valore"})
    if (!body.contains(QLatin1StringView(required)))
      return FieldFault(QLatin1StringView(required), QStringLiteral("campo_mancante"),
                        text::kMissingField.arg(QLatin1StringView(required)));

  auto kind = Choice<TipoValutazione>(body.value(u"tipo"), QStringLiteral("tipo"), &KindNamed,
                                      QStringLiteral("vitalizio, tempo-determinato"));
  if (auto* fault = std::get_if<RichiestaRifiutata>(&kind)) return *fault;
  dati.tipo = std::get<TipoValutazione>(kind);

  const QJsonValue valore = body.value(u"valore");
  if (valore.isDouble()) {
    const auto typed = AmountText(valore.toDouble());
    if (!typed)
      return FieldFault(QStringLiteral("valore"), QStringLiteral("troppi_decimali"),
                        text::kAmountDecimals.arg(QStringLiteral("valore")),
                        QStringLiteral("250000.5"));
    dati.valore = *typed;
  } else if (valore.isString()) {
    dati.valore = valore.toString();
  } else {
    return WrongType(QStringLiteral("valore"), text::kTypeAmount, QStringLiteral("250.000,50"));
  }

  if (body.contains(u"nascite")) {
    const QJsonValue nascite = body.value(u"nascite");
    if (!nascite.isArray()) return WrongType(QStringLiteral("nascite"), text::kTypeDates);
    for (const QJsonValue& birth : nascite.toArray()) {
      if (!birth.isString()) return WrongType(QStringLiteral("nascite"), text::kTypeDates);
      dati.nascite << birth.toString();
    }
  }
  if (body.contains(u"accrescimento")) {
    const QJsonValue accrual = body.value(u"accrescimento");
    if (!accrual.isBool()) return WrongType(QStringLiteral("accrescimento"), text::kTypeBoolean);
    dati.accrescimento = accrual.toBool();
  }
  if (body.contains(u"diritto")) {
    auto right = Choice<Diritto>(body.value(u"diritto"), QStringLiteral("diritto"), &RightNamed,
                                 QStringLiteral("usufrutto, uso, abitazione"));
    if (auto* fault = std::get_if<RichiestaRifiutata>(&right)) return *fault;
    dati.diritto = std::get<Diritto>(right);
  }
  if (body.contains(u"imposta")) {
    auto tax = Choice<Imposta>(body.value(u"imposta"), QStringLiteral("imposta"), &TaxNamed,
                               QStringLiteral("registro, successioni"));
    if (auto* fault = std::get_if<RichiestaRifiutata>(&tax)) return *fault;
    dati.imposta = std::get<Imposta>(tax);
  }
  if (body.contains(u"saggio")) {
    auto rate = Choice<Saggio>(body.value(u"saggio"), QStringLiteral("saggio"), &RateNamed,
                               QStringLiteral("data, 2016"));
    if (auto* fault = std::get_if<RichiestaRifiutata>(&rate)) return *fault;
    dati.saggio = std::get<Saggio>(rate);
  }
  if (body.contains(u"anni")) {
    const QJsonValue years = body.value(u"anni");
    // A whole number stays one; any other number goes to the reader as
    // written, to be refused there with the command line's words.
    if (years.isDouble()) {
      const double number = years.toDouble();
      dati.anni = number == std::trunc(number) && std::abs(number) < 1e9
                      ? QString::number(qint64(number))
                      : QString::number(number, 'g', 17).replace(u'.', u',');
    } else if (years.isString()) {
      dati.anni = years.toString();
    } else {
      return WrongType(QStringLiteral("anni"), text::kTypeYears);
    }
  }
  if (body.contains(u"data")) {
    auto day = Text(body.value(u"data"), QStringLiteral("data"), QStringLiteral("07/12/2026"));
    if (auto* fault = std::get_if<RichiestaRifiutata>(&day)) return *fault;
    dati.riferimento = std::get<QString>(day);
    // An empty text would be taken as today: the field was given, so it is
    // read as given.
    if (dati.riferimento.trimmed().isEmpty()) dati.riferimento = QStringLiteral(" ");
  }
  return std::nullopt;
}

}  // namespace

std::optional<QString> AmountText(double number) {
  if (!std::isfinite(number)) return std::nullopt;
  // Beyond this the hundredths are no longer exact in a double; the strict
  // reader refuses such amounts as too large anyway.
  if (std::abs(number) >= 1e15) return QString::number(number, 'f', 0);
  const QString hundredths = QString::number(number, 'f', 2);
  // Only a number that is exactly its own two-decimal text is taken.
  if (hundredths.toDouble() != number) return std::nullopt;
  return QString(hundredths).replace(u'.', u',');
}

RichiestaLetta ReadCaseRequest(const QByteArray& body) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(body, &error);
  if (error.error != QJsonParseError::NoError)
    return RichiestaRifiutata{400,
                              {},
                              QStringLiteral("json_non_valido"),
                              text::kMalformedJson.arg(error.errorString()),
                              {}};
  if (!document.isObject())
    return RichiestaRifiutata{400, {}, QStringLiteral("non_oggetto"), text::kNotAnObject, {}};
  DatiValutazione dati;
  dati.saggio = Saggio::AllaData;
  if (auto fault = ReadFields(document.object(), dati)) return *fault;
  return dati;
}

}  // namespace velmora::server
