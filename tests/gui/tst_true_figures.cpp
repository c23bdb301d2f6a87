#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "gui/table_window.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

namespace {
const QString kLargest = kRefusal + QStringLiteral(
                                        "L'importo massimo per il calcolo è di € "
                                        "9.999.999.999.999,99: il valore non è stato preso.");
QString PastedNotAnAmount(const QString& found) {
  return kRefusal + "Negli appunti c'è \"" + found +
         "\", che non è un importo nella forma attesa: 1.234.567,89 (il punto solo tra gruppi di "
         "tre cifre, la virgola prima dei decimali). Il valore non è stato inserito.";
}
}  // namespace

// What the window shows always belongs to the inputs it shows: figures go
// when their inputs change, amounts keep their scale, failures are told.
class TestTrueFigures : public QObject {
  Q_OBJECT
  MainWindowFixture f;

  static void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
  }

  static void Retype(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }

  void AtDateOfAct() {
    f.w().SaggioAllaData->trigger();
    f.services.Clear();
  }

  QStringList Results() {
    auto& w = f.w();
    return {w.PERCUSU->text(), w.US->text(), w.PERCNP->text(), w.NP->text()};
  }
  QStringList Age() {
    auto& w = f.w();
    return {w.R5->text(), w.R6->text(), w.R7->text()};
  }

  // Value, birth date and reference date typed, then "usufrutto vitalizio".
  void ValueLifetime(const QString& amount, const QString& birth, const QString& reference) {
    auto& w = f.w();
    QTest::keyClicks(w.PP, amount);
    QTest::keyClick(w.PP, Qt::Key_Tab);
    QTest::keyClicks(w.D1, birth);
    QTest::keyClick(w.D1, Qt::Key_Tab);
    Retype(w.D2, reference);
    Click(w.Option1);
  }

 private slots:
  void init() {
    f.services.Clear();
    f.Start();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  // The case that printed 30 % beside a heading of 0,3 %: a new date takes
  // the figures and the age away, and Tab and Space value the new date.
  void aNewReferenceDateClearsTheFiguresAndTheAge_data() {
    QTest::addColumn<bool>("atDateOfAct");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("date of the act")
        << true << QStringList{"30%", "€ 75.000,00", "70%", "€ 175.000,00"}
        << QStringList{"42,75%", "€ 106.875,00", "57,25%", "€ 143.125,00"};
    QTest::newRow("2016 table") << false << QStringList{"30%", "€ 75.000,00", "70%", "€ 175.000,00"}
                                << QStringList{"45%", "€ 112.500,00", "55%", "€ 137.500,00"};
  }
  void aNewReferenceDateClearsTheFiguresAndTheAge() {
    QFETCH(bool, atDateOfAct);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    auto& w = f.w();
    if (atDateOfAct) AtDateOfAct();
    ValueLifetime("250000", "03051950", "31/12/2026");
    QCOMPARE(Results(), before);
    QCOMPARE(Age(), (QStringList{"76", "7", "27"}));
    QTest::mouseClick(w.D2, Qt::LeftButton);
    w.D2->selectAll();
    QTest::keyClicks(w.D2, "15/06/2018");
    QCOMPARE(Results(), QStringList({"", "", "", ""}));
    QCOMPARE(Age(), QStringList({"", "", ""}));
    QVERIFY(w.option5->isChecked());
    // D2 is last in the tab order: the actions are one Shift+Tab away.
    QTest::keyClick(w.D2, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.Option1);
    QTest::keyClick(w.Option1, Qt::Key_Space);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(Results(), after);
    QCOMPARE(Age(), (QStringList{"68", "1", "12"}));
  }

  // Leaving the date as it was keeps what was computed on it.
  void theSameReferenceDateKeepsTheFigures() {
    auto& w = f.w();
    ValueLifetime("250000", "03051950", "31/12/2026");
    QTest::mouseClick(w.D2, Qt::LeftButton);
    QTest::keyClick(w.D2, Qt::Key_Tab);
    QCOMPARE(Results(), (QStringList{"30%", "€ 75.000,00", "70%", "€ 175.000,00"}));
  }

  void newYearsClearTheFiguresAndSpaceValuesThem() {
    auto& w = f.w();
    AtDateOfAct();
    w.D2->setText("7 dicembre 2026");
    QTest::keyClicks(w.PP, "100000");
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClicks(w.Text1, "10");
    Click(w.Option2);
    QCOMPARE(Results().first(), QString("21,88%"));
    QTest::keyClick(w.Option2, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    w.Text1->selectAll();
    QTest::keyClicks(w.Text1, "20");
    QCOMPARE(Results(), QStringList({"", "", "", ""}));
    QVERIFY(w.option5->isChecked());
    QTest::keyClick(w.Text1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Option2);
    QTest::keyClick(w.Option2, Qt::Key_Space);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(Results().first(), QString("38,97%"));
  }

  void aNewValueClearsTheFiguresButNotTheAge() {
    auto& w = f.w();
    ValueLifetime("250000", "03051950", "31/12/2026");
    QTest::mouseClick(w.PP, Qt::LeftButton);
    QCOMPARE(Results(), QStringList({"", "", "", ""}));
    QCOMPARE(Age(), (QStringList{"76", "7", "27"}));
  }

  void aRefusedValuationClearsTheFigures_data() {
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("message");
    QTest::newRow("too long") << "31" << kLongest;
    QTest::newRow("a fraction") << "2,5" << kWholeYears;
  }
  void aRefusedValuationClearsTheFigures() {
    QFETCH(QString, years);
    QFETCH(QString, message);
    auto& w = f.w();
    QTest::keyClicks(w.PP, "100000");
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClicks(w.Text1, "10");
    Click(w.Option2);
    // Typed over without a change event, as a paste into a stale field would.
    {
      const QSignalBlocker quiet(w.Text1);
      w.Text1->setText(years);
    }
    w.option5->setChecked(true);
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList{message});
    QCOMPARE(Results(), QStringList({"", "", "", ""}));
    QVERIFY(w.option5->isChecked());
  }

  void aSecondCommaIsDropped() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "250000,5");
    QTest::keyClicks(w.PP, ",");
    QCOMPARE(w.PP->text(), QString("250.000,5"));
    QTest::keyClicks(w.PP, "1");
    QCOMPARE(w.PP->text(), QString("250.000,51"));
  }

  void pastedTotals_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("grouped in threes") << "1.234.567,89"
                                       << "€ 1.234.567,89" << QStringList{kImported};
    QTest::newRow("a decimal point") << "250000.00"
                                     << "€ 0,00" << QStringList{PastedNotAnAmount("250000.00")};
    QTest::newRow("one decimal") << "1.5"
                                 << "€ 0,00" << QStringList{PastedNotAnAmount("1.5")};
    QTest::newRow("groups of two") << "12.34.5"
                                   << "€ 0,00" << QStringList{PastedNotAnAmount("12.34.5")};
    QTest::newRow("a long text is cut")
        << "12.34" + QString(50, u'5') << "€ 0,00"
        << QStringList{PastedNotAnAmount("12.34" + QString(25, u'5') + "…")};
    QTest::newRow("zero once rounded") << "0,004"
                                       << "€ 0,00" << QStringList();
    QTest::newRow("too large") << "10.000.000.000.000"
                               << "€ 0,00" << QStringList{kLargest};
  }
  void pastedTotals() {
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    auto& w = f.w();
    w.SetFocus(w.R5);
    f.services.CopyElsewhere(clipboard);
    QTest::mouseClick(w.PP, Qt::LeftButton);
    QCOMPARE(f.services.messages, messages);
    QCOMPARE(w.PP->text(), shown);
    // Entered again, the same refused text is not told again.
    if (shown == "€ 0,00") {
      w.SetFocus(w.R5);
      w.SetFocus(w.PP);
      QCOMPARE(f.services.messages, messages);
    }
  }

  void aTypedAmountAboveTheLargestIsRefused() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "99999999999999,99");
    QTest::keyClick(w.PP, Qt::Key_Tab);
    QCOMPARE(f.services.messages, QStringList{kLargest});
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QVERIFY(w.option5->isChecked());
  }

  void theLargestAmountThroughBothValuations() {
    auto& w = f.w();
    ValueLifetime("9999999999999,99", "03051950", "31/12/2026");
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(w.PP->text(), QString("€ 9.999.999.999.999,99"));
    QCOMPARE(Results(),
             (QStringList{"30%", "€ 3.000.000.000.000,00", "70%", "€ 6.999.999.999.999,99"}));
    QTest::mouseDClick(w.PP, Qt::LeftButton);
    QTest::keyClicks(w.PP, "9999999999999,99");
    QTest::mouseClick(w.Text1, Qt::LeftButton);
    QTest::keyClicks(w.Text1, "30");
    Click(w.Option2);
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(Results(),
             (QStringList{"5,82%", "€ 582.000.000.000,00", "94,18%", "€ 9.417.999.999.999,99"}));
  }

  void theReferenceDateTakesEightDigits() {
    auto& w = f.w();
    AtDateOfAct();
    Retype(w.D2, "15062018");
    QTest::keyClick(w.D2, Qt::Key_Tab);
    QCOMPARE(w.D2->text(), QString("15 giugno 2018"));
    QCOMPARE(w.TabellaVigente->text(), QString("&Tabella Usufrutto vitalizio 2018"));
  }

  void anUnreadableReferenceDateIsRefusedNamingItsForms() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "100000");
    QTest::keyClick(w.PP, Qt::Key_Tab);
    QTest::keyClicks(w.D1, "03051950");
    QTest::keyClick(w.D1, Qt::Key_Tab);
    Retype(w.D2, "31139999");
    Click(w.Option1);
    QCOMPARE(f.services.messages, QStringList{kValidReferenceDate});
    QCOMPARE(QApplication::focusWidget(), w.D2);
  }

  void aClickOnTheBirthDateRefusesANegativeValue() {
    auto& w = f.w();
    w.SetFocus(w.R5);
    w.PP->setText("-5");
    QTest::mouseClick(w.D1, Qt::LeftButton);
    QCOMPARE(f.services.messages, QStringList{kValueFirst});
    QCOMPARE(QApplication::focusWidget(), w.PP);
  }

  void aChoiceThatCannotBeKeptIsToldOnce() {
    auto& w = f.w();
    f.services.settingsWritable = false;
    w.SaggioAllaData->trigger();
    w.SaggioTabella2016->trigger();
    QCOMPARE(f.services.messages,
             QStringList{kRefusal +
                         "Impossibile scrivere il file delle impostazioni \"/home/utente/.config/"
                         "it.dovel.Velmora/Velmora.conf\": la scelta del saggio vale per questa "
                         "sessione ma non sarà ricordata al prossimo avvio."});
    QVERIFY(!w.RateAtDateOfAct());
    w.SaggioAllaData->trigger();
    QVERIFY(w.RateAtDateOfAct());
    QCOMPARE(f.services.messages.size(), 1);
  }

  // An opener that starts and fails later is told as one that cannot start.
  void openersThatFailLater_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    const QString folder = f.services.ProgramFolder();
    QTest::newRow("instructions")
        << "istruzioni"
        << "Velmora 2003 by Dovel | X | Impossibile aprire le istruzioni \"" + folder +
               "/leggimi.txt\".\rCodice di errore: 31.";
    QTest::newRow("legislation") << "normativa"
                                 << "Velmora 2003 by Dovel | X | Impossibile aprire la pagina \"" +
                                        folder + "/normativa.htm\".";
    QTest::newRow("home page") << "sito"
                               << "Velmora 2003 by Dovel | X | Impossibile aprire la pagina "
                                  "\"https://www.dovel.it/velmora\".";
  }
  void openersThatFailLater() {
    QFETCH(QString, command);
    QFETCH(QString, message);
    auto* action = f.w().findChild<QAction*>(command);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(f.services.messages, QStringList());
    f.services.FailOpeners();
    QCOMPARE(f.services.messages, QStringList{message});
  }

  void aWorkbookThatFailsLaterRestoresTheWindow() {
    auto& w = f.w();
    Click(w.Option3);
    QVERIFY(w.isMinimized());
    f.services.FailOpeners();
    QCOMPARE(
        f.services.messages,
        QStringList{"Velmora 2003 by Dovel | X | Errore n. 51: Impossibile eseguire il file \"" +
                    f.services.ProgramFolder() +
                    "/ValutazioneAutomatica.xls\".\r\nCodice di errore di ShellExecute: 31."});
    QVERIFY(!w.isMinimized());
  }

  void theTableFollowsTheReferenceYear() {
    auto& w = f.w();
    QCOMPARE(w.TabellaVigente->text(), QString("&Tabella Usufrutto vitalizio 2016"));
    AtDateOfAct();
    Retype(w.D2, "15/06/2018");
    QCOMPARE(w.TabellaVigente->text(), QString("&Tabella Usufrutto vitalizio 2018"));
    w.TabellaVigente->trigger();
    QVERIFY(w.tableWindow);
    QVERIFY(w.tableWindow->Sheet());
    QCOMPARE(w.tableWindow->Sheet()->anno, 2018);
    QCOMPARE(w.tableWindow->Sheet()->righe.front().coefficiente, QString("317,5"));
    Retype(w.D2, "1 gennaio 2030");
    QCOMPARE(w.TabellaVigente->text(), QString("&Tabella Usufrutto vitalizio 2030"));
    QVERIFY(w.tableWindow->Sheet()->righe.empty());
    w.SaggioTabella2016->trigger();
    QCOMPARE(w.TabellaVigente->text(), QString("&Tabella Usufrutto vitalizio 2016"));
    QVERIFY(!w.tableWindow->Sheet());
    w.tableWindow->close();
  }
};

VELMORA_UI_TEST_MAIN(TestTrueFigures)
#include "tst_true_figures.moc"
