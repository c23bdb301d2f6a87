#include "core/valuation.h"

#include <cmath>
#include <cstdint>

#include "core/decimal.h"
#include "core/number_text.h"

namespace velmora {
namespace {

constexpr int kSignificantDigits = 15;

// Steps 2 and 3 of the rule in integers, for a product below 10^13, where the
// 15 digits reach the cents. The product is m x 2^-s exactly; m x 10^d / 2^s
// with d up to 17 fits in 128 bits.
std::optional<std::int64_t> UsufructCents(double product) {
  const double size = std::fabs(product);
  if (!(size < 1e13)) return std::nullopt;
  // Below a tenth of a cent the 15 digits stay below half a cent.
  if (size < 0.001) return 0;
  int exponent = 0;
  const double fraction = std::frexp(size, &exponent);
  const auto m =
      static_cast<unsigned __int128>(static_cast<std::uint64_t>(std::ldexp(fraction, 53)));
  const int s = 53 - exponent;  // from 10 to 63 in this range
  const unsigned __int128 one = 1;
  auto power = [](int n) { return static_cast<unsigned __int128>(kPowersOfTen[std::size_t(n)]); };

  // The decimals that the 15 digits keep: 15 less the integer digits.
  int decimals = 15;
  if (const auto integer = static_cast<std::int64_t>(m >> s); integer > 0) {
    for (int k = 1; k <= 13 && integer >= kPowersOfTen[std::size_t(k - 1)]; ++k) --decimals;
  } else {
    const unsigned __int128 scaled = (m * power(17)) >> s;
    if (scaled < power(16)) ++decimals;
    if (scaled < power(15)) ++decimals;
  }

  // The 15 digits, a half going away from zero.
  const unsigned __int128 exact = m * power(decimals);
  auto digits = static_cast<std::int64_t>(exact >> s);
  if ((exact & ((one << s) - 1)) >= (one << (s - 1))) ++digits;

  // To the cent, a half going to the even cent.
  const auto divisor = static_cast<std::int64_t>(power(decimals - 2));
  std::int64_t cents = digits / divisor;
  const std::int64_t rest = digits % divisor;
  if (divisor > 1 && (2 * rest > divisor || (2 * rest == divisor && cents % 2 != 0))) ++cents;
  return product < 0 ? -cents : cents;
}

}  // namespace

std::optional<Decimal> RoundUsufruct(double product) {
  if (const auto cents = UsufructCents(product)) return Decimal::FromCents(*cents);
  std::optional<Decimal> d =
      Decimal::Significant(product, kSignificantDigits, Rounding::HalfAwayFromZero);
  if (d) d->RoundToPlaces(2, Rounding::HalfEven);
  return d;
}

Decimal FullValueInCents(double fullValue) {
  if (const auto cents = Decimal::ShortestCents(fullValue, Rounding::HalfAwayFromZero)) {
    return Decimal::FromCents(*cents);
  }
  Decimal full = Decimal::Shortest(fullValue).value_or(Decimal());
  full.RoundToPlaces(2, Rounding::HalfAwayFromZero);
  return full;
}

std::optional<Ripartizione> Ripartisci(double fullValue, std::optional<double> share) {
  Ripartizione split;
  std::optional<std::int64_t> usufruttoCents = 0;
  if (share) {
    const double product = fullValue * *share;
    usufruttoCents = UsufructCents(product);
    if (!usufruttoCents) {
      const std::optional<Decimal> usufrutto = RoundUsufruct(product);
      if (!usufrutto) return std::nullopt;
      split.usufrutto = *usufrutto;
    }
  }
  const auto fullCents = Decimal::ShortestCents(fullValue, Rounding::HalfAwayFromZero);
  if (usufruttoCents && fullCents) {
    // Both below 10^17 cents: the difference is exact in 64 bits.
    split.valore = Decimal::FromCents(*fullCents);
    split.usufrutto = Decimal::FromCents(*usufruttoCents);
    split.nudaProprieta = Decimal::FromCents(*fullCents - *usufruttoCents);
    return split;
  }
  if (usufruttoCents) split.usufrutto = Decimal::FromCents(*usufruttoCents);
  split.valore = FullValueInCents(fullValue);
  split.nudaProprieta = split.valore - split.usufrutto;
  return split;
}

void ScriviCifre(RecordValutazione& record, const Ripartizione& split, const QString& percUsufrutto,
                 const QString& percNudaProprieta) {
  record.valore = split.valore;
  record.percUsufrutto = percUsufrutto;
  record.percNudaProprieta = percNudaProprieta;
  record.usufrutto = split.usufrutto;
  record.nudaProprieta = split.nudaProprieta;
}

std::optional<RecordValutazione> ValutaVitalizio(double fullValue, int age,
                                                 const TabellaVitalizio& table) {
  const RigaVitalizio* row = table.RigaPerEta(age);
  if (!row) return std::nullopt;
  const std::optional<Ripartizione> split = Ripartisci(fullValue, row->share);
  if (!split) return std::nullopt;
  RecordValutazione record;
  record.tipo = TipoValutazione::Vitalizio;
  record.etaAnni = age;
  ScriviCifre(record, *split, row->percUsufrutto, row->percNudaProprieta);
  return record;
}

std::optional<RecordValutazione> ValutaTempoDeterminato(double fullValue, double years,
                                                        const TabellaTempoDeterminato& table) {
  const RigaTempoDeterminato* row = table.RigaPerDurata(years);
  if (!row) return std::nullopt;
  const std::optional<Ripartizione> split = Ripartisci(fullValue, row->factor);
  if (!split) return std::nullopt;
  RecordValutazione record;
  record.tipo = TipoValutazione::TempoDeterminato;
  record.anni = row->years;
  record.quotaDiecimillesimi = row->quotaDiecimillesimi;
  record.quotaTesto = row->quota;
  ScriviCifre(record, *split, row->percUsufrutto, row->percNudaProprieta);
  return record;
}

}  // namespace velmora
