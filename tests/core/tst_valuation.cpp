#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/rates_by_date.h"
#include "core/valuation.h"

using namespace velmora;

namespace {

// The shortest text that reads back as the same double: an exact comparison
// that still shows the figures when it fails.
QString exact(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return QString::fromLatin1(text, result.ptr - text);
}

const std::vector<RigaVitalizio>& Vitalizio() {
  return TabellaVitalizio2016().Righe();
}
const std::vector<RigaTempoDeterminato>& TempoDeterminato() {
  return TabellaTempoDeterminato2016().Righe();
}

double Value(const Decimal& d) {
  return d.ToDouble().value_or(std::numeric_limits<double>::quiet_NaN());
}

// The rounding of a product as a double: infinity and NaN, and what leaves
// the double range, come back as they were.
double Rounded(double product) {
  const std::optional<Decimal> d = RoundUsufruct(product);
  return d ? d->ToDouble().value_or(product) : product;
}

// "99,80%" or "5%" as hundredths of a percent.
int hundredthsOfPercent(QString text) {
  if (!text.endsWith(QLatin1Char('%'))) return -1;
  text.chop(1);
  const QStringList parts = text.split(QLatin1Char(','));
  bool okWhole = false;
  int value = parts[0].toInt(&okWhole) * 100;
  if (!okWhole || parts.size() > 2) return -1;
  if (parts.size() == 2) {
    bool okDecimals = false;
    if (parts[1].size() != 2) return -1;
    value += parts[1].toInt(&okDecimals);
    if (!okDecimals) return -1;
  }
  return value;
}

// Amounts stay below 1e12, where a double holds every cent well apart.
qint64 cents(double amount) {
  return std::llround(amount * 100);
}

// Half-even division of a non-negative integer, for an exact reference.
qint64 divideHalfEven(qint64 numerator, qint64 denominator) {
  const qint64 quotient = numerator / denominator;
  const qint64 twiceRemainder = 2 * (numerator % denominator);
  if (twiceRemainder > denominator) return quotient + 1;
  if (twiceRemainder == denominator) return quotient + (quotient % 2);
  return quotient;
}

// ---- An exact reference, independent of the engine under test ----

// A non-negative number as decimal digits times 10^-scale.
struct Exact {
  std::string digits = "0";  // no leading zeros
  int scale = 0;
};

// Multiplies a decimal digit string (most significant first) by a small factor.
std::string Times(const std::string& digits, int factor) {
  std::string out(digits.size() + 2, '0');
  int carry = 0;
  for (std::size_t i = digits.size(); i-- > 0;) {
    const int d = (digits[i] - '0') * factor + carry;
    out[i + 2] = char('0' + d % 10);
    carry = d / 10;
  }
  out[1] = char('0' + carry % 10);
  out[0] = char('0' + carry / 10);
  const auto first = out.find_first_not_of('0');
  return first == std::string::npos ? "0" : out.substr(first);
}

// Every digit of a non-negative double: mantissa times 2^exponent, that is
// mantissa times 5^-exponent over 10^-exponent.
Exact ExactOf(double value) {
  int exponent = 0;
  const double fraction = std::frexp(value, &exponent);
  std::uint64_t mantissa = std::uint64_t(std::ldexp(fraction, 53));
  exponent -= 53;
  Exact e;
  e.digits = std::to_string(mantissa);
  for (; exponent > 0; --exponent) e.digits = Times(e.digits, 2);
  for (; exponent < 0; ++exponent) {
    e.digits = Times(e.digits, 5);
    ++e.scale;
  }
  return e;
}

// Keeps `keep` leading digits; the rest decide the rounding.
Exact Round(Exact e, int keep, bool halfEven) {
  const int drop = int(e.digits.size()) - keep;
  if (drop <= 0) return e;
  if (keep < 0) return Exact{"0", e.scale - drop};
  const std::string tail = e.digits.substr(std::size_t(keep));
  std::string head = keep > 0 ? e.digits.substr(0, std::size_t(keep)) : "0";
  const bool half = tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos;
  bool up = tail[0] > '5' || (tail[0] == '5' && !half);
  if (half) up = !halfEven || (head.back() - '0') % 2 == 1;
  if (up) {
    std::size_t i = head.size();
    while (i > 0 && head[i - 1] == '9') head[--i] = '0';
    if (i == 0) {
      head.insert(head.begin(), '1');
    } else {
      ++head[i - 1];
    }
  }
  return Exact{head, e.scale - drop};
}

// Whole cents of a number with at most two decimals.
qint64 Cents(const Exact& e) {
  qint64 n = std::stoll(e.digits);
  for (int s = e.scale; s < 2; ++s) n *= 10;
  for (int s = e.scale; s > 2; --s) n /= 10;  // only zeros are dropped here
  return n;
}

// The rule: 15 significant digits of the product's exact value, a half away
// from zero; then to the cent, a half to the even cent. Also tells whether
// the first step met an exact half.
qint64 ReferenceUsufruct(double product, bool* tie) {
  const Exact exact = ExactOf(product);
  const int significant = exact.digits == "0" ? 0 : int(exact.digits.size());
  *tie = significant > 15 && exact.digits[15] == '5' &&
         exact.digits.find_first_not_of('0', 16) == std::string::npos;
  Exact fifteen = Round(exact, 15, false);
  const int integerDigits = int(fifteen.digits.size()) - fifteen.scale;
  return Cents(Round(fifteen, integerDigits + 2, true));
}

// The full value as its money text shows it: the shortest digits of the
// double, to the cent, a half away from zero.
qint64 ReferenceFullValue(double full) {
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, full, std::chars_format::fixed);
  std::string all(text, written.ptr);
  Exact e;
  const auto point = all.find('.');
  if (point != std::string::npos) {
    e.scale = int(all.size() - point - 1);
    all.erase(point, 1);
  }
  const auto first = all.find_first_not_of('0');
  e.digits = first == std::string::npos ? "0" : all.substr(first);
  if (e.scale <= 2) return Cents(e);
  return Cents(Round(e, int(e.digits.size()) - (e.scale - 2), false));
}

