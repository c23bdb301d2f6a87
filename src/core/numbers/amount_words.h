#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include "core/numbers/decimal.h"

// Amounts in Italian words, as acts and cheques write them: one word for the
// whole number ("unmilioneduecentomila"), the cents in figures after a slash.
namespace velmora {

// The largest whole number written in words: 999.999.999.999.999.
inline constexpr quint64 kLargestInWords = 999'999'999'999'999ULL;

// "zero", "ventuno", "centotto", "milletré", "duemilioni"; the empty text
// beyond kLargestInWords. `groupBreak` goes after each power of a thousand
// that more words follow ("mila", "milioni", "miliardi"): where a layout may
// break the one long word.
QString NumberInWords(quint64 n, QStringView groupBreak = {});

// "venticinquemila/00"; the empty text for a negative amount or one whose
// euros are beyond kLargestInWords. `groupBreak` as for NumberInWords.
QString AmountInWords(const Decimal& amount, QStringView groupBreak = {});

// "euro 25.000,00 (venticinquemila/00)"; without the words when the amount
// has none.
QString EuroInWords(const Decimal& amount);

}  // namespace velmora
