#include <QDate>
#include <QtTest>
#include <cmath>

#include "core/law/legal_rate_data.h"
#include "core/valuation/rates_by_date.h"
#include "legal_data_for_tests.h"

using namespace velmora;

namespace {

// 1 - (1 + rate)^-n in ten-thousandths, in extended precision, with how far
// the exact figure lies from a half (where rounding could go either way).
std::pair<long long, long double> FixedTermShare(int rateHundredths, int years) {
  const long double share = (1.0L - std::pow(1.0L + rateHundredths / 10000.0L, -years)) * 10000.0L;
  const long double distance = std::fabs(share - std::floor(share) - 0.5L);
  return {std::llround(share), distance};
}

const QString kFloorStatute =
    QStringLiteral("art. 46, comma 5-ter, D.P.R. 131/1986, introdotto dal D.Lgs. 139/2024");

}  // namespace

// The rate and the tables in force on the date of the act.
class TestRatesByDate : public QObject {
  Q_OBJECT

 private slots:
  void defaultTablesAreThe2016RowsOfTheData() {
    const std::optional<TabellaVitalizio> ofData = LifetimeTableFor(test::BuiltInLaw(), 2016);
    const auto& byData = ofData->Righe();
    const auto& fixed = TabellaVitalizio2016().Righe();
    QCOMPARE(byData.size(), fixed.size());
    for (std::size_t i = 0; i < fixed.size(); ++i) {
      QCOMPARE(byData[i].ageFrom, fixed[i].ageFrom);
      QCOMPARE(byData[i].ageTo, fixed[i].ageTo);
      QCOMPARE(byData[i].share, fixed[i].share);
      QCOMPARE(byData[i].percUsufrutto, fixed[i].percUsufrutto);
      QCOMPARE(byData[i].percNudaProprieta, fixed[i].percNudaProprieta);
    }
    const auto& atRate =
        FixedTermTableAt(RateOn(test::BuiltInLaw(), QDate(2016, 6, 1))->hundredths).Righe();
    const auto& table2016 = TabellaTempoDeterminato2016().Righe();
    QCOMPARE(atRate.size(), table2016.size());
    for (std::size_t i = 0; i < table2016.size(); ++i) {
      QCOMPARE(atRate[i].quotaDiecimillesimi, table2016[i].quotaDiecimillesimi);
      QCOMPARE(atRate[i].percUsufrutto, table2016[i].percUsufrutto);
      QCOMPARE(atRate[i].percNudaProprieta, table2016[i].percNudaProprieta);
    }
  }

