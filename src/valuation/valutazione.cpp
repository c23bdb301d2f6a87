#include "valuation/valutazione.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "valuation/tables.h"

namespace velmora {

namespace {

constexpr int kSignificantDigits = 15;

// The percentage texts as QStrings, built once: a valuation then only shares them.
struct TestiPercentuali {
  std::array<QString, TabellaVitalizio.size()> vitalizioUsufrutto;
  std::array<QString, TabellaVitalizio.size()> vitalizioNudaProprieta;
  std::array<QString, TabellaTempoDeterminato.size()> durataUsufrutto;
  std::array<QString, TabellaTempoDeterminato.size()> durataNudaProprieta;
};

const TestiPercentuali& Testi() {
  static const TestiPercentuali texts = [] {
    TestiPercentuali t;
    for (std::size_t i = 0; i < TabellaVitalizio.size(); ++i) {
      t.vitalizioUsufrutto[i] = QString::fromUtf8(TabellaVitalizio[i].percUsufrutto);
      t.vitalizioNudaProprieta[i] = QString::fromUtf8(TabellaVitalizio[i].percNudaProprieta);
    }
    for (std::size_t i = 0; i < TabellaTempoDeterminato.size(); ++i) {
      t.durataUsufrutto[i] = QString::fromUtf8(TabellaTempoDeterminato[i].percUsufrutto);
      t.durataNudaProprieta[i] = QString::fromUtf8(TabellaTempoDeterminato[i].percNudaProprieta);
    }
    return t;
  }();
  return texts;
}

Valutazione Applica(double fullValue, double share, const QString& percUsufrutto,
                    const QString& percNudaProprieta) {
  const double usufrutto = RoundUsufruct(fullValue * share);
  return Valutazione{usufrutto, fullValue - usufrutto, percUsufrutto, percNudaProprieta};
}

}  // namespace

double RoundUsufruct(double product) {
  if (!std::isfinite(product)) return product;
  if (product == 0) return 0.0;

  // d.dddddddddddddde±x: the exact binary value correctly rounded to 15 digits.
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, product,
                                     std::chars_format::scientific, kSignificantDigits - 1);
  if (written.ec != std::errc()) return product;
  const char* end = written.ptr;

  const bool negative = text[0] == '-';
  const char* mantissa = text + (negative ? 1 : 0);
  std::array<int, kSignificantDigits> digits{};
  digits[0] = mantissa[0] - '0';
  for (int i = 1; i < kSignificantDigits; ++i) digits[i] = mantissa[i + 1] - '0';

  const char* e = mantissa + kSignificantDigits + 1;  // at 'e'
  int exponent = 0;
  for (const char* p = e + 2; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  if (e[1] == '-') exponent = -exponent;

  // The first digit stands for 10^exponent; the digits down to the cent are kept.
  const int kept = exponent + 3;
  if (kept >= kSignificantDigits) {
    // Nothing below the cent: the value is its 15 digits. Past the largest
    // double those digits overflow, and the product is the nearest we have.
    double value = 0;
    const auto read = std::from_chars(text, end, value);
    return read.ec == std::errc() ? value : product;
  }
  if (kept < 0) return 0.0;  // below a tenth of a cent

  // Round the dropped digits against an exact half; a tie keeps the even cent.
  bool up = false;
  if (digits[kept] != 5) {
    up = digits[kept] > 5;
  } else {
    bool beyondHalf = false;
    for (int i = kept + 1; i < kSignificantDigits; ++i) beyondHalf = beyondHalf || digits[i] != 0;
    const bool lastOdd = kept > 0 && digits[kept - 1] % 2 != 0;
    up = beyondHalf || lastOdd;
  }

  // At most 14 digits: the cents fit in 64 bits and are exact as a double.
  std::int64_t cents = 0;
  for (int i = 0; i < kept; ++i) cents = cents * 10 + digits[i];
  if (up) ++cents;
  if (cents == 0) return 0.0;
  const double value = static_cast<double>(cents) / 100.0;
  return negative ? -value : value;
}

std::optional<Valutazione> ValutaVitalizio(double fullValue, qint16 age) {
  const RigaVitalizio* row = RigaPerEta(age);
  if (row == nullptr) return std::nullopt;
  const std::size_t index = static_cast<std::size_t>(row - TabellaVitalizio.data());
  const TestiPercentuali& texts = Testi();
  if (!row->share) {
    return Valutazione{0.0, fullValue, texts.vitalizioUsufrutto[index],
                       texts.vitalizioNudaProprieta[index]};
  }
  return Applica(fullValue, *row->share, texts.vitalizioUsufrutto[index],
                 texts.vitalizioNudaProprieta[index]);
}

std::optional<Valutazione> ValutaTempoDeterminato(double fullValue, double years) {
  const RigaTempoDeterminato* row = RigaPerDurata(years);
  if (row == nullptr) return std::nullopt;
  const std::size_t index = static_cast<std::size_t>(row - TabellaTempoDeterminato.data());
  const TestiPercentuali& texts = Testi();
  return Applica(fullValue, row->factor, texts.durataUsufrutto[index],
                 texts.durataNudaProprieta[index]);
}

}  // namespace velmora
