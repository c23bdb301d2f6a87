#include "cli/case_reading.h"

#include <algorithm>
#include <optional>

#include "cli/cli_texts.h"
#include "core/law/legal_data_in_use.h"
#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"

namespace velmora::cli {
namespace {

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

// Where to add the decree of a day past the legal data.
QString WhereToAdd() {
  const QStringList folders = AdditionFolders();
  return text::kHowToAdd.arg(folders.isEmpty() ? QString() : folders.first());
}

QString Diagnostic(const Rifiuto& refusal, const DatiValutazione& typed, const NomiIngressi& nomi) {
  QString value;
  QString name;
  switch (refusal.campo) {
    case Campo::Valore:
      value = typed.valore;
      name = nomi.valore;
      break;
    case Campo::Nascita:
      value = refusal.vita >= 0 && refusal.vita < typed.nascite.size() ? typed.nascite[refusal.vita]
                                                                       : typed.nascite.join(u'+');
      name = nomi.nascita;
      break;
    case Campo::Riferimento:
      value = typed.riferimento;
      name = nomi.data;
      break;
    case Campo::Anni:
      value = typed.anni;
      name = nomi.anni;
      break;
    case Campo::Accrescimento:
      return text::kInputMissing.arg(nomi.accrescimento, text::kNoAccrual);
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
      reason = text::kBornAfter.arg(SlashedDate(refusal.giorno));
      break;
    case Motivo::NascitaTroppoLontana:
      reason = text::kBornTooLongAgo.arg(QString::number(kEtaMassima), SlashedDate(refusal.giorno));
      break;
    case Motivo::TroppeVite:
      reason = text::kTooManyLives.arg(kMaxVite);
      break;
    case Motivo::AccrescimentoMancante:
      return text::kInputMissing.arg(nomi.accrescimento, text::kNoAccrual);
    case Motivo::AnniMancanti:
      return text::kInputMissing.arg(name, text::kNoYears);
    case Motivo::AnniNonInteri:
      reason = text::kNotWholeYears;
      break;
    case Motivo::DurataMassima:
      reason = text::kBeyondLongest;
      break;
    case Motivo::SaggioNonNoto:
      reason =
          refusal.giorno > refusal.ultimo
              ? text::kPastTheRates.arg(SlashedDate(refusal.ultimo), WhereToAdd())
              : text::kNoRateKnown.arg(SlashedDate(refusal.primo), SlashedDate(refusal.ultimo));
      break;
    case Motivo::CoefficientiNonNoti:
      reason = refusal.giorno > refusal.ultimo
                   ? text::kPastTheCoefficients.arg(QString::number(refusal.anno),
                                                    SlashedDate(refusal.ultimo), WhereToAdd())
                   : text::kNoCoefficientsKnown.arg(QString::number(refusal.anno),
                                                    SlashedDate(refusal.primo),
                                                    SlashedDate(refusal.ultimo));
      break;
    case Motivo::NormaNonNota:
      reason = text::kNoStatuteKnown;
      break;
  }
  return Refused(name, value, reason);
}

// The dates of a field, each read strictly; the diagnostic when one is not.
std::optional<QString> ReadDates(const QStringList& typed, const QString& name,
                                 ListaNascite& into) {
  for (const QString& date : typed) {
    const std::optional<QDate> read = ReadStrictDate(date);
    if (!read) return Refused(name, date, text::kNotADate);
    into.append(*read);
  }
  return std::nullopt;
}

// An input the kind of valuation has no use for: the user meant something
// by it, so it is refused rather than passed over.
std::optional<QString> NotTaken(const DatiValutazione& dati, const NomiIngressi& nomi) {
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      if (!dati.anni.trimmed().isEmpty())
        return Refused(nomi.anni, dati.anni, text::kYearsOnlyForFixedTerm);
      // The act says whether the survivors take the whole; one life has none.
      if (dati.accrescimento && dati.nascite.size() == 1)
        return text::kInputNotTaken.arg(nomi.accrescimento, text::kAccrualOfOneLife);
      break;
    case TipoValutazione::TempoDeterminato:
      if (dati.accrescimento)
        return text::kInputNotTaken.arg(nomi.accrescimento, text::kAccrualOnlyForLifetime);
      if (dati.nascite.size() > 1)
        return Refused(nomi.nascita, dati.nascite.join(u'+'), text::kOneBeneficiary);
      // The beneficiary's birth limits a fixed term for the gift and
      // succession tax only.
      if (!dati.nascite.isEmpty() && dati.imposta != Imposta::Successioni)
        return Refused(nomi.nascita, dati.nascite.join(u'+'),
                       text::kLimitOnlyForSuccession.arg(nomi.imposta));
      break;
  }
  return std::nullopt;
}

Esito Value(const IngressiLetti& in, const DatiValutazione& typed, const NomiIngressi& nomi,
            const DatiLegali& law) {
  auto result = ValutaLetti(in, law);
  if (auto* record = std::get_if<RecordValutazione>(&result)) return std::move(*record);
  return Diagnostic(std::get<Rifiuto>(result), typed, nomi);
}

// The reference date, read strictly. The rows of a batch mostly share one:
// it is read once while it stays the same.
std::optional<QDate> ReferenceDate(const QString& typed) {
  thread_local bool known = false;
  thread_local QString lastTyped;
  thread_local std::optional<QDate> lastRead;
  if (!known || typed != lastTyped) {
    lastRead = ReadStrictDate(typed);
    // A copy of its own: sharing the batch's text would make the batch copy
    // it at the next row.
    lastTyped = QString(typed.constData(), typed.size());
    known = true;
  }
  return lastRead;
}

}  // namespace

