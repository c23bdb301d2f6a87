#include "core/valuation/valuation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/numbers/decimal.h"
#include "core/numbers/number_text.h"

namespace velmora {
namespace {

// n / d to the nearest whole number, a half going to the even one; d > 0.
std::int64_t DivideHalfEven(__int128 n, std::int64_t d) {
  const bool negative = n < 0;
  const unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(n) : n;
  auto quotient = static_cast<std::int64_t>(magnitude / static_cast<unsigned __int128>(d));
  const auto twice = static_cast<std::int64_t>(magnitude % static_cast<unsigned __int128>(d)) * 2;
  if (twice > d || (twice == d && quotient % 2 != 0)) ++quotient;
  return negative ? -quotient : quotient;
}

}  // namespace

Decimal FullValueInCents(double fullValue) {
  if (const auto cents = Decimal::ShortestCents(fullValue, Rounding::HalfAwayFromZero)) {
    return Decimal::FromCents(*cents);
  }
  Decimal full = Decimal::Shortest(fullValue).value_or(Decimal());
  full.RoundToPlaces(2, Rounding::HalfAwayFromZero);
  return full;
}

std::optional<Ripartizione> Ripartisci(double fullValue, std::optional<qint64> share) {
  if (!std::isfinite(fullValue)) return std::nullopt;
  const qint64 millionths = std::clamp<qint64>(share.value_or(0), 0, kQuotaIntera);
  Ripartizione split;
  // Below 10^15 euro the cents times the share fit in 128 bits.
  if (const auto fullCents = Decimal::ShortestCents(fullValue, Rounding::HalfAwayFromZero)) {
    const std::int64_t usufruct =
        DivideHalfEven(static_cast<__int128>(*fullCents) * millionths, kQuotaIntera);
    split.valore = Decimal::FromCents(*fullCents);
    split.usufrutto = Decimal::FromCents(usufruct);
    split.nudaProprieta = Decimal::FromCents(*fullCents - usufruct);
    return split;
  }
  split.valore = FullValueInCents(fullValue);
  split.usufrutto = split.valore.Times(std::uint32_t(millionths), 6);
  split.usufrutto.RoundToPlaces(2, Rounding::HalfEven);
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
  record.quota = row->share;
  ScriviCifre(record, *split, row->percUsufrutto, row->percNudaProprieta);
  return record;
}

std::optional<RecordValutazione> ValutaTempoDeterminato(double fullValue, double years,
                                                        const TabellaTempoDeterminato& table) {
  const RigaTempoDeterminato* row = table.RigaPerDurata(years);
  if (!row) return std::nullopt;
  const std::optional<Ripartizione> split = Ripartisci(fullValue, row->Share());
  if (!split) return std::nullopt;
  RecordValutazione record;
  record.tipo = TipoValutazione::TempoDeterminato;
  record.anni = row->years;
  record.quotaDiecimillesimi = row->quotaDiecimillesimi;
  record.quotaTesto = row->quota;
  record.quota = row->Share();
  ScriviCifre(record, *split, row->percUsufrutto, row->percNudaProprieta);
  return record;
}

}  // namespace velmora
