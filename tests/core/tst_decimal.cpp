#include <QtTest>
#include <cmath>
#include <limits>
#include <random>

#include "core/numbers/decimal.h"
#include "core/valuation/valuation.h"

using namespace velmora;

namespace {

QString Repeated(char c, qsizetype count) {
  return QString(count, QChar(c));
}

// "-1234,5": the digits as a plain number, decimal comma, no grouping.
QString Plain(const Decimal& d) {
  QString text = d.IsNegative() ? QStringLiteral("-") : QString();
  const std::string integer = d.Integer();
  text += integer.empty() ? QStringLiteral("0") : QString::fromStdString(integer);
  if (!d.Fraction().empty()) text += u',' + QString::fromStdString(d.Fraction());
  return text;
}

Decimal Typed(const char* integer, const char* fraction, bool negative = false) {
  return Decimal::FromDigits(integer, fraction, negative);
}

// Doubles of one magnitude, both signs, with every third one a value that
// ends in an exact half somewhere: whole cents plus a half cent, or an odd
// number of eighths.
std::vector<double> Sample(double low, double high, unsigned seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
  std::vector<double> values;
  for (int i = 0; i < 20000; ++i) {
    double v = std::pow(10.0, exponent(random));
    if (i % 3 == 1) v = std::floor(v * 100) / 100 + 0.005;
    if (i % 3 == 2) v = (std::floor(v * 8) + 0.5) / 8;
    values.push_back(i % 2 ? -v : v);
  }
  return values;
}

void AddMagnitudes() {
  QTest::addColumn<double>("low");
  QTest::addColumn<double>("high");
  QTest::newRow("below a tenth of a cent") << 1e-9 << 1e-3;
  QTest::newRow("cents") << 1e-3 << 1.0;
  QTest::newRow("euro") << 1.0 << 1e4;
  QTest::newRow("thousands to millions") << 1e4 << 1e9;
  QTest::newRow("up to the fifteen digits' cents") << 1e9 << 1e13;
  QTest::newRow("beyond the cents") << 1e13 << 1e18;
}

}  // namespace

// The one rounding engine: exact digits of doubles, both rounding modes, and
// exact differences.
class TestDecimal : public QObject {
  Q_OBJECT

