#include "core/valuation_record.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/age.h"
#include "core/date_text.h"
#include "core/number_text.h"
#include "core/rates_by_date.h"
#include "core/report_texts.h"
#include "core/valuation.h"

namespace velmora {
namespace {

constexpr double kMaxYears = 30;
const QDate k2016(2016, 1, 1);

Rifiuto Refuse(Campo campo, Motivo motivo) {
  return Rifiuto{campo, motivo, {}, {}, 0};
}

Rifiuto NoRate() {
  return Rifiuto{Campo::Riferimento, Motivo::SaggioNonNoto, FirstDayWithRate(), LastDayWithRate(),
                 0};
}

QString Band(const RigaVitalizio& row) {
  if (row.ageTo == std::numeric_limits<int>::max())
    return text::kBandFrom.arg(QString::number(row.ageFrom));
  return text::kBandFromTo.arg(QString::number(row.ageFrom), QString::number(row.ageTo));
}

// Every year's table has the same bands: their texts are written once, not
// at every valuation of a batch.
const QString& BandText(const TabellaVitalizio& table, std::size_t band) {
  static const std::vector<QString> texts = [&table] {
    std::vector<QString> written;
    for (const RigaVitalizio& row : table.Righe()) written.push_back(Band(row));
    return written;
  }();
  return texts.at(band);
}

// The rate used, the legal rate and its decree, for the day's rate or the
// 2016 table's.
void SetRate(RecordValutazione& r, const RateInForce& rate) {
  r.saggioCentesimi = rate.hundredths;
  r.saggioLegaleCentesimi = rate.legalHundredths;
  r.decretoSaggioLegale = rate.setBy;
  r.minimo = rate.Floored();
}

std::variant<RecordValutazione, Rifiuto> Lifetime(const DatiValutazione& dati, double value) {
  const std::optional<QDate> birth = ReadDate(dati.nascita);
  if (!birth) return Refuse(Campo::Nascita, Motivo::NascitaNonValida);
  // The reference date is typed freely; an unreadable one is refused like the birth date.
  const std::optional<QDate> reference = ReadDateOrDigits(dati.riferimento);
  if (!reference) return Refuse(Campo::Riferimento, Motivo::RiferimentoNonValido);
  // Before birth there is no age to value.
  if (*birth > *reference) return Refuse(Campo::Nascita, Motivo::NascitaDopoRiferimento);

  const QDate rateDay = dati.saggio == Saggio::Tabella2016 ? k2016 : *reference;
  const std::optional<RateInForce> rate = RateOn(rateDay);
  if (!rate) return NoRate();
  const TabellaVitalizio* table = LifetimeTableFor(rateDay.year());
  const LifetimeCoefficients* coefficients = LifetimeCoefficientsFor(rateDay.year());
  if (!table || !coefficients) {
    return Rifiuto{Campo::Riferimento, Motivo::CoefficientiNonNoti,
                   QDate(FirstYearWithCoefficients(), 1, 1),
                   QDate(LastYearWithCoefficients(), 12, 31), rateDay.year()};
  }

  qint16 years = 0, months = 0, days = 0;
  NDIFF(*birth, *reference, years, months, days);
  const RigaVitalizio* row = table->RigaPerEta(years);
  std::optional<RecordValutazione> valued = ValutaVitalizio(value, years, *table);
  if (!row || !valued) return Refuse(Campo::Nascita, Motivo::NascitaDopoRiferimento);

  RecordValutazione& r = *valued;
  r.saggio = dati.saggio;
  r.riferimento = *reference;
  r.nascita = *birth;
  SetRate(r, *rate);
  r.etaMesi = months;
  r.etaGiorni = days;
  const auto band = std::size_t(row - table->Righe().data());
  r.fascia = BandText(*table, band);
  if (band < coefficients->coefficientHundredths.size())
    r.coefficienteCentesimi = coefficients->coefficientHundredths[band];
  r.saggioCoefficienteCentesimi = coefficients->rateHundredths;
  r.annoCoefficienti = coefficients->year;
  r.decretoCoefficienti = coefficients->decree;
  return std::move(r);
}

std::variant<RecordValutazione, Rifiuto> FixedTerm(const DatiValutazione& dati, double value) {
  if (dati.anni.isEmpty()) return Refuse(Campo::Anni, Motivo::AnniMancanti);

  // The 2016 table needs no date, so an unreadable one is no reason to refuse it.
  const std::optional<QDate> reference = ReadDateOrDigits(dati.riferimento);
  if (dati.saggio == Saggio::AllaData && !reference)
    return Refuse(Campo::Riferimento, Motivo::RiferimentoNonValido);
  const std::optional<RateInForce> rate =
      RateOn(dati.saggio == Saggio::Tabella2016 ? k2016 : *reference);
  if (!rate) return NoRate();
  const TabellaTempoDeterminato& table = dati.saggio == Saggio::Tabella2016
                                             ? TabellaTempoDeterminato2016()
                                             : FixedTermTableAt(rate->hundredths);

  const std::optional<double> years = ReadYears(dati.anni);
  std::optional<RecordValutazione> valued =
      years ? ValutaTempoDeterminato(value, *years, table) : std::nullopt;
  if (!valued) {
    if (years && *years > kMaxYears) return Refuse(Campo::Anni, Motivo::DurataMassima);
    // Zero, negative, a fraction or no number at all: nothing to look up.
    return Refuse(Campo::Anni, Motivo::AnniNonInteri);
  }
  RecordValutazione& r = *valued;
  r.saggio = dati.saggio;
  r.riferimento = reference.value_or(QDate());
  SetRate(r, *rate);
  return std::move(r);
}

}  // namespace

std::optional<Motivo> ValueRefusal(QStringView valore) {
  const std::optional<double> value = ReadNumber(valore);
  // A text read as less than 10^12 cannot round above the largest amount.
  if ((!value || *value >= 1e12) && AboveLargestAmount(valore)) return Motivo::ValoreTroppoGrande;
  // An amount of zero or below, or no number at all, is no value to split.
  if (!value || !(*value > 0)) return Motivo::ValoreMancante;
  return std::nullopt;
}

std::variant<RecordValutazione, Rifiuto> Valuta(const DatiValutazione& dati) {
  if (const auto refusal = ValueRefusal(dati.valore)) return Refuse(Campo::Valore, *refusal);
  const double value = *ReadNumber(dati.valore);
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      return Lifetime(dati, value);
    case TipoValutazione::TempoDeterminato:
      return FixedTerm(dati, value);
  }
  return Refuse(Campo::Valore, Motivo::ValoreMancante);
}

}  // namespace velmora
