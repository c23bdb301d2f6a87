#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "valuation/tables.h"
#include "valuation/valutazione.h"

using namespace velmora;

namespace {

// The shortest text that reads back as the same double: an exact comparison
// that still shows the figures when it fails.
QString exact(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return QString::fromLatin1(text, result.ptr - text);
}

// "99,80%" or "5%" as hundredths of a percent.
int hundredthsOfPercent(const char* utf8) {
  QString text = QString::fromUtf8(utf8);
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

}  // namespace

class TestValutazione : public QObject {
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
};

void TestValutazione::fixedTermRowFollowsTheDiscountingRule_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < int(TabellaTempoDeterminato.size()); ++i)
    QTest::addRow("%d anni", i + 1) << i;
}

void TestValutazione::fixedTermRowFollowsTheDiscountingRule() {
  QFETCH(int, index);
  const RigaTempoDeterminato& row = TabellaTempoDeterminato[index];
  QCOMPARE(row.years, index + 1);
  const double rule = 1 - std::pow(1.002, -row.years);
  QCOMPARE(QString::number(row.factor, 'f', 4), QString::number(rule, 'f', 4));
  // The factor is a four-decimal constant, not the raw discounted figure.
  QCOMPARE(exact(row.factor), exact(QString::number(rule, 'f', 4).toDouble()));
  const QString percent = QString::number(row.factor * 100, 'f', 2).replace('.', ',') + '%';
  QCOMPARE(QString::fromUtf8(row.percUsufrutto), percent);
}

void TestValutazione::lifetimeRowTakesFivePointsFromTheBandBefore_data() {
  QTest::addColumn<int>("index");
  for (int i = 0; i < int(TabellaVitalizio.size()); ++i)
    QTest::addRow("%d-%d anni", TabellaVitalizio[i].ageFrom, TabellaVitalizio[i].ageTo) << i;
}

void TestValutazione::lifetimeRowTakesFivePointsFromTheBandBefore() {
  QFETCH(int, index);
  const RigaVitalizio& row = TabellaVitalizio[index];
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
    QCOMPARE(row.ageFrom, TabellaVitalizio[index - 1].ageTo + 1);
  }
}

void TestValutazione::percentageTextsOfARowAddUpToOneHundred_data() {
  QTest::addColumn<QByteArray>("usufrutto");
  QTest::addColumn<QByteArray>("nudaProprieta");
  for (const RigaVitalizio& row : TabellaVitalizio)
    QTest::addRow("vitalizio %d-%d", row.ageFrom, row.ageTo)
        << QByteArray(row.percUsufrutto) << QByteArray(row.percNudaProprieta);
  for (const RigaTempoDeterminato& row : TabellaTempoDeterminato)
    QTest::addRow("durata %d anni", row.years)
        << QByteArray(row.percUsufrutto) << QByteArray(row.percNudaProprieta);
}

void TestValutazione::percentageTextsOfARowAddUpToOneHundred() {
  QFETCH(QByteArray, usufrutto);
  QFETCH(QByteArray, nudaProprieta);
  const int first = hundredthsOfPercent(usufrutto.constData());
  const int second = hundredthsOfPercent(nudaProprieta.constData());
  QVERIFY2(first >= 0, usufrutto.constData());
  QVERIFY2(second >= 0, nudaProprieta.constData());
  QCOMPARE(first + second, 10000);
}

