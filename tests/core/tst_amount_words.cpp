#include <QtTest>
#include <optional>
#include <random>

#include "core/numbers/amount_words.h"

using namespace velmora;

namespace {

// A reader of its own, strict about the forms: the tens drop their vowel
// before "uno" and "otto" and only there, "cento" before "ott" only, "un"
// only before "milione" and "miliardo", "tré" only at the end of a compound.
const QStringList kUnits = QString(
                               "zero uno due tre quattro cinque sei sette otto nove dieci "
                               "undici dodici tredici quattordici quindici sedici "
                               "diciassette diciotto diciannove")
                               .split(' ');
const QStringList kTens =
    QString("_ _ venti trenta quaranta cinquanta sessanta settanta ottanta novanta").split(' ');

std::optional<quint64> Below100(const QString& w) {
  if (const qsizetype u = kUnits.indexOf(w); u > 0) return u;
  for (int t = 2; t <= 9; ++t) {
    const QString elided = kTens[t].chopped(1);
    if (w == kTens[t]) return t * 10;
    const qsizetype u = kUnits.indexOf(w.mid(kTens[t].size()));
    if (w.startsWith(kTens[t]) && u > 1 && u < 10 && u != 8) return t * 10 + u;
    if (w == elided + "uno" || w == elided + "otto") return t * 10 + (w.endsWith("uno") ? 1 : 8);
  }
  return std::nullopt;
}

std::optional<quint64> Below1000(QString w) {
  for (int h = 9; h >= 1; --h) {
    const QString hundreds = (h == 1 ? QString() : kUnits[h]) + "cent";
    if (!w.startsWith(hundreds)) continue;
    QString rest = w.mid(hundreds.size());
    if (rest.startsWith("o") && !rest.startsWith("ott")) {
      rest.remove(0, 1);
      if (rest.startsWith("ott")) return std::nullopt;  // centootto
    } else if (!rest.startsWith("ott")) {
      return std::nullopt;  // "cent" alone, or before anything else
    }
    if (rest.isEmpty()) return h * 100;
    const auto tail = Below100(rest);
    return tail ? std::optional<quint64>(h * 100 + *tail) : std::nullopt;
  }
  return Below100(w);
}

// The count before a plural multiplier: a number of two or more (for the
// milliards, thousands too); "un" goes only with the singular.
std::optional<quint64> Count(const QString& w, bool thousandsToo);

// [one | count many] then what `below` reads, given the value so far.
std::optional<quint64> Group(const QString& w, const QString& one, const QString& many,
                             quint64 unit, bool thousandsToo, const auto& below) {
  if (w.startsWith(one)) return below(w.mid(one.size()), unit);
  if (const qsizetype at = w.indexOf(many); at >= 0) {
    const auto count = Count(w.first(at), thousandsToo);
    return count ? below(w.mid(at + many.size()), *count * unit) : std::nullopt;
  }
  return below(w, 0);
}

std::optional<quint64> BelowMillion(const QString& w) {
  return Group(w, "mille", "mila", 1000, false,
               [](const QString& rest, quint64 high) -> std::optional<quint64> {
                 if (rest.isEmpty()) return high ? std::optional(high) : std::nullopt;
                 const auto low = Below1000(rest);
                 return low ? std::optional(high + *low) : std::nullopt;
               });
}

std::optional<quint64> Count(const QString& w, bool thousandsToo) {
  const auto n = thousandsToo ? BelowMillion(w) : Below1000(w);
  return n && *n >= 2 ? n : std::nullopt;
}

std::optional<quint64> ReadNumberWords(QString w) {
  if (w == "zero") return 0;
  // "tré" ends a compound, and a compound never ends with "tre".
  const bool accented = w.endsWith(QString::fromUtf8("tré"));
  if ((accented && w.size() == 3) || (w.endsWith("tre") && w.size() > 3) ||
      w.chopped(accented ? 3 : 0).contains(QString::fromUtf8("é")))
    return std::nullopt;
  if (accented) w = w.chopped(1) + "e";
  const auto millions = [](const QString& rest, quint64 high) -> std::optional<quint64> {
    return Group(rest, "unmilione", "milioni", 1'000'000, false,
                 [high](const QString& r, quint64 m) -> std::optional<quint64> {
                   if (r.isEmpty()) return high + m ? std::optional(high + m) : std::nullopt;
                   const auto low = BelowMillion(r);
                   return low ? std::optional(high + m + *low) : std::nullopt;
                 });
  };
  return Group(w, "unmiliardo", "miliardi", 1'000'000'000, true, millions);
}

std::optional<quint64> ReadAmountWords(const QString& words) {
  const QStringList parts = words.split('/');
  if (parts.size() != 2 || parts[1].size() != 2 || !parts[1][0].isDigit() || !parts[1][1].isDigit())
    return std::nullopt;
  const auto euros = ReadNumberWords(parts[0]);
  return euros ? std::optional(*euros * 100 + parts[1].toULongLong()) : std::nullopt;
}

Decimal Cents(quint64 cents) {
  const std::string digits = std::to_string(cents / 100);
  const std::string fraction = std::to_string(100 + cents % 100).substr(1);
  return Decimal::FromDigits(digits, fraction, false);
}

}  // namespace

class TestAmountWords : public QObject {
  Q_OBJECT

