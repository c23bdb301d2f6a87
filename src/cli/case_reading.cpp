#include "cli/case_reading.h"

#include <optional>

#include "cli/cli_texts.h"
#include "core/date_text.h"
#include "core/number_text.h"

namespace velmora::cli {
namespace {

// "dd/mm/yyyy": a form the record reads without guessing.
QString Slashed(const QDate& date) {
  return SlashedDate(date);
}

QString Refused(const QString& name, const QString& value, const QString& reason) {
  return text::kInputRefused.arg(name, value.trimmed(), reason);
}

std::optional<QString> AmountFault(Incollato esito) {
  switch (esito) {
    case Incollato::Importo:
      return std::nullopt;
    case Incollato::NessunNumero:
      return text::kNotAnAmount;
    case Incollato::PuntiFuoriPosto:
      return text::kStrayFullStops;
    case Incollato::TroppiDecimali:
      return text::kTooManyDecimals;
    case Incollato::Zero:
      return text::kNotAboveZero;
    case Incollato::TroppoGrande:
      return text::kAboveLargest.arg(LargestAmountText());
  }
  return text::kNotAnAmount;
}

// A date read strictly into the form the record reads; the diagnostic when
// it is no date.
std::optional<QString> ReadDateInto(QString& date, const QString& name, const QString& missing) {
  if (date.trimmed().isEmpty()) return text::kInputMissing.arg(name, missing);
  const std::optional<QDate> read = ReadStrictDate(date);
  if (!read) return Refused(name, date, text::kNotADate);
  // The record reads the other forms as they are, and to the same day.
  if (IsEightDigits(date) || date.contains(u'-')) date = Slashed(*read);
  return std::nullopt;
}

// The value the refusal is about, as given, and its name.
QString Diagnostic(const Rifiuto& refusal, const DatiValutazione& typed, const NomiIngressi& nomi) {
  const QString* value = nullptr;
  const QString* name = nullptr;
  switch (refusal.campo) {
    case Campo::Valore:
      value = &typed.valore;
      name = &nomi.valore;
      break;
    case Campo::Nascita:
      value = &typed.nascita;
      name = &nomi.nascita;
      break;
    case Campo::Riferimento:
      value = &typed.riferimento;
      name = &nomi.data;
      break;
    case Campo::Anni:
      value = &typed.anni;
      name = &nomi.anni;
      break;
  }
  QString reason;
  switch (refusal.motivo) {
    case Motivo::ValoreMancante:
      reason = text::kNotAboveZero;
      break;
    case Motivo::ValoreTroppoGrande:
      reason = text::kAboveLargest.arg(LargestAmountText());
      break;
    case Motivo::NascitaNonValida:
    case Motivo::RiferimentoNonValido:
      reason = text::kNotADate;
      break;
    case Motivo::NascitaDopoRiferimento:
      reason = text::kBornAfter.arg(Slashed(*ReadStrictDate(typed.riferimento)));
      break;
    case Motivo::AnniMancanti:
      return text::kInputMissing.arg(*name, text::kNoYears);
    case Motivo::AnniNonInteri:
      reason = text::kNotWholeYears;
      break;
    case Motivo::DurataMassima:
      reason = text::kBeyondLongest;
      break;
    case Motivo::SaggioNonNoto:
      reason = text::kNoRateKnown.arg(Slashed(refusal.primo), Slashed(refusal.ultimo));
      break;
    case Motivo::CoefficientiNonNoti:
      reason = text::kNoCoefficientsKnown.arg(QString::number(refusal.anno), Slashed(refusal.primo),
                                              Slashed(refusal.ultimo));
      break;
  }
  return Refused(*name, *value, reason);
}

}  // namespace

const NomiIngressi& OptionNames() {
  static const NomiIngressi names{QStringLiteral("--valore"), QStringLiteral("--nascita"),
                                  QStringLiteral("--anni"), QStringLiteral("--data")};
  return names;
}

const NomiIngressi& ColumnNames() {
  static const NomiIngressi names{QStringLiteral("valore"), QStringLiteral("nascita"),
                                  QStringLiteral("anni"), QStringLiteral("data")};
  return names;
}

Esito ValutaDigitati(const DatiValutazione& dati, const NomiIngressi& nomi) {
  if (dati.valore.trimmed().isEmpty()) return text::kInputMissing.arg(nomi.valore, text::kNoValue);
  const ImportoIncollato amount = ReadStrictAmount(dati.valore);
  if (const auto fault = AmountFault(amount.esito))
    return Refused(nomi.valore, dati.valore, *fault);

  DatiValutazione read = dati;
  // The record reads the sign before the figure only.
  if (dati.valore.trimmed().endsWith(u'€')) read.valore = MoneyText(amount.valore);
  if (const auto fault = ReadDateInto(read.riferimento, nomi.data, text::kNotADate)) return *fault;
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      if (const auto fault = ReadDateInto(read.nascita, nomi.nascita, text::kNoBirthDate))
        return *fault;
      break;
    case TipoValutazione::TempoDeterminato:
      break;
  }
  auto result = Valuta(read);
  if (auto* record = std::get_if<RecordValutazione>(&result)) return std::move(*record);
  return Diagnostic(std::get<Rifiuto>(result), dati, nomi);
}

}  // namespace velmora::cli