  // The first day of every period, and the last of a few: the rate, the legal
  // rate, the floor and the decree as the user reads it, byte for byte.
  void rateOnTheDay_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("legal");
    QTest::addColumn<int>("floor");
    QTest::addColumn<QString>("decree");
    const auto row = [](int y, int m, int d, int used, int legal, int floor, const char* decree) {
      QTest::addRow("%04d-%02d-%02d", y, m, d)
          << QDate(y, m, d) << used << legal << floor << QString::fromUtf8(decree);
    };
    row(1990, 12, 16, 1000, 1000, 0, "L. 26/11/1990 n. 353");
    row(1996, 12, 31, 1000, 1000, 0, "L. 26/11/1990 n. 353");
    row(1997, 1, 1, 500, 500, 0, "L. 23/12/1996 n. 662, art. 2 c. 185");
    row(1999, 1, 1, 250, 250, 0, "D.M. 10/12/1998");
    row(2001, 1, 1, 350, 350, 0, "D.M. 11/12/2000");
    row(2002, 1, 1, 300, 300, 0, "D.M. 11/12/2001");
    row(2004, 1, 1, 250, 250, 0, "D.M. 01/12/2003 (G.U. n. 286 del 10/12/2003)");
    row(2008, 1, 1, 300, 300, 0, "D.M. 12/12/2007 (G.U. n. 291 del 15/12/2007)");
    row(2010, 1, 1, 100, 100, 0, "D.M. 04/12/2009 (G.U. n. 291 del 15/12/2009)");
    row(2011, 1, 1, 150, 150, 0, "D.M. 07/12/2010");
    row(2012, 1, 1, 250, 250, 0, "D.M. 12/12/2011 (G.U. n. 291 del 15/12/2011)");
    row(2014, 1, 1, 100, 100, 0, "D.M. 12/12/2013");
    row(2015, 1, 1, 50, 50, 0, "D.M. 11/12/2014 (G.U. n. 290 del 15/12/2014)");
    row(2016, 1, 1, 20, 20, 0, "D.M. 11/12/2015 (G.U. n. 291 del 15/12/2015)");
    row(2017, 1, 1, 10, 10, 0, "D.M. 07/12/2016");
    row(2018, 1, 1, 30, 30, 0, "D.M. 13/12/2017 (G.U. n. 292 del 15/12/2017)");
    row(2019, 1, 1, 80, 80, 0, "D.M. 12/12/2018 (G.U. n. 291 del 15/12/2018)");
    row(2020, 1, 1, 5, 5, 0, "D.M. 12/12/2019 (G.U. n. 293 del 14/12/2019)");
    row(2021, 1, 1, 1, 1, 0, "D.M. 11/12/2020 (G.U. n. 310 del 15/12/2020)");
    row(2022, 1, 1, 125, 125, 0, "D.M. 13/12/2021 (G.U. n. 297 del 15/12/2021)");
    row(2023, 1, 1, 500, 500, 0, "D.M. 13/12/2022 (G.U. n. 292 del 15/12/2022)");
    row(2024, 1, 1, 250, 250, 0, "D.M. 29/11/2023 (G.U. n. 288 del 11/12/2023)");
    row(2024, 12, 31, 250, 250, 0, "D.M. 29/11/2023 (G.U. n. 288 del 11/12/2023)");
    row(2025, 1, 1, 250, 200, 250, "D.M. 10/12/2024 (G.U. n. 294 del 16/12/2024)");
    row(2026, 1, 1, 250, 160, 250, "D.M. 10/12/2025 (G.U. n. 289 del 13/12/2025)");
    row(2026, 12, 31, 250, 160, 250, "D.M. 10/12/2025 (G.U. n. 289 del 13/12/2025)");
  }
  void rateOnTheDay() {
    QFETCH(QDate, day);
    QFETCH(int, used);
    QFETCH(int, legal);
    QFETCH(int, floor);
    QFETCH(QString, decree);
    const auto rate = RateOn(test::BuiltInLaw(), day);
    QVERIFY(rate.has_value());
    QCOMPARE(rate->hundredths, used);
    QCOMPARE(rate->legalHundredths, legal);
    QCOMPARE(rate->setBy, decree);
    QCOMPARE(rate->floorHundredths, floor);
    QCOMPARE(rate->floorStatute, floor ? kFloorStatute : QString());
    QVERIFY(rate->rateOrigin.BuiltIn());
    QVERIFY(rate->floorOrigin.BuiltIn());
  }

  // The statutes the reports cite, by subject, with the days they begin:
  // several lives and the floor under each tax, and the consolidated code
  // from 1 January 2027.
  void theStatutesCitedByDay_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("citation");  // empty: none on the day
    const QString registro = QStringLiteral(
        "artt. 46 e 48 del D.P.R. 26 aprile 1986, n. 131 (testo unico dell'imposta di registro)");
    const QString code = QStringLiteral(
        "D.Lgs. 1 agosto 2025, n. 123 (testo unico delle disposizioni legislative in materia di "
        "imposta di registro e di altri tributi indiretti), che ha raccolto ");
    const auto row = [](const char* name, QLatin1StringView subject, const QDate& day,
                        const QString& citation) {
      QTest::newRow(name) << QString(subject) << day << citation;
    };
    row("registro, first day", kSubjectBaseRegistro, QDate(1990, 12, 16), registro);
    row("registro, 2016", kSubjectBaseRegistro, QDate(2016, 1, 1), registro);
    row("registro, last day before the code", kSubjectBaseRegistro, QDate(2026, 12, 31), registro);
    row("registro, before the data", kSubjectBaseRegistro, QDate(1990, 12, 15), QString());
    row("successioni, before D.Lgs. 346/1990", kSubjectBaseSuccessioni, QDate(1990, 12, 31),
        QString());
    row("several lives, registro", kSubjectPiuViteRegistro, QDate(2026, 12, 31),
        "art. 46, comma 2, lettera c), del D.P.R. 26 aprile 1986, n. 131 (età della persona alla "
        "cui morte deve cessare il diritto); cfr. art. 17, comma 1, lettera c), del D.Lgs. 31 "
        "ottobre 1990, n. 346");
    row("several lives, successioni", kSubjectPiuViteSuccessioni, QDate(1991, 1, 1),
        "art. 17, comma 1, lettera c), del D.Lgs. 31 ottobre 1990, n. 346");
    row("floor, registro", kSubjectMinimoRegistro, QDate(2025, 1, 1), kFloorStatute);
    row("floor, successioni", kSubjectMinimoSuccessioni, QDate(2026, 12, 31),
        "art. 17, comma 1-ter, D.Lgs. 346/1990, introdotto dal D.Lgs. 139/2024");
    row("floor, successioni, before D.Lgs. 139/2024", kSubjectMinimoSuccessioni,
        QDate(2024, 12, 31), QString());
    row("code, registro", kSubjectBaseRegistro, QDate(2027, 1, 1),
        code + "gli artt. 46 e 48 del D.P.R. 131/1986");
    row("code, successioni", kSubjectBaseSuccessioni, QDate(2030, 5, 5),
        code + "l'art. 14, comma 1, lettera c), del D.Lgs. 346/1990");
    row("code, use and habitation, registro", kSubjectUsoAbitazioneRegistro, QDate(2027, 1, 1),
        code + "l'art. 48 del D.P.R. 131/1986");
    row("code, use and habitation, successioni", kSubjectUsoAbitazioneSuccessioni,
        QDate(2027, 1, 1), code + "l'art. 14, comma 1, lettera c), del D.Lgs. 346/1990");
    row("code, several lives, registro", kSubjectPiuViteRegistro, QDate(2027, 1, 1),
        code +
            "l'art. 46, comma 2, lettera c), del D.P.R. 131/1986; cfr. art. 17, comma 1, lettera "
            "c), del D.Lgs. 346/1990");
    row("code, several lives, successioni", kSubjectPiuViteSuccessioni, QDate(2027, 1, 1),
        code + "l'art. 17, comma 1, lettera c), del D.Lgs. 346/1990");
    row("code, limit", kSubjectLimiteTempoDeterminato, QDate(2027, 1, 1),
        code + "l'art. 17, comma 1, lettera b), del D.Lgs. 346/1990");
    row("code, floor, registro", kSubjectMinimoRegistro, QDate(2027, 1, 1),
        code + "l'art. 46, comma 5-ter, del D.P.R. 131/1986");
    row("code, floor, successioni", kSubjectMinimoSuccessioni, QDate(2027, 1, 1),
        code + "l'art. 17, comma 1-ter, del D.Lgs. 346/1990");
    row("an unknown subject", QLatin1StringView("donazioni"), QDate(2020, 1, 1), QString());
  }
  void theStatutesCitedByDay() {
    QFETCH(QString, subject);
    QFETCH(QDate, day);
    QFETCH(QString, citation);
    const QByteArray name = subject.toLatin1();
    const StatutePeriod* found = test::BuiltInLaw().StatuteOn(QLatin1StringView(name), day);
    if (citation.isEmpty()) {
      QVERIFY(!found);
      return;
    }
    QVERIFY(found);
    QCOMPARE(found->citation, citation);
    QVERIFY(found->origin.BuiltIn());
  }

  // Every built-in year's coefficients are made at the rate applied on its
  // first day: the legal rate, or the floor where it binds.
  void theBuiltInCoefficientsAreAtTheRateApplied() {
    for (int year = test::BuiltInLaw().FirstYearWithCoefficients();
         year <= test::BuiltInLaw().LastYearWithCoefficients(); ++year) {
      const LifetimeCoefficients* c = test::BuiltInLaw().CoefficientsFor(year);
      const std::optional<RateInForce> rate = RateOn(test::BuiltInLaw(), QDate(year, 1, 1));
      QVERIFY(c && rate);
      QCOMPARE(c->rateHundredths, rate->hundredths);
      QCOMPARE(c->legalRateHundredths, rate->legalHundredths);
    }
  }

  // Every year with coefficients, 2013 with 2012's: the rate they were made
  // for, the decree byte for byte, the share of the first band.
  void coefficientsOfTheYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("tableYear");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("legal");
    QTest::addColumn<QString>("decree");
    QTest::addColumn<QString>("youngest");
    const auto row = [](int year, int tableYear, int rate, int legal, const char* decree,
                        const char* youngest) {
      QTest::addRow("%d", year) << year << tableYear << rate << legal << QString::fromUtf8(decree)
                                << QString::fromUtf8(youngest);
    };
    row(2012, 2012, 250, 250, "D.M. 22/12/2011 (G.U. n. 303 del 30/12/2011)", "95%");
    row(2013, 2012, 250, 250, "D.M. 22/12/2011 (G.U. n. 303 del 30/12/2011)", "95%");
    row(2014, 2014, 100, 100, "D.M. 23/12/2013", "95%");
    row(2015, 2015, 50, 50, "D.D. 22/12/2014 (G.U. n. 300 del 29/12/2014)", "95%");
    row(2016, 2016, 20, 20, "D.M. 21/12/2015 (G.U. n. 302 del 30/12/2015)", "95%");
    row(2017, 2017, 10, 10, "D.M. 23/12/2016 (G.U. n. 305 del 31/12/2016)", "95%");
    row(2018, 2018, 30, 30, "D.M. 20/12/2017 (G.U. n. 301 del 28/12/2017)", "95,25%");
    row(2019, 2019, 80, 80, "D.D. 19/12/2018 (G.U. n. 300 del 28/12/2018)", "95%");
    row(2020, 2020, 5, 5, "D.M. 20/12/2019 (G.U. n. 304 del 30/12/2019)", "95%");
    row(2021, 2021, 1, 1, "D.M. 18/12/2020 (G.U. n. 322 del 30/12/2020)", "95%");
    row(2022, 2022, 125, 125, "D.M. 21/12/2021 (G.U. n. 309 del 30/12/2021)", "95%");
    row(2023, 2023, 500, 500, "D.M. 20/12/2022 (G.U. n. 304 del 30/12/2022)", "95%");
    row(2024, 2024, 250, 250, "D.M. 21/12/2023 (G.U. n. 302 del 29/12/2023)", "95%");
    row(2025, 2025, 250, 200, "D.M. 27/12/2024 (G.U. n. 305 del 31/12/2024)", "95%");
    row(2026, 2026, 250, 160, "D.M. 24/12/2025 (G.U. n. 302 del 31/12/2025)", "95%");
  }
  void coefficientsOfTheYear() {
    QFETCH(int, year);
    QFETCH(int, tableYear);
    QFETCH(int, rate);
    QFETCH(int, legal);
    QFETCH(QString, decree);
    QFETCH(QString, youngest);
    const LifetimeCoefficients* c = test::BuiltInLaw().CoefficientsFor(year);
    QVERIFY(c);
    QCOMPARE(c->year, tableYear);
    QCOMPARE(c->rateHundredths, rate);
    QCOMPARE(c->legalRateHundredths, legal);
    QCOMPARE(c->decree, decree);
    QCOMPARE(LifetimeDecreeFor(test::BuiltInLaw(), year), decree);
    QVERIFY(c->origin.BuiltIn());
    QCOMPARE(LifetimeTableFor(test::BuiltInLaw(), year)->Righe().front().percUsufrutto, youngest);
  }

  void yearsWithCoefficientsAre2012To2026() {
    QCOMPARE(test::BuiltInLaw().FirstYearWithCoefficients(), 2012);
    QCOMPARE(test::BuiltInLaw().LastYearWithCoefficients(), 2026);
    QCOMPARE(test::BuiltInLaw().FirstDayWithRate(), QDate(1990, 12, 16));
    QCOMPARE(test::BuiltInLaw().LastDayWithRate(), QDate(2026, 12, 31));
  }

  // A few bands of other years, against the shares the decrees print.
  void bandSharesOfOtherYears_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("usufrutto");
    QTest::addColumn<QString>("nudaProprieta");
    QTest::newRow("2016, 64-66") << 2016 << 65 << "50%"
                                 << "50%";
    QTest::newRow("2019, 79-82") << 2019 << 80 << "25%"
                                 << "75%";
    QTest::newRow("2021, 93-99") << 2021 << 99 << "10%"
                                 << "90%";
    QTest::newRow("2026, 0-20") << 2026 << 0 << "95%"
                                << "5%";
    QTest::newRow("2026, 100") << 2026 << 100 << "0%"
                               << "100%";
  }
  void bandSharesOfOtherYears() {
    QFETCH(int, year);
    QFETCH(int, age);
    QFETCH(QString, usufrutto);
    QFETCH(QString, nudaProprieta);
    const std::optional<TabellaVitalizio> table = LifetimeTableFor(test::BuiltInLaw(), year);
    const RigaVitalizio* row = table->RigaPerEta(age);
    QVERIFY(row);
    QCOMPARE(row->percUsufrutto, usufrutto);
    QCOMPARE(row->percNudaProprieta, nudaProprieta);
  }

  // Fixed-term shares as the decrees' tables print them.
  void fixedTermSharesAtARate_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("years");
    QTest::addColumn<QString>("usufrutto");
    QTest::newRow("0,2 %, 1 year") << 20 << 1 << "0,20%";
    QTest::newRow("0,2 %, 30 years") << 20 << 30 << "5,82%";
    QTest::newRow("2,5 %, 10 years") << 250 << 10 << "21,88%";
    QTest::newRow("2,5 %, 30 years") << 250 << 30 << "52,33%";
    QTest::newRow("5 %, 10 years") << 500 << 10 << "38,61%";
    QTest::newRow("10 %, 1 year") << 1000 << 1 << "9,09%";
  }
  void fixedTermSharesAtARate() {
    QFETCH(int, rate);
    QFETCH(int, years);
    QFETCH(QString, usufrutto);
    QCOMPARE(FixedTermTableAt(rate).Righe()[std::size_t(years - 1)].percUsufrutto, usufrutto);
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
    QCOMPARE(RateOn(test::BuiltInLaw(), day)->hundredths, used);
    QCOMPARE(RateOn(test::BuiltInLaw(), day)->Floored(), floored);
  }

  void datesWithoutAKnownRateHaveNone_data() {
    QTest::addColumn<QDate>("day");
    QTest::newRow("the day before the first period") << QDate(1990, 12, 15);
    QTest::newRow("the day after the last period") << QDate(2027, 1, 1);
    QTest::newRow("an invalid date") << QDate();
  }
  void datesWithoutAKnownRateHaveNone() {
    QFETCH(QDate, day);
    QVERIFY(!RateOn(test::BuiltInLaw(), day).has_value());
  }

  void yearsWithoutCoefficientsHaveNoLifetimeTable() {
    QVERIFY(!LifetimeTableFor(test::BuiltInLaw(), 2011));
    QVERIFY(!LifetimeTableFor(test::BuiltInLaw(), 2027));
    QVERIFY(test::BuiltInLaw().CoefficientsFor(2013) == test::BuiltInLaw().CoefficientsFor(2012));
    QVERIFY(LifetimeDecreeFor(test::BuiltInLaw(), 2011).isEmpty());
  }

  // 2018's coefficients at 0,3 % are the one table off the usual percentages.
  void coefficientsOf2018GiveTheirOwnShares_data() {
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("usufrutto");
    QTest::addColumn<QString>("nudaProprieta");
    QTest::addColumn<qint64>("share");  // millionths
    QTest::newRow("0-20") << 20 << "95,25%"
                          << "4,75%" << qint64(952500);
    QTest::newRow("21-30") << 21 << "90%"
                           << "10%" << qint64(900000);
    QTest::newRow("31-40") << 40 << "84,75%"
                           << "15,25%" << qint64(847500);
    QTest::newRow("67-69") << 68 << "42,75%"
                           << "57,25%" << qint64(427500);
    QTest::newRow("93-99") << 99 << "6%"
                           << "94%" << qint64(60000);
    QTest::newRow("100") << 100 << "0%"
                         << "100%" << qint64(0);
  }
  void coefficientsOf2018GiveTheirOwnShares() {
    QFETCH(int, age);
    QFETCH(QString, usufrutto);
    QFETCH(QString, nudaProprieta);
    QFETCH(qint64, share);
    const std::optional<TabellaVitalizio> table = LifetimeTableFor(test::BuiltInLaw(), 2018);
    const RigaVitalizio* row = table->RigaPerEta(age);
    QVERIFY(row);
    QCOMPARE(row->percUsufrutto, usufrutto);
    QCOMPARE(row->percNudaProprieta, nudaProprieta);
    QCOMPARE(row->share.value_or(0), share);
  }

  // Every year's rate, every duration, against the rule computed here.
  void fixedTermShareOfEveryYearFollowsTheRule_data() {
    QTest::addColumn<QDate>("day");
    for (int year = 1991; year <= 2026; ++year) QTest::addRow("%d", year) << QDate(year, 7, 1);
  }
  void fixedTermShareOfEveryYearFollowsTheRule() {
    QFETCH(QDate, day);
    const int rate = RateOn(test::BuiltInLaw(), day)->hundredths;
    const auto& rows = FixedTermTableAt(rate).Righe();
    QCOMPARE(int(rows.size()), 30);
    for (int years = 1; years <= 30; ++years) {
      const auto [share, distance] = FixedTermShare(rate, years);
      // Far from a half: no precision can round it the other way.
      QVERIFY(distance > 1e-9L);
      const RigaTempoDeterminato& row = rows[std::size_t(years - 1)];
      QCOMPARE(row.years, years);
      QCOMPARE(row.quotaDiecimillesimi, int(share));
      QCOMPARE(row.percUsufrutto,
               QString("%1,%2%").arg(share / 100).arg(share % 100, 2, 10, QChar(u'0')));
      QCOMPARE(row.percNudaProprieta, QString("%1,%2%")
                                          .arg((10000 - share) / 100)
                                          .arg((10000 - share) % 100, 2, 10, QChar(u'0')));
    }
  }

  void fixedTermSharesOfActsSignedIn2026And2023() {
    const auto& at2026 =
        FixedTermTableAt(RateOn(test::BuiltInLaw(), QDate(2026, 12, 7))->hundredths).Righe();
    QCOMPARE(at2026[9].percUsufrutto, QString("21,88%"));
    QCOMPARE(at2026[9].percNudaProprieta, QString("78,12%"));
    QCOMPARE(at2026[29].percUsufrutto, QString("52,33%"));
    const auto& at2023 =
        FixedTermTableAt(RateOn(test::BuiltInLaw(), QDate(2023, 6, 15))->hundredths).Righe();
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
