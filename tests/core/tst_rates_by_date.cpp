#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

#include "core/legal_rate_data.h"
#include "core/rates_by_date.h"

using namespace velmora;

namespace {

// The data files themselves, read here again: the compiled tables must say
// what they say.
QList<QStringList> DataRows(const char* name) {
  QFile file(QStringLiteral(VELMORA_DATA_DIR "/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", name);
  QList<QStringList> rows;
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
  for (const QString& line : lines.mid(0)) {
    if (line.startsWith(u'#')) continue;
    rows << line.split(u'\t');
  }
  rows.removeFirst();  // the header
  return rows;
}

// "2.5" or "317.50" as hundredths.
int Hundredths(const QString& text) {
  return int(std::llround(text.toDouble() * 100));
}

// The rate used on a day by the rule, from a legal rate.
int Used(const QDate& day, int legal) {
  return day >= QDate(2025, 1, 1) ? std::max(legal, 250) : legal;
}

// 1 - (1 + rate)^-n in ten-thousandths, in extended precision, with how far
// the exact figure lies from a half (where rounding could go either way).
std::pair<long long, long double> FixedTermShare(int rateHundredths, int years) {
  const long double share = (1.0L - std::pow(1.0L + rateHundredths / 10000.0L, -years)) * 10000.0L;
  const long double distance = std::fabs(share - std::floor(share) - 0.5L);
  return {std::llround(share), distance};
}

}  // namespace

// The rate and the tables in force on the date of the act.
class TestRatesByDate : public QObject {
  Q_OBJECT

 private slots:
  void compiledRatesAreThoseOfTheDataFile() {
    const QList<QStringList> rows = DataRows("legal_rates.tsv");
    const auto periods = LegalRatePeriods();
    QCOMPARE(qsizetype(periods.size()), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
      const LegalRatePeriod& p = periods[std::size_t(i)];
      QCOMPARE(QDate(p.from.year, p.from.month, p.from.day),
               QDate::fromString(rows[i][0], Qt::ISODate));
      QCOMPARE(QDate(p.to.year, p.to.month, p.to.day), QDate::fromString(rows[i][1], Qt::ISODate));
      QCOMPARE(p.rateHundredths, Hundredths(rows[i][2]));
      // The decree as written for the user keeps its date.
      const auto day = QRegularExpression(QStringLiteral("\\d\\d/\\d\\d/\\d{4}")).match(rows[i][3]);
      if (day.hasMatch()) QVERIFY(QString::fromUtf8(p.setBy).contains(day.captured()));
    }
  }

  void compiledCoefficientsAreThoseOfTheDataFile() {
    const QList<QStringList> rows = DataRows("lifetime_coefficients.tsv");
    const auto tables = LifetimeCoefficientTables();
    QCOMPARE(qsizetype(tables.size()), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
      const LifetimeCoefficients& t = tables[std::size_t(i)];
      QCOMPARE(t.year, rows[i][0].toInt());
      const auto rate =
          QRegularExpression(QStringLiteral("^([\\d.]+)(?: \\(floor; legal rate ([\\d.]+)\\))?$"))
              .match(rows[i][1]);
      QVERIFY2(rate.hasMatch(), qPrintable(rows[i][1]));
      QCOMPARE(t.rateHundredths, Hundredths(rate.captured(1)));
      QCOMPARE(t.legalRateHundredths,
               Hundredths(rate.hasCaptured(2) ? rate.captured(2) : rate.captured(1)));
      const QStringList coefficients = rows[i][3].split(u' ');
      QCOMPARE(coefficients.size(), kAgeBands);
      for (int band = 0; band < kAgeBands; ++band)
        QCOMPARE(t.coefficientHundredths[std::size_t(band)], Hundredths(coefficients[band]));
    }
  }