// "€ 1.234.567,89".
QString Money(qint64 cents) {
  QString integer = QString::number(cents / 100);
  for (qsizetype i = integer.size() - 3; i > 0; i -= 3) integer.insert(i, u'.');
  return QStringLiteral("€ ") + integer + u',' +
         QString::number(cents % 100).rightJustified(2, u'0');
}

}  // namespace

class TestValuation : public QObject {
  Q_OBJECT

 private slots:
  void fixedTermRowFollowsTheDiscountingRule_data();
  void fixedTermRowFollowsTheDiscountingRule();
  void lifetimeRowTakesFivePointsFromTheBandBefore_data();
  void lifetimeRowTakesFivePointsFromTheBandBefore();
  void percentageTextsOfARowAddUpToOneHundred_data();
  void percentageTextsOfARowAddUpToOneHundred();

  void ageFallsInItsBand_data();
  void ageFallsInItsBand();
  void ageBelowZeroFindsNoBand_data();
  void ageBelowZeroFindsNoBand();
  void wholeDurationFindsItsRow_data();
  void wholeDurationFindsItsRow();
  void durationOutsideOneToThirtyYearsFindsNoRow_data();
  void durationOutsideOneToThirtyYearsFindsNoRow();

  void lifetimeValuationGivesTheWorkedFigures_data();
  void lifetimeValuationGivesTheWorkedFigures();
  void fixedTermValuationGivesTheWorkedFigures_data();
  void fixedTermValuationGivesTheWorkedFigures();

  void usufructRoundsToTheCentWithHalvesToEven_data();
  void usufructRoundsToTheCentWithHalvesToEven();
  void extremeProductComesBackWithoutFault_data();
  void extremeProductComesBackWithoutFault();

  void usufructAndBareOwnershipRebuildTheFullValueInCents_data();
  void usufructAndBareOwnershipRebuildTheFullValueInCents();

  void agreesWithAnExactReferenceUpTo1e15_data();
  void agreesWithAnExactReferenceUpTo1e15();
  void tiesAtTheFifteenthDigitGoAwayFromZero_data();
  void tiesAtTheFifteenthDigitGoAwayFromZero();
};

void TestValuation::fixedTermRowFollowsTheDiscountingRule_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < int(TempoDeterminato().size()); ++i) QTest::addRow("%d anni", i + 1) << i;
}

