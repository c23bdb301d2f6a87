#include "input/numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

// Everything here works on decimal digit strings: texts may hold megabytes of
// digits, and rounding must follow the digits the user sees, not the binary
// value of a double. The only conversions between text and double are
// std::from_chars and std::to_chars, which ignore the locale.
namespace velmora {
namespace {

constexpr char16_t kEuro = u'\u20AC';

// A cell copied from a spreadsheet ends with a line end, and a no-break space
// is common in pasted amounts, so they count as blanks too.
bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0';
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// The scanners walk raw UTF-16 so that a megabyte of digits takes
// milliseconds even without optimisation.
const char16_t* SkipBlanks(const char16_t* p, const char16_t* end) {
  while (p != end && IsBlank(*p)) ++p;
  return p;
}

// The pieces of a numeric text, as views into it.
struct NumberParts {
  bool negative = false;
  QStringView integer;  // digits and full stops
  bool hasComma = false;
  QStringView decimals;  // digits only
};

// blanks, then "€" blanks [sign] or sign ["€" blanks], then the digits with
// their full stops, optionally "," and decimals, then blanks. Both "€ -5" (the
// money text) and "-€ 5" are read.
std::optional<NumberParts> Split(QStringView text) {
  NumberParts parts;
  const char16_t* const end = text.utf16() + text.size();
  const char16_t* p = SkipBlanks(text.utf16(), end);
  auto takeSign = [&] {
    if (p != end && (*p == u'-' || *p == u'+')) {
      parts.negative = *p == u'-';
      ++p;
      return true;
    }
    return false;
  };
  if (p != end && *p == kEuro) {
    p = SkipBlanks(p + 1, end);
    takeSign();
  } else if (takeSign() && p != end && *p == kEuro) {
    p = SkipBlanks(p + 1, end);
  }

  bool anyDigit = false;
  const char16_t* const integerStart = p;
  for (; p != end; ++p) {
    if (IsDigit(*p)) {
      anyDigit = true;
    } else if (*p != u'.') {
      break;
    }
  }
  parts.integer = QStringView(integerStart, p);
  if (p != end && *p == u',') {
    parts.hasComma = true;
    const char16_t* const decimalsStart = ++p;
    while (p != end && IsDigit(*p)) ++p;
    parts.decimals = QStringView(decimalsStart, p);
    anyDigit = anyDigit || !parts.decimals.isEmpty();
  }
  if (!anyDigit || SkipBlanks(p, end) != end) return std::nullopt;
  return parts;
}

// The largest double is below 10^309, so an integer part of more digits than
// that overflows whatever follows it.
constexpr std::size_t kMaxIntegerDigits = 309;

// The integer digits without full stops and without leading zeros; nothing
// when they are too many for a double.
std::optional<std::string> SignificantIntegerDigits(QStringView integer) {
  std::string digits;
  const char16_t* p = integer.utf16();
  const char16_t* const end = p + integer.size();
  for (; p != end && (*p == u'0' || *p == u'.'); ++p) {
  }
  for (; p != end; ++p) {
    if (*p == u'.') continue;
    if (digits.size() == kMaxIntegerDigits) return std::nullopt;
    digits.push_back(char(*p));
  }
  return digits;
}

// A halfway point between two doubles has at most 767 significant digits, so
// the first 800 digits, and whether any later digit is non-zero, decide the
// correctly rounded value.
constexpr std::size_t kDecidingDigits = 800;

std::optional<double> ValueOf(const NumberParts& parts) {
  auto integer = SignificantIntegerDigits(parts.integer);
  if (!integer) return std::nullopt;
  std::string& mantissa = *integer;
  const bool belowOne = mantissa.empty();
  // The value is 0.mantissa times 10^exponent.
  long long exponent = qsizetype(mantissa.size());
  const char16_t* p = parts.decimals.utf16();
  const char16_t* const end = p + parts.decimals.size();
  if (belowOne) {
    for (; p != end && *p == u'0'; ++p) --exponent;
  }
  for (; p != end && mantissa.size() < kDecidingDigits; ++p) mantissa.push_back(char(*p));
  for (; p != end; ++p) {
    if (*p != u'0') {
      mantissa.push_back('1');
      break;
    }
  }
  if (mantissa.empty()) return 0.0;

  const std::string text = "0." + mantissa + 'e' + std::to_string(exponent);
  double value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small for a double: the amount is zero for every practical purpose.
    if (!belowOne) return std::nullopt;
    value = 0;
  } else if (error != std::errc() || stop != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  if (parts.negative) value = -value;
  return value == 0 ? 0.0 : value;  // no negative zero
}

// A non-negative decimal number: 0.digits times 10^point.
struct Decimal {
  std::string digits;
  long point = 0;

  // The digits from std::to_chars in scientific form, "d.ddde+xx" or "de-xx".
  static Decimal FromScientific(const char* begin, const char* end) {
    Decimal d;
    const char* p = begin;
    for (; p != end && *p != 'e'; ++p) {
      if (*p != '.') d.digits.push_back(*p);
    }
    int exponent = 0;
    if (p != end) {
      ++p;
      if (p != end && *p == '+') ++p;
      std::from_chars(p, end, exponent);
    }
    d.point = exponent + 1;
    d.StripZeros();
    return d;
  }

  // The shortest digits that read back as the same double.
  static Decimal Shortest(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return FromScientific(buffer, result.ptr);
  }

