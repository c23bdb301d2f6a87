#include "core/numbers/amount_words.h"

#include <array>
#include <string>

#include "core/numbers/number_text.h"
#include "core/numbers/number_texts.h"

namespace velmora {
namespace {

constexpr std::array<const char*, 20> kUnits = {
    "",         "uno",    "due",         "tre",      "quattro",
    "cinque",   "sei",    "sette",       "otto",     "nove",
    "dieci",    "undici", "dodici",      "tredici",  "quattordici",
    "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
constexpr std::array<const char*, 10> kTens = {"",         "",          "venti",    "trenta",
                                               "quaranta", "cinquanta", "sessanta", "settanta",
                                               "ottanta",  "novanta"};

// 1 to 999. The tens drop their last vowel before "uno" and "otto"
// (ventuno, trentotto). "cento" keeps its vowel before every word but those
// that begin with "ott": centouno and centoundici, but centotto and
// centottanta; the one usage for every hundred (duecentotto, novecentottanta).
QString Below1000(int n) {
  QString words;
  const int hundreds = n / 100;
  const int rest = n % 100;
  if (hundreds > 0) {
    if (hundreds > 1) words += QLatin1StringView(kUnits[std::size_t(hundreds)]);
    words += QLatin1StringView("cento");
  }
  if (rest == 0) return words;
  QString tail;
  if (rest < 20) {
    tail = QLatin1StringView(kUnits[std::size_t(rest)]);
  } else {
    const int unit = rest % 10;
    tail = QLatin1StringView(kTens[std::size_t(rest / 10)]);
    if (unit == 1 || unit == 8) tail.chop(1);
    tail += QLatin1StringView(kUnits[std::size_t(unit)]);
  }
  if (hundreds > 0 && tail.startsWith(QLatin1StringView("ott"))) words.chop(1);
  return words + tail;
}

// 1 to 999.999: "mille" for one thousand, "mila" in the plural.
QString Below1000000(int n, QStringView groupBreak) {
  const int thousands = n / 1000;
  QString words;
  if (thousands == 1)
    words = QStringLiteral("mille");
  else if (thousands > 1)
    words = Below1000(thousands) + QLatin1StringView("mila");
  if (n % 1000 > 0) {
    if (thousands > 0) words += groupBreak;
    words += Below1000(n % 1000);
  }
  return words;
}

}  // namespace

QString NumberInWords(quint64 n, QStringView groupBreak) {
  if (n > kLargestInWords) return {};
  if (n == 0) return QStringLiteral("zero");
  const int milliards = int(n / 1'000'000'000ULL);
  const int millions = int(n / 1'000'000ULL % 1000);
  const int below = int(n % 1'000'000ULL);
  QString words;
  if (milliards == 1)
    words = QStringLiteral("unmiliardo");
  else if (milliards > 1)
    words = Below1000000(milliards, groupBreak) + QLatin1StringView("miliardi");
  if (!words.isEmpty() && millions + below > 0) words += groupBreak;
  if (millions == 1)
    words += QLatin1StringView("unmilione");
  else if (millions > 1)
    words += Below1000(millions) + QLatin1StringView("milioni");
  if (millions > 0 && below > 0) words += groupBreak;
  if (below > 0) words += Below1000000(below, groupBreak);
  // "tre" takes its accent at the end of a compound: ventitré, centotré, milletré.
  if (words.size() > 3 && words.endsWith(QLatin1StringView("tre")))
    words.replace(words.size() - 1, 1, QChar(0x00E9));
  return words;
}

QString AmountInWords(const Decimal& amount, QStringView groupBreak) {
  if (amount.IsNegative()) return {};
  Decimal cents = amount;
  cents.RoundToPlaces(2, Rounding::HalfAwayFromZero);
  const std::string euros = cents.Integer();
  if (euros.size() > 15) return {};
  const quint64 whole = euros.empty() ? 0 : std::stoull(euros);
  const QString words = NumberInWords(whole, groupBreak);
  if (words.isEmpty()) return {};
  const QString fraction = QString::fromStdString(cents.Fraction()).leftJustified(2, u'0');
  return words + u'/' + fraction;
}

QString EuroInWords(const Decimal& amount) {
  const QString figures = MoneyText(amount).mid(2);  // without "€ "
  const QString words = AmountInWords(amount);
  return words.isEmpty() ? text::kEuro.arg(figures) : text::kEuroInWords.arg(figures, words);
}

}  // namespace velmora
