#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "gui/colours.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;
using velmora::test::Colour;

// The valuations as a user reaches them: typing the amount, moving on with
// Tab or the mouse, typing the date or the years, clicking the option button.
class TestValuationFlow : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  static void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
  }

  // Replaces the reference date as a user does: click, select all, type.
  static void RetypeReferenceDate(QLineEdit* d2, const QString& text) {
    QTest::mouseClick(d2, Qt::LeftButton);
    QTest::keyClick(d2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d2, text);
  }

  void TypeAmountAndBirthDate(const QString& amount, const QString& birthDigits) {
    auto& w = f.w();
    QTest::keyClicks(w.PP, amount);
    QTest::keyClick(w.PP, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QTest::keyClicks(w.D1, birthDigits);
    QTest::keyClick(w.D1, Qt::Key_Tab);
  }

 private slots:
  void init() {
    f.services.Clear();  // the services outlive each test's window
    f.Start();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void lifetimeFromTypingTheAmount() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "100000");
    QCOMPARE(w.PP->text(), QString("100.000"));
    TypeAmountAndBirthDate("", "16081946");
    QCOMPARE(w.PP->text(), QString("€ 100.000,00"));
    QCOMPARE(w.D1->text(), QString("16 agosto 1946"));
    QVERIFY(!w.Text1->isEnabled());
    RetypeReferenceDate(w.D2, "7 dicembre 2026");
    f.services.Clear();
    Click(w.Option1);
    QCOMPARE(f.services.log, QStringList({kSound}));
    QCOMPARE(w.R5->text(), QString("80"));
    QCOMPARE(w.R6->text(), QString("3"));
    QCOMPARE(w.R7->text(), QString("21"));
    QCOMPARE(w.PERCUSU->text(), QString("25%"));
    QCOMPARE(w.PERCNP->text(), QString("75%"));
    QCOMPARE(w.US->text(), QString("€ 25.000,00"));
    QCOMPARE(w.NP->text(), QString("€ 75.000,00"));
    QCOMPARE(w.PP->text(), QString("€ 100.000,00"));
    QVERIFY(w.Text1->isEnabled());
    QVERIFY(w.Option1->isChecked());
  }

  // The refusal hands the value field back ready for typing.
  void lifetimeRefusedForWantOfAValueThenCompleted() {
    auto& w = f.w();
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList({kValueFirst}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), QString("#c0ffff"));
    QVERIFY(w.option5->isChecked());
    TypeAmountAndBirthDate("1234,57", "07121985");
    RetypeReferenceDate(w.D2, "7 dicembre 2026");
    Click(w.Option1);
    QCOMPARE(f.services.messages.size(), 1);
    QCOMPARE(w.R5->text(), QString("41"));
    QCOMPARE(w.US->text(), QString("€ 987,66"));
    QCOMPARE(w.NP->text(), QString("€ 246,91"));
  }

  void fixedTermFromTypingTheAmount() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "1234,56");
    QCOMPARE(w.PP->text(), QString("1.234,56"));
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QTest::keyClicks(w.Text1, "12");
    f.services.Clear();
    Click(w.Option2);
    QCOMPARE(f.services.log, QStringList({kSound}));
    QCOMPARE(w.PP->text(), QString("€ 1.234,56"));
    QCOMPARE(w.US->text(), QString("€ 29,26"));
    QCOMPARE(w.NP->text(), QString("€ 1.205,30"));
    QCOMPARE(w.PERCUSU->text(), QString("2,37%"));
    QCOMPARE(w.PERCNP->text(), QString("97,63%"));
    QVERIFY(w.Option2->isChecked());
  }

  // After a birth date the duration is locked; the message's advice frees it.
  void fixedTermAfterABirthDateFollowsTheAdviceOfItsMessage() {
    auto& w = f.w();
    TypeAmountAndBirthDate("100000", "16081946");
    Click(w.Option2);
    QCOMPARE(f.services.messages.size(), 1);
    QVERIFY(f.services.messages.first().contains("doppio click sul valore della piena proprietà"));
    QVERIFY(w.option5->isChecked());
    QTest::mouseDClick(w.PP, Qt::LeftButton);
    QVERIFY(w.Text1->isEnabled());
    QTest::keyClicks(w.PP, "100000");
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClicks(w.Text1, "5");
    Click(w.Option2);
    QCOMPARE(f.services.messages.size(), 1);
    QCOMPARE(w.US->text(), QString("€ 990,00"));
    QCOMPARE(w.NP->text(), QString("€ 99.010,00"));
  }

  // A new reference date takes the old figures away and parks the group;
  // clicking the button values the inputs as they are now.
  void lifetimeAskedAgainAfterANewReferenceDateShowsTheNewAge() {
    auto& w = f.w();
    TypeAmountAndBirthDate("100000", "16081946");
    RetypeReferenceDate(w.D2, "7 dicembre 2026");
    Click(w.Option1);
    QCOMPARE(w.R5->text(), QString("80"));
    RetypeReferenceDate(w.D2, "7 dicembre 2036");
    QCOMPARE(w.R5->text(), QString());
    QCOMPARE(w.US->text(), QString());
    QVERIFY(w.option5->isChecked());
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(w.R5->text(), QString("90"));
    QCOMPARE(w.PERCUSU->text(), QString("15%"));
    QCOMPARE(w.US->text(), QString("€ 15.000,00"));
    QCOMPARE(w.NP->text(), QString("€ 85.000,00"));
    QCOMPARE(f.services.log.filter(kSound).size(), 2);
  }

  // Back to the years with Shift+Tab, a new number, Tab to the button and
  // Space on it, as a user does from the keyboard.
  void fixedTermAskedAgainFromTheKeyboardShowsTheNewYears() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "100000");
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClicks(w.Text1, "10");
    Click(w.Option2);
    QCOMPARE(w.PERCUSU->text(), QString("1,98%"));
    QCOMPARE(QApplication::focusWidget(), w.Option2);
    QTest::keyClick(w.Option2, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    w.Text1->selectAll();
    QTest::keyClicks(w.Text1, "20");
    QTest::keyClick(w.Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Option2);
    QTest::keyClick(w.Option2, Qt::Key_Space);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(w.PERCUSU->text(), QString("3,92%"));
    QCOMPARE(w.US->text(), QString("€ 3.920,00"));
    QCOMPARE(w.NP->text(), QString("€ 96.080,00"));
    QCOMPARE(f.services.log.filter(kSound).size(), 2);
  }

  // The fixed-term valuation overwrites the values and keeps the age shown.
  void lifetimeThenFixedTerm() {
    auto& w = f.w();
    TypeAmountAndBirthDate("100000", "16081946");
    RetypeReferenceDate(w.D2, "7 dicembre 2026");
    Click(w.Option1);
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClicks(w.Text1, "30");
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(w.R5->text(), QString("80"));
    QCOMPARE(w.PERCUSU->text(), QString("5,82%"));
    QCOMPARE(w.US->text(), QString("€ 5.820,00"));
    QCOMPARE(w.NP->text(), QString("€ 94.180,00"));
    QCOMPARE(f.services.log.filter(kSound).size(), 2);
  }
};

VELMORA_UI_TEST_MAIN(TestValuationFlow)
#include "tst_valuation_flow.moc"
