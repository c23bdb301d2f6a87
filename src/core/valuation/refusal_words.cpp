#include "core/valuation/refusal_words.h"

#include <QStringList>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "core/valuation/case_reading.h"
#include "core/valuation/refusal_texts.h"

namespace velmora {
namespace {

// Where to add the decree of a day past the legal data.
QString WhereToAdd() {
  const QStringList folders = AdditionFolders();
  return text::kHowToAdd.arg(folders.isEmpty() ? QString() : folders.first());
}

// The input refused, its name and the value as given.
struct Input {
  QString name;
  QString value;
};

Input Refused(const Rifiuto& refusal, const DatiValutazione& typed, const NomiIngressi& nomi) {
  switch (refusal.campo) {
    case Campo::Valore:
      return {nomi.valore, typed.valore};
    case Campo::Nascita:
      return {nomi.nascita, refusal.vita >= 0 && refusal.vita < typed.nascite.size()
                                ? typed.nascite[refusal.vita]
                                : typed.nascite.join(u'+')};
    case Campo::Riferimento:
      return {nomi.data, typed.riferimento};
    case Campo::Anni:
      return {nomi.anni, typed.anni};
    case Campo::Accrescimento:
      return {nomi.accrescimento, {}};
  }
  return {};
}

// Why: after the value as given, or after the input's name alone when
// nothing (or nothing usable) was given.
struct Why {
  QString words;
  bool afterValue = true;
};

Why Reason(const Rifiuto& refusal, const NomiIngressi& nomi) {
  switch (refusal.motivo) {
    case Motivo::ImportoNonValido:
      return {text::kNotAnAmount};
    case Motivo::PuntiFuoriPosto:
      return {text::kStrayFullStops};
    case Motivo::TroppiDecimali:
      return {text::kTooManyDecimals};
    case Motivo::ValoreMancante:
      return {text::kNotAboveZero};
    case Motivo::ValoreTroppoGrande:
      return {text::kAboveLargest.arg(LargestAmountText())};
    case Motivo::NascitaNonValida:
    case Motivo::RiferimentoNonValido:
      return {text::kNotADate};
    case Motivo::NascitaDopoRiferimento:
      return {text::kBornAfter.arg(SlashedDate(refusal.giorno))};
    case Motivo::NascitaTroppoLontana:
      return {text::kBornTooLongAgo.arg(QString::number(kEtaMassima), SlashedDate(refusal.giorno))};
    case Motivo::TroppeVite:
      return {text::kTooManyLives.arg(kMaxVite)};
    case Motivo::AnniNonInteri:
      return {text::kNotWholeYears};
    case Motivo::DurataMassima:
      return {text::kBeyondLongest};
    case Motivo::SaggioNonNoto:
      return {
          refusal.giorno > refusal.ultimo
              ? text::kPastTheRates.arg(SlashedDate(refusal.ultimo), WhereToAdd())
              : text::kNoRateKnown.arg(SlashedDate(refusal.primo), SlashedDate(refusal.ultimo))};
    case Motivo::CoefficientiNonNoti:
      return {refusal.giorno > refusal.ultimo
                  ? text::kPastTheCoefficients.arg(QString::number(refusal.anno),
                                                   SlashedDate(refusal.ultimo), WhereToAdd())
                  : text::kNoCoefficientsKnown.arg(QString::number(refusal.anno),
                                                   SlashedDate(refusal.primo),
                                                   SlashedDate(refusal.ultimo))};
    case Motivo::NormaNonNota:
      return {text::kNoStatuteKnown};
    case Motivo::AnniNonPrevisti:
      return {text::kYearsOnlyForFixedTerm};
    case Motivo::UnSoloBeneficiario:
      return {text::kOneBeneficiary};
    case Motivo::NascitaSoloSuccessioni:
      return {text::kLimitOnlyForSuccession.arg(nomi.imposta)};
    case Motivo::ValoreAssente:
      return {text::kNoValue, false};
    case Motivo::NascitaAssente:
      return {text::kNoBirthDate, false};
    case Motivo::AnniMancanti:
      return {text::kNoYears, false};
    case Motivo::AccrescimentoMancante:
      return {text::kNoAccrual, false};
    case Motivo::AccrescimentoUnaVita:
      return {text::kAccrualOfOneLife, false};
    case Motivo::AccrescimentoNonPrevisto:
      return {text::kAccrualOnlyForLifetime, false};
  }
  return {};
}

}  // namespace

QString RifiutoInParole(const Rifiuto& refusal, const DatiValutazione& typed,
                        const NomiIngressi& nomi) {
  const Input input = Refused(refusal, typed, nomi);
  const Why why = Reason(refusal, nomi);
  if (!why.afterValue) return text::kInputMissing.arg(input.name, why.words);
  return text::kInputRefused.arg(input.name, input.value.trimmed(), why.words);
}

QString FormaAttesa(Motivo motivo) {
  switch (motivo) {
    case Motivo::ValoreAssente:
    case Motivo::ImportoNonValido:
    case Motivo::PuntiFuoriPosto:
    case Motivo::TroppiDecimali:
    case Motivo::ValoreMancante:
      return QStringLiteral("250.000,50");
    case Motivo::NascitaAssente:
    case Motivo::NascitaNonValida:
    case Motivo::RiferimentoNonValido:
      return QStringLiteral("03/05/1950");
    case Motivo::AnniMancanti:
    case Motivo::AnniNonInteri:
      return QStringLiteral("10");
    case Motivo::DurataMassima:
      return QStringLiteral("30");
    case Motivo::ValoreTroppoGrande:
    case Motivo::NascitaDopoRiferimento:
    case Motivo::NascitaTroppoLontana:
    case Motivo::TroppeVite:
    case Motivo::AccrescimentoMancante:
    case Motivo::SaggioNonNoto:
    case Motivo::CoefficientiNonNoti:
    case Motivo::NormaNonNota:
    case Motivo::AnniNonPrevisti:
    case Motivo::AccrescimentoUnaVita:
    case Motivo::AccrescimentoNonPrevisto:
    case Motivo::UnSoloBeneficiario:
    case Motivo::NascitaSoloSuccessioni:
      break;
  }
  return {};
}

Esito ValutaInParole(const DatiValutazione& dati, const NomiIngressi& nomi, const DatiLegali& law,
                     UltimoRiferimento* ultimo) {
  auto valued = ValutaDigitati(dati, law, ultimo);
  if (auto* record = std::get_if<RecordValutazione>(&valued)) return std::move(*record);
  return RifiutoInParole(std::get<Rifiuto>(valued), dati, nomi);
}

}  // namespace velmora