void TestValuation::fixedTermRowFollowsTheDiscountingRule() {
  QFETCH(int, index);
  const RigaTempoDeterminato& row = TempoDeterminato()[index];
  QCOMPARE(row.years, index + 1);
  const double rule = 1 - std::pow(1.002, -row.years);
  QCOMPARE(QString::number(row.factor, 'f', 4), QString::number(rule, 'f', 4));
  // The factor is a four-decimal constant, not the raw discounted figure.
  QCOMPARE(exact(row.factor), exact(QString::number(rule, 'f', 4).toDouble()));
  const QString percent = QString::number(row.factor * 100, 'f', 2).replace('.', ',') + '%';
  QCOMPARE(row.percUsufrutto, percent);
}

void TestValuation::lifetimeRowTakesFivePointsFromTheBandBefore_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < int(Vitalizio().size()); ++i)
    QTest::addRow("%d-%d anni", Vitalizio()[i].ageFrom, Vitalizio()[i].ageTo) << i;
}

void TestValuation::lifetimeRowTakesFivePointsFromTheBandBefore() {
  QFETCH(int, index);
  const RigaVitalizio& row = Vitalizio()[index];
  const int expectedPercent = index < 18 ? 95 - 5 * index : 0;
  QCOMPARE(hundredthsOfPercent(row.percUsufrutto), expectedPercent * 100);
  if (index < 18) {
    QVERIFY(row.share.has_value());
    // Coefficient 475 down by 25 a band, times the legal rate of 0.2 %.
    const double fromCoefficient = (475 - 25 * index) * 0.002;
    QCOMPARE(exact(*row.share), exact(QString::number(fromCoefficient, 'f', 2).toDouble()));
  } else {
    QVERIFY(!row.share.has_value());
  }
  if (index == 0) {
    QCOMPARE(row.ageFrom, 0);
  } else {
    QCOMPARE(row.ageFrom, Vitalizio()[index - 1].ageTo + 1);
  }
}

void TestValuation::percentageTextsOfARowAddUpToOneHundred_data() {
  QTest::addColumn<QString>("usufrutto");
  QTest::addColumn<QString>("nudaProprieta");
  for (const RigaVitalizio& row : Vitalizio())
    QTest::addRow("vitalizio %d-%d", row.ageFrom, row.ageTo)
        << row.percUsufrutto << row.percNudaProprieta;
  for (const RigaTempoDeterminato& row : TempoDeterminato())
    QTest::addRow("durata %d anni", row.years) << row.percUsufrutto << row.percNudaProprieta;
}

void TestValuation::percentageTextsOfARowAddUpToOneHundred() {
  QFETCH(QString, usufrutto);
  QFETCH(QString, nudaProprieta);
  const int first = hundredthsOfPercent(usufrutto);
  const int second = hundredthsOfPercent(nudaProprieta);
  QVERIFY2(first >= 0, qPrintable(usufrutto));
  QVERIFY2(second >= 0, qPrintable(nudaProprieta));
  QCOMPARE(first + second, 10000);
}

void TestValuation::ageFallsInItsBand_data() {
  QTest::addColumn<int>("age");
  QTest::addColumn<QString>("percUsufrutto");
  QTest::addColumn<QString>("percNudaProprieta");
  QTest::addColumn<double>("usufrutto");  // on a full value of 100000

  struct Limit {
    int below, above;
    const char *percBelow, *percAbove;
  };
  const Limit limits[] = {
      {20, 21, "95%", "90%"}, {30, 31, "90%", "85%"}, {40, 41, "85%", "80%"},
      {45, 46, "80%", "75%"}, {50, 51, "75%", "70%"}, {53, 54, "70%", "65%"},
      {56, 57, "65%", "60%"}, {60, 61, "60%", "55%"}, {63, 64, "55%", "50%"},
      {66, 67, "50%", "45%"}, {69, 70, "45%", "40%"}, {72, 73, "40%", "35%"},
      {75, 76, "35%", "30%"}, {78, 79, "30%", "25%"}, {82, 83, "25%", "20%"},
      {86, 87, "20%", "15%"}, {92, 93, "15%", "10%"},
  };
  auto add = [](int age, const char* perc) {
    const int percent = QString::fromLatin1(perc).chopped(1).toInt();
    QTest::addRow("%d anni", age) << age << QString::fromLatin1(perc)
                                  << QString("%1%").arg(100 - percent) << percent * 1000.0;
  };
  add(0, "95%");
  for (const Limit& limit : limits) {
    add(limit.below, limit.percBelow);
    add(limit.above, limit.percAbove);
  }
  add(99, "10%");
  add(100, "0%");
  add(120, "0%");
  add(std::numeric_limits<qint16>::max(), "0%");
}

