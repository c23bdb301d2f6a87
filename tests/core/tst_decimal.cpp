#include <QtTest>
#include <limits>

#include "core/decimal.h"

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

  void beyondTheDoubleRangeIsNoDouble() {
    QVERIFY(!Typed(qPrintable("18" + Repeated('0', 308)), "").ToDouble().has_value());
    QVERIFY(!Decimal::Shortest(std::numeric_limits<double>::infinity()).has_value());
    QVERIFY(!Decimal::Significant(std::numeric_limits<double>::quiet_NaN(), 15, Rounding::HalfEven)
                 .has_value());
  }
};

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