  // The digits rounded to `count` significant digits, a half rounding away
  // from zero on the exact binary value.
  static Decimal Significant(double value, int count) {
    // One digit more than needed, correctly rounded, decides every case but a
    // possible tie, which only the exact value can settle. Writing every digit
    // (at most 767) is slow, hence the short form first.
    char buffer[800];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, count);
    Decimal d = FromScientific(buffer, result.ptr);
    const bool maybeTie = d.digits.size() == std::size_t(count) + 1 && d.digits.back() == '5';
    if (maybeTie) {
      result =
          std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 780);
      d = FromScientific(buffer, result.ptr);
    }
    d.KeepDigits(count);
    return d;
  }

  bool IsZero() const { return digits.empty(); }

  void StripZeros() {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
      digits.clear();
      point = 0;
      return;
    }
    digits.erase(0, first);
    point -= long(first);
    digits.erase(digits.find_last_not_of('0') + 1);
  }

  // Keeps the first `keep` digits (counted from digits[0]), a dropped half
  // rounding away from zero.
  void KeepDigits(long keep) {
    if (keep >= long(digits.size())) return;
    if (keep < 0) {
      digits.clear();
      point = 0;
      return;
    }
    const bool up = digits[std::size_t(keep)] >= '5';
    digits.resize(std::size_t(keep));
    if (up) {
      std::size_t i = digits.size();
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++point;
      } else {
        ++digits[i - 1];
      }
    }
    StripZeros();
  }

  void RoundToPlaces(long places) { KeepDigits(point + places); }

  void Truncate(long keep) {
    if (keep < long(digits.size())) digits.resize(std::size_t(std::max(keep, 0L)));
    StripZeros();
  }

  // The integer digits, empty for zero.
  std::string Integer() const {
    if (point <= 0 || IsZero()) return {};
    std::string result = digits.substr(0, std::size_t(point));
    result.append(std::size_t(point) - result.size(), '0');
    return result;
  }

  // The digits after the point, without trailing zeros.
  std::string Fraction() const {
    if (IsZero() || point >= long(digits.size())) return {};
    if (point >= 0) return digits.substr(std::size_t(point));
    return std::string(std::size_t(-point), '0') + digits;
  }
};

// "1234567" as "1.234.567".
QString Grouped(const std::string& integer) {
  QString out;
  out.reserve(qsizetype(integer.size() + integer.size() / 3));
  const std::size_t n = integer.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.append(u'.');
    out.append(QChar(char16_t(integer[i])));
  }
  return out;
}

QString Latin(const std::string& text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

std::optional<double> ReadNumber(QStringView text) {
  const auto parts = Split(text);
  if (!parts) return std::nullopt;
  return ValueOf(*parts);
}

bool IsNumeric(QStringView text) {
  return ReadNumber(text).has_value();
}

QString MoneyText(double amount) {
  if (!std::isfinite(amount)) return {};
  Decimal d = Decimal::Shortest(std::fabs(amount));
  d.RoundToPlaces(2);
  std::string integer = d.Integer();
  if (integer.empty()) integer.push_back('0');  // not = "0": GCC 12 warns falsely at -O2
  std::string cents = d.Fraction();
  cents.resize(2, '0');
  QString out = QStringLiteral("€ ");
  if (std::signbit(amount) && !d.IsZero()) out.append(u'-');
  out.append(Grouped(integer));
  out.append(u',');
  out.append(Latin(cents));
  return out;
}

QString PlainNumberText(double amount) {
  if (!std::isfinite(amount)) return {};
  constexpr int kDigits = 15;
  Decimal d = Decimal::Significant(std::fabs(amount), kDigits);
  if (d.point > long(kMaxIntegerDigits) ||
      (d.point == long(kMaxIntegerDigits) && d.digits > "179769313486231")) {
    // Rounding up would leave the double range, and the text could not be
    // read back: the last digit goes toward zero instead.
    d = Decimal::Shortest(std::fabs(amount));
    d.Truncate(kDigits);
  }
  if (d.IsZero()) return QStringLiteral("0");
  std::string integer = d.Integer();
  if (integer.empty()) integer.push_back('0');  // not = "0": GCC 12 warns falsely at -O2
  const std::string fraction = d.Fraction();
  QString out;
  if (amount < 0) out.append(u'-');
  out.append(Latin(integer));
  if (!fraction.empty()) {
    out.append(u',');
    out.append(Latin(fraction));
  }
  return out;
}

QString RegroupTyping(QStringView text) {
  const auto parts = Split(text);
  if (!parts || !ValueOf(*parts)) return {};

  Decimal d;
  d.digits = *SignificantIntegerDigits(parts->integer);
  d.point = long(d.digits.size());
  if (parts->hasComma) {
    // Only the digit after the second decimal matters for the rounding.
    const QStringView used = parts->decimals.first(std::min<qsizetype>(parts->decimals.size(), 3));
    for (QChar c : used) d.digits.push_back(char(c.unicode()));
  }
  d.StripZeros();
  d.RoundToPlaces(parts->hasComma ? 2 : 0);

  QString out;
  if (parts->negative && !d.IsZero()) out.append(u'-');
  out.append(Grouped(d.Integer()));
  if (parts->hasComma) {
    out.append(u',');
    out.append(Latin(d.Fraction()));
  }
  // Rounding up can carry a number at the very edge of the double range over
  // it; such a text is not numeric, and the field empties non-numeric texts.
  if (d.point >= long(kMaxIntegerDigits) && !IsNumeric(out)) return {};
  return out;
}

qint16 ContaPunti(QStringView text) {
  const qsizetype count = text.count(u'.');
  return qint16(std::min<qsizetype>(count, std::numeric_limits<qint16>::max()));
}

}  // namespace velmora
