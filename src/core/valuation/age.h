#pragma once

#include <QDate>
#include <QtGlobal>

namespace velmora {

// The age from birth to reference with months of 30 days and the 31st
// counted as the 30th; the completed years are never more than the calendar's
// (born on 31 January, one is a year older on 31 January, not on the 30th).
// Always returns 0. An invalid date gives 0, 0, 0; the years saturate at the
// limits of a 16-bit integer and are negative when the birth follows the
// reference.
qint16 NDIFF(const QDate& birth, const QDate& reference, qint16& years, qint16& months,
             qint16& days);

}  // namespace velmora