void TestValutazione::ageFallsInItsBand_data() {
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

void TestValutazione::ageFallsInItsBand() {
  QFETCH(int, age);
  QFETCH(QString, percUsufrutto);
  QFETCH(QString, percNudaProprieta);
  QFETCH(double, usufrutto);

  const RigaVitalizio* row = RigaPerEta(age);
  QVERIFY(row != nullptr);
  QVERIFY(row->ageFrom <= age && age <= row->ageTo);

  const auto result = ValutaVitalizio(100000, qint16(age));
  QVERIFY(result.has_value());
  QCOMPARE(result->percUsufrutto, percUsufrutto);
  QCOMPARE(result->percNudaProprieta, percNudaProprieta);
  QCOMPARE(exact(result->usufrutto), exact(usufrutto));
  QCOMPARE(exact(result->nudaProprieta), exact(100000 - usufrutto));
}

void TestValutazione::ageBelowZeroFindsNoBand_data() {
  QTest::addColumn<int>("age");
  QTest::newRow("un giorno prima della nascita") << -1;
  QTest::newRow("molti anni prima") << -80;
  QTest::newRow("minimo a 16 bit") << int(std::numeric_limits<qint16>::min());
}

void TestValutazione::ageBelowZeroFindsNoBand() {
  QFETCH(int, age);
  QCOMPARE(RigaPerEta(age), nullptr);
  QVERIFY(!ValutaVitalizio(100000, qint16(age)).has_value());
}

void TestValutazione::wholeDurationFindsItsRow_data() {
  QTest::addColumn<double>("years");
  QTest::addColumn<int>("row");
  QTest::newRow("1") << 1.0 << 1;
  QTest::newRow("5") << 5.0 << 5;
  QTest::newRow("5 letto da 5,0") << QString("5.0").toDouble() << 5;
  QTest::newRow("12") << 12.0 << 12;
  QTest::newRow("30") << 30.0 << 30;
}

void TestValutazione::wholeDurationFindsItsRow() {
  QFETCH(double, years);
  QFETCH(int, row);
  const RigaTempoDeterminato* found = RigaPerDurata(years);
  QVERIFY(found != nullptr);
  QCOMPARE(found->years, row);
}

void TestValutazione::durationOutsideOneToThirtyYearsFindsNoRow_data() {
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

void TestValutazione::durationOutsideOneToThirtyYearsFindsNoRow() {
  QFETCH(double, years);
  QCOMPARE(RigaPerDurata(years), nullptr);
  QVERIFY(!ValutaTempoDeterminato(100000, years).has_value());
}

void TestValutazione::lifetimeValuationGivesTheWorkedFigures_data() {
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
      << 1234.57 << 42 << 987.66 << 1234.57 - 987.66 << QString("80%") << QString("20%");
  QTest::newRow("zero") << 0.0 << 30 << 0.0 << 0.0 << QString("90%") << QString("10%");
  QTest::newRow("100 anni: tutto alla nuda proprietà")
      << 1234.56 << 100 << 0.0 << 1234.56 << QString("0%") << QString("100%");
}

void TestValutazione::lifetimeValuationGivesTheWorkedFigures() {
  QFETCH(double, fullValue);
  QFETCH(int, age);
  QFETCH(double, usufrutto);
  QFETCH(double, nudaProprieta);
  QFETCH(QString, percUsufrutto);
  QFETCH(QString, percNudaProprieta);
  const auto result = ValutaVitalizio(fullValue, qint16(age));
  QVERIFY(result.has_value());
  QCOMPARE(exact(result->usufrutto), exact(usufrutto));
  QCOMPARE(exact(result->nudaProprieta), exact(nudaProprieta));
  QCOMPARE(result->percUsufrutto, percUsufrutto);
  QCOMPARE(result->percNudaProprieta, percNudaProprieta);
}

void TestValutazione::fixedTermValuationGivesTheWorkedFigures_data() {
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<double>("years");
  QTest::addColumn<double>("usufrutto");
  QTest::addColumn<double>("nudaProprieta");
  QTest::addColumn<QString>("percUsufrutto");
  QTest::addColumn<QString>("percNudaProprieta");
  QTest::newRow("1.234,56 per 12 anni")
      << 1234.56 << 12.0 << 29.26 << 1234.56 - 29.26 << QString("2,37%") << QString("97,63%");
  QTest::newRow("1.062,50 per 1 anno: 2,125 va a 2,12")
      << 1062.5 << 1.0 << 2.12 << 1062.5 - 2.12 << QString("0,20%") << QString("99,80%");
  QTest::newRow("100.000 per 1 anno")
      << 100000.0 << 1.0 << 200.0 << 99800.0 << QString("0,20%") << QString("99,80%");
  QTest::newRow("100.000 per 30 anni")
      << 100000.0 << 30.0 << 5820.0 << 94180.0 << QString("5,82%") << QString("94,18%");
  QTest::newRow("zero per 10 anni")
      << 0.0 << 10.0 << 0.0 << 0.0 << QString("1,98%") << QString("98,02%");
}

void TestValutazione::fixedTermValuationGivesTheWorkedFigures() {
  QFETCH(double, fullValue);
  QFETCH(double, years);
  QFETCH(double, usufrutto);
  QFETCH(double, nudaProprieta);
  QFETCH(QString, percUsufrutto);
  QFETCH(QString, percNudaProprieta);
  const auto result = ValutaTempoDeterminato(fullValue, years);
  QVERIFY(result.has_value());
  QCOMPARE(exact(result->usufrutto), exact(usufrutto));
  QCOMPARE(exact(result->nudaProprieta), exact(nudaProprieta));
  QCOMPARE(result->percUsufrutto, percUsufrutto);
  QCOMPARE(result->percNudaProprieta, percNudaProprieta);
}

void TestValutazione::usufructRoundsToTheCentWithHalvesToEven_data() {
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

void TestValutazione::usufructRoundsToTheCentWithHalvesToEven() {
  QFETCH(double, product);
  QFETCH(double, rounded);
  QCOMPARE(exact(RoundUsufruct(product)), exact(rounded));
}

void TestValutazione::extremeProductComesBackWithoutFault_data() {
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

void TestValutazione::extremeProductComesBackWithoutFault() {
  QFETCH(double, product);
  QFETCH(double, expected);
  QCOMPARE(exact(RoundUsufruct(product)), exact(expected));
}

void TestValutazione::usufructAndBareOwnershipRebuildTheFullValueInCents_data() {
  QTest::addColumn<bool>("lifetime");
  QTest::addColumn<int>("ageOrYears");
  for (const RigaVitalizio& row : TabellaVitalizio)
    QTest::addRow("vitalizio da %d anni", row.ageFrom) << true << row.ageFrom;
  for (const RigaTempoDeterminato& row : TabellaTempoDeterminato)
    QTest::addRow("durata %d anni", row.years) << false << row.years;
}

void TestValutazione::usufructAndBareOwnershipRebuildTheFullValueInCents() {
  QFETCH(bool, lifetime);
  QFETCH(int, ageOrYears);

  // Over a million amounts across all rows and durations.
  const int rows = int(TabellaVitalizio.size() + TabellaTempoDeterminato.size());
  const int total = 1000000;
  const int perRow = (total + rows - 1) / rows;

  double share = 0;
  if (lifetime) {
    share = RigaPerEta(ageOrYears)->share.value_or(0.0);
  } else {
    share = RigaPerDurata(ageOrYears)->factor;
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

    const auto result = lifetime ? ValutaVitalizio(fullValue, qint16(ageOrYears))
                                 : ValutaTempoDeterminato(fullValue, ageOrYears);
    QVERIFY(result.has_value());
    const qint64 usufruttoCents = cents(result->usufrutto);
    if (result->usufrutto != double(usufruttoCents) / 100 ||
        usufruttoCents + cents(result->nudaProprieta) != fullCents) {
      QFAIL(qPrintable(
          QString("importo %1: usufrutto %2, nuda proprietà %3")
              .arg(exact(fullValue), exact(result->usufrutto), exact(result->nudaProprieta))));
    }
    // Up to 15 digits the exact decimal product is what gets rounded.
    if (fullCents < 100000000000) {
      const qint64 expected = divideHalfEven(fullCents * shareTenThousandths, 10000);
      if (usufruttoCents != expected) {
        QFAIL(qPrintable(QString("importo %1: usufrutto %2, atteso %3 centesimi")
                             .arg(exact(fullValue), exact(result->usufrutto))
                             .arg(expected)));
      }
    }
  }
}

QTEST_GUILESS_MAIN(TestValutazione)
#include "tst_valutazione.moc"
