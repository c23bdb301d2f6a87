#pragma once

#include <QString>
#include <optional>

#include "core/numbers/decimal.h"
#include "core/valuation/usufruct_tables.h"
#include "core/valuation/valuation_record.h"

// The split of a full value into usufruct and bare ownership. Every amount
// the window shows comes from here; the record (valuation_record.h) writes
// them as texts.
//
// The rule, for both kinds:
// 1. The full value is taken to the cent, as its money text shows it.
// 2. The usufruct is that value times the row's share, computed exactly (the
//    share is a whole number of millionths) and rounded once to the cent, a
//    half going to the even cent.
// 3. The bare ownership is the full value minus the usufruct: the two always
//    add up to the full value shown.
namespace velmora {

struct Ripartizione {
  Decimal valore;  // the full value to the cent
  Decimal usufrutto;
  Decimal nudaProprieta;
};

// The whole rule for a share in millionths of the whole (from 0 to
// kQuotaIntera); no share: no usufruct, the whole value to the bare
// ownership. Nothing when the full value is no finite number.
std::optional<Ripartizione> Ripartisci(double fullValue, std::optional<qint64> share);

// The full value to the cent, as its money text shows it (a half cent away
// from zero).
Decimal FullValueInCents(double fullValue);

// The figures of a row written into a record: the full value, the two
// amounts and their money texts, and the row's percentages.
void ScriviCifre(RecordValutazione& record, const Ripartizione& split, const QString& percUsufrutto,
                 const QString& percNudaProprieta);

// Lifetime usufruct: the figures of the row of the age, the step of
// ValutaLetti that computes them; nothing for an age below 0. A band without
// a share gives no usufruct and the whole value to the bare ownership. The
// record holds the figures only.
std::optional<RecordValutazione> ValutaVitalizio(double fullValue, int age,
                                                 const TabellaVitalizio& table);
// Fixed-term usufruct, the same step of ValutaLetti; nothing unless the
// years are one of the table's rows.
std::optional<RecordValutazione> ValutaTempoDeterminato(double fullValue, double years,
                                                        const TabellaTempoDeterminato& table);

}  // namespace velmora