const NomiIngressi& OptionNames() {
  static const NomiIngressi names{QStringLiteral("--valore"),        QStringLiteral("--nascita"),
                                  QStringLiteral("--anni"),          QStringLiteral("--data"),
                                  QStringLiteral("--accrescimento"), QStringLiteral("--imposta")};
  return names;
}

const NomiIngressi& ColumnNames() {
  static const NomiIngressi names{QStringLiteral("valore"),        QStringLiteral("nascita"),
                                  QStringLiteral("anni"),          QStringLiteral("data"),
                                  QStringLiteral("accrescimento"), QStringLiteral("imposta")};
  return names;
}

Esito ValutaDigitati(const DatiValutazione& dati, const NomiIngressi& nomi, const DatiLegali& law) {
  if (const auto fault = NotTaken(dati, nomi)) return *fault;
  if (dati.valore.trimmed().isEmpty()) return text::kInputMissing.arg(nomi.valore, text::kNoValue);
  const ImportoIncollato amount = ReadStrictAmount(dati.valore);
  if (const auto fault = AmountFault(amount.esito))
    return Refused(nomi.valore, dati.valore, *fault);

  IngressiLetti in = LeScelte(dati);
  in.valore = amount.valore;
  in.riferimento = ReferenceDate(dati.riferimento);
  if (!in.riferimento) return Refused(nomi.data, dati.riferimento, text::kNotADate);
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      if (std::all_of(dati.nascite.begin(), dati.nascite.end(),
                      [](const QString& birth) { return QStringView(birth).trimmed().isEmpty(); }))
        return text::kInputMissing.arg(nomi.nascita, text::kNoBirthDate);
      break;
    case TipoValutazione::TempoDeterminato:
      if (dati.anni.trimmed().isEmpty()) return text::kInputMissing.arg(nomi.anni, text::kNoYears);
      in.anni = ReadYears(dati.anni);
      break;
  }
  if (const auto fault = ReadDates(dati.nascite, nomi.nascita, in.nascite)) return *fault;
  return Value(in, dati, nomi, law);
}
}  // namespace velmora::cli
