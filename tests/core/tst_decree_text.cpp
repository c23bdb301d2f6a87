#include <QtTest>

#include "core/law/decree_text.h"

using namespace velmora;

// A decree as the data files write it, as the program shows it.
class TestDecreeText : public QObject {
  Q_OBJECT

 private slots:
  void decreesReadAsTheProgramShowsThem_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("shown");
    QTest::newRow("decree with its gazette") << "DM 11/12/2015 (GU 291, 15/12/2015)"
                                             << "D.M. 11/12/2015 (G.U. n. 291 del 15/12/2015)";
    QTest::newRow("directorial decree") << "DD 19/12/2018 (GU 300, 28/12/2018)"
                                        << "D.D. 19/12/2018 (G.U. n. 300 del 28/12/2018)";
    QTest::newRow("gazette without number") << "DM 10/12/2026 (GU 14/12/2026)"
                                            << "D.M. 10/12/2026 (G.U. del 14/12/2026)";
    QTest::newRow("decree alone") << "DM 07/12/2016"
                                  << "D.M. 07/12/2016";
    QTest::newRow("words after") << "DM 07/12/2016, art. 1"
                                 << "D.M. 07/12/2016, art. 1";
    QTest::newRow("a law stays") << "L. 23/12/1996 n. 662, art. 2 c. 185"
                                 << "L. 23/12/1996 n. 662, art. 2 c. 185";
    QTest::newRow("DM as a word") << "DM del Ministero"
                                  << "D.M. del Ministero";
    QTest::newRow("DM inside a word stays") << "DMX 1"
                                            << "DMX 1";
    QTest::newRow("no calendar day") << "DM 31/02/2026" << QString();
    QTest::newRow("gazette on no calendar day")
        << "DM 10/12/2026 (GU 290, 32/12/2026)" << QString();
  }
  void decreesReadAsTheProgramShowsThem() {
    QFETCH(QString, written);
    QFETCH(QString, shown);
    QCOMPARE(DecreeText(written).value_or(QString()), shown);
  }

  // The legislation page cites a decree with its dates written out.
  void decreesCitedWithTheirDatesWrittenOut_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("cited");
    QTest::newRow("decree with its gazette")
        << "D.M. 11/12/2015 (G.U. n. 291 del 15/12/2015)"
        << "D.M. 11 dicembre 2015 (G.U. 15 dicembre 2015, n. 291)";
    QTest::newRow("first of the month, gazette without number")
        << "D.D. 01/12/2003 (G.U. del 10/12/2003)"
        << "D.D. 1° dicembre 2003 (G.U. 10 dicembre 2003)";
    QTest::newRow("words after") << "D.M. 07/12/2016, art. 1"
                                 << "D.M. 7 dicembre 2016, art. 1";
    QTest::newRow("a law stays") << "L. 26/11/1990 n. 353"
                                 << "L. 26/11/1990 n. 353";
  }
  void decreesCitedWithTheirDatesWrittenOut() {
    QFETCH(QString, shown);
    QFETCH(QString, cited);
    QCOMPARE(DecreeCitedText(shown), cited);
  }
};

QTEST_GUILESS_MAIN(TestDecreeText)
#include "tst_decree_text.moc"
