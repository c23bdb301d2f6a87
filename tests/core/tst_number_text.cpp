#include <QLocale>
#include <QRandomGenerator>
#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>

#include "core/numbers/number_text.h"

using namespace velmora;

namespace {

QString Repeated(char c, qsizetype count) {
  return QString(count, QChar(c));
}

// 10^exponent written with grouping, as a money text writes it.
QString GroupedPowerOfTen(int exponent) {
  QString digits = u'1' + Repeated('0', exponent);
  for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, u'.');
  return digits;
}

// An amount in cents written as typed into the value field: no grouping, a
// comma only when there are cents, trailing zeros of the cents dropped.
QString TypedForm(qint64 cents) {
  QString text = QString::number(cents / 100);
  const qint64 rest = cents % 100;
  if (rest != 0) {
    QString decimals = QString::number(rest).rightJustified(2, u'0');
    if (decimals.endsWith(u'0')) decimals.chop(1);
    text += u',' + decimals;
  }
  return text;
}

}  // namespace

class NumberTextTest : public QObject {
  Q_OBJECT

 private slots:
  // Short texts are read without writing their digits out; they must give
  // the nearest double all the same.
  void shortAndLongTextsReadAsTheNearestDouble_data() {
    QTest::addColumn<int>("digits");
    QTest::newRow("up to 15 digits") << 15;
    QTest::newRow("up to 25 digits") << 25;
  }
  void shortAndLongTextsReadAsTheNearestDouble() {
    QFETCH(int, digits);
    QRandomGenerator random(1946);
    for (int i = 0; i < 20000; ++i) {
      const int integerDigits = random.bounded(digits + 1);
      const int decimals = random.bounded(digits + 1 - integerDigits);
      QString integer, fraction;
      for (int d = 0; d < integerDigits; ++d) integer += QChar(u'0' + random.bounded(10));
      for (int d = 0; d < decimals; ++d) fraction += QChar(u'0' + random.bounded(10));
      if (integer.isEmpty() && fraction.isEmpty()) continue;
      const bool negative = random.bounded(2) == 1;
      const QString typed = (negative ? QStringLiteral("-") : QString()) + integer +
                            (decimals ? u',' + fraction : QString());
      const QString c = (negative ? QStringLiteral("-") : QString()) +
                        (integer.isEmpty() ? QStringLiteral("0") : integer) + u'.' + fraction +
                        QStringLiteral("0");
      // No text reads as -0.
      const double expected = c.toDouble() == 0 ? 0.0 : c.toDouble();
      const std::optional<double> read = ReadNumber(typed);
      QVERIFY2(read && *read == expected && std::signbit(*read) == std::signbit(expected),
               qPrintable(typed));
    }
  }

  void initTestCase();

  void acceptedTextsReadAsTheirValue_data();
  void acceptedTextsReadAsTheirValue();
  void refusedTextsAreNotNumeric_data();
  void refusedTextsAreNotNumeric();
  void readingNeverGivesNegativeZero();
  void yearsReadAsTyped_data();
  void yearsReadAsTyped();
  void yearsWithAFullStopAreNoNumber_data();
  void yearsWithAFullStopAreNoNumber();

  void moneyTextWritesTheAmountInEuroAndCents_data();
  void moneyTextWritesTheAmountInEuroAndCents();
  void moneyTextOfInfinityOrNaNIsEmpty_data();
  void moneyTextOfInfinityOrNaNIsEmpty();
  void moneyTextReadsBackAsTheAmountInCents();
  void moneyTextOfAnyAmountReadsBackRoundedToCents();
  void moneyTextOfHugeAmountsReadsBack_data();
  void moneyTextOfHugeAmountsReadsBack();

  void regroupingWritesTheTypingForm_data();
  void regroupingWritesTheTypingForm();
  void regroupingOfANonNumericTextIsEmpty_data();
  void regroupingOfANonNumericTextIsEmpty();
  void regroupingKeepsTheValueOfATypedAmount();

