#include <QTest>

#include "gui/coefficient_sheet.h"
#include "legal_data_for_tests.h"

using namespace velmora;

// The sheet of a year's lifetime coefficients, as the table window draws it.
class CoefficientSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsOfTheYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("band");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("rate");
    QTest::newRow("2016 first band") << 2016 << 0 << QStringList{"da 0 a 20", "475", "95", "5"}
                                     << "al tasso di interesse dello 0,2%";
    QTest::newRow("2018 halves") << 2018 << 0 << QStringList{"da 0 a 20", "317,5", "95,25", "4,75"}
                                 << "al tasso di interesse dello 0,3%";
    QTest::newRow("2018 the band of 68")
        << 2018 << 10 << QStringList{"da 67 a 69", "142,5", "42,75", "57,25"}
        << "al tasso di interesse dello 0,3%";
    QTest::newRow("2013 uses 2012") << 2013 << 17 << QStringList{"da 93 a 99", "4", "10", "90"}
                                    << "al tasso di interesse del 2,5%";
    QTest::newRow("2026 at the floor") << 2026 << 13 << QStringList{"da 76 a 78", "12", "30", "70"}
                                       << "al tasso di interesse del 2,5%";
  }
  void rowsOfTheYear() {
    QFETCH(int, year);
    QFETCH(int, band);
    QFETCH(QStringList, row);
    QFETCH(QString, rate);
    const ProspettoCoefficienti sheet = ProspettoPerAnno(test::BuiltInLaw(), year);
    QCOMPARE(sheet.anno, year);
    QCOMPARE(int(sheet.righe.size()), 18);
    QVERIFY(sheet.anniCoperti.empty());
    const RigaProspetto& r = sheet.righe[size_t(band)];
    QCOMPARE((QStringList{r.eta, r.coefficiente, r.usufrutto, r.nudaProprieta}), row);
    QCOMPARE(sheet.tasso, rate);
  }

  void paragraphNamesTheDecrees_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("2018") << 2018
                          << QStringList{"D.M. 20/12/2017 (G.U. n. 301 del 28/12/2017)",
                                         "nella misura dello 0,3% annuo", "dal 1° gennaio 2018."};
    QTest::newRow("2013") << 2013
                          << QStringList{"D.M. 22/12/2011 (G.U. n. 303 del 30/12/2011)",
                                         "Per gli atti del 2013 valgono i coefficienti del 2012."};
    QTest::newRow("2026") << 2026
                          << QStringList{"saggio minimo del 2,5%", "nella misura dell'1,6% annuo",
                                         "D.M. 24/12/2025"};
  }
  void paragraphNamesTheDecrees() {
    QFETCH(int, year);
    QFETCH(QStringList, parts);
    const QString paragraph = ProspettoPerAnno(test::BuiltInLaw(), year).paragrafo;
    for (const QString& part : parts) QVERIFY2(paragraph.contains(part), qPrintable(paragraph));
  }

  void aYearWithoutCoefficientsListsTheCoveredYears_data() {
    QTest::addColumn<int>("year");
    QTest::newRow("before") << 2011;
    QTest::newRow("after") << 2027;
  }
  void aYearWithoutCoefficientsListsTheCoveredYears() {
    QFETCH(int, year);
    const ProspettoCoefficienti sheet = ProspettoPerAnno(test::BuiltInLaw(), year);
    QVERIFY(sheet.righe.empty());
    QVERIFY(sheet.tasso.isEmpty());
    QVERIFY(sheet.paragrafo.contains(QString::number(year)));
    QVERIFY(sheet.paragrafo.contains("dal 2012 al 2026"));
    QCOMPARE(sheet.anniCoperti.front().anno, QString("2012"));
    QCOMPARE(sheet.anniCoperti.back().anno, QString("2026"));
    QCOMPARE(sheet.anniCoperti.back().saggio, QString("2,5%"));
    QCOMPARE(int(sheet.anniCoperti.size()), 15);
    QCOMPARE(sheet.anniCoperti[1].anno, QString("2013"));
    QCOMPARE(sheet.anniCoperti[1].decreto, sheet.anniCoperti[0].decreto);
  }
};

QTEST_GUILESS_MAIN(CoefficientSheetTest)
#include "tst_coefficient_sheet.moc"
