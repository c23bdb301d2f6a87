#pragma once

#include <QString>
#include <optional>

#include "core/decimal.h"
#include "core/usufruct_tables.h"
#include "core/valuation_record.h"

// The split of a full value into usufruct and bare ownership. Every amount
// the window shows comes from here; the record (valuation_record.h) writes
// them as texts.
//
// The rule, for both kinds:
// 1. The usufruct is the full value times the row's share, in double precision.
// 2. That product is taken to 15 significant digits of the double's exact
//    decimal value, a half going away from zero.
// 3. The 15 digits are rounded to the cent, a half going to the even cent.
// 4. The bare ownership is the full value to the cent, as its money text
//    shows it, minus the rounded usufruct, computed exactly: the two always
//    add up to the full value shown.
namespace velmora {

struct Ripartizione {
  Decimal valore;  // the full value to the cent
  Decimal usufrutto;
  Decimal nudaProprieta;
};

// Steps 2 and 3 of the rule, on a product. Infinity and NaN give nothing.
std::optional<Decimal> RoundUsufruct(double product);

// The whole rule for a share; no share: no usufruct, the whole value to the
// bare ownership. Nothing when the product is no finite number.
std::optional<Ripartizione> Ripartisci(double fullValue, std::optional<double> share);

// The full value to the cent, as its money text shows it (a half cent away
// from zero).
Decimal FullValueInCents(double fullValue);

// The figures of a row written into a record: the full value, the two
// amounts and their money texts, and the row's percentages.
void ScriviCifre(RecordValutazione& record, const Ripartizione& split, const QString& percUsufrutto,
                 const QString& percNudaProprieta);

// Lifetime usufruct, the calculation without the window; nothing for an age
// below 0. A band without a share gives no usufruct and the whole value to
// the bare ownership. The record holds the figures only.
std::optional<RecordValutazione> ValutaVitalizio(double fullValue, int age,
                                                 const TabellaVitalizio& table);
// Fixed-term usufruct; nothing unless the years are one of the table's rows.
std::optional<RecordValutazione> ValutaTempoDeterminato(double fullValue, double years,
                                                        const TabellaTempoDeterminato& table);

}  // namespace velmora