  void contaPuntiCountsFullStops_data();
  void contaPuntiCountsFullStops();
  void contaPuntiSaturatesAtTheSixteenBitLimit();

  void scaledWritesWholeUnitsWithADecimalComma_data();
  void scaledWritesWholeUnitsWithADecimalComma();

  void megabyteTextsAreReadWhole();
};

void NumberTextTest::initTestCase() {
  // The process locale and Qt's default locale must not matter: use ones
  // whose separators differ from the Italian ones.
  std::setlocale(LC_ALL, "");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void NumberTextTest::acceptedTextsReadAsTheirValue_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("value");
  QTest::newRow("zero") << "0" << 0.0;
  QTest::newRow("digits") << "1234" << 1234.0;
  QTest::newRow("grouped") << "1.234.567" << 1234567.0;
  QTest::newRow("decimals") << "1.234,56" << 1234.56;
  QTest::newRow("ends with the comma") << "1234," << 1234.0;
  QTest::newRow("no integer digits") << ",25" << 0.25;
  QTest::newRow("full stops anywhere") << "1.2.3.4" << 1234.0;
  QTest::newRow("leading full stop after a deletion") << ".234" << 234.0;
  QTest::newRow("full stop before the comma") << "12.,5" << 12.5;
  QTest::newRow("money text") << "€ 1.234,56" << 1234.56;
  QTest::newRow("money text of zero") << "€ 0,00" << 0.0;
  QTest::newRow("negative money text") << "€ -1.234,50" << -1234.5;
  QTest::newRow("minus before the euro sign") << "-€ 5" << -5.0;
  QTest::newRow("euro sign without blank") << "€5" << 5.0;
  QTest::newRow("euro sign then minus, no blank") << "€-5" << -5.0;
  QTest::newRow("two blanks after the euro sign") << "€  5" << 5.0;
  QTest::newRow("minus") << "-5" << -5.0;
  QTest::newRow("plus") << "+5" << 5.0;
  QTest::newRow("minus and comma only") << "-,5" << -0.5;
  QTest::newRow("blanks around") << "  12,5  " << 12.5;
  QTest::newRow("spreadsheet cell with line end") << "123456,789\r\n" << 123456.789;
  QTest::newRow("tab before") << "\t7" << 7.0;
  QTest::newRow("no-break space before") << QStringLiteral("\u00A01.000") << 1000.0;
  QTest::newRow("plain number text") << "29,259072" << 29.259072;
  QTest::newRow("leading zeros") << "000123,40" << 123.4;
  QTest::newRow("23 nines") << Repeated('9', 23) << 1e23;
  QTest::newRow("largest double written out")
      << "179769313486231570" + Repeated('0', 291) << std::numeric_limits<double>::max();
  QTest::newRow("below the smallest double reads as zero")
      << "0," + Repeated('0', 400) + "1" << 0.0;
  // 1 + 2^-53 lies halfway between 1 and the next double.
  const QString halfway = "1,00000000000000011102230246251565404236316680908203125";
  QTest::newRow("exact halfway rounds to even") << halfway + Repeated('0', 3000) << 1.0;
  QTest::newRow("a far digit past halfway rounds up")
      << halfway + Repeated('0', 3000) + '1' << 1.0000000000000002;
  QTest::newRow("many decimals") << "1," + Repeated('5', 5000) << 1.5555555555555556;
}

void NumberTextTest::acceptedTextsReadAsTheirValue() {
  QFETCH(QString, text);
  QFETCH(double, value);
  QVERIFY(IsNumeric(text));
  const auto read = ReadNumber(text);
  QVERIFY(read.has_value());
  // Exactly: QCOMPARE would compare doubles loosely.
  QVERIFY2(*read == value, qPrintable(QString::number(*read, 'g', 17)));
}