void TestValuation::ageFallsInItsBand() {
  QFETCH(int, age);
  QFETCH(QString, percUsufrutto);
  QFETCH(QString, percNudaProprieta);
  QFETCH(double, usufrutto);

  const RigaVitalizio* row = TabellaVitalizio2016().RigaPerEta(age);
  QVERIFY(row != nullptr);
  QVERIFY(row->ageFrom <= age && age <= row->ageTo);

  const auto result = ValutaVitalizio(100000, age, TabellaVitalizio2016());
  QVERIFY(result.has_value());
  QCOMPARE(result->percUsufrutto, percUsufrutto);
  QCOMPARE(result->percNudaProprieta, percNudaProprieta);
  QCOMPARE(exact(Value(result->usufrutto)), exact(usufrutto));
  QCOMPARE(exact(Value(result->nudaProprieta)), exact(100000 - usufrutto));
}

void TestValuation::ageBelowZeroFindsNoBand_data() {
  QTest::addColumn<int>("age");
  QTest::newRow("un giorno prima della nascita") << -1;
  QTest::newRow("molti anni prima") << -80;
  QTest::newRow("minimo a 16 bit") << int(std::numeric_limits<qint16>::min());
}

void TestValuation::ageBelowZeroFindsNoBand() {
  QFETCH(int, age);
  QCOMPARE(TabellaVitalizio2016().RigaPerEta(age), nullptr);
  QVERIFY(!ValutaVitalizio(100000, age, TabellaVitalizio2016()).has_value());
}

void TestValuation::wholeDurationFindsItsRow_data() {
  QTest::addColumn<double>("years");
  QTest::addColumn<int>("row");
  QTest::newRow("1") << 1.0 << 1;
  QTest::newRow("5") << 5.0 << 5;
  QTest::newRow("5 letto da 5,0") << QString("5.0").toDouble() << 5;
  QTest::newRow("12") << 12.0 << 12;
  QTest::newRow("30") << 30.0 << 30;
}

void TestValuation::wholeDurationFindsItsRow() {
  QFETCH(double, years);
  QFETCH(int, row);
  const RigaTempoDeterminato* found = TabellaTempoDeterminato2016().RigaPerDurata(years);
  QVERIFY(found != nullptr);
  QCOMPARE(found->years, row);
}

void TestValuation::durationOutsideOneToThirtyYearsFindsNoRow_data() {
  QTest::addColumn<double>("years");
  QTest::newRow("0") << 0.0;
  QTest::newRow("-1") << -1.0;
  QTest::newRow("2,5") << 2.5;
  QTest::newRow("appena sopra 1") << std::nextafter(1.0, 2.0);
  QTest::newRow("appena sotto 30") << std::nextafter(30.0, 0.0);
  QTest::newRow("30,5") << 30.5;
  QTest::newRow("31") << 31.0;
  QTest::newRow("100") << 100.0;
  QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
  QTest::newRow("infinito") << std::numeric_limits<double>::infinity();
}

void TestValuation::durationOutsideOneToThirtyYearsFindsNoRow() {
  QFETCH(double, years);
  QCOMPARE(TabellaTempoDeterminato2016().RigaPerDurata(years), nullptr);
  QVERIFY(!ValutaTempoDeterminato(100000, years, TabellaTempoDeterminato2016()).has_value());
}

void TestValuation::lifetimeValuationGivesTheWorkedFigures_data() {
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<int>("age");
  QTest::addColumn<double>("usufrutto");
  QTest::addColumn<double>("nudaProprieta");
  QTest::addColumn<QString>("percUsufrutto");
  QTest::addColumn<QString>("percNudaProprieta");
  QTest::newRow("100.000 a 80 anni")
      << 100000.0 << 80 << 25000.0 << 75000.0 << QString("25%") << QString("75%");
  QTest::newRow("0,25 al 50%: la metà va al centesimo pari")
      << 0.25 << 65 << 0.12 << 0.13 << QString("50%") << QString("50%");
  QTest::newRow("1.234,57 all'80%")
      << 1234.57 << 42 << 987.66 << 246.91 << QString("80%") << QString("20%");
  QTest::newRow("zero") << 0.0 << 30 << 0.0 << 0.0 << QString("90%") << QString("10%");
  QTest::newRow("100 anni: tutto alla nuda proprietà")
      << 1234.56 << 100 << 0.0 << 1234.56 << QString("0%") << QString("100%");
}

