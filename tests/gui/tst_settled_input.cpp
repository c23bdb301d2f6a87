#include <QtTest>

#include "gui/settled_input.h"

using namespace velmora;

// The same value or day typed another way is the same input; anything else
// is another input, and takes the figures away.
class TestSettledInput : public QObject {
  Q_OBJECT

 private slots:
  void amountsTypedTwoWaysAreOneInput_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("grouped and plain") << "250.000"
                                       << "250000" << true;
    QTest::newRow("money text") << "€ 250.000,00"
                                << "250000" << true;
    QTest::newRow("decimals written out") << "1.234,5"
                                          << "1234,50" << true;
    QTest::newRow("another cent") << "1234,50"
                                  << "1234,51" << false;
    QTest::newRow("no number against a number") << "abc"
                                                << "0" << false;
    QTest::newRow("two texts that are no number") << "abc"
                                                  << "abd" << false;
  }
  void amountsTypedTwoWaysAreOneInput() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QCOMPARE(SettledAmount(first) == SettledAmount(second), same);
  }

  void daysTypedTwoWaysAreOneInput_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("read");
    QTest::addColumn<QString>("settled");
    QTest::newRow("digits") << "07122026" << QDate(2026, 12, 7) << "2026-12-07";
    QTest::newRow("written out") << "7 dicembre 2026" << QDate(2026, 12, 7) << "2026-12-07";
    QTest::newRow("no day") << "31/02/2026" << QDate() << "31/02/2026";
  }
  void daysTypedTwoWaysAreOneInput() {
    QFETCH(QString, typed);
    QFETCH(QDate, read);
    QFETCH(QString, settled);
    const std::optional<QDate> day = read.isValid() ? std::optional<QDate>(read) : std::nullopt;
    QCOMPARE(SettledDate(day, typed), settled);
  }
};

QTEST_GUILESS_MAIN(TestSettledInput)
#include "tst_settled_input.moc"