  void defaultTablesAreThe2016RowsOfTheData() {
    const auto& byData = LifetimeTableFor(2016)->Righe();
    const auto& fixed = TabellaVitalizio2016().Righe();
    QCOMPARE(byData.size(), fixed.size());
    for (std::size_t i = 0; i < fixed.size(); ++i) {
      QCOMPARE(byData[i].ageFrom, fixed[i].ageFrom);
      QCOMPARE(byData[i].ageTo, fixed[i].ageTo);
      QCOMPARE(byData[i].share, fixed[i].share);
      QCOMPARE(byData[i].percUsufrutto, fixed[i].percUsufrutto);
      QCOMPARE(byData[i].percNudaProprieta, fixed[i].percNudaProprieta);
    }
    const auto& atRate = FixedTermTableAt(RateOn(QDate(2016, 6, 1))->hundredths).Righe();
    const auto& table2016 = TabellaTempoDeterminato2016().Righe();
    QCOMPARE(atRate.size(), table2016.size());
    for (std::size_t i = 0; i < table2016.size(); ++i) {
      QCOMPARE(atRate[i].factor, table2016[i].factor);
      QCOMPARE(atRate[i].percUsufrutto, table2016[i].percUsufrutto);
      QCOMPARE(atRate[i].percNudaProprieta, table2016[i].percNudaProprieta);
    }
  }

  // Every boundary of the data, the last day of a period and the first of the next.
  void rateChangesOnTheFirstDayOfAPeriod_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("legal");
    const QList<QStringList> rows = DataRows("legal_rates.tsv");
    for (const QStringList& row : rows) {
      const QDate from = QDate::fromString(row[0], Qt::ISODate);
      const QDate to = QDate::fromString(row[1], Qt::ISODate);
      const int legal = Hundredths(row[2]);
      QTest::addRow("%s", qPrintable(row[0])) << from << Used(from, legal) << legal;
      QTest::addRow("%s", qPrintable(row[1])) << to << Used(to, legal) << legal;
    }
  }
  void rateChangesOnTheFirstDayOfAPeriod() {
    QFETCH(QDate, day);
    QFETCH(int, used);
    QFETCH(int, legal);
    const auto rate = RateOn(day);
    QVERIFY(rate.has_value());
    QCOMPARE(rate->hundredths, used);
    QCOMPARE(rate->legalHundredths, legal);
  }