 private slots:
  void fifteenDigitsOfTheExactValueRoundHalfAway_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("two and a half") << 2.5 << "2,5";
    QTest::newRow("product with binary noise") << 1234.56 * 0.0237 << "29,259072";
    QTest::newRow("sum with binary noise") << 0.1 + 0.2 << "0,3";
    QTest::newRow("one third") << 1.0 / 3 << "0,333333333333333";
    QTest::newRow("two thirds rounds up") << 2.0 / 3 << "0,666666666666667";
    QTest::newRow("negative two thirds") << -2.0 / 3 << "-0,666666666666667";
    QTest::newRow("exact tie rounds away from zero") << 1234567890123445.0 << "1234567890123450";
    QTest::newRow("tie at the units") << 123456789012344.5 << "123456789012345";
    QTest::newRow("just below a tie rounds down")
        << 2.2048897961127948974535684 << "2,20488979611279";
    QTest::newRow("tie carries through nines") << 999999999999999.5 << "1000000000000000";
    QTest::newRow("beyond fifteen digits") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("small") << 1e-7 << "0,0000001";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "179769313486232" + Repeated('0', 294);
    QTest::newRow("smallest double") << 5e-324 << "0," + Repeated('0', 323) + "494065645841247";
  }
  void fifteenDigitsOfTheExactValueRoundHalfAway() {
    QFETCH(double, amount);
    QFETCH(QString, text);
    const auto d = Decimal::Significant(amount, 15, Rounding::HalfAwayFromZero);
    QVERIFY(d.has_value());
    QCOMPARE(Plain(*d), text);
  }

  void aHalfGoesAwayOrToTheEvenDigit_data() {
    QTest::addColumn<QString>("integer");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("even");
    QTest::newRow("half down to even") << "2"
                                       << "125" << false << "2,13"
                                       << "2,12";
    QTest::newRow("half up to even") << "0"
                                     << "135" << false << "0,14"
                                     << "0,14";
    QTest::newRow("beyond the half") << "2"
                                     << "12500001" << false << "2,13"
                                     << "2,13";
    QTest::newRow("below the half") << "2"
                                    << "1249999" << false << "2,12"
                                    << "2,12";
    QTest::newRow("negative half") << "2"
                                   << "125" << true << "-2,13"
                                   << "-2,12";
    QTest::newRow("half a cent from zero") << "0"
                                           << "005" << false << "0,01"
                                           << "0";
    QTest::newRow("carry through nines") << "9999"
                                         << "995" << false << "10000"
                                         << "10000";
    QTest::newRow("below a tenth of a cent") << "0"
                                             << "0009" << true << "0"
                                             << "0";
  }
  void aHalfGoesAwayOrToTheEvenDigit() {
    QFETCH(QString, integer);
    QFETCH(QString, fraction);
    QFETCH(bool, negative);
    QFETCH(QString, away);
    QFETCH(QString, even);
    Decimal a = Typed(qPrintable(integer), qPrintable(fraction), negative);
    Decimal e = a;
    a.RoundToPlaces(2, Rounding::HalfAwayFromZero);
    e.RoundToPlaces(2, Rounding::HalfEven);
    QCOMPARE(Plain(a), away);
    QCOMPARE(Plain(e), even);
  }

  void differencesAreExact_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("difference");
    QTest::newRow("cents") << "1234,56"
                           << "29,26"
                           << "1205,3";
    QTest::newRow("beyond a double's cents") << "123456789012345678,91"
                                             << "61728394506172839,46"
                                             << "61728394506172839,45";
    QTest::newRow("to zero") << "0,01"
                             << "0,01"
                             << "0";
    QTest::newRow("below zero") << "1"
                                << "2,5"
                                << "-1,5";
    QTest::newRow("minus a negative") << "1"
                                      << "-2,5"
                                      << "3,5";
    QTest::newRow("from zero") << "0"
                               << "7"
                               << "-7";
  }
  void differencesAreExact() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, difference);
    auto read = [](const QString& text) {
      const bool negative = text.startsWith(u'-');
      const QStringList parts = text.mid(negative ? 1 : 0).split(u',');
      return Typed(qPrintable(parts[0]), parts.size() > 1 ? qPrintable(parts[1]) : "", negative);
    };
    QCOMPARE(Plain(read(a) - read(b)), difference);
  }

  void digitsBecomeTheNearestDouble_data() {
    QTest::addColumn<QString>("integer");
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<double>("value");
    QTest::newRow("cents") << "1205"
                           << "3" << 1205.3;
    QTest::newRow("too small is zero") << "0" << Repeated('0', 400) + "1" << 0.0;
    QTest::newRow("largest") << "179769313486231570" + Repeated('0', 291) << ""
                             << std::numeric_limits<double>::max();
  }
  void digitsBecomeTheNearestDouble() {
    QFETCH(QString, integer);
    QFETCH(QString, fraction);
    QFETCH(double, value);
    QCOMPARE(Typed(qPrintable(integer), qPrintable(fraction)).ToDouble(), value);
  }

  // A product by a whole number, scaled down, is exact: the same as the
  // product of the cents in 128 bits.
  void productByAWholeNumberIsExact_data() {
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<quint32>("factor");
    QTest::addColumn<int>("scale");
    QTest::newRow("zero") << qint64(0) << quint32(500000) << 6;
    QTest::newRow("by zero") << qint64(12345) << quint32(0) << 6;
    QTest::newRow("carry into new digits") << qint64(999999999) << quint32(999999) << 6;
    QTest::newRow("negative") << qint64(-425) << quint32(500000) << 6;
    std::mt19937_64 random(1986);
    for (int i = 0; i < 40; ++i) {
      const qint64 cents = std::uniform_int_distribution<qint64>(1, 999999999999999999)(random);
      const auto factor = std::uniform_int_distribution<quint32>(1, 1000000)(random);
      QTest::addRow("caso %d", i) << cents << factor << 6;
    }
  }
  void productByAWholeNumberIsExact() {
    QFETCH(qint64, cents);
    QFETCH(quint32, factor);
    QFETCH(int, scale);
    const Decimal product = Decimal::FromCents(cents).Times(factor, scale);
    // The cents times the factor, as digits, and the point moved by scale + 2.
    const __int128 exact = static_cast<__int128>(cents) * factor;
    unsigned __int128 magnitude = exact < 0 ? -static_cast<unsigned __int128>(exact) : exact;
    std::string digits;
    do {
      digits.insert(digits.begin(), char('0' + int(magnitude % 10)));
      magnitude /= 10;
    } while (magnitude != 0);
    const long point = long(digits.size()) - scale - 2;
    const Decimal expected = Decimal::FromMantissa(digits, point, exact < 0);
    QCOMPARE(Plain(product), Plain(expected));
  }

  void centsShortcutGivesTheShortestDigitsRounding_data() { AddMagnitudes(); }
  void centsShortcutGivesTheShortestDigitsRounding() {
    QFETCH(double, low);
    QFETCH(double, high);
    for (const Rounding mode : {Rounding::HalfAwayFromZero, Rounding::HalfEven}) {
      for (const double value : Sample(low, high, 1986)) {
        auto digits = *Decimal::Shortest(value);
        digits.RoundToPlaces(2, mode);
        const auto cents = Decimal::ShortestCents(value, mode);
        if (std::fabs(value) >= 1e15) {
          QVERIFY(!cents.has_value());
          continue;
        }
        QVERIFY(cents.has_value());
        if (Plain(Decimal::FromCents(*cents)) != Plain(digits)) {
          QFAIL(qPrintable(QString("%1: %2 centesimi, atteso %3")
                               .arg(QString::number(value, 'g', 17))
                               .arg(*cents)
                               .arg(Plain(digits))));
        }
        QCOMPARE(digits.Cents(), cents);
      }
    }
  }

  void centsReadBackAsTheirDigits_data() {
    QTest::addColumn<qint64>("cents");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("one cent") << qint64(1) << "0,01";
    QTest::newRow("ten cents") << qint64(10) << "0,1";
    QTest::newRow("one euro") << qint64(100) << "1";
    QTest::newRow("negative") << qint64(-123456) << "-1234,56";
    QTest::newRow("trailing zeros") << qint64(1000000000) << "10000000";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "92233720368547758,07";
    QTest::newRow("lowest") << std::numeric_limits<qint64>::min() << "-92233720368547758,08";
  }
  void centsReadBackAsTheirDigits() {
    QFETCH(qint64, cents);
    QFETCH(QString, text);
    const Decimal d = Decimal::FromCents(cents);
    QCOMPARE(Plain(d), text);
    QCOMPARE(d.ToDouble(), double(cents) / 100);
    // Beyond 17 digits the cents are not taken back.
    QCOMPARE(d.Cents().has_value(), text.size() < 19);
  }

  void shortDigitsBecomeTheNearestDouble_data() { AddMagnitudes(); }
  void shortDigitsBecomeTheNearestDouble() {
    QFETCH(double, low);
    QFETCH(double, high);
    for (const double value : Sample(low, high, 2003)) {
      const auto fifteen = *Decimal::Significant(value, 15, Rounding::HalfEven);
      const QString text =
          QString::fromStdString(std::string(fifteen.IsNegative() ? "-0." : "0.") +
                                 fifteen.Digits() + 'e' + std::to_string(fifteen.Point()));
      QCOMPARE(*fifteen.ToDouble(), text.toDouble());
    }
  }

  void beyondTheDoubleRangeIsNoDouble() {
    QVERIFY(!Typed(qPrintable("18" + Repeated('0', 308)), "").ToDouble().has_value());
    QVERIFY(!Decimal::Shortest(std::numeric_limits<double>::infinity()).has_value());
    QVERIFY(!Decimal::Significant(std::numeric_limits<double>::quiet_NaN(), 15, Rounding::HalfEven)
                 .has_value());
  }
};

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