void NumberTextTest::refusedTextsAreNotNumeric_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("empty") << "";
  QTest::newRow("blanks") << "   ";
  QTest::newRow("lone comma") << ",";
  QTest::newRow("lone full stop") << ".";
  QTest::newRow("full stops and comma") << "..,";
  QTest::newRow("euro sign alone") << "€ ";
  QTest::newRow("minus alone") << "-";
  QTest::newRow("minus and comma") << "-,";
  QTest::newRow("word") << "abc";
  QTest::newRow("trailing letter") << "12a";
  QTest::newRow("two commas") << "1,2,3";
  QTest::newRow("full stop among decimals") << "1,2.3";
  QTest::newRow("blank inside digits") << "1 234";
  QTest::newRow("exponent") << "1e5";
  QTest::newRow("parentheses") << "(5)";
  QTest::newRow("trailing minus") << "5-";
  QTest::newRow("two minus signs") << "--5";
  QTest::newRow("two signs") << "+-5";
  QTest::newRow("two euro signs") << "€€5";
  QTest::newRow("euro sign after the number") << "5 €";
  QTest::newRow("blank after the minus") << "€ - 5";
  QTest::newRow("blank between minus and euro sign") << "- € 5";
  QTest::newRow("hexadecimal") << "0x10";
  QTest::newRow("infinity word") << "inf";
  QTest::newRow("nan word") << "nan";
  QTest::newRow("apostrophe grouping") << "1'000";
  QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12");
  QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662");
  QTest::newRow("nul inside") << QString::fromLatin1(
      "1\0"
      "2",
      3);
  QTest::newRow("309 nines overflow") << Repeated('9', 309);
  QTest::newRow("just above the largest double") << "18" + Repeated('0', 307);
  QTest::newRow("huge with grouping") << "1" + QString(".000").repeated(103);
}

void NumberTextTest::refusedTextsAreNotNumeric() {
  QFETCH(QString, text);
  QVERIFY(!IsNumeric(text));
  QVERIFY(!ReadNumber(text).has_value());
}

void NumberTextTest::readingNeverGivesNegativeZero() {
  const QStringList texts = {"-0", "€ -0,00", "-,000", "-0," + Repeated('0', 400) + '1'};
  for (const QString& text : texts) {
    const auto read = ReadNumber(text);
    QVERIFY2(read.has_value(), qPrintable(text));
    QVERIFY2(!std::signbit(*read), qPrintable(text));
  }
}

void NumberTextTest::moneyTextWritesTheAmountInEuroAndCents_data() {
  QTest::addColumn<double>("amount");
  QTest::addColumn<QString>("text");
  QTest::newRow("zero") << 0.0 << "€ 0,00";
  QTest::newRow("negative zero") << -0.0 << "€ 0,00";
  QTest::newRow("one cent") << 0.01 << "€ 0,01";
  QTest::newRow("under three digits") << 123.0 << "€ 123,00";
  QTest::newRow("one group") << 1234.56 << "€ 1.234,56";
  QTest::newRow("two groups and a half") << 1234567.5 << "€ 1.234.567,50";
  QTest::newRow("hundred thousand") << 100000.0 << "€ 100.000,00";
  QTest::newRow("clipboard value") << 123456.789 << "€ 123.456,79";
  QTest::newRow("half cent up") << 0.125 << "€ 0,13";
  QTest::newRow("half cent on the shortest form") << 1.005 << "€ 1,01";
  QTest::newRow("half cent carries into euros") << 999.995 << "€ 1.000,00";
  QTest::newRow("below half a cent") << 0.0049 << "€ 0,00";
  QTest::newRow("tiny") << 5e-324 << "€ 0,00";
  QTest::newRow("negative") << -1234.5 << "€ -1.234,50";
  QTest::newRow("negative half cent away from zero") << -0.005 << "€ -0,01";
  QTest::newRow("negative rounding to zero has no minus") << -0.004 << "€ 0,00";
  QTest::newRow("fifteen digits") << 9999999999999.99 << "€ 9.999.999.999.999,99";
  QTest::newRow("1e21 written out") << 1e21 << "€ " + GroupedPowerOfTen(21) + ",00";
  QTest::newRow("1e300 written out") << 1e300 << "€ " + GroupedPowerOfTen(300) + ",00";
}

