#include "core/numbers/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace velmora {
namespace {

// The digits of std::to_chars in scientific form: "-d.ddde+xx" or "de-xx".
Decimal FromScientific(const char* begin, const char* end) {
  const bool negative = begin != end && *begin == '-';
  if (negative) ++begin;
  std::string digits;
  const char* p = begin;
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') digits.push_back(*p);
  }
  int exponent = 0;
  if (p != end) {
    ++p;
    if (p != end && *p == '+') ++p;
    std::from_chars(p, end, exponent);
  }
  // d.ddd x 10^exponent is 0.dddd x 10^(exponent + 1).
  return Decimal::FromMantissa(std::move(digits), exponent + 1, negative);
}

// Digit strings of equal length, most significant first.
std::string AddAligned(const std::string& a, const std::string& b) {
  std::string sum(a.size() + 1, '0');
  int carry = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const int d = (a[i] - '0') + (b[i] - '0') + carry;
    sum[i + 1] = char('0' + d % 10);
    carry = d / 10;
  }
  sum[0] = char('0' + carry);
  return sum;
}

// a - b for a >= b.
std::string SubtractAligned(const std::string& a, const std::string& b) {
  std::string difference(a.size(), '0');
  int borrow = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    int d = (a[i] - '0') - (b[i] - '0') - borrow;
    borrow = d < 0 ? 1 : 0;
    if (d < 0) d += 10;
    difference[i] = char('0' + d);
  }
  return difference;
}

// Every digit decided, with the one after it and whether more follow.
bool RoundsUp(int previous, int dropped, bool moreAfter, Rounding mode) {
  if (dropped != 5) return dropped > 5;
  return moreAfter || mode == Rounding::HalfAwayFromZero || previous % 2 != 0;
}

}  // namespace

Decimal Decimal::FromCents(std::int64_t cents) {
  // The magnitude as unsigned, so that the lowest int64 has one too.
  std::uint64_t magnitude = cents < 0 ? 0 - std::uint64_t(cents) : std::uint64_t(cents);
  Decimal d;
  if (magnitude == 0) return d;
  char buffer[24];
  char* const end = buffer + sizeof buffer;
  char* p = end;
  for (; magnitude != 0; magnitude /= 10) *--p = char('0' + magnitude % 10);
  d.point_ = long(end - p) - 2;
  // Kept without the trailing zeros, so that no normalising is left.
  char* last = end;
  while (last[-1] == '0') --last;
  d.digits_.assign(p, std::size_t(last - p));
  d.negative_ = cents < 0;
  return d;
}

std::optional<std::int64_t> Decimal::ShortestCents(double value, Rounding mode) {
  if (!(std::fabs(value) < 1e15)) return std::nullopt;
  // Below 2^45 two doubles are less than a cent apart, so a double that is
  // the nearest to a whole number of cents has those cents as its shortest
  // digits: amounts typed or computed in cents take no digit writing.
  if (std::fabs(value) < 0x1p45) {
    const auto cents = static_cast<std::int64_t>(std::llround(value * 100));
    if (double(cents) / 100 == value) return cents;
  }
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const char* p = buffer;
  const bool negative = *p == '-';
  if (negative) ++p;
  // At most 17 digits "d.dddd", then "e+xx".
  char digits[20];
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
  // The cents are the first exponent + 3 digits.
  const int keep = exponent + 3;
  if (keep <= 0) {
    if (keep < 0 || !RoundsUp(0, digits[0] - '0', count > 1, mode)) return 0;
    return negative ? -1 : 1;
  }
  std::int64_t cents = 0;
  for (int i = 0; i < keep; ++i) cents = cents * 10 + (i < count ? digits[i] - '0' : 0);
  if (keep < count && RoundsUp(int(cents % 10), digits[keep] - '0', keep + 1 < count, mode)) {
    ++cents;
  }
  return negative ? -cents : cents;
}

std::optional<std::int64_t> Decimal::Cents() const {
  if (IsZero()) return 0;
  const long size = long(digits_.size());
  if (size - point_ > 2 || point_ > 15) return std::nullopt;
  std::int64_t cents = 0;
  for (const char c : digits_) cents = cents * 10 + (c - '0');
  cents *= kPowersOfTen[std::size_t(point_ + 2 - size)];
  return negative_ ? -cents : cents;
}

std::optional<Decimal> Decimal::Shortest(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // An amount in whole cents has them as its shortest digits (see
  // ShortestCents).
  if (std::fabs(value) < 0x1p45) {
    const auto cents = static_cast<std::int64_t>(std::llround(value * 100));
    if (double(cents) / 100 == value) return FromCents(cents);
  }
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  return FromScientific(buffer, result.ptr);
}

std::optional<Decimal> Decimal::Significant(double value, int count, Rounding mode) {
  if (!std::isfinite(value)) return std::nullopt;
  // One digit more than needed, correctly rounded, decides every case but a
  // possible half, which only the exact value settles. Writing every digit of
  // a double (at most 767) is slow, hence the short form first.
  char buffer[800];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, count);
  Decimal d = FromScientific(buffer, result.ptr);
  const bool maybeHalf = d.digits_.size() == std::size_t(count) + 1 && d.digits_.back() == '5';
  if (maybeHalf) {
    result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 780);
    d = FromScientific(buffer, result.ptr);
  }
  d.KeepDigits(count, mode);
  return d;
}

