#include "core/valuation.h"

#include "core/number_text.h"

namespace velmora {
namespace {

constexpr int kSignificantDigits = 15;

// The full value to the cent, as its money text shows it.
Decimal FullValueInCents(double fullValue) {
  Decimal full = Decimal::Shortest(fullValue).value_or(Decimal());
  full.RoundToPlaces(2, Rounding::HalfAwayFromZero);
  return full;
}

std::optional<Valutazione> Split(double fullValue, std::optional<double> share,
                                 const QString& percUsufrutto, const QString& percNudaProprieta) {
  Valutazione v;
  v.percUsufrutto = percUsufrutto;
  v.percNudaProprieta = percNudaProprieta;
  if (share) {
    const std::optional<Decimal> usufrutto = RoundUsufruct(fullValue * *share);
    if (!usufrutto) return std::nullopt;
    v.usufrutto = *usufrutto;
  }
  v.nudaProprieta = FullValueInCents(fullValue) - v.usufrutto;
  v.usufruttoText = MoneyText(v.usufrutto);
  v.nudaProprietaText = MoneyText(v.nudaProprieta);
  return v;
}

}  // namespace

std::optional<Decimal> RoundUsufruct(double product) {
  std::optional<Decimal> d =
      Decimal::Significant(product, kSignificantDigits, Rounding::HalfAwayFromZero);
  if (d) d->RoundToPlaces(2, Rounding::HalfEven);
  return d;
}

std::optional<Valutazione> ValutaVitalizio(double fullValue, int age,
                                           const TabellaVitalizio& table) {
  const RigaVitalizio* row = table.RigaPerEta(age);
  if (!row) return std::nullopt;
  return Split(fullValue, row->share, row->percUsufrutto, row->percNudaProprieta);
}

std::optional<Valutazione> ValutaTempoDeterminato(double fullValue, double years,
                                                  const TabellaTempoDeterminato& table) {
  const RigaTempoDeterminato* row = table.RigaPerDurata(years);
  if (!row) return std::nullopt;
  return Split(fullValue, row->factor, row->percUsufrutto, row->percNudaProprieta);
}

}  // namespace velmora