void NumberTextTest::moneyTextWritesTheAmountInEuroAndCents() {
  QFETCH(double, amount);
  QFETCH(QString, text);
  QCOMPARE(MoneyText(amount), text);
  QVERIFY(IsNumeric(text));
}

void NumberTextTest::moneyTextOfInfinityOrNaNIsEmpty_data() {
  QTest::addColumn<double>("amount");
  QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
  QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
  QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
}

void NumberTextTest::moneyTextOfInfinityOrNaNIsEmpty() {
  QFETCH(double, amount);
  QCOMPARE(MoneyText(amount), QString());
}

void NumberTextTest::moneyTextReadsBackAsTheAmountInCents() {
  QRandomGenerator random(20260807);
  for (int i = 0; i < 100000; ++i) {
    // Every magnitude from cents to 10^13 euro, fifteen significant digits at most.
    const qint64 limit = qint64(1) << random.bounded(1, 50);
    qint64 cents = random.bounded(limit);
    if (i % 7 == 0) cents = -cents;
    const double amount = double(cents) / 100;
    const QString text = MoneyText(amount);
    const auto read = ReadNumber(text);
    QVERIFY2(read.has_value(), qPrintable(text));
    if (*read != amount) QFAIL(qPrintable(QString::number(cents) + " cents gave " + text));
  }
}

void NumberTextTest::moneyTextOfAnyAmountReadsBackRoundedToCents() {
  QRandomGenerator random(4242);
  for (int i = 0; i < 100000; ++i) {
    const double amount = (random.generateDouble() - 0.3) * std::pow(10.0, random.bounded(-3, 13));
    const QString text = MoneyText(amount);
    const auto read = ReadNumber(text);
    QVERIFY2(read.has_value(), qPrintable(text));
    const double tolerance = 0.005 + std::fabs(amount) * 1e-15;
    if (std::fabs(*read - amount) > tolerance || MoneyText(*read) != text) {
      QFAIL(qPrintable(QString::number(amount, 'g', 17) + " gave " + text));
    }
  }
}

void NumberTextTest::moneyTextOfHugeAmountsReadsBack_data() {
  QTest::addColumn<double>("amount");
  QTest::newRow("1e300") << 1e300;
  QTest::newRow("largest double") << std::numeric_limits<double>::max();
  QTest::newRow("minus largest double") << std::numeric_limits<double>::lowest();
  QTest::newRow("beyond 64-bit integers") << 3.6893488147419103e19;
}

void NumberTextTest::moneyTextOfHugeAmountsReadsBack() {
  QFETCH(double, amount);
  const auto read = ReadNumber(MoneyText(amount));
  QVERIFY(read.has_value());
  QVERIFY2(*read == amount, qPrintable(QString::number(*read, 'g', 17)));
}