void TestValuation::lifetimeValuationGivesTheWorkedFigures() {
  QFETCH(double, fullValue);
  QFETCH(int, age);
  QFETCH(double, usufrutto);
  QFETCH(double, nudaProprieta);
  QFETCH(QString, percUsufrutto);
  QFETCH(QString, percNudaProprieta);
  const auto result = ValutaVitalizio(fullValue, age, TabellaVitalizio2016());
  QVERIFY(result.has_value());
  QCOMPARE(exact(Value(result->usufrutto)), exact(usufrutto));
  QCOMPARE(exact(Value(result->nudaProprieta)), exact(nudaProprieta));
  QCOMPARE(result->percUsufrutto, percUsufrutto);
  QCOMPARE(result->percNudaProprieta, percNudaProprieta);
}

void TestValuation::fixedTermValuationGivesTheWorkedFigures_data() {
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<double>("years");
  QTest::addColumn<double>("usufrutto");
  QTest::addColumn<double>("nudaProprieta");
  QTest::addColumn<QString>("percUsufrutto");
  QTest::addColumn<QString>("percNudaProprieta");
  QTest::newRow("1.234,56 per 12 anni")
      << 1234.56 << 12.0 << 29.26 << 1205.3 << QString("2,37%") << QString("97,63%");
  QTest::newRow("1.062,50 per 1 anno: 2,125 va a 2,12")
      << 1062.5 << 1.0 << 2.12 << 1060.38 << QString("0,20%") << QString("99,80%");
  QTest::newRow("100.000 per 1 anno")
      << 100000.0 << 1.0 << 200.0 << 99800.0 << QString("0,20%") << QString("99,80%");
  QTest::newRow("100.000 per 30 anni")
      << 100000.0 << 30.0 << 5820.0 << 94180.0 << QString("5,82%") << QString("94,18%");
  QTest::newRow("zero per 10 anni")
      << 0.0 << 10.0 << 0.0 << 0.0 << QString("1,98%") << QString("98,02%");
}

void TestValuation::fixedTermValuationGivesTheWorkedFigures() {
  QFETCH(double, fullValue);
  QFETCH(double, years);
  QFETCH(double, usufrutto);
  QFETCH(double, nudaProprieta);
  QFETCH(QString, percUsufrutto);
  QFETCH(QString, percNudaProprieta);
  const auto result = ValutaTempoDeterminato(fullValue, years, TabellaTempoDeterminato2016());
  QVERIFY(result.has_value());
  QCOMPARE(exact(Value(result->usufrutto)), exact(usufrutto));
  QCOMPARE(exact(Value(result->nudaProprieta)), exact(nudaProprieta));
  QCOMPARE(result->percUsufrutto, percUsufrutto);
  QCOMPARE(result->percNudaProprieta, percNudaProprieta);
}

void TestValuation::usufructRoundsToTheCentWithHalvesToEven_data() {
  QTest::addColumn<double>("product");
  QTest::addColumn<double>("rounded");
  QTest::newRow("2,125 al pari in giù") << 2.125 << 2.12;
  QTest::newRow("0,125 al pari in giù") << 0.125 << 0.12;
  QTest::newRow("0,135 al pari in su") << 0.135 << 0.14;
  QTest::newRow("987,656") << 987.656 << 987.66;
  QTest::newRow("29,259072") << 29.259072 << 29.26;
  // Binary just below the half, yet a half in 15 digits.
  QTest::newRow("1,015 (binario sotto la metà)") << 1.015 << 1.02;
  QTest::newRow("2,675 (binario sotto la metà)") << 2.675 << 2.68;
  QTest::newRow("0,285 (binario sotto la metà)") << 0.285 << 0.28;
  // Binary just above the half, still a half in 15 digits.
  QTest::newRow("0,12500000000000003") << 0.12500000000000003 << 0.12;
  QTest::newRow("sopra la metà nella quindicesima cifra") << 0.125000000000001 << 0.13;
  QTest::newRow("sotto la metà nella quindicesima cifra") << 0.134999999999999 << 0.13;
  QTest::newRow("riporto fino alle migliaia") << 9999.995 << 10000.0;
  QTest::newRow("mezzo centesimo al pari zero") << 0.005 << 0.0;
  QTest::newRow("un centesimo e mezzo") << 0.015 << 0.02;
  QTest::newRow("poco sopra mezzo centesimo") << 0.0051 << 0.01;
  QTest::newRow("sotto il millesimo") << 0.0009 << 0.0;
  QTest::newRow("zero") << 0.0 << 0.0;
  QTest::newRow("negativo al pari") << -2.125 << -2.12;
  QTest::newRow("negativo dispari") << -0.135 << -0.14;
  QTest::newRow("negativo verso zero") << -0.004 << 0.0;
  QTest::newRow("già al centesimo") << 1205.3 << 1205.3;
  QTest::newRow("dodici cifre intere") << 123456789012.345 << 123456789012.34;
  QTest::newRow("quindici cifre intere") << 123456789012345.67 << 123456789012346.0;
}

