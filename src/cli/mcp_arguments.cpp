#include "cli/mcp_arguments.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>
#include <cmath>
#include <initializer_list>

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/mcp_texts.h"

namespace velmora::cli {
namespace {

const QString kValore = QStringLiteral("valore");
const QString kNascite = QStringLiteral("nascite");
const QString kAnni = QStringLiteral("anni");
const QString kData = QStringLiteral("data");
const QString kAccrescimento = QStringLiteral("accrescimento");
const QString kDiritto = QStringLiteral("diritto");
const QString kImposta = QStringLiteral("imposta");
const QString kSaggio = QStringLiteral("saggio");

bool Allowed(const QString& key, TipoValutazione tipo) {
  for (const QString& name : {kValore, kNascite, kData, kDiritto, kImposta, kSaggio})
    if (key == name) return true;
  switch (tipo) {
    case TipoValutazione::Vitalizio:
      return key == kAccrescimento;
    case TipoValutazione::TempoDeterminato:
      return key == kAnni;
  }
  return false;
}

// A choice among words; what it is not is refused with the words allowed.
template <typename Value>
std::optional<QString> Choose(const QJsonObject& arguments, const QString& key,
                              std::optional<Value> (*named)(QStringView), const QString& allowed,
                              Value& into) {
  const QJsonValue given = arguments.value(key);
  if (given.isUndefined()) return std::nullopt;
  if (!given.isString()) return text::kMcpWantText.arg(key);
  const std::optional<Value> chosen = named(given.toString());
  if (!chosen) return text::kMcpBadChoice.arg(key, given.toString(), allowed);
  into = *chosen;
  return std::nullopt;
}

std::optional<Saggio> RateNamed(QStringView name) {
  if (name == u"data") return Saggio::AllaData;
  if (name == u"2016") return Saggio::Tabella2016;
  return std::nullopt;
}

std::optional<QString> ReadValue(const QJsonValue& given, DatiValutazione& dati) {
  if (given.isUndefined() || given.isString()) {
    dati.valore = given.toString();
  } else if (given.isDouble()) {
    const std::optional<QString> amount = AmountOfNumber(given.toDouble());
    if (!amount) return text::kMcpWantAmount.arg(kValore);
    dati.valore = *amount;
  } else {
    return text::kMcpWantAmount.arg(kValore);
  }
  return std::nullopt;
}

std::optional<QString> ReadBirths(const QJsonValue& given, DatiValutazione& dati) {
  if (given.isUndefined()) return std::nullopt;
  if (!given.isArray()) return text::kMcpWantBirthList.arg(kNascite);
  for (const QJsonValue birth : given.toArray()) {
    if (!birth.isString()) return text::kMcpWantBirthList.arg(kNascite);
    dati.nascite << birth.toString();
  }
  return std::nullopt;
}

std::optional<QString> ReadYearsGiven(const QJsonValue& given, DatiValutazione& dati) {
  if (given.isUndefined() || given.isString()) {
    dati.anni = given.toString();
    return std::nullopt;
  }
  // Whole numbers only: 10.5 years is no duration to round.
  const double years = given.toDouble(-1);
  if (!given.isDouble() || years != std::floor(years) || years < 0 || years > 1e6)
    return text::kMcpWantYears.arg(kAnni);
  dati.anni = QString::number(qint64(years));
  return std::nullopt;
}

std::optional<QString> ReadArguments(TipoValutazione tipo, const QJsonObject& arguments,
                                     const QString& today, DatiValutazione& dati) {
  for (auto it = arguments.begin(); it != arguments.end(); ++it)
    if (!Allowed(it.key(), tipo)) return text::kMcpUnknownProperty.arg(it.key());
  if (auto fault = ReadValue(arguments.value(kValore), dati)) return fault;
  if (auto fault = ReadBirths(arguments.value(kNascite), dati)) return fault;
  const QJsonValue date = arguments.value(kData);
  if (!date.isUndefined() && !date.isString()) return text::kMcpWantText.arg(kData);
  dati.riferimento = date.isUndefined() ? today : date.toString();
  if (auto fault = Choose(arguments, kDiritto, RightNamed,
                          QStringLiteral("usufrutto, uso, abitazione"), dati.diritto))
    return fault;
  if (auto fault = Choose(arguments, kImposta, TaxNamed, QStringLiteral("registro, successioni"),
                          dati.imposta))
    return fault;
  if (auto fault = Choose(arguments, kSaggio, RateNamed, QStringLiteral("data, 2016"), dati.saggio))
    return fault;
  switch (tipo) {
    case TipoValutazione::Vitalizio: {
      const QJsonValue accrual = arguments.value(kAccrescimento);
      if (accrual.isUndefined()) break;
      if (!accrual.isBool()) return text::kMcpWantBoolean.arg(kAccrescimento);
      dati.accrescimento = accrual.toBool();
      break;
    }
    case TipoValutazione::TempoDeterminato:
      // What a fixed term takes of the lives, the shared reader decides.
      if (auto fault = ReadYearsGiven(arguments.value(kAnni), dati)) return fault;
      break;
  }
  return std::nullopt;
}

}  // namespace

const NomiIngressi& McpPropertyNames() {
  static const NomiIngressi names{kValore, kNascite, kAnni, kData, kAccrescimento, kImposta};
  return names;
}

std::optional<QString> AmountOfNumber(double number) {
  if (!std::isfinite(number)) return std::nullopt;
  // The two-decimal text that reads back as the very number: 0.1 + 0.2 is
  // not 0.30, and 250000.123 has a third decimal.
  QString amount = QString::number(number, 'f', 2);
  if (amount.toDouble() != number) return std::nullopt;
  amount.replace(u'.', u',');
  return amount;
}

ArgomentiLetti McpArguments(TipoValutazione tipo, const QJsonObject& arguments,
                            const QString& today) {
  DatiValutazione dati;
  dati.tipo = tipo;
  dati.saggio = Saggio::AllaData;
  if (auto fault = ReadArguments(tipo, arguments, today, dati)) return *fault;
  return dati;
}

}  // namespace velmora::cli