void NumberTextTest::regroupingWritesTheTypingForm_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("regrouped");
  QTest::newRow("1") << "1"
                     << "1";
  QTest::newRow("12") << "12"
                      << "12";
  QTest::newRow("123") << "123"
                       << "123";
  QTest::newRow("1234") << "1234"
                        << "1.234";
  QTest::newRow("12345 after 1.234") << "1.2345"
                                     << "12.345";
  QTest::newRow("123456 after 12.345") << "12.3456"
                                       << "123.456";
  QTest::newRow("1234567 after 123.456") << "123.4567"
                                         << "1.234.567";
  QTest::newRow("comma after 1.234") << "1.234,"
                                     << "1.234,";
  QTest::newRow("first decimal") << "1.234,5"
                                 << "1.234,5";
  QTest::newRow("second decimal") << "1.234,56"
                                  << "1.234,56";
  QTest::newRow("third decimal rounds") << "1.234,567"
                                        << "1.234,57";
  QTest::newRow("four zeros") << "0000"
                              << "";
  QTest::newRow("comma without grouping") << "1234,"
                                          << "1.234,";
  QTest::newRow("zero integer has no digits") << "0,5"
                                              << ",5";
  QTest::newRow("rounding carries into the integer") << "1234,995"
                                                     << "1.235,";
  QTest::newRow("rounding carries into a new group") << "999,999"
                                                     << "1.000,";
  QTest::newRow("trailing decimal zeros dropped") << "1234,50"
                                                  << "1.234,5";
  QTest::newRow("rounds on the typed digits") << "1,005"
                                              << "1,01";
  QTest::newRow("half cent of zero") << "0,005"
                                     << ",01";
  QTest::newRow("below half a cent") << "0,004"
                                     << ",";
  QTest::newRow("money text of zero") << "€ 0,00"
                                      << ",";
  QTest::newRow("money text") << "€ 1.234,50"
                              << "1.234,5";
  QTest::newRow("negative money text") << "€ -1.234,50"
                                       << "-1.234,5";
  QTest::newRow("negative rounding to zero") << "-0,001"
                                             << ",";
  QTest::newRow("misplaced full stops") << "12.34"
                                        << "1.234";
  QTest::newRow("leading full stop") << ".234"
                                     << "234";
  QTest::newRow("full stop before the comma") << "1.,5"
                                              << "1,5";
  QTest::newRow("leading zeros") << "000123"
                                 << "123";
  QTest::newRow("trailing blank") << "1234,5 "
                                  << "1.234,5";
  QTest::newRow("beyond the digits of a double") << "1234567890123456789012"
                                                 << "1.234.567.890.123.456.789.012";
}

void NumberTextTest::regroupingWritesTheTypingForm() {
  QFETCH(QString, typed);
  QFETCH(QString, regrouped);
  QCOMPARE(RegroupTyping(typed), regrouped);
}

void NumberTextTest::regroupingOfANonNumericTextIsEmpty_data() {
  QTest::addColumn<QString>("typed");
  QTest::newRow("empty") << "";
  QTest::newRow("lone comma") << ",";
  QTest::newRow("word") << "abcd";
  QTest::newRow("two commas") << "1,2,3";
  QTest::newRow("overflowing digits") << Repeated('9', 400);
}

void NumberTextTest::regroupingOfANonNumericTextIsEmpty() {
  QFETCH(QString, typed);
  QCOMPARE(RegroupTyping(typed), QString());
}

void NumberTextTest::regroupingKeepsTheValueOfATypedAmount() {
  QRandomGenerator random(99);
  for (int i = 0; i < 100000; ++i) {
    const qint64 limit = qint64(1) << random.bounded(1, 50);
    const QString typed = TypedForm(random.bounded(limit));
    const QString regrouped = RegroupTyping(typed);
    const auto before = ReadNumber(typed);
    const auto after = ReadNumber(regrouped);
    const bool zero = before && *before == 0 && regrouped.isEmpty();
    if (!zero && (!before || !after || *before != *after)) {
      QFAIL(qPrintable(typed + " gave " + regrouped));
    }
  }
}

void NumberTextTest::yearsReadAsTyped_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<double>("years");
  QTest::newRow("whole") << "12" << 12.0;
  QTest::newRow("leading zero") << "05" << 5.0;
  QTest::newRow("blanks around") << " 5 " << 5.0;
  QTest::newRow("decimal comma") << "2,5" << 2.5;
  QTest::newRow("zero decimals") << "5,0" << 5.0;
}

void NumberTextTest::yearsReadAsTyped() {
  QFETCH(QString, text);
  QFETCH(double, years);
  QCOMPARE(ReadYears(text), std::optional<double>(years));
}

