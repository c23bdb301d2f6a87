#include "core/numbers/number_text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>

#include "core/numbers/decimal.h"

// Everything here works on decimal digit strings: texts may hold megabytes of
// digits, and rounding must follow the digits the user sees, not the binary
// value of a double. Decimal converts between digits and doubles without
// looking at the locale.
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

// Up to 15 significant digits and 22 decimals the digits are an exact
// double, and so is the power of ten: one division is correctly rounded.
// Nothing for longer texts.
std::optional<double> QuickValueOf(const NumberParts& parts) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::int64_t digits = 0;
  int significant = 0;
  auto take = [&](char16_t c) {
    if (digits == 0 && c == u'0') return true;
    digits = digits * 10 + (c - u'0');
    return ++significant <= 15;
  };
  for (const QChar c : parts.integer) {
    if (c != u'.' && !take(c.unicode())) return std::nullopt;
  }
  qsizetype decimals = parts.decimals.size();
  while (decimals > 0 && parts.decimals[decimals - 1] == u'0') --decimals;
  if (decimals > 22) return std::nullopt;
  for (qsizetype i = 0; i < decimals; ++i) {
    if (!take(parts.decimals[i].unicode())) return std::nullopt;
  }
  if (digits == 0) return 0.0;
  const double value = double(digits) / kPowers[decimals];
  return parts.negative ? -value : value;
}

std::optional<double> ValueOf(const NumberParts& parts) {
  if (const auto quick = QuickValueOf(parts)) return quick;
  auto integer = SignificantIntegerDigits(parts.integer);
  if (!integer) return std::nullopt;
  std::string& mantissa = *integer;
  const bool belowOne = mantissa.empty();
  // The value is 0.mantissa times 10^point.
  long point = long(mantissa.size());
  const char16_t* p = parts.decimals.utf16();
  const char16_t* const end = p + parts.decimals.size();
  if (belowOne) {
    for (; p != end && *p == u'0'; ++p) --point;
  }
  for (; p != end && mantissa.size() < kDecidingDigits; ++p) mantissa.push_back(char(*p));
  for (; p != end; ++p) {
    if (*p != u'0') {
      mantissa.push_back('1');
      break;
    }
  }
  return Decimal::FromMantissa(std::move(mantissa), point, parts.negative).ToDouble();
}

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

std::optional<double> ReadYears(QStringView text) {
  // Nobody groups a handful of years: a full stop here is a decimal point
  // typed by habit, never a group separator.
  if (text.contains(u'.')) return std::nullopt;
  return ReadNumber(text);
}

bool IsNumeric(QStringView text) {
  return ReadNumber(text).has_value();
}

QString MoneyTextOfCents(std::int64_t cents) {
  char16_t buffer[40];
  char16_t* const end = buffer + std::size(buffer);
  char16_t* p = end;
  std::uint64_t magnitude = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
  *--p = char16_t(u'0' + magnitude % 10);
  magnitude /= 10;
  *--p = char16_t(u'0' + magnitude % 10);
  magnitude /= 10;
  *--p = u',';
  for (int inGroup = 0;; ++inGroup) {
    if (inGroup == 3) {
      *--p = u'.';
      inGroup = 0;
    }
    *--p = char16_t(u'0' + magnitude % 10);
    magnitude /= 10;
    if (magnitude == 0) break;
  }
  if (cents < 0) *--p = u'-';
  *--p = u' ';
  *--p = kEuro;
  return QString(reinterpret_cast<const QChar*>(p), qsizetype(end - p));
}

QString MoneyText(double amount) {
  if (const auto cents = Decimal::ShortestCents(amount, Rounding::HalfAwayFromZero)) {
    return MoneyTextOfCents(*cents);
  }
  std::optional<Decimal> d = Decimal::Shortest(amount);
  if (!d) return {};
  d->RoundToPlaces(2, Rounding::HalfAwayFromZero);
  return MoneyText(*d);
}

QString MoneyText(const Decimal& amount) {
  if (const auto cents = amount.Cents()) return MoneyTextOfCents(*cents);
  std::string integer = amount.Integer();
  if (integer.empty()) integer.push_back('0');  // not = "0": GCC 12 warns falsely at -O2
  std::string cents = amount.Fraction();
  cents.resize(2, '0');
  QString out = QStringLiteral("€ ");
  if (amount.IsNegative()) out.append(u'-');
  out.append(Grouped(integer));
  out.append(u',');
  out.append(Latin(cents));
  return out;
}

QString RegroupTyping(QStringView text) {
  const auto parts = Split(text);
  if (!parts || !ValueOf(*parts)) return {};

  // Only the digit after the second decimal matters for the rounding.
  const QStringView used = parts->decimals.first(std::min<qsizetype>(parts->decimals.size(), 3));
  std::string decimals;
  for (QChar c : used) decimals.push_back(char(c.unicode()));
  Decimal d =
      Decimal::FromDigits(*SignificantIntegerDigits(parts->integer), decimals, parts->negative);
  d.RoundToPlaces(parts->hasComma ? 2 : 0, Rounding::HalfAwayFromZero);

  QString out;
  if (d.IsNegative()) out.append(u'-');
  out.append(Grouped(d.Integer()));
  if (parts->hasComma) {
    out.append(u',');
    out.append(Latin(d.Fraction()));
  }
  // Rounding up can carry a number at the very edge of the double range over
  // it; such a text is not numeric, and the field empties non-numeric texts.
  if (d.Point() >= long(kMaxIntegerDigits) && !IsNumeric(out)) return {};
  return out;
}

