#include "core/age.h"

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
  const int dayOfBirth = std::min(birth.day(), 30);
  const int dayOfReference = std::min(reference.day(), 30);
  int dayBorrow = 0;
  int d = dayOfReference - dayOfBirth;
  if (dayOfReference < dayOfBirth) {
    d = dayOfReference + 30 - dayOfBirth;
    dayBorrow = -1;
  }
  const int monthOfBirth = birth.month();
  const int monthOfReference = reference.month() + dayBorrow;
  int monthBorrow = 0;
  int m = monthOfReference - monthOfBirth;
  if (monthOfReference < monthOfBirth) {
    m = monthOfReference + 12 - monthOfBirth;
    monthBorrow = -1;
  }
  years = Clamp16(qint64(reference.year()) - birth.year() + monthBorrow);
  months = qint16(m);
  days = qint16(d);
  return 0;
}

}  // namespace velmora
