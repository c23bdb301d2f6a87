#pragma once

#include <QString>
#include <optional>

#include "core/decimal.h"
#include "core/usufruct_tables.h"

// The two valuations. Every figure the window shows comes from here.
//
// The rule, for both:
// 1. The usufruct is the full value times the row's share, in double precision.
// 2. That product is taken to 15 significant digits of the double's exact
//    decimal value, a half going away from zero.
// 3. The 15 digits are rounded to the cent, a half going to the even cent.
// 4. The bare ownership is the full value to the cent, as its money text
//    shows it, minus the rounded usufruct, computed exactly: the two always
//    add up to the full value shown.
namespace velmora {

struct Valutazione {
  QString percUsufrutto;  // the row's texts, as written to PERCUSU and PERCNP
  QString percNudaProprieta;
  Decimal usufrutto;      // to the cent
  Decimal nudaProprieta;  // to the cent
  QString usufruttoText;  // money texts, as written to US and NP
  QString nudaProprietaText;
};

// Steps 2 and 3 of the rule, on a product. Infinity and NaN give nothing.
std::optional<Decimal> RoundUsufruct(double product);

// Lifetime usufruct; nothing for an age below 0. A band without a share
// gives no usufruct and the whole value to the bare ownership.
std::optional<Valutazione> ValutaVitalizio(double fullValue, int age,
                                           const TabellaVitalizio& table);
// Fixed-term usufruct; nothing unless the years are one of the table's rows.
std::optional<Valutazione> ValutaTempoDeterminato(double fullValue, double years,
                                                  const TabellaTempoDeterminato& table);

}  // namespace velmora
