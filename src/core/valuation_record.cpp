#include "core/valuation_record.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/age.h"
#include "core/date_text.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/rates_by_date.h"
#include "core/valuation.h"

namespace velmora {
namespace {

constexpr double kMaxYears = 30;
const QDate k2016(2016, 1, 1);

Rifiuto Refuse(Campo campo, const QString& messaggio) {
  return Rifiuto{campo, messaggio};
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

void SetFigures(RecordValutazione& r, double value, const Valutazione& v) {
  // To the cent, as the money text shows it.
  if (const auto cents = Decimal::ShortestCents(value, Rounding::HalfAwayFromZero)) {
    r.valore = Decimal::FromCents(*cents);
    r.valoreTesto = MoneyTextOfCents(*cents);
  } else {
    r.valore = Decimal::Shortest(value).value_or(Decimal());
    r.valore.RoundToPlaces(2, Rounding::HalfAwayFromZero);
    r.valoreTesto = MoneyText(r.valore);
  }
  r.percUsufrutto = v.percUsufrutto;
  r.percNudaProprieta = v.percNudaProprieta;
  r.usufrutto = v.usufrutto;
  r.nudaProprieta = v.nudaProprieta;
  r.usufruttoTesto = v.usufruttoText;
  r.nudaProprietaTesto = v.nudaProprietaText;
}

std::variant<RecordValutazione, Rifiuto> Lifetime(const DatiValutazione& dati, double value) {
  const std::optional<QDate> birth = ReadDate(dati.nascita);
  if (!birth) return Refuse(Campo::Nascita, text::kValidDate);
  // The reference date is typed freely; an unreadable one is refused like the birth date.
  const std::optional<QDate> reference = ReadDateOrDigits(dati.riferimento);
  if (!reference) return Refuse(Campo::Riferimento, text::kValidReferenceDate);
  // Before birth there is no age to value.
  if (*birth > *reference) return Refuse(Campo::Nascita, text::kBirthAfterReference);

  RecordValutazione r;
  r.tipo = Usufrutto::Vitalizio;
  r.saggio = dati.saggio;
  r.riferimento = *reference;
  r.nascita = *birth;
  const QDate rateDay = dati.saggio == Saggio::Tabella2016 ? k2016 : *reference;
  const std::optional<RateInForce> rate = RateOn(rateDay);
  if (!rate) {
    return Refuse(Campo::Riferimento, text::kNoRateOnDate.arg(LongDateText(FirstDayWithRate()),
                                                              LongDateText(LastDayWithRate())));
  }
  const TabellaVitalizio* table = LifetimeTableFor(rateDay.year());
  const LifetimeCoefficients* coefficients = LifetimeCoefficientsFor(rateDay.year());
  if (!table || !coefficients) {
    return Refuse(Campo::Riferimento, text::kNoCoefficientsInYear.arg(
                                          QString::number(rateDay.year()),
                                          LongDateText(QDate(FirstYearWithCoefficients(), 1, 1)),
                                          LongDateText(QDate(LastYearWithCoefficients(), 12, 31))));
  }
  SetRate(r, *rate);

  qint16 years = 0, months = 0, days = 0;
  NDIFF(*birth, *reference, years, months, days);
  r.etaAnni = years;
  r.etaMesi = months;
  r.etaGiorni = days;

  const RigaVitalizio* row = table->RigaPerEta(years);
  const std::optional<Valutazione> v = ValutaVitalizio(value, years, *table);
  if (!row || !v) return Refuse(Campo::Nascita, text::kBirthAfterReference);
  const auto band = std::size_t(row - table->Righe().data());
  r.fascia = BandText(*table, band);
  if (band < coefficients->coefficientHundredths.size())
    r.coefficienteCentesimi = coefficients->coefficientHundredths[band];
  r.saggioCoefficienteCentesimi = coefficients->rateHundredths;
  r.annoCoefficienti = coefficients->year;
  r.decretoCoefficienti = coefficients->decree;
  SetFigures(r, value, *v);
  return r;
}

std::variant<RecordValutazione, Rifiuto> FixedTerm(const DatiValutazione& dati, double value) {
  if (dati.anni.isEmpty()) return Refuse(Campo::Anni, text::kDurationFirst);

  RecordValutazione r;
  r.tipo = Usufrutto::TempoDeterminato;
  r.saggio = dati.saggio;
  // The 2016 table needs no date, so an unreadable one is no reason to refuse it.
  const std::optional<QDate> reference = ReadDateOrDigits(dati.riferimento);
  r.riferimento = reference.value_or(QDate());
  if (dati.saggio == Saggio::AllaData && !reference)
    return Refuse(Campo::Riferimento, text::kValidReferenceDate);
  const std::optional<RateInForce> rate =
      RateOn(dati.saggio == Saggio::Tabella2016 ? k2016 : *reference);
  if (!rate) {
    return Refuse(Campo::Riferimento, text::kNoRateOnDate.arg(LongDateText(FirstDayWithRate()),
                                                              LongDateText(LastDayWithRate())));
  }
  SetRate(r, *rate);
  const TabellaTempoDeterminato& table = dati.saggio == Saggio::Tabella2016
                                             ? TabellaTempoDeterminato2016()
                                             : FixedTermTableAt(rate->hundredths);

  const std::optional<double> years = ReadYears(dati.anni);
  const RigaTempoDeterminato* row = years ? table.RigaPerDurata(*years) : nullptr;
  const std::optional<Valutazione> v =
      years ? ValutaTempoDeterminato(value, *years, table) : std::nullopt;
  if (!row || !v) {
    if (years && *years > kMaxYears) return Rifiuto{Campo::Anni, text::kLongestDuration, true};
    // Zero, negative, a fraction or no number at all: nothing to look up.
    return Refuse(Campo::Anni, text::kWholeYears);
  }
  r.anni = row->years;
  r.quotaDiecimillesimi = int(std::lround(row->factor * 10000));
  SetFigures(r, value, *v);
  return r;
}

}  // namespace

std::optional<QString> ValueRefusal(QStringView valore) {
  const std::optional<double> value = ReadNumber(valore);
  // A text read as less than 10^12 cannot round above the largest amount.
  if ((!value || *value >= 1e12) && AboveLargestAmount(valore))
    return text::kLargestAmount.arg(LargestAmountText());
  // An amount of zero or below, or no number at all, is no value to split.
  if (!value || !(*value > 0)) return text::kValueFirst;
  return std::nullopt;
}

std::variant<RecordValutazione, Rifiuto> Valuta(const DatiValutazione& dati) {
  if (auto refusal = ValueRefusal(dati.valore)) return Refuse(Campo::Valore, *refusal);
  const double value = *ReadNumber(dati.valore);
  return dati.tipo == Usufrutto::Vitalizio ? Lifetime(dati, value) : FixedTerm(dati, value);
}

}  // namespace velmora