Decimal Decimal::FromDigits(std::string_view integer, std::string_view fraction, bool negative) {
  std::string digits;
  digits.reserve(integer.size() + fraction.size());
  digits.append(integer).append(fraction);
  return FromMantissa(std::move(digits), long(integer.size()), negative);
}

Decimal Decimal::FromMantissa(std::string digits, long point, bool negative) {
  Decimal d;
  d.digits_ = std::move(digits);
  d.point_ = point;
  d.negative_ = negative;
  d.Normalise();
  return d;
}

void Decimal::Normalise() {
  const auto first = digits_.find_first_not_of('0');
  if (first == std::string::npos) {
    *this = Decimal();
    return;
  }
  digits_.erase(0, first);
  point_ -= long(first);
  digits_.erase(digits_.find_last_not_of('0') + 1);
}

void Decimal::KeepDigits(long keep, Rounding mode) {
  if (keep >= long(digits_.size())) return;
  if (keep < 0) {
    *this = Decimal();
    return;
  }
  const std::size_t at = std::size_t(keep);
  const char dropped = digits_[at];
  const bool exactHalf = dropped == '5' && digits_.size() == at + 1;
  const bool previousOdd = at > 0 && (digits_[at - 1] - '0') % 2 != 0;
  bool up = dropped > '5';
  if (dropped == '5') up = !exactHalf || mode == Rounding::HalfAwayFromZero || previousOdd;
  digits_.resize(at);
  if (up) {
    std::size_t i = digits_.size();
    while (i > 0 && digits_[i - 1] == '9') digits_[--i] = '0';
    if (i == 0) {
      digits_.insert(digits_.begin(), '1');
      ++point_;
    } else {
      ++digits_[i - 1];
    }
  }
  Normalise();
}

void Decimal::RoundToPlaces(long places, Rounding mode) {
  KeepDigits(point_ + places, mode);
}

Decimal Decimal::operator-(const Decimal& other) const {
  if (other.IsZero()) return *this;
  Decimal negated = other;
  negated.negative_ = !other.negative_;
  if (IsZero()) return negated;

  // Both as integers of the same length: from the higher point down to the
  // lower last digit.
  const long top = std::max(point_, negated.point_);
  const long bottom =
      std::min(point_ - long(digits_.size()), negated.point_ - long(negated.digits_.size()));
  auto aligned = [top, bottom](const Decimal& d) {
    std::string s(std::size_t(top - d.point_), '0');
    s += d.digits_;
    s.append(std::size_t(top - bottom) - s.size(), '0');
    return s;
  };
  const std::string a = aligned(*this);
  const std::string b = aligned(negated);

  Decimal result;
  if (negative_ == negated.negative_) {
    result.digits_ = AddAligned(a, b);
    result.point_ = top + 1;
    result.negative_ = negative_;
  } else {
    const bool aLarger = a >= b;  // equal lengths: the text order is the numeric one
    result.digits_ = aLarger ? SubtractAligned(a, b) : SubtractAligned(b, a);
    result.point_ = top;
    result.negative_ = aLarger ? negative_ : negated.negative_;
  }
  result.Normalise();
  return result;
}

Decimal Decimal::Times(std::uint32_t factor, long scale) const {
  if (IsZero() || factor == 0) return Decimal();
  // Schoolbook: each digit from the last times the factor, with its carry.
  std::string product(digits_.size() + 10, '0');
  std::uint64_t carry = 0;
  std::size_t at = product.size();
  for (std::size_t i = digits_.size(); i-- > 0;) {
    const std::uint64_t d = std::uint64_t(digits_[i] - '0') * factor + carry;
    product[--at] = char('0' + d % 10);
    carry = d / 10;
  }
  while (carry != 0) {
    product[--at] = char('0' + carry % 10);
    carry /= 10;
  }
  const long added = long(digits_.size() + 10 - at) - long(digits_.size());
  return FromMantissa(product.substr(at), point_ + added - scale, negative_);
}

std::string Decimal::Integer() const {
  if (point_ <= 0 || IsZero()) return {};
  std::string result = digits_.substr(0, std::size_t(point_));
  result.append(std::size_t(point_) - result.size(), '0');
  return result;
}

std::string Decimal::Fraction() const {
  if (IsZero() || point_ >= long(digits_.size())) return {};
  if (point_ >= 0) return digits_.substr(std::size_t(point_));
  return std::string(std::size_t(-point_), '0') + digits_;
}

std::optional<double> Decimal::ToDouble() const {
  if (IsZero()) return 0.0;
  // Up to 15 digits the digits are an exact double, and so is a power of ten
  // up to 10^17: one multiplication or division is correctly rounded.
  const long size = long(digits_.size());
  const long exponent = point_ - size;
  if (size <= 15 && exponent >= -17 && exponent <= 17) {
    std::int64_t whole = 0;
    for (const char c : digits_) whole = whole * 10 + (c - '0');
    const double power = double(kPowersOfTen[std::size_t(exponent < 0 ? -exponent : exponent)]);
    const double value = exponent < 0 ? double(whole) / power : double(whole) * power;
    return negative_ ? -value : value;
  }
  const std::string text = "0." + digits_ + 'e' + std::to_string(point_);
  double value = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small for a double is zero for every practical purpose.
    if (point_ > 0) return std::nullopt;
    value = 0;
  } else if (error != std::errc() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative_ && value != 0 ? -value : value;
}

}  // namespace velmora
