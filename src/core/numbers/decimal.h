#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one rounding engine: numbers held as decimal digits, so that rounding
// follows the digits a person reads and not the binary value of a double.
namespace velmora {

// 10^0 to 10^18, every power of ten that a signed 64-bit integer holds.
inline constexpr std::array<std::int64_t, 19> kPowersOfTen = [] {
  std::array<std::int64_t, 19> powers{};
  powers[0] = 1;
  for (std::size_t n = 1; n < powers.size(); ++n) powers[n] = powers[n - 1] * 10;
  return powers;
}();

enum class Rounding {
  HalfAwayFromZero,  // 2,5 gives 3 and -2,5 gives -3
  HalfEven,          // 2,5 gives 2 and 3,5 gives 4
};

// sign x 0.d1d2d3... x 10^point, the digits without leading or trailing zeros;
// zero has no digits and no sign.
class Decimal {
 public:
  Decimal() = default;

  // The shortest digits that read back as the same double. Infinity and NaN
  // give nothing.
  static std::optional<Decimal> Shortest(double value);
  // The exact value of the double rounded to `count` significant digits.
  static std::optional<Decimal> Significant(double value, int count, Rounding mode);
  // Digits as written: integer digits, then the digits after the comma.
  static Decimal FromDigits(std::string_view integer, std::string_view fraction, bool negative);
  // 0.digits x 10^point.
  static Decimal FromMantissa(std::string digits, long point, bool negative);
  // A whole number of cents.
  static Decimal FromCents(std::int64_t cents);
  // The shortest digits of the double rounded to the cent, as cents; nothing
  // for infinity, NaN and amounts beyond 10^15.
  static std::optional<std::int64_t> ShortestCents(double value, Rounding mode);

  bool IsZero() const { return digits_.empty(); }
  bool IsNegative() const { return negative_; }
  // The power of ten just above the first digit: 3 for 123,4.
  long Point() const { return point_; }
  const std::string& Digits() const { return digits_; }

  // Keeps `places` digits after the point (a negative count rounds to tens,
  // hundreds and so on).
  void RoundToPlaces(long places, Rounding mode);

  // Exact difference.
  Decimal operator-(const Decimal& other) const;
  // Exact product by a whole number, divided by 10^scale.
  Decimal Times(std::uint32_t factor, long scale) const;

  // The digits before the point, empty for a number below one.
  std::string Integer() const;
  // The digits after the point, without trailing zeros.
  std::string Fraction() const;

  // The nearest double; nothing beyond the double range.
  std::optional<double> ToDouble() const;

  // The number as cents when it has at most two decimals and fewer than 18
  // digits; nothing otherwise.
  std::optional<std::int64_t> Cents() const;

 private:
  void Normalise();
  void KeepDigits(long keep, Rounding mode);

  bool negative_ = false;
  std::string digits_;
  long point_ = 0;
};

}  // namespace velmora
