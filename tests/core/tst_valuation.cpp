#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/law/legal_rate_data.h"
#include "core/numbers/number_text.h"
#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation.h"
#include "legal_data_for_tests.h"

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

// ---- An exact reference, independent of the engine under test ----

// A decimal text of the data files ("317.5", "2.5") as a fraction over 10^2.
qint64 Hundredths(const QString& text) {
  const QStringList parts = text.split(u'.');
  qint64 n = parts[0].toLongLong() * 100;
  if (parts.size() > 1) n += parts[1].leftJustified(2, u'0').toLongLong();
  return n;
}

// A year's coefficients and the rate they were made for, read from the data
// file itself: coefficient x rate, both in hundredths, is the share in
// millionths.
struct YearOfCoefficients {
  qint64 rate = 0;
  std::vector<qint64> coefficients;
};
YearOfCoefficients ReadYear(int year) {
  QFile file(QStringLiteral(VELMORA_DATA_DIR "/lifetime_coefficients.tsv"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QStringList fields = QString::fromUtf8(line).split(u'\t');
    if (fields.size() < 4 || fields[0] != QString::number(year)) continue;
    YearOfCoefficients read;
    read.rate = Hundredths(fields[1].section(u' ', 0, 0));
    for (const QString& c : fields[3].split(u' ', Qt::SkipEmptyParts))
      read.coefficients.push_back(Hundredths(c));
    return read;
  }
  return {};
}

// "0,2188" as ten-thousandths.
qint64 TenThousandths(const QString& quota) {
  return quota.section(u',', 0, 0).toLongLong() * 10000 + quota.section(u',', 1).toLongLong();
}

// cents x numerator / denominator, to the cent, a half to the even cent: in
// 128 bits, as no amount times a share leaves them.
qint64 ExactShare(qint64 cents, qint64 numerator, qint64 denominator, bool* tie = nullptr) {
  const __int128 product = static_cast<__int128>(cents) * numerator;
  auto quotient = static_cast<qint64>(product / denominator);
  const auto twice = static_cast<qint64>(product % denominator) * 2;
  if (tie) *tie = twice == denominator;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
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
  void extremeFullValueComesBackWithoutFault_data();
  void extremeFullValueComesBackWithoutFault();

  void usufructAndBareOwnershipRebuildTheFullValueInCents_data();
  void usufructAndBareOwnershipRebuildTheFullValueInCents();

  void agreesWithAnExactFractionUpToTheLargestAmount_data();
  void agreesWithAnExactFractionUpToTheLargestAmount();
  void exactProductsKeepEveryCent_data();
  void exactProductsKeepEveryCent();
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
  // The share is a four-decimal constant, not the raw discounted figure.
  QCOMPARE(QString::number(row.quotaDiecimillesimi / 10000.0, 'f', 4),
           QString::number(rule, 'f', 4));
  QCOMPARE(row.Share(), qint64(row.quotaDiecimillesimi) * 100);
  const QString percent =
      QString::number(row.quotaDiecimillesimi / 100.0, 'f', 2).replace('.', ',') + '%';
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
    // Coefficient 475 down by 25 a band, times the legal rate of 0,2 %: in
    // millionths, hundredths of the coefficient times hundredths of the rate.
    QCOMPARE(*row.share, qint64(475 - 25 * index) * 100 * 20);
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
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<qint64>("share");  // millionths
  QTest::addColumn<QString>("usufrutto");
  QTest::addColumn<QString>("nudaProprieta");
  QTest::newRow("2,125 al pari in giù") << 4.25 << qint64(500000) << "€ 2,12"
                                        << "€ 2,13";
  QTest::newRow("0,125 al pari in giù") << 0.25 << qint64(500000) << "€ 0,12"
                                        << "€ 0,13";
  QTest::newRow("0,135 al pari in su") << 0.27 << qint64(500000) << "€ 0,14"
                                       << "€ 0,13";
  QTest::newRow("987,656") << 1234.57 << qint64(800000) << "€ 987,66"
                           << "€ 246,91";
  QTest::newRow("29,259072") << 1234.56 << qint64(23700) << "€ 29,26"
                             << "€ 1.205,30";
  // Halves that a double just misses: the decimal digits decide.
  QTest::newRow("1,015") << 2.03 << qint64(500000) << "€ 1,02"
                         << "€ 1,01";
  QTest::newRow("2,675") << 5.35 << qint64(500000) << "€ 2,68"
                         << "€ 2,67";
  QTest::newRow("0,285") << 0.57 << qint64(500000) << "€ 0,28"
                         << "€ 0,29";
  QTest::newRow("21,875% di 0,40: 0,0875") << 0.40 << qint64(218750) << "€ 0,09"
                                           << "€ 0,31";
  QTest::newRow("mezzo centesimo al pari zero") << 0.01 << qint64(500000) << "€ 0,00"
                                                << "€ 0,01";
  QTest::newRow("un centesimo e mezzo") << 0.03 << qint64(500000) << "€ 0,02"
                                        << "€ 0,01";
  QTest::newRow("riporto fino alle migliaia") << 19999.99 << qint64(500000) << "€ 10.000,00"
                                              << "€ 9.999,99";
  QTest::newRow("nessuna quota") << 1234.56 << qint64(0) << "€ 0,00"
                                 << "€ 1.234,56";
  QTest::newRow("tutto") << 1234.56 << qint64(1000000) << "€ 1.234,56"
                         << "€ 0,00";
  QTest::newRow("negativo al pari") << -4.25 << qint64(500000) << "€ -2,12"
                                    << "€ -2,13";
  QTest::newRow("il massimo al 95%")
      << 9999999999999.99 << qint64(950000) << "€ 9.499.999.999.999,99"
      << "€ 500.000.000.000,00";
}

void TestValuation::usufructRoundsToTheCentWithHalvesToEven() {
  QFETCH(double, fullValue);
  QFETCH(qint64, share);
  QFETCH(QString, usufrutto);
  QFETCH(QString, nudaProprieta);
  const std::optional<Ripartizione> split = Ripartisci(fullValue, share);
  QVERIFY(split.has_value());
  QCOMPARE(MoneyText(split->usufrutto), usufrutto);
  QCOMPARE(MoneyText(split->nudaProprieta), nudaProprieta);
}

void TestValuation::extremeFullValueComesBackWithoutFault_data() {
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<QString>("usufrutto");  // at 50 %; empty: no split
  const double inf = std::numeric_limits<double>::infinity();
  QTest::newRow("1e300") << 1e300 << QString("5") + QString(299, u'0');
  QTest::newRow("1e20") << 1e20 << QStringLiteral("50000000000000000000");
  QTest::newRow("massimo double") << std::numeric_limits<double>::max() << QString();
  QTest::newRow("infinito") << inf << QString();
  QTest::newRow("meno infinito") << -inf << QString();
  QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QString();
  QTest::newRow("denormale") << std::numeric_limits<double>::denorm_min() << QStringLiteral("0");
}

void TestValuation::extremeFullValueComesBackWithoutFault() {
  QFETCH(double, fullValue);
  QFETCH(QString, usufrutto);
  const std::optional<Ripartizione> split = Ripartisci(fullValue, 500000);
  if (!std::isfinite(fullValue)) {
    QVERIFY(!split.has_value());
    return;
  }
  QVERIFY(split.has_value());
  if (usufrutto.isEmpty()) return;  // whatever its digits, it came back
  const std::string integer = split->usufrutto.Integer();
  QCOMPARE(QString::fromStdString(integer.empty() ? "0" : integer), usufrutto);
  QCOMPARE(split->usufrutto.Fraction(), std::string());
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

  const qint64 share = lifetime ? TabellaVitalizio2016().RigaPerEta(ageOrYears)->share.value_or(0)
                                : TabellaTempoDeterminato2016().RigaPerDurata(ageOrYears)->Share();

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
    // The exact decimal product is what gets rounded.
    {
      const qint64 expected = ExactShare(fullCents, share, 1000000);
      if (usufruttoCents != expected) {
        QFAIL(qPrintable(QString("importo %1: usufrutto %2, atteso %3 centesimi")
                             .arg(exact(fullValue), exact(Value(result->usufrutto)))
                             .arg(expected)));
      }
    }
  }
}