void NumberTextTest::yearsWithAFullStopAreNoNumber_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("1.5") << "1.5";
  QTest::newRow("3.0") << "3.0";
  QTest::newRow("a group of thousands") << "1.000";
  QTest::newRow("a trailing full stop") << "20.";
  QTest::newRow("a word") << "dieci";
  QTest::newRow("empty") << "";
}

void NumberTextTest::yearsWithAFullStopAreNoNumber() {
  QFETCH(QString, text);
  QCOMPARE(ReadYears(text), std::optional<double>());
}

void NumberTextTest::contaPuntiCountsFullStops_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("count");
  QTest::newRow("empty") << "" << 0;
  QTest::newRow("no full stop") << "1234,5" << 0;
  QTest::newRow("one group") << "1.234" << 1;
  QTest::newRow("two groups") << "1.234.567" << 2;
  QTest::newRow("money text") << "€ 1.234.567,50" << 2;
  QTest::newRow("only full stops") << "..." << 3;
}

void NumberTextTest::contaPuntiCountsFullStops() {
  QFETCH(QString, text);
  QFETCH(int, count);
  QCOMPARE(int(ContaPunti(text)), count);
}

void NumberTextTest::contaPuntiSaturatesAtTheSixteenBitLimit() {
  QCOMPARE(ContaPunti(Repeated('.', 40000)), qint16(32767));
}

void NumberTextTest::scaledWritesWholeUnitsWithADecimalComma_data() {
  QTest::addColumn<qint64>("value");
  QTest::addColumn<int>("scale");
  QTest::addColumn<int>("places");
  QTest::addColumn<QString>("text");
  QTest::newRow("whole rate") << qint64(500) << 2 << -1 << "5";
  QTest::newRow("trailing zero dropped") << qint64(3175) << 1 << -1 << "317,5";
  QTest::newRow("zeros inside kept") << qint64(250) << 2 << -1 << "2,5";
  QTest::newRow("leading zero of the fraction") << qint64(5) << 2 << -1 << "0,05";
  QTest::newRow("share at four places") << qint64(2500) << 4 << 4 << "0,2500";
  QTest::newRow("cut, not rounded") << qint64(123456) << 4 << 2 << "12,34";
  QTest::newRow("no places") << qint64(199) << 2 << 0 << "1";
  QTest::newRow("scale zero") << qint64(95) << 0 << -1 << "95";
}

void NumberTextTest::scaledWritesWholeUnitsWithADecimalComma() {
  QFETCH(qint64, value);
  QFETCH(int, scale);
  QFETCH(int, places);
  QFETCH(QString, text);
  QCOMPARE(Scaled(value, scale, places), text);
}

void NumberTextTest::megabyteTextsAreReadWhole() {
  const qsizetype megabyte = 1 << 20;
  const QString nines = Repeated('9', megabyte);
  const QString zeros = Repeated('0', megabyte);
  const QString longDecimals = "1," + Repeated('4', megabyte) + "9";
  const QString grouped = QString("123.").repeated(megabyte / 4) + "5";
  // No bound on the clock, which a busy machine would break: a reading that went
  // back over the text at each character would take many minutes on a megabyte
  // and run into the test's time limit.
  QVERIFY(!IsNumeric(nines));
  QVERIFY(IsNumeric(zeros));
  const auto decimalsValue = ReadNumber(longDecimals);
  QVERIFY(decimalsValue && std::fabs(*decimalsValue - (1 + 4.0 / 9)) < 1e-15);
  QVERIFY(!IsNumeric(grouped));
  QCOMPARE(RegroupTyping(nines), QString());
  QCOMPARE(RegroupTyping(zeros), QString());
  QCOMPARE(RegroupTyping(longDecimals), QString("1,44"));
  QCOMPARE(RegroupTyping(zeros + ",5"), QString(",5"));
  QCOMPARE(ContaPunti(grouped), qint16(32767));
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
