#include <QtTest>
#include <cstdint>
#include <functional>

#include "gui/field_text.h"
#include "platform/printer_failure.h"
#include "printer_failure_of.h"

using namespace velmora;

// The printer window's field texts as property values: the leading number of
// the row conditions, whole numbers with halves to even, the 16-bit range.
class TestFieldText : public QObject {
  Q_OBJECT

 private slots:
  void leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("digits") << "42" << 42.0;
    QTest::newRow("point decimals") << "0.4" << 0.4;
    QTest::newRow("comma ends it") << "2,5" << 2.0;
    QTest::newRow("letters after") << "1a" << 1.0;
    QTest::newRow("blanks anywhere") << " 1 2\t3 " << 123.0;
    QTest::newRow("sign") << "-7" << -7.0;
    QTest::newRow("exponent") << "1e3x" << 1000.0;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("double exponent letter") << "3d2" << 300.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
  }
  void leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(fieldtext::LeadingNumber(text), number);
  }

  void wholeNumberTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << "12" << 12;
    QTest::newRow("group stops") << "1.234.567" << 1234567;
    QTest::newRow("half down to even") << "0,5" << 0;
    QTest::newRow("half up to even") << "1,5" << 2;
    QTest::newRow("negative half") << "-2,5" << -2;
    QTest::newRow("lowest") << "-2.147.483.648" << int(INT32_MIN);
  }
  void wholeNumberTexts() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(fieldtext::Long(text), number);
  }

  void sixteenBitRangeIsChecked_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("failure");
    QTest::newRow("highest") << "32767"
                             << "";
    QTest::newRow("lowest") << "-32768"
                            << "";
    QTest::newRow("above") << "32768"
                           << "Overflow";
    QTest::newRow("below") << "-32769"
                           << "Overflow";
    QTest::newRow("rounds into range") << "32767,4"
                                       << "";
    QTest::newRow("rounds out of range") << "32767,5"
                                         << "Overflow";
    QTest::newRow("no number") << "1/2"
                               << "Tipo non corrispondente";
  }
  void sixteenBitRangeIsChecked() {
    QFETCH(QString, text);
    QFETCH(QString, failure);
    QCOMPARE(test::FailureOf([&] { fieldtext::Integer(QStringView(text)); }), failure);
  }
};

QTEST_GUILESS_MAIN(TestFieldText)
#include "tst_field_text.moc"