void TestValuation::agreesWithAnExactFractionUpToTheLargestAmount_data() {
  QTest::addColumn<int>("year");  // of the coefficients; 0: the fixed terms
  QTest::newRow("vitalizio, tabella 2016") << 2016;
  QTest::newRow("vitalizio, 2023 al 5%") << 2023;
  QTest::newRow("vitalizio, 2026 al saggio minimo") << 2026;
  QTest::newRow("tempo determinato, tabella 2016") << 0;
}

// 100 000 amounts in all, from a cent to the largest amount taken, at every
// band and every fixed term, against the share read from the data files.
void TestValuation::agreesWithAnExactFractionUpToTheLargestAmount() {
  QFETCH(int, year);
  const YearOfCoefficients data = year ? ReadYear(year) : YearOfCoefficients{};
  QVERIFY(!year || data.coefficients.size() == 18);
  const LifetimeCoefficients* used = year ? test::BuiltInLaw().CoefficientsFor(year) : nullptr;
  QVERIFY(!year || used);
  const TabellaVitalizio table = year ? LifetimeTableOf(*used) : TabellaVitalizio({});
  std::mt19937_64 random(20261216u + quint64(year));
  std::uniform_int_distribution<int> digitCount(1, 15);
  int ties = 0;
  for (int i = 0; i < 25000; ++i) {
    const int digits = digitCount(random);
    qint64 low = 1;
    for (int d = 1; d < digits; ++d) low *= 10;
    const qint64 fullCents = std::min(
        std::uniform_int_distribution<qint64>(low, low * 10 - 1)(random), kImportoMassimoCentesimi);
    const double full = QByteArray::number(fullCents).append("e-2").toDouble();
    bool tie = false;
    qint64 expected = 0;
    std::optional<RecordValutazione> v;
    if (year) {
      const int band = i % 18;
      v = ValutaVitalizio(full, kAgeBandLimits[std::size_t(band)][1], table);
      expected =
          ExactShare(fullCents, data.coefficients[std::size_t(band)] * data.rate, 1000000, &tie);
    } else {
      const int years = i % 30 + 1;
      v = ValutaTempoDeterminato(full, years, TabellaTempoDeterminato2016());
      QVERIFY(v.has_value());
      expected = ExactShare(fullCents, TenThousandths(v->quotaTesto), 10000, &tie);
    }
    QVERIFY(v.has_value());
    ties += tie ? 1 : 0;
    if (v->UsufruttoTesto() != Money(expected) ||
        v->NudaProprietaTesto() != Money(fullCents - expected)) {
      QFAIL(qPrintable(QString("%1 (riga %2): %3 / %4, atteso %5 / %6")
                           .arg(Money(fullCents), QString::number(i), v->UsufruttoTesto(),
                                v->NudaProprietaTesto(), Money(expected),
                                Money(fullCents - expected))));
    }
  }
  // The random amounts meet exact halves of a cent too.
  QVERIFY2(ties > 0, "no exact half of a cent was met");
}