void TestValuation::usufructRoundsToTheCentWithHalvesToEven() {
  QFETCH(double, product);
  QFETCH(double, rounded);
  QCOMPARE(exact(Rounded(product)), exact(rounded));
}

void TestValuation::extremeProductComesBackWithoutFault_data() {
  QTest::addColumn<double>("product");
  QTest::addColumn<double>("expected");
  const double huge = std::numeric_limits<double>::max();
  const double inf = std::numeric_limits<double>::infinity();
  QTest::newRow("1e300") << 1e300 << 1e300;
  QTest::newRow("-1e300") << -1e300 << -1e300;
  QTest::newRow("massimo double") << huge << huge;
  QTest::newRow("infinito") << inf << inf;
  QTest::newRow("meno infinito") << -inf << -inf;
  QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN()
                       << std::numeric_limits<double>::quiet_NaN();
  QTest::newRow("denormale") << std::numeric_limits<double>::denorm_min() << 0.0;
  QTest::newRow("1e-300 negativo") << -1e-300 << 0.0;
}

void TestValuation::extremeProductComesBackWithoutFault() {
  QFETCH(double, product);
  QFETCH(double, expected);
  QCOMPARE(exact(Rounded(product)), exact(expected));
}

void TestValuation::usufructAndBareOwnershipRebuildTheFullValueInCents_data() {
  QTest::addColumn<bool>("lifetime");
  QTest::addColumn<int>("ageOrYears");
  for (const RigaVitalizio& row : Vitalizio())
    QTest::addRow("vitalizio da %d anni", row.ageFrom) << true << row.ageFrom;
  for (const RigaTempoDeterminato& row : TempoDeterminato())
    QTest::addRow("durata %d anni", row.years) << false << row.years;
}

void TestValuation::usufructAndBareOwnershipRebuildTheFullValueInCents() {
  QFETCH(bool, lifetime);
  QFETCH(int, ageOrYears);

  // Over a million amounts across all rows and durations.
  const int rows = int(Vitalizio().size() + TempoDeterminato().size());
  const int total = 1000000;
  const int perRow = (total + rows - 1) / rows;

  double share = 0;
  if (lifetime) {
    share = TabellaVitalizio2016().RigaPerEta(ageOrYears)->share.value_or(0.0);
  } else {
    share = TabellaTempoDeterminato2016().RigaPerDurata(ageOrYears)->factor;
  }
  const qint64 shareTenThousandths = std::llround(share * 10000);

  std::mt19937_64 random(20160101u + quint64(ageOrYears) * 2 + (lifetime ? 1 : 0));
  std::uniform_int_distribution<int> digitCount(1, 14);
  for (int i = 0; i < perRow; ++i) {
    // Every magnitude from a cent to just under 1e12 equally often.
    const int digits = digitCount(random);
    qint64 low = 1;
    for (int d = 1; d < digits; ++d) low *= 10;
    const qint64 fullCents =
        i == 0 ? 0 : std::uniform_int_distribution<qint64>(low, low * 10 - 1)(random);
    const double fullValue = QByteArray::number(fullCents).append("e-2").toDouble();

    const auto result =
        lifetime ? ValutaVitalizio(fullValue, ageOrYears, TabellaVitalizio2016())
                 : ValutaTempoDeterminato(fullValue, ageOrYears, TabellaTempoDeterminato2016());
    QVERIFY(result.has_value());
    const qint64 usufruttoCents = cents(Value(result->usufrutto));
    if (Value(result->usufrutto) != double(usufruttoCents) / 100 ||
        usufruttoCents + cents(Value(result->nudaProprieta)) != fullCents) {
      QFAIL(qPrintable(QString("importo %1: usufrutto %2, nuda proprietà %3")
                           .arg(exact(fullValue), exact(Value(result->usufrutto)),
                                exact(Value(result->nudaProprieta)))));
    }
    // Up to 15 digits the exact decimal product is what gets rounded.
    if (fullCents < 100000000000) {
      const qint64 expected = divideHalfEven(fullCents * shareTenThousandths, 10000);
      if (usufruttoCents != expected) {
        QFAIL(qPrintable(QString("importo %1: usufrutto %2, atteso %3 centesimi")
                             .arg(exact(fullValue), exact(Value(result->usufrutto)))
                             .arg(expected)));
      }
    }
  }
}

