// Feeds arbitrary bytes to the number and date texts and checks what every
// caller relies on: readers never crash or hang, and what the writers produce
// reads back.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/numbers/date_text.h"
#include "core/numbers/decimal.h"
#include "core/numbers/number_text.h"
#include "core/valuation/age.h"

using namespace velmora;

namespace {

[[noreturn]] void Fail(const char* what, const QString& text) {
  std::fprintf(stderr, "invariant broken: %s\ninput: %s\n", what, text.toUtf8().constData());
  std::abort();
}

#define CHECK(condition, text)                \
  do {                                        \
    if (!(condition)) Fail(#condition, text); \
  } while (false)

bool Close(double a, double b, double absolute) {
  return std::fabs(a - b) <= absolute + 4 * std::numeric_limits<double>::epsilon() * std::fabs(b);
}

void CheckNumber(const QString& text) {
  const auto value = ReadNumber(text);
  CHECK(IsNumeric(text) == value.has_value(), text);
  (void)ContaPunti(text);
  // Years are a number text without full stops, read the same way.
  const auto years = ReadYears(text);
  CHECK(years == (text.contains(u'.') ? std::nullopt : value), text);
  if (!value) {
    CHECK(RegroupTyping(text).isEmpty(), text);
    return;
  }
  CHECK(std::isfinite(*value) && !(*value == 0 && std::signbit(*value)), text);

  const QString money = MoneyText(*value);
  const auto moneyValue = ReadNumber(money);
  CHECK(moneyValue.has_value(), money);
  CHECK(Close(*moneyValue, *value, 0.005), money);
  CHECK(MoneyText(*moneyValue) == money, money);

  // Fifteen significant digits stay within a part in 10^14 of the value.
  const auto fifteen = Decimal::Significant(*value, 15, Rounding::HalfAwayFromZero);
  CHECK(fifteen.has_value(), text);
  const auto fifteenValue = fifteen->ToDouble();
  CHECK(!fifteenValue || Close(*fifteenValue, *value, 0) ||
            std::fabs(*fifteenValue - *value) <= 1e-14 * std::fabs(*value),
        text);

  const QString regrouped = RegroupTyping(text);
  if (regrouped.isEmpty()) {
    CHECK(*value == 0 || std::fabs(*value) > 1e308, text);
    return;
  }
  // A zero with a comma regroups to the lone comma, which the field then
  // empties as not numeric.
  if (regrouped == u",") {
    CHECK(Close(0.0, *value, 0.005), text);
    return;
  }
  const auto regroupedValue = ReadNumber(regrouped);
  CHECK(regroupedValue.has_value(), regrouped);
  CHECK(Close(*regroupedValue, *value, 0.005), regrouped);
  CHECK(RegroupTyping(regrouped) == regrouped, regrouped);
  CHECK(ContaPunti(regrouped) >= 0, regrouped);
}

void CheckDate(const QString& text) {
  const auto date = ReadDate(text);
  const QString formatted = FormatLongDate(text);
  if (date) {
    CHECK(date->isValid() && date->year() >= 100 && date->year() <= 9999, text);
    CHECK(formatted == LongDateText(*date), text);
    CHECK(ReadDate(formatted) == date, formatted);
    qint16 years = 0, months = 0, days = 0;
    CHECK(NDIFF(*date, QDate(2026, 12, 7), years, months, days) == 0, text);
    CHECK(months >= 0 && months <= 11 && days >= 0 && days <= 29, text);
    const int difference = 2026 - date->year();
    CHECK(years == difference || years == difference - 1, text);
  } else {
    CHECK(formatted == text, text);
  }

  const QString converted = BirthDigitsToDate(text);
  CHECK(converted.isEmpty() == text.isEmpty(), text);
  CHECK(converted.size() <= 10, text);
  if (IsDate(converted)) {
    CHECK(converted.size() == 10 && converted[2] == u'/' && converted[5] == u'/', converted);
  }
}

// What a command or a file gives is read strictly: a day or an amount read
// so reads back as itself from the form the program writes.
void CheckStrict(const QString& text) {
  if (const auto date = ReadStrictDate(text)) {
    CHECK(date->isValid() && date->year() >= 100 && date->year() <= 9999, text);
    CHECK(ReadStrictDate(date->toString(u"dd/MM/yyyy")) == date, text);
    CHECK(ReadStrictDate(date->toString(Qt::ISODate)) == date || date->year() < 1000, text);
  }
  const ImportoIncollato amount = ReadStrictAmount(text);
  const ImportoIncollato pasted = ReadPastedAmount(text);
  if (amount.esito == Incollato::Importo) {
    CHECK(pasted.esito == Incollato::Importo && pasted.valore == amount.valore, text);
    CHECK(amount.valore > 0 && !AboveLargestAmount(MoneyText(amount.valore)), text);
    CHECK(ReadStrictAmount(MoneyText(amount.valore)).valore == amount.valore, text);
  }
}

void Check(const QString& text) {
  CheckNumber(text);
  CheckDate(text);
  CheckStrict(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto* bytes = reinterpret_cast<const char*>(data);
  const auto length = qsizetype(size);
  Check(QString::fromUtf8(bytes, length));
  Check(QString::fromLatin1(bytes, length));
  // Raw UTF-16, lone surrogates included.
  QString utf16(length / 2, Qt::Uninitialized);
  std::memcpy(utf16.data(), bytes, std::size_t(length / 2) * 2);
  Check(utf16);
  return 0;
}