void TestValuation::exactProductsKeepEveryCent_data() {
  QTest::addColumn<double>("fullValue");
  QTest::addColumn<int>("age");  // on the 2016 table
  QTest::addColumn<QString>("usufrutto");
  QTest::addColumn<QString>("nudaProprieta");
  // 4 558 463 017 947,6245 exactly: a double product gave ...947,63.
  QTest::newRow("7.013.020.027.611,73 al 65%") << 7013020027611.73 << 56 << "€ 4.558.463.017.947,62"
                                               << "€ 2.454.557.009.664,11";
  // At 50 % the product is exact: thirteen digits keep their cents.
  QTest::newRow("9.999.999.999.999,50 al 50%") << 9999999999999.5 << 65 << "€ 4.999.999.999.999,75"
                                               << "€ 4.999.999.999.999,75";
  QTest::newRow("9.999.999.999.999,99 al 50%: il mezzo al pari")
      << 9999999999999.99 << 65 << "€ 5.000.000.000.000,00"
      << "€ 4.999.999.999.999,99";
  QTest::newRow("1.234.567.890.123,45 al 50%: il mezzo al pari")
      << 1234567890123.45 << 65 << "€ 617.283.945.061,72"
      << "€ 617.283.945.061,73";
  QTest::newRow("8.765.432.109.876,55 al 65%") << 8765432109876.55 << 56 << "€ 5.697.530.871.419,76"
                                               << "€ 3.067.901.238.456,79";
}

void TestValuation::exactProductsKeepEveryCent() {
  QFETCH(double, fullValue);
  QFETCH(int, age);
  QFETCH(QString, usufrutto);
  QFETCH(QString, nudaProprieta);
  const auto v = ValutaVitalizio(fullValue, age, TabellaVitalizio2016());
  QVERIFY(v.has_value());
  QCOMPARE(v->UsufruttoTesto(), usufrutto);
  QCOMPARE(v->NudaProprietaTesto(), nudaProprieta);
}

QTEST_GUILESS_MAIN(TestValuation)
#include "tst_valuation.moc"