 private slots:
  void exactForms_data() {
    QTest::addColumn<quint64>("number");
    QTest::addColumn<QString>("words");
    const char* rows =
        "0=zero 1=uno 3=tre 8=otto 11=undici 17=diciassette 21=ventuno 23=ventitré 28=ventotto "
        "38=trentotto 71=settantuno 100=cento 101=centouno 103=centotré 108=centotto "
        "111=centoundici 180=centottanta 188=centottantotto 208=duecentotto "
        "981=novecentottantuno 1000=mille 1001=milleuno 1003=milletré 2000=duemila "
        "21000=ventunomila 23000=ventitremila 101000=centounomila 1000000=unmilione "
        "1200000=unmilioneduecentomila 1001000=unmilionemille 2000000=duemilioni "
        "21000000=ventunomilioni 3000003=tremilionitré 1000000000=unmiliardo "
        "2000000000=duemiliardi 1001000000=unmiliardounmilione 1000000000000=millemiliardi";
    for (const QString& row : QString::fromUtf8(rows).split(' ')) {
      const QStringList parts = row.split('=');
      QTest::newRow(qPrintable(parts[0])) << parts[0].toULongLong() << parts[1];
    }
  }
  void exactForms() {
    QFETCH(quint64, number);
    QFETCH(QString, words);
    QCOMPARE(NumberInWords(number), words);
    // Breaks only come between the parts: the words are the same without them.
    QCOMPARE(NumberInWords(number, u"|").remove(u'|'), words);
  }

  // Where a layout may break the one long word: after each power of a
  // thousand that more words follow, never at the end or inside a group.
  void groupBreaksFallBetweenThePowersOfAThousand_data() {
    QTest::addColumn<quint64>("number");
    QTest::addColumn<QString>("words");
    const char* rows =
        "3=tre 1000=mille 1003=mille|tré 2000=duemila 23456=ventitremila|quattrocentocinquantasei "
        "1000000=unmilione 1000001=unmilione|uno 2000000=duemilioni 2000003=duemilioni|tré "
        "2001000=duemilioni|mille 1000000000=unmiliardo 1000000008=unmiliardo|otto "
        "3000000000=tremiliardi 1001000000=unmiliardo|unmilione "
        "1000000000000=millemiliardi 1001000000000=mille|unomiliardi";
    for (const QString& row : QString::fromUtf8(rows).split(' ')) {
      const QStringList parts = row.split('=');
      QTest::newRow(qPrintable(parts[0])) << parts[0].toULongLong() << parts[1];
    }
    QTest::newRow("the largest amount's euros")
        << quint64(9'999'999'999'999)
        << QString::fromUtf8(
               "novemila|novecentonovantanovemiliardi|novecentonovantanovemilioni|"
               "novecentonovantanovemila|novecentonovantanove");
  }
  void groupBreaksFallBetweenThePowersOfAThousand() {
    QFETCH(quint64, number);
    QFETCH(QString, words);
    QCOMPARE(NumberInWords(number, u"|"), words);
  }

  void amountsAsActsWriteThem() {
    QCOMPARE(AmountInWords(Cents(2500000)), QString("venticinquemila/00"));
    QCOMPARE(EuroInWords(Cents(2500000)), QString("euro 25.000,00 (venticinquemila/00)"));
    QCOMPARE(EuroInWords(Cents(12)), QString("euro 0,12 (zero/12)"));
    QCOMPARE(AmountInWords(Cents(999'999'999'999'999)),
             QString("novemilanovecentonovantanovemiliardinovecentonovantanovemilioni"
                     "novecentonovantanovemilanovecentonovantanove/99"));
    // Beyond the words the figures stand alone; a negative amount has none.
    QCOMPARE(NumberInWords(kLargestInWords + 1), QString());
    QCOMPARE(EuroInWords(Cents(100'000'000'000'000'000)), QString("euro 1.000.000.000.000.000,00"));
    QCOMPARE(AmountInWords(Decimal::FromDigits("5", "", true)), QString());
  }

  void boundariesReadBack_data() {
    QTest::addColumn<quint64>("number");
    for (quint64 n :
         {0ULL,     1ULL,      8ULL,       11ULL,      21ULL,         23ULL,          28ULL,
          100ULL,   101ULL,    108ULL,     180ULL,     1000ULL,       1001ULL,        2000ULL,
          21000ULL, 100000ULL, 1000000ULL, 2000000ULL, 1000000000ULL, kLargestInWords})
      QTest::newRow(qPrintable(QString::number(n))) << n;
  }
  void boundariesReadBack() {
    QFETCH(quint64, number);
    // The number and its neighbours, with no cents, one cent and 99 cents.
    for (quint64 n : {number, number + 1, number ? number - 1 : 0}) {
      if (n > kLargestInWords) continue;
      QCOMPARE(ReadNumberWords(NumberInWords(n)), std::optional(n));
      for (quint64 c : {n * 100, n * 100 + 1, n * 100 + 99})
        QCOMPARE(ReadAmountWords(AmountInWords(Cents(c))), std::optional(c));
    }
  }

  void randomAmountsReadBack() {
    std::mt19937_64 random(20261209);
    // As many short amounts as long ones: a digit count first, then the digits.
    std::uniform_int_distribution<int> digits(1, 15);
    for (int i = 0; i < 100000; ++i) {
      quint64 limit = 1;
      for (int d = digits(random); d > 0; --d) limit *= 10;
      const quint64 c = std::uniform_int_distribution<quint64>(0, limit - 1)(random);
      const QString words = AmountInWords(Cents(c));
      if (ReadAmountWords(words) != std::optional(c))
        QFAIL(qPrintable(QString("%1 cents: %2").arg(c).arg(words)));
    }
  }

  void theReaderRefusesWrongForms() {
    // Without this, the round trip would pass for an encoder that wrote them.
    for (const char* wrong : {"ventiuno", "ventiotto", "centootto", "centuno", "ventitre", "tré",
                              "unomilione", "duemilione", "unmila", "unocento", "cent"})
      QVERIFY2(!ReadNumberWords(QString::fromUtf8(wrong)), wrong);
  }
};

QTEST_APPLESS_MAIN(TestAmountWords)
#include "tst_amount_words.moc"
