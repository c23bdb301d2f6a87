#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <random>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation.h"
#include "gui/colours.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;
using velmora::test::Colour;

// The two valuations on the real window: what each field shows afterwards,
// what the user was told and when the completion sound played.
class TestValuations : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  // Every field a valuation reads or writes, as "name=text".
  QStringList Fields() {
    auto& w = f.w();
    QStringList texts;
    for (QLineEdit* e :
         {w.PP, w.D1, w.D2, w.Text1, w.R5, w.R6, w.R7, w.PERCUSU, w.US, w.PERCNP, w.NP})
      texts << e->objectName() + "=" + e->text();
    return texts;
  }

  // The fields as a user leaves them before choosing a valuation, with the
  // focus on a field that has no handlers of its own and the log cleared.
  void Prepare(const QString& pp, const QString& d1, const QString& d2, const QString& text1 = {}) {
    auto& w = f.w();
    w.SetFocus(w.R7);
    w.PP->setText(pp);
    w.D1->setText(d1);
    w.D2->setText(d2);
    w.Text1->setText(text1);
    f.services.Clear();
  }

  // Earlier results, which a refusal must leave alone.
  // The fields after a refusal: the results gone, and the age with them for
  // a refused date.
  static QStringList Cleared(QStringList fields, bool withAge) {
    for (QString& field : fields) {
      const QString name = field.section('=', 0, 0);
      const bool result = QStringList{"PERCUSU", "US", "PERCNP", "NP"}.contains(name);
      const bool age = QStringList{"R5", "R6", "R7"}.contains(name);
      if (result || (withAge && age)) field = name + "=";
    }
    return fields;
  }

  void EarlierResults() {
    auto& w = f.w();
    w.R5->setText("70");
    w.R6->setText("1");
    w.R7->setText("2");
    w.PERCUSU->setText("40%");
    w.PERCNP->setText("60%");
    w.US->setText("€ 400,00");
    w.NP->setText("€ 600,00");
  }

  static void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
  }

  static QString LongDate(int year, int month, int day) {
    return LongDateText(QDate(year, month, day));
  }

 private slots:
  void init() { f.Start(); }
  void cleanup() {
    // The callbacks hold the locals of the test that set them.
    f.services.onMessageBox = nullptr;
    f.services.onPlayWave = nullptr;
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  // ---- lifetime usufruct ----

  void lifetimeWorkedExampleFillsEveryField() {
    auto& w = f.w();
    Prepare("€ 100.000,00", "16 agosto 1946", "7 dicembre 2026");
    w.Text1->setEnabled(false);
    Click(w.Option1);
    QCOMPARE(Fields(), QStringList({"PP=€ 100.000,00", "D1=16 agosto 1946", "D2=7 dicembre 2026",
                                    "Text1=", "R5=80", "R6=3", "R7=21", "PERCUSU=25%",
                                    "US=€ 25.000,00", "PERCNP=75%", "NP=€ 75.000,00"}));
    QCOMPARE(f.services.log, QStringList({kSound}));
    QVERIFY(w.Text1->isEnabled());
    QVERIFY(w.Option1->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.Option1);
  }

  void lifetimeSoundPlaysAfterTheAgeAndBeforeThePercentages() {
    auto& w = f.w();
    Prepare("100000", "16 agosto 1946", "7 dicembre 2026");
    QStringList atSound;
    f.services.onPlayWave = [&](const QString&) { atSound = Fields(); };
    Click(w.Option1);
    QCOMPARE(atSound,
             QStringList({"PP=100000", "D1=16 agosto 1946", "D2=7 dicembre 2026", "Text1=", "R5=80",
                          "R6=3", "R7=21", "PERCUSU=%", "US=", "PERCNP=%", "NP="}));
    QCOMPARE(w.PP->text(), QString("€ 100.000,00"));
    QCOMPARE(w.US->text(), QString("€ 25.000,00"));
  }

  // The age is set through the reference date, on the day and month of birth.
  // Expected: R5, PERCUSU, PERCNP, US, NP for a full value of 1.234,55.
  void lifetimeBandLimits_data() {
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char* name, int year, int day, QStringList expected) {
      QTest::newRow(name) << LongDate(year, 3, day) << expected;
    };
    row("born today", 1900, 10, {"0", "95%", "5%", "€ 1.172,82", "€ 61,73"});
    row("20 on the eve of 21", 1921, 9, {"20", "95%", "5%", "€ 1.172,82", "€ 61,73"});
    row("21", 1921, 10, {"21", "90%", "10%", "€ 1.111,10", "€ 123,45"});
    row("45", 1945, 10, {"45", "80%", "20%", "€ 987,64", "€ 246,91"});
    row("46", 1946, 10, {"46", "75%", "25%", "€ 925,91", "€ 308,64"});
    row("82", 1982, 10, {"82", "25%", "75%", "€ 308,64", "€ 925,91"});
    row("83", 1983, 10, {"83", "20%", "80%", "€ 246,91", "€ 987,64"});
    row("99", 1999, 10, {"99", "10%", "90%", "€ 123,46", "€ 1.111,09"});
    row("100 has no usufruct", 2000, 10, {"100", "0%", "100%", "€ 0,00", "€ 1.234,55"});
    row("120", 2020, 10, {"120", "0%", "100%", "€ 0,00", "€ 1.234,55"});
  }
  void lifetimeBandLimits() {
    QFETCH(QString, d2);
    QFETCH(QStringList, expected);
    auto& w = f.w();
    Prepare("1234,55", "10 marzo 1900", d2);
    Click(w.Option1);
    QCOMPARE(QStringList(
                 {w.R5->text(), w.PERCUSU->text(), w.PERCNP->text(), w.US->text(), w.NP->text()}),
             expected);
    QCOMPARE(w.PP->text(), QString("€ 1.234,55"));
  }

  // At 65 years the share is 50 %, at 41 years 80 %. Expected: US, NP.
  void lifetimeRoundsTheUsufructToTheEvenCent_data() {
    QTest::addColumn<QString>("pp");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("half a cent at 50 % down to the even cent")
        << "0,25"
        << "7 dicembre 1961" << QStringList{"€ 0,12", "€ 0,13"};
    QTest::newRow("half a cent at 50 % up to the even cent")
        << "0,07"
        << "7 dicembre 1961" << QStringList{"€ 0,04", "€ 0,03"};
    QTest::newRow("80 % of 1.234,57") << "€ 1.234,57"
                                      << "7 dicembre 1985" << QStringList{"€ 987,66", "€ 246,91"};
  }
  void lifetimeRoundsTheUsufructToTheEvenCent() {
    QFETCH(QString, pp);
    QFETCH(QString, d1);
    QFETCH(QStringList, expected);
    auto& w = f.w();
    Prepare(pp, d1, "7 dicembre 2026");
    Click(w.Option1);
    QCOMPARE(QStringList({w.US->text(), w.NP->text()}), expected);
  }

  void lifetimeAgainOnTheSameInputsGivesTheSameTexts() {
    auto& w = f.w();
    Prepare("1234,57", "29 febbraio 1948", "31 gennaio 2016");
    Click(w.Option1);
    const QStringList first = Fields();
    QCOMPARE(first.filter("US="), QStringList({"US=€ 555,56"}));
    w.option5->setChecked(true);
    Click(w.Option1);
    QCOMPARE(Fields(), first);
    QCOMPARE(f.services.log, QStringList({kSound, kSound}));
  }

  // ---- lifetime refusals ----

  void lifetimeRefusesAMissingBirthDate_data() {
    QTest::addColumn<QString>("d1");
    QTest::newRow("empty") << "";
    QTest::newRow("no such day") << "31/02/1990";
    QTest::newRow("digits as typed") << "16081946";
  }
  void lifetimeRefusesAMissingBirthDate() {
    QFETCH(QString, d1);
    auto& w = f.w();
    Prepare("€ 100.000,00", d1, "7 dicembre 2026");
    EarlierResults();
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) { atMessage = Fields(); };
    const QStringList before = Fields();
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList({kValidDate}));
    QCOMPARE(atMessage, Cleared(before, true));
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QVERIFY(w.option5->isChecked());
    QVERIFY(!f.services.log.contains(kSound));
  }

  // No age to value: nothing is written, no sound plays, and the user is
  // sent back to the birth date.
  void lifetimeRefusesABirthDateAfterTheReferenceDate_data() {
    QTest::addColumn<QString>("d1");
    QTest::newRow("one day after") << "8 dicembre 2026";
    QTest::newRow("years after") << "1 gennaio 2030";
  }
  void lifetimeRefusesABirthDateAfterTheReferenceDate() {
    QFETCH(QString, d1);
    auto& w = f.w();
    Prepare("1234,5", d1, "7 dicembre 2026");
    EarlierResults();
    w.Text1->setEnabled(false);
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) { atMessage = Fields(); };
    const QStringList before = Fields();
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList({kBirthAfterReference}));
    QCOMPARE(atMessage, Cleared(before, true));
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QCOMPARE(Colour(w.D1), kCyan);
    QVERIFY(w.option5->isChecked());
    QVERIFY(!f.services.log.contains(kSound));
    for (QLineEdit* age : {w.R5, w.R6, w.R7}) QCOMPARE(age->text(), QString());
  }

  void lifetimeTakesABirthDateOnTheReferenceDate() {
    auto& w = f.w();
    Prepare("1000", "7 dicembre 2026", "7 dicembre 2026");
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(w.R5->text(), QString("0"));
    QCOMPARE(w.US->text(), QString("€ 950,00"));
  }

  void lifetimeRefusesAnUnreadableReferenceDate_data() {
    QTest::addColumn<QString>("d2");
    QTest::newRow("empty") << "";
    QTest::newRow("a word") << "domani";
    QTest::newRow("no such day") << "32 dicembre 2026";
  }
  void lifetimeRefusesAnUnreadableReferenceDate() {
    QFETCH(QString, d2);
    auto& w = f.w();
    Prepare("€ 100.000,00", "16 agosto 1946", d2);
    EarlierResults();
    const QStringList before = Fields();
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList({kValidReferenceDate}));
    QCOMPARE(f.services.log.size(), 1);
    QCOMPARE(Fields(), Cleared(before, true));
    QCOMPARE(QApplication::focusWidget(), w.D2);
    QVERIFY(w.option5->isChecked());
  }

  // ---- both valuations: the value comes first ----

  void bothRefuseAMissingValueBeforeAnythingElse_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("pp");
    QTest::newRow("lifetime, empty") << 1 << "";
    QTest::newRow("lifetime, money text of zero") << 1 << "€ 0,00";
    QTest::newRow("fixed-term, empty") << 2 << "";
    QTest::newRow("fixed-term, money text of zero") << 2 << "€ 0,00";
    // Not greater than zero: a typed zero, or what a paste can leave.
    QTest::newRow("lifetime, zero") << 1 << "0";
    QTest::newRow("lifetime, a pasted negative amount") << 1 << "€ -1.000,00";
    QTest::newRow("fixed-term, zero with decimals") << 2 << "0,00";
    QTest::newRow("fixed-term, a pasted negative amount") << 2 << "-250000";
  }
  void bothRefuseAMissingValueBeforeAnythingElse() {
    QFETCH(int, option);
    QFETCH(QString, pp);
    auto& w = f.w();
    Prepare(pp, "", "7 dicembre 2026", "");  // the birth date and the duration are missing too
    EarlierResults();
    QStringList before = Fields();
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) { atMessage = Fields(); };
    Click(option == 1 ? w.Option1 : w.Option2);
    QCOMPARE(f.services.messages, QStringList({kValueFirst}));
    QCOMPARE(atMessage, Cleared(before, false));
    // Entering the value field starts a new entry: the zero as a money text.
    before.replace(0, "PP=€ 0,00");
    QCOMPARE(Fields(), Cleared(before, false));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->selectedText(), w.PP->text());
    QCOMPARE(Colour(w.PP), kCyan);
    QVERIFY(w.option5->isChecked());
    QVERIFY(!f.services.log.contains(kSound));
  }

  // ---- fixed-term usufruct ----

  // Expected: PP, PERCUSU, US, PERCNP, NP.
  void fixedTermFillsTheResultFields_data() {
    QTest::addColumn<QString>("pp");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char* name, const char* pp, const char* years, QStringList expected) {
      QTest::newRow(name) << QString(pp) << QString(years) << expected;
    };
    row("12 years on 1234,56", "1234,56", "12",
        {"€ 1.234,56", "2,37%", "€ 29,26", "97,63%", "€ 1.205,30"});
    row("a half cent goes to the even cent", "1062,50", "1",
        {"€ 1.062,50", "0,20%", "€ 2,12", "99,80%", "€ 1.060,38"});
    row("1 year on 100.000", "€ 100.000,00", "1",
        {"€ 100.000,00", "0,20%", "€ 200,00", "99,80%", "€ 99.800,00"});
    row("30 years on 100.000", "100.000", "30",
        {"€ 100.000,00", "5,82%", "€ 5.820,00", "94,18%", "€ 94.180,00"});
    const QStringList five = {"€ 100.000,00", "0,99%", "€ 990,00", "99,01%", "€ 99.010,00"};
    row("5 years", "100000", "5", five);
    row("5 years with a leading zero", "100000", "05", five);
    row("5 years after a blank", "100000", " 5", five);
    row("5 years before a blank", "100000", "5 ", five);
    row("5 years with a zero decimal", "100000", "5,0", five);
  }
  void fixedTermFillsTheResultFields() {
    QFETCH(QString, pp);
    QFETCH(QString, years);
    QFETCH(QStringList, expected);
    auto& w = f.w();
    Prepare(pp, "", "7 dicembre 2026", years);
    EarlierResults();
    QStringList atSound;
    f.services.onPlayWave = [&](const QString&) { atSound = Fields(); };
    Click(w.Option2);
    const QStringList fields = {"PP=" + expected[0],
                                "D1=",
                                "D2=7 dicembre 2026",
                                "Text1=" + years,
                                "R5=70",
                                "R6=1",
                                "R7=2",
                                "PERCUSU=" + expected[1],
                                "US=" + expected[2],
                                "PERCNP=" + expected[3],
                                "NP=" + expected[4]};
    QCOMPARE(Fields(), fields);
    // The sound comes last, with every field already written.
    QCOMPARE(atSound, fields);
    QCOMPARE(f.services.log, QStringList({kSound}));
    QVERIFY(w.Option2->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.Option2);
  }

  // For amounts in whole cents the window shows what the calculation gives,
  // and the two values add up to the full value.
  void fixedTermAgreesWithTheCalculationAndBalances() {
    auto& w = f.w();
    std::mt19937_64 random(2016);
    std::uniform_int_distribution<qint64> cents(1, 99999999999);
    std::uniform_int_distribution<int> years(1, 30);
    for (int i = 0; i < 300; ++i) {
      const double full = double(cents(random)) / 100;
      const int n = years(random);
      Prepare(QString::number(full, 'f', 2).replace('.', ','), "", "7 dicembre 2026",
              QString::number(n));
      w.option5->setChecked(true);
      Click(w.Option2);
      const auto expected = ValutaTempoDeterminato(full, n, TabellaTempoDeterminato2016());
      QVERIFY(expected);
      const QString context = w.PP->text() + " " + QString::number(n);
      QCOMPARE(w.US->text(), MoneyText(expected->usufrutto));
      QCOMPARE(w.NP->text(), MoneyText(expected->nudaProprieta));
      const qint64 us = qRound64(*ReadNumber(w.US->text()) * 100);
      const qint64 np = qRound64(*ReadNumber(w.NP->text()) * 100);
      const qint64 pp = qRound64(*ReadNumber(w.PP->text()) * 100);
      QVERIFY2(us + np == pp, qPrintable(context));
    }
  }

  void fixedTermAgainOnTheSameInputsGivesTheSameTexts() {
    auto& w = f.w();
    Prepare("1234567,89", "", "7 dicembre 2026", "17");
    Click(w.Option2);
    const QStringList first = Fields();
    QCOMPARE(first.filter("US="), QStringList({"US=€ 41.234,57"}));
    w.option5->setChecked(true);
    Click(w.Option2);
    QCOMPARE(Fields(), first);
  }

  // ---- fixed-term refusals ----

  void fixedTermRefusesAnEmptyDuration() {
    auto& w = f.w();
    Prepare("100000", "", "7 dicembre 2026", "");
    EarlierResults();
    const QStringList before = Fields();
    QWidget* focusAtMessage = nullptr;
    QString colourAtMessage;
    f.services.onMessageBox = [&](const QString&) {
      focusAtMessage = QApplication::focusWidget();
      colourAtMessage = Colour(w.Text1);
    };
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList({kDurationFirst}));
    QCOMPARE(focusAtMessage, w.Text1);
    QCOMPARE(colourAtMessage, kCyan);
    QCOMPARE(Fields(), Cleared(before, false));
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QVERIFY(w.option5->isChecked());
    QVERIFY(!f.services.log.contains(kSound));
  }

  void fixedTermStopsAtThirtyYears_data() {
    QTest::addColumn<QString>("years");
    QTest::newRow("31") << "31";
    QTest::newRow("30,5") << "30,5";
    QTest::newRow("100") << "100";
  }
  void fixedTermStopsAtThirtyYears() {
    QFETCH(QString, years);
    auto& w = f.w();
    Prepare("100000", "", "7 dicembre 2026", years);
    EarlierResults();
    QStringList before = Fields();
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList({kLongest}));
    QCOMPARE(f.services.log.size(), 1);
    before.replace(3, "Text1=");
    QCOMPARE(Fields(), Cleared(before, false));
    QVERIFY(w.option5->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.Option2);
  }

  void fixedTermRefusesADurationThatIsNoWholeNumberOfYears_data() {
    QTest::addColumn<QString>("years");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-3";
    QTest::newRow("a fraction") << "2,5";
    QTest::newRow("letters") << "dieci";
    QTest::newRow("blanks only") << "   ";
    // A full stop is a decimal point typed by habit, not a group separator.
    QTest::newRow("1.5") << "1.5";
    QTest::newRow("2.5") << "2.5";
    QTest::newRow("3.0") << "3.0";
    QTest::newRow("1.0") << "1.0";
    QTest::newRow("1.000") << "1.000";
  }
  void fixedTermRefusesADurationThatIsNoWholeNumberOfYears() {
    QFETCH(QString, years);
    auto& w = f.w();
    Prepare("100000", "", "7 dicembre 2026", years);
    EarlierResults();
    const QStringList before = Fields();
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList({kWholeYears}));
    QCOMPARE(Fields(), Cleared(before, false));
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QCOMPARE(w.Text1->selectedText(), years);
    QCOMPARE(Colour(w.Text1), kCyan);
    QVERIFY(w.option5->isChecked());
    QVERIFY(!f.services.log.contains(kSound));
  }

  void fixedTermWithTheDurationLockedTellsHowToFreeIt() {
    auto& w = f.w();
    Prepare("€ 100.000,00", "16 agosto 1946", "7 dicembre 2026", "");
    w.Text1->setEnabled(false);
    EarlierResults();
    const QStringList before = Fields();
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList({kLocked}));
    QCOMPARE(Fields(), Cleared(before, false));
    QVERIFY(!w.Text1->isEnabled());
    QVERIFY(w.option5->isChecked());
    QVERIFY(!f.services.log.contains(kSound));
  }
};

VELMORA_UI_TEST_MAIN(TestValuations)
#include "tst_valuations.moc"
