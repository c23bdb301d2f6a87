#include "core/valuation/age.h"

#include <algorithm>
#include <limits>

namespace velmora {
namespace {

qint16 Clamp16(qint64 n) {
  return qint16(std::clamp<qint64>(n, std::numeric_limits<qint16>::min(),
                                   std::numeric_limits<qint16>::max()));
}

}  // namespace

qint16 NDIFF(const QDate& birth, const QDate& reference, qint16& years, qint16& months,
             qint16& days) {
  if (!birth.isValid() || !reference.isValid()) {
    years = months = days = 0;
    return 0;
  }
  // One calendar reading per date: each day(), month() and year() reads it anew.
  int birthYear = 0, birthMonth = 0, birthDay = 0;
  int referenceYear = 0, referenceMonth = 0, referenceDay = 0;
  birth.getDate(&birthYear, &birthMonth, &birthDay);
  reference.getDate(&referenceYear, &referenceMonth, &referenceDay);
  const int dayOfBirth = std::min(birthDay, 30);
  const int dayOfReference = std::min(referenceDay, 30);
  int dayBorrow = 0;
  int d = dayOfReference - dayOfBirth;
  if (dayOfReference < dayOfBirth) {
    d = dayOfReference + 30 - dayOfBirth;
    dayBorrow = -1;
  }
  const int monthOfBirth = birthMonth;
  const int monthOfReference = referenceMonth + dayBorrow;
  int monthBorrow = 0;
  int m = monthOfReference - monthOfBirth;
  if (monthOfReference < monthOfBirth) {
    m = monthOfReference + 12 - monthOfBirth;
    monthBorrow = -1;
  }
  // Counted as the 30th, a 31st of birth would make the person a year older
  // on the 30th of the same month, the day before the anniversary; in every
  // other case the count agrees with the calendar on the years. There the
  // years wait for the anniversary, and the months and days are those the
  // count gives on the eve of any other: 11 and 29.
  if (referenceMonth == birthMonth && birthDay == 31 && referenceDay == 30) {
    monthBorrow = -1;
    m = 11;
    d = 29;
  }
  years = Clamp16(qint64(referenceYear) - birthYear + monthBorrow);
  months = qint16(m);
  days = qint16(d);
  return 0;
}

}  // namespace velmora