namespace {

// "1.234.567" but not "1.5", "12.34.5", ".123" or "1.": the first group has
// one to three digits and every group after a full stop exactly three.
bool GroupedInThrees(QStringView integer) {
  if (!integer.contains(u'.')) return true;
  qsizetype group = 0;
  bool first = true;
  for (QChar c : integer) {
    if (c != u'.') {
      ++group;
      continue;
    }
    if (group == 0 || group > 3 || (!first && group != 3)) return false;
    first = false;
    group = 0;
  }
  return group == 3;
}

// The amount of the parts to the cent, a half going away from zero as the
// money text rounds it: only the third decimal decides. Nothing for an
// integer part too long for a double.
std::optional<Decimal> ToCents(const NumberParts& parts) {
  const std::optional<std::string> integer = SignificantIntegerDigits(parts.integer);
  if (!integer) return std::nullopt;
  const QStringView used = parts.decimals.first(std::min<qsizetype>(parts.decimals.size(), 3));
  std::string decimals;
  for (QChar c : used) decimals.push_back(char(c.unicode()));
  Decimal d = Decimal::FromDigits(*integer, decimals, parts.negative);
  d.RoundToPlaces(2, Rounding::HalfAwayFromZero);
  return d;
}

bool AboveLargest(const std::optional<Decimal>& cents) {
  if (!cents) return true;
  if (cents->IsNegative()) return false;
  const std::string largest = std::to_string(kImportoMassimoCentesimi / 100);
  const std::string integer = cents->Integer();
  if (integer.size() != largest.size()) return integer.size() > largest.size();
  return integer > largest;
}

}  // namespace

QString LargestAmountText() {
  const std::string digits = std::to_string(kImportoMassimoCentesimi);
  return MoneyText(Decimal::FromDigits(digits.substr(0, digits.size() - 2),
                                       digits.substr(digits.size() - 2), false));
}

bool AboveLargestAmount(QStringView text) {
  const auto parts = Split(text);
  return parts && AboveLargest(ToCents(*parts));
}

namespace {

// An amount from outside: a spreadsheet in the Italian locale writes the euro
// sign after the figure ("100.000,00 €") as often as before it.
std::optional<NumberParts> SplitAmount(QStringView text) {
  QStringView figure = text;
  while (!figure.isEmpty() && IsBlank(figure.back().unicode())) figure.chop(1);
  // One sign only: "€ 5 €" is no amount.
  if (figure.endsWith(QChar(kEuro)) && text.count(QChar(kEuro)) == 1)
    return Split(figure.chopped(1));
  return Split(text);
}

}  // namespace

namespace {

// The amount of the parts: in whole cents for an integer part of at most 13
// digits, as nearly every amount is, and on decimal digits beyond.
ImportoIncollato AmountOf(const NumberParts& parts) {
  std::int64_t integer = 0;
  int digits = 0;
  for (const QChar c : parts.integer) {
    if (c == u'.' || (integer == 0 && c == u'0')) continue;
    if (++digits > 13) break;
    integer = integer * 10 + (c.unicode() - u'0');
  }
  if (digits <= 13) {
    if (!GroupedInThrees(parts.integer)) return {Incollato::PuntiFuoriPosto};
    // Only the third decimal decides, a half going away from zero.
    auto decimal = [&parts](qsizetype i) {
      return i < parts.decimals.size() ? parts.decimals[i].unicode() - u'0' : 0;
    };
    const std::int64_t cents =
        integer * 100 + decimal(0) * 10 + decimal(1) + (decimal(2) >= 5 ? 1 : 0);
    if (cents == 0 || parts.negative) return {Incollato::Zero};
    if (cents > kImportoMassimoCentesimi) return {Incollato::TroppoGrande};
    return {Incollato::Importo, *ValueOf(parts)};
  }
  if (!ValueOf(parts)) return {};
  if (!GroupedInThrees(parts.integer)) return {Incollato::PuntiFuoriPosto};
  const std::optional<Decimal> cents = ToCents(parts);
  if (cents && (cents->IsZero() || cents->IsNegative())) return {Incollato::Zero};
  if (AboveLargest(cents)) return {Incollato::TroppoGrande};
  return {Incollato::Importo, *ValueOf(parts)};
}

}  // namespace

ImportoIncollato ReadPastedAmount(QStringView text) {
  const auto parts = SplitAmount(text);
  if (!parts) return {};
  return AmountOf(*parts);
}

ImportoIncollato ReadStrictAmount(QStringView text) {
  const auto parts = SplitAmount(text);
  if (!parts) return {};
  const ImportoIncollato amount = AmountOf(*parts);
  if (amount.esito != Incollato::Importo && amount.esito != Incollato::Zero) return amount;
  // Zeros after the cents change nothing: "1.000,500" is 1.000,50.
  QStringView decimals = parts->decimals;
  while (decimals.size() > 2 && decimals.back() == u'0') decimals.chop(1);
  if (decimals.size() > 2) return {Incollato::TroppiDecimali};
  return amount;
}

qint16 ContaPunti(QStringView text) {
  const qsizetype count = text.count(u'.');
  return qint16(std::min<qsizetype>(count, std::numeric_limits<qint16>::max()));
}

QString Scaled(qint64 value, int scale, int places) {
  qint64 unit = 1;
  for (int i = 0; i < scale; ++i) unit *= 10;
  QString fraction = QString::number(value % unit).rightJustified(scale, u'0');
  if (places < 0) {
    while (fraction.endsWith(u'0')) fraction.chop(1);
  } else {
    fraction.truncate(places);
  }
  const QString whole = QString::number(value / unit);
  return fraction.isEmpty() ? whole : whole + u',' + fraction;
}

}  // namespace velmora
