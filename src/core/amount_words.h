#pragma once

#include <QString>
#include <QtGlobal>

#include "core/decimal.h"

// Amounts in Italian words, as acts and cheques write them: one word for the
// whole number ("unmilioneduecentomila"), the cents in figures after a slash.
namespace velmora {

// The largest whole number written in words: 999.999.999.999.999.
inline constexpr quint64 kLargestInWords = 999'999'999'999'999ULL;

// "zero", "ventuno", "centotto", "milletré", "duemilioni"; the empty text
// beyond kLargestInWords.
QString NumberInWords(quint64 n);

// "venticinquemila/00"; the empty text for a negative amount or one whose
// euros are beyond kLargestInWords.
QString AmountInWords(const Decimal& amount);

// "euro 25.000,00 (venticinquemila/00)"; without the words when the amount
// has none.
QString EuroInWords(const Decimal& amount);

}  // namespace velmora
