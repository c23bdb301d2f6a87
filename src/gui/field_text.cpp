#include "gui/field_text.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include <QLocale>

#include "core/numbers/number_text.h"
#include "gui/printer_window_texts.h"
#include "platform/printer_failure.h"

namespace velmora::fieldtext {
namespace {

[[noreturn]] void TypeMismatch() {
  throw PrinterFailure(text::kTypeMismatch);
}
[[noreturn]] void Overflow() {
  throw PrinterFailure(text::kOverflow);
}

double Number(QStringView text) {
  const std::optional<double> value = ReadNumber(text);
  if (!value) TypeMismatch();
  return *value;
}

qint32 Whole(QStringView text, double min, double max) {
  const double value = RoundHalfEven(Number(text));
  if (value < min || value > max) Overflow();
  return qint32(value);
}

bool Digit(QChar c) {
  return c >= u'0' && c <= u'9';
}

}  // namespace

double RoundHalfEven(double value) {
  // nearbyint follows the rounding mode, which is to-nearest-even unless
  // someone changed it.
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value);
  std::fesetround(mode);
  return rounded;
}

qint32 Long(QStringView text) {
  return Whole(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

qint16 Integer(QStringView text) {
  return qint16(
      Whole(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

qint16 Integer(qint32 value) {
  if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
    Overflow();
  return qint16(value);
}

float Single(QStringView text) {
  const double value = Number(text);
  if (std::fabs(value) > std::numeric_limits<float>::max()) Overflow();
  return float(value);
}

double LeadingNumber(QStringView text) {
  QString s;
  for (QChar c : text)
    if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s += c;

  qsizetype i = 0;
  auto digits = [&] {
    const qsizetype start = i;
    while (i < s.size() && Digit(s[i])) ++i;
    return i - start;
  };
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  qsizetype count = digits();
  if (i < s.size() && s[i] == u'.') {
    ++i;
    count += digits();
  }
  if (count == 0) return 0;
  qsizetype end = i;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    if (digits() > 0) end = i;
  }
  QString number = s.left(end);
  number.replace(u'd', u'e').replace(u'D', u'e');
  // Out of range reads as infinity or zero, as the conversion reports it.
  return QLocale::c().toDouble(number);
}

QString SingleText(float value) {
  QString text = QString::number(double(value), 'g', 7);
  text.replace(u'.', u',');
  text.replace(u'e', u'E');
  return text;
}

}  // namespace velmora::fieldtext