  void theFloorRaisesTheRateFrom2025_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("used");
    QTest::addColumn<bool>("floored");
    QTest::newRow("2023: 5 % stays") << QDate(2023, 6, 15) << 500 << false;
    QTest::newRow("2024: 2,5 % is the legal rate") << QDate(2024, 12, 31) << 250 << false;
    QTest::newRow("2025: 2 % raised") << QDate(2025, 1, 1) << 250 << true;
    QTest::newRow("2026: 1,6 % raised") << QDate(2026, 12, 7) << 250 << true;
  }
  void theFloorRaisesTheRateFrom2025() {
    QFETCH(QDate, day);
    QFETCH(int, used);
    QFETCH(bool, floored);
    QCOMPARE(RateOn(day)->hundredths, used);
    QCOMPARE(RateOn(day)->Floored(), floored);
  }

  void datesWithoutAKnownRateHaveNone_data() {
    QTest::addColumn<QDate>("day");
    QTest::newRow("the day before the first period") << QDate(1990, 12, 15);
    QTest::newRow("the day after the last period") << QDate(2027, 1, 1);
    QTest::newRow("an invalid date") << QDate();
  }
  void datesWithoutAKnownRateHaveNone() {
    QFETCH(QDate, day);
    QVERIFY(!RateOn(day).has_value());
  }

  void yearsWithoutCoefficientsHaveNoLifetimeTable() {
    QVERIFY(LifetimeTableFor(2011) == nullptr);
    QVERIFY(LifetimeTableFor(2027) == nullptr);
    QVERIFY(LifetimeTableFor(2013) == LifetimeTableFor(2012));
    QVERIFY(LifetimeDecreeFor(2011).isEmpty());
  }

  // 2018's coefficients at 0,3 % are the one table off the usual percentages.
  void coefficientsOf2018GiveTheirOwnShares_data() {
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("usufrutto");
    QTest::addColumn<QString>("nudaProprieta");
    QTest::addColumn<double>("share");
    QTest::newRow("0-20") << 20 << "95,25%"
                          << "4,75%" << 0.9525;
    QTest::newRow("21-30") << 21 << "90%"
                           << "10%" << 0.9;
    QTest::newRow("31-40") << 40 << "84,75%"
                           << "15,25%" << 0.8475;
    QTest::newRow("67-69") << 68 << "42,75%"
                           << "57,25%" << 0.4275;
    QTest::newRow("93-99") << 99 << "6%"
                           << "94%" << 0.06;
    QTest::newRow("100") << 100 << "0%"
                         << "100%" << 0.0;
  }
  void coefficientsOf2018GiveTheirOwnShares() {
    QFETCH(int, age);
    QFETCH(QString, usufrutto);
    QFETCH(QString, nudaProprieta);
    QFETCH(double, share);
    const RigaVitalizio* row = LifetimeTableFor(2018)->RigaPerEta(age);
    QVERIFY(row);
    QCOMPARE(row->percUsufrutto, usufrutto);
    QCOMPARE(row->percNudaProprieta, nudaProprieta);
    QCOMPARE(row->share.value_or(0.0), share);
  }

  // Every year's rate, every duration, against the rule computed here.
  void fixedTermShareOfEveryYearFollowsTheRule_data() {
    QTest::addColumn<QDate>("day");
    for (int year = 1991; year <= 2026; ++year) QTest::addRow("%d", year) << QDate(year, 7, 1);
  }
  void fixedTermShareOfEveryYearFollowsTheRule() {
    QFETCH(QDate, day);
    const int rate = RateOn(day)->hundredths;
    const auto& rows = FixedTermTableAt(rate).Righe();
    QCOMPARE(int(rows.size()), 30);
    for (int years = 1; years <= 30; ++years) {
      const auto [share, distance] = FixedTermShare(rate, years);
      // Far from a half: no precision can round it the other way.
      QVERIFY(distance > 1e-9L);
      const RigaTempoDeterminato& row = rows[std::size_t(years - 1)];
      QCOMPARE(row.years, years);
      QCOMPARE(row.factor, double(share) / 10000);
      QCOMPARE(row.percUsufrutto,
               QString("%1,%2%").arg(share / 100).arg(share % 100, 2, 10, QChar(u'0')));
      QCOMPARE(row.percNudaProprieta, QString("%1,%2%")
                                          .arg((10000 - share) / 100)
                                          .arg((10000 - share) % 100, 2, 10, QChar(u'0')));
    }
  }

  void fixedTermSharesOfActsSignedIn2026And2023() {
    const auto& at2026 = FixedTermTableAt(RateOn(QDate(2026, 12, 7))->hundredths).Righe();
    QCOMPARE(at2026[9].percUsufrutto, QString("21,88%"));
    QCOMPARE(at2026[9].percNudaProprieta, QString("78,12%"));
    QCOMPARE(at2026[29].percUsufrutto, QString("52,33%"));
    const auto& at2023 = FixedTermTableAt(RateOn(QDate(2023, 6, 15))->hundredths).Righe();
    QCOMPARE(at2023[9].percUsufrutto, QString("38,61%"));
  }

  void rateIsWrittenWithItsArticle_data() {
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,2") << 20 << "dello 0,2%";
    QTest::newRow("0,05") << 5 << "dello 0,05%";
    QTest::newRow("1") << 100 << "dell'1%";
    QTest::newRow("1,25") << 125 << "dell'1,25%";
    QTest::newRow("1,6") << 160 << "dell'1,6%";
    QTest::newRow("2,5") << 250 << "del 2,5%";
    QTest::newRow("8") << 800 << "dell'8%";
    QTest::newRow("10") << 1000 << "del 10%";
  }
  void rateIsWrittenWithItsArticle() {
    QFETCH(int, hundredths);
    QFETCH(QString, text);
    QCOMPARE(RateWithArticle(hundredths), text);
  }
};

QTEST_GUILESS_MAIN(TestRatesByDate)
#include "tst_rates_by_date.moc"