void TestValuation::agreesWithAnExactReferenceUpTo1e15_data() {
  QTest::addColumn<bool>("lifetime");
  QTest::newRow("vitalizio") << true;
  QTest::newRow("tempo determinato") << false;
}

void TestValuation::agreesWithAnExactReferenceUpTo1e15() {
  QFETCH(bool, lifetime);
  std::mt19937_64 random(lifetime ? 1946u : 2016u);
  // Every magnitude from a cent to a thousand million million euro alike,
  // and every band or duration.
  std::uniform_int_distribution<int> digitCount(1, 17);
  int ties = 0;
  for (int i = 0; i < 60000; ++i) {
    const int digits = digitCount(random);
    qint64 low = 1;
    for (int d = 1; d < digits; ++d) low *= 10;
    const qint64 fullCents = std::uniform_int_distribution<qint64>(low, low * 10 - 1)(random);
    const double full = QByteArray::number(fullCents).append("e-2").toDouble();

    const int k = int(i % (lifetime ? Vitalizio().size() : TempoDeterminato().size()));
    std::optional<double> share;
    std::optional<RecordValutazione> v;
    if (lifetime) {
      share = Vitalizio()[std::size_t(k)].share;
      v = ValutaVitalizio(full, Vitalizio()[std::size_t(k)].ageFrom, TabellaVitalizio2016());
    } else {
      share = TempoDeterminato()[std::size_t(k)].factor;
      v = ValutaTempoDeterminato(full, k + 1, TabellaTempoDeterminato2016());
    }
    QVERIFY(v.has_value());

    bool tie = false;
    const qint64 usufruct = share ? ReferenceUsufruct(full * *share, &tie) : 0;
    ties += tie ? 1 : 0;
    const qint64 bare = ReferenceFullValue(full) - usufruct;
    if (v->UsufruttoTesto() != Money(usufruct) || v->NudaProprietaTesto() != Money(bare)) {
      QFAIL(qPrintable(QString("%1 x %2: %3 / %4, atteso %5 / %6")
                           .arg(exact(full), exact(share.value_or(0)), v->UsufruttoTesto(),
                                v->NudaProprietaTesto(), Money(usufruct), Money(bare))));
    }
  }
  // The random amounts meet exact halves at the fifteenth digit too.
  QVERIFY2(ties > 0, "no tie at the fifteenth digit was met");
}

void TestValuation::tiesAtTheFifteenthDigitGoAwayFromZero_data() {
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<QString>("usufrutto");
  QTest::addColumn<QString>("nudaProprieta");
  // At 50 % the product is exact: a half at the fifteenth digit goes up,
  // whether the digit before it is even or odd.
  QTest::newRow("12.345.678.901.234,75 al 50%: pari")
      << 24691357802469.5 << "€ 12.345.678.901.234,80"
      << "€ 12.345.678.901.234,70";
  QTest::newRow("12.345.678.901.234,25 al 50%: dispari")
      << 24691357802468.5 << "€ 12.345.678.901.234,30"
      << "€ 12.345.678.901.234,20";
  QTest::newRow("123.456.789.012.344,5 al 50%") << 246913578024689.0 << "€ 123.456.789.012.345,00"
                                                << "€ 123.456.789.012.344,00";
}

void TestValuation::tiesAtTheFifteenthDigitGoAwayFromZero() {
  QFETCH(double, fullValue);
  QFETCH(QString, usufrutto);
  QFETCH(QString, nudaProprieta);
  const auto v = ValutaVitalizio(fullValue, 65, TabellaVitalizio2016());
  QVERIFY(v.has_value());
  QCOMPARE(v->UsufruttoTesto(), usufrutto);
  QCOMPARE(v->NudaProprietaTesto(), nudaProprieta);
}

QTEST_GUILESS_MAIN(TestValuation)
#include "tst_valuation.moc"
