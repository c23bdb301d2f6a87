#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;
using velmora::test::Colour;

// The birth date and the duration: both ask for the value first; the birth
// date takes eight digits, shows the long form and closes the duration.
class TestDateFields : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  // A key as the keyboard delivers it: pressed in the field that has the
  // focus and released in the one that has it then.
  static void Stroke(Qt::Key key) {
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
  }

  // Types the value and moves on to the birth date, as the user does.
  void EnterValue(const QString& digits) {
    auto& w = f.w();
    QTest::keyClicks(w.PP, digits);
    Stroke(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.D1);
  }

  void TypeBirthDateAndLeave(const QString& typed) {
    auto& w = f.w();
    QTest::keyClicks(w.D1, typed);
    Stroke(Qt::Key_Tab);
  }

  // Selects a visible option without running its valuation.
  static void SelectQuietly(QRadioButton* option) {
    QSignalBlocker quiet(option);
    option->setChecked(true);
  }

  void FillResults() {
    auto& w = f.w();
    for (QLineEdit* e : {w.US, w.NP, w.PERCUSU, w.PERCNP, w.R5, w.R6, w.R7}) e->setText("9");
  }

  void ExpectResultsEmpty() {
    auto& w = f.w();
    for (QLineEdit* e : {w.US, w.NP, w.PERCUSU, w.PERCNP, w.D1, w.R5, w.R6, w.R7})
      QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName() + ": " + e->text()));
  }

 private slots:
  void init() {
    f.services.onMessageBox = nullptr;
    f.services.Clear();
    f.Start();
  }
  void cleanup() {
    f.services.onMessageBox = nullptr;
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void enteringTheBirthDateSettlesTheValueAndDiscardsResults_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("settled");
    QTest::newRow("whole amount") << "100000"
                                  << "€ 100.000,00";
    QTest::newRow("decimals") << "1234,5"
                              << "€ 1.234,50";
    QTest::newRow("zero after the comma") << "1234,05"
                                          << "€ 1.234,05";
    QTest::newRow("trailing comma") << "12,"
                                    << "€ 12,00";
    QTest::newRow("zero") << "0"
                          << "€ 0,00";
  }
  void enteringTheBirthDateSettlesTheValueAndDiscardsResults() {
    QFETCH(QString, typed);
    QFETCH(QString, settled);
    auto& w = f.w();
    FillResults();
    SelectQuietly(w.Option1);
    f.services.CopyElsewhere("123");
    f.services.Clear();
    EnterValue(typed);
    QCOMPARE(w.PP->text(), settled);
    QCOMPARE(Colour(w.PP), kWhite);
    QCOMPARE(Colour(w.D1), kCyan);
    ExpectResultsEmpty();
    QVERIFY(f.services.log.isEmpty());
    QCOMPARE(f.services.clipboard, QString("123"));  // never emptied
    QVERIFY(w.option5->isChecked());
    QVERIFY(f.services.messages.isEmpty());
  }

  void acceptedBirthDateIsShownInFullAndClosesTheDuration_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("eight digits") << "16081946";
    QTest::newRow("two-digit year") << "160846";
    QTest::newRow("month and day swapped") << "08161946";
    QTest::newRow("characters after the eighth ignored") << "16081946/";
  }
  void acceptedBirthDateIsShownInFullAndClosesTheDuration() {
    QFETCH(QString, typed);
    auto& w = f.w();
    EnterValue("100000");
    f.services.Clear();
    TypeBirthDateAndLeave(typed);
    QCOMPARE(w.D1->text(), QString("16 agosto 1946"));
    QCOMPARE(Colour(w.D1), kWhite);
    QVERIFY(!w.Text1->isEnabled());
    QVERIFY(QApplication::focusWidget() != w.D1);
    QVERIFY(f.services.log.isEmpty());
    QCOMPARE(w.PP->text(), QString("€ 100.000,00"));
  }

  void refusedBirthDateIsEmptiedAndAskedAgain_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("with separators") << "16/08/1946";
    QTest::newRow("no 31 February") << "31021990";
    QTest::newRow("month 13") << "16131946";
    QTest::newRow("too short") << "1608";
    QTest::newRow("letters") << "sedici agosto";
    QTest::newRow("zeros") << "00000000";
  }
  void refusedBirthDateIsEmptiedAndAskedAgain() {
    QFETCH(QString, typed);
    auto& w = f.w();
    EnterValue("100000");
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) {
      atMessage << w.D1->text() << Colour(w.D1) << QApplication::focusWidget()->objectName();
    };
    f.services.Clear();
    TypeBirthDateAndLeave(typed);
    QCOMPARE(f.services.messages, QStringList({kDigitsOnly}));
    // The focus goes back first, so the birth date is entered afresh before
    // the message shows.
    QCOMPARE(f.services.log, QStringList({"MessageBox " + kDigitsOnly}));
    QCOMPARE(atMessage, QStringList({"", kCyan, "D1"}));
    QCOMPARE(w.D1->text(), QString());
    QCOMPARE(Colour(w.D1), kCyan);
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QVERIFY(!w.Text1->isEnabled());
    QVERIFY(w.option5->isChecked());

    // The second try is taken.
    TypeBirthDateAndLeave("16081946");
    QCOMPARE(w.D1->text(), QString("16 agosto 1946"));
    QCOMPARE(f.services.messages.size(), 1);
  }

  void leavingTheBirthDateEmptyKeepsTheDurationOpen() {
    auto& w = f.w();
    EnterValue("100000");
    Stroke(Qt::Key_Tab);
    QCOMPARE(Colour(w.D1), kWhite);
    QVERIFY(w.Text1->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QVERIFY(f.services.messages.isEmpty());
  }

  void enteringTheBirthDateAgainDiscardsTheAcceptedDate() {
    auto& w = f.w();
    EnterValue("100000");
    TypeBirthDateAndLeave("16081946");
    FillResults();
    SelectQuietly(w.Option1);
    f.services.Clear();
    QTest::mouseClick(w.D1, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.D1);
    ExpectResultsEmpty();
    QCOMPARE(w.PP->text(), QString("€ 100.000,00"));
    QCOMPARE(Colour(w.PP), kWhite);
    QCOMPARE(Colour(w.D1), kCyan);
    QVERIFY(w.option5->isChecked());
    QVERIFY(f.services.log.isEmpty());
    QVERIFY(!w.Text1->isEnabled());  // only the reset and a valuation open it again
  }

  void clickOnTheBirthDateNeedsAValue_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("zero money text") << "€ 0,00" << true;
    QTest::newRow("zero with decimals") << "0,00" << true;
    QTest::newRow("one cent") << "€ 0,01" << false;
    QTest::newRow("negative") << "-5" << true;
    QTest::newRow("a cent below zero") << "-0,01" << true;
    QTest::newRow("the largest amount") << "9.999.999.999.999,99" << false;
  }
  void clickOnTheBirthDateNeedsAValue() {
    QFETCH(QString, value);
    QFETCH(bool, refused);
    auto& w = f.w();
    EnterValue("5");
    w.Text1->setText("7");
    w.PP->setText(value);
    f.services.Clear();
    QTest::mouseClick(w.D1, Qt::LeftButton);
    QCOMPARE(w.Text1->text(), QString());
    if (!refused) {
      QVERIFY(f.services.log.isEmpty());
      QCOMPARE(QApplication::focusWidget(), w.D1);
      QCOMPARE(w.PP->text(), value);
      return;
    }
    // The message, then the value field entered afresh.
    QCOMPARE(f.services.log, QStringList({"MessageBox " + kValueFirst}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), kCyan);
    QCOMPARE(Colour(w.D1), kWhite);
  }

  void clickOnTheBirthDateRightAfterStartAsksForTheValue() {
    auto& w = f.w();
    f.services.Clear();
    QTest::mouseClick(w.D1, Qt::LeftButton);
    // The zero passes the check on leaving the value, the birth date is
    // entered, and its click sends the user back.
    QCOMPARE(f.services.log, QStringList({"MessageBox " + kValueFirst}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), kCyan);
    QCOMPARE(Colour(w.D1), kWhite);
  }

  // The press refuses to leave the empty value; the release is still a click
  // on the birth date, whose own check finds no value either.
  void clickOnTheBirthDateWithAnEmptyValueWarnsTwice() {
    auto& w = f.w();
    QTest::keyClick(w.PP, Qt::Key_Backspace);
    f.services.Clear();
    QTest::mouseClick(w.D1, Qt::LeftButton);
    QCOMPARE(f.services.log,
             QStringList({"MessageBox " + kValueFirst, "MessageBox " + kValueFirst}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("0"));
    QCOMPARE(Colour(w.PP), kCyan);
    QCOMPARE(Colour(w.D1), QString("#ffffc0"));  // never entered
  }

  void durationNeedsAPositiveValue_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("zero money text") << "€ 0,00" << true;
    QTest::newRow("negative") << "-5" << true;
    QTest::newRow("positive") << "€ 5,00" << false;
    QTest::newRow("typing form") << "1.234," << false;
  }
  void durationNeedsAPositiveValue() {
    QFETCH(QString, value);
    QFETCH(bool, refused);
    auto& w = f.w();
    EnterValue("5");
    w.PP->setText(value);
    SelectQuietly(w.Option2);
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) { atMessage << w.PP->text(); };
    f.services.Clear();
    Stroke(Qt::Key_Tab);
    if (!refused) {
      QVERIFY(f.services.log.isEmpty());
      QCOMPARE(QApplication::focusWidget(), w.Text1);
      QCOMPARE(Colour(w.Text1), kCyan);
      QCOMPARE(w.PP->text(), value);
      return;
    }
    QCOMPARE(f.services.log, QStringList({"MessageBox " + kValueFirst}));
    QCOMPARE(atMessage, QStringList({value.isEmpty() ? QString("0") : value}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), kCyan);
    QCOMPARE(Colour(w.Text1), kWhite);  // left again
    QVERIFY(w.option5->isChecked());
  }

  // Leaving the empty value for the duration is refused before the duration
  // is entered: one message only.
  void leavingAnEmptyValueForTheDurationWarnsOnce() {
    auto& w = f.w();
    QTest::keyClick(w.PP, Qt::Key_Backspace);
    f.services.Clear();
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QCOMPARE(f.services.messages, QStringList({kValueFirst}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(Colour(w.Text1), QString("#c0c0c0"));  // never entered
  }

  void clickOnTheDurationParksTheOptions() {
    auto& w = f.w();
    EnterValue("5");
    SelectQuietly(w.Option2);
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QVERIFY(w.option5->isChecked());
    QVERIFY(!w.Option2->isChecked());
    QTest::keyClicks(w.Text1, "12");
    Stroke(Qt::Key_Backtab);
    QCOMPARE(Colour(w.Text1), kWhite);
    QCOMPARE(w.Text1->text(), QString("12"));
    QVERIFY(f.services.messages.isEmpty());
  }

  void birthDigitsBecomeTheIntermediateDate_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("converted");
    QTest::newRow("eight digits") << "16081946"
                                  << "16/08/1946";
    QTest::newRow("two-digit year") << "160846"
                                    << "16/08/1946";
    QTest::newRow("swapped") << "08161946"
                             << "16/08/1946";
    QTest::newRow("impossible day kept as joined") << "31021990"
                                                   << "31/02/1990";
    QTest::newRow("short text gives short parts") << "1608"
                                                  << "16/08/";
    QTest::newRow("empty") << ""
                           << "";
  }
  void birthDigitsBecomeTheIntermediateDate() {
    QFETCH(QString, typed);
    QFETCH(QString, converted);
    f.w().D1->setText(typed);
    QCOMPARE(f.w().ConversionedtNascita(), converted);
  }
};

VELMORA_UI_TEST_MAIN(TestDateFields)
#include "tst_date_fields.moc"
