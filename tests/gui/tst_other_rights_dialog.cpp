#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "fake_printers.h"
#include "gui/other_rights_dialog.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

namespace {
// Two spouses born on 16/08/1946 and 3/5/1950, with accrual, on 7/12/2026.
const QStringList kSpouses{"Alt+P", "=100000",   "Alt+R", "=07122026", "Alt+1", "=16081946",
                           "Alt+G", "=3/5/1950", "Alt+E", "Down",      "Return"};
// Then thirty years under the gift and succession tax for someone of 85.
const QStringList kCapped = kSpouses + QStringList{"Alt+T", "Alt+A", "=30",         "Alt+I",
                                                   "Down",  "Alt+1", "=01/01/1941", "Return"};
const QString kAccrualUnsaid = kRefusal + QStringLiteral(
                                              "Con più titolari l'atto deve dire se tra loro c'è "
                                              "diritto di accrescimento: indicarlo prima del "
                                              "calcolo.");
// Ten years from 7/12/2026, under the registration tax.
const QStringList kTenYears{"Alt+P", "=100000", "Alt+R", "=07122026",
                            "Alt+T", "Alt+A",   "=10",   "Return"};
}  // namespace

// The dialog for other rights and several lives, driven by the keyboard
// alone: access keys, typing and Enter, at the rate in force on the date.
class TestOtherRightsDialog : public QObject {
  Q_OBJECT
  MainWindowFixture f;

  FakePrinterSystem printers;

  FrmAltriDiritti& d() { return *f.w().otherRightsDialog; }

  // "Alt+P", "Down", "Return" as keys, "=text" typed, "!2016" and "!date"
  // the main window's rate menu, "!open" its command that opens the dialog,
  // "@CmdAggiungi" a click of the mouse on that button; each key to the open
  // menu or the control with the focus.
  void Keys(const QStringList& steps) {
    for (const QString& step : steps) {
      QWidget* target = QApplication::activePopupWidget();
      if (!target) target = QApplication::focusWidget();
      QVERIFY2(target || step == "!open", qPrintable(step));
      if (step == "!2016") {
        f.w().SaggioTabella2016->trigger();
      } else if (step == "!date") {
        f.w().SaggioAllaData->trigger();
      } else if (step == "!open") {
        f.w().AltriDiritti->trigger();
        QTRY_COMPARE(QApplication::activeWindow(), &d());
      } else if (step.startsWith('@')) {
        auto* button = d().findChild<QAbstractButton*>(step.mid(1));
        QVERIFY2(button, qPrintable(step));
        QTest::mouseClick(button, Qt::LeftButton);
      } else if (step.startsWith('=')) {
        QTest::keyClicks(target, step.mid(1));
      } else {
        const QKeyCombination key = QKeySequence(step)[0];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
      }
      // A button's access key presses it for a moment before it clicks.
      if (QWidget* window = QApplication::activeWindow()) {
        for (auto* button : window->findChildren<QAbstractButton*>())
          QTRY_VERIFY(!button->isDown());
      }
    }
  }
  QStringList Figures() {
    return {d().TxtPercDiritto->text(), d().TxtValoreDiritto->text(),
            d().TxtPercNudaProprieta->text(), d().TxtValoreNudaProprieta->text()};
  }

 private slots:
  void init() {
    printers.Add("Ufficio");
    printers.SetCurrent("Ufficio");
    f.Start();
    f.services.printers = &printers;
    // The main window stays on its default, the 2016 table: the dialog
    // values at the date of the act on its own.
    Keys({"Alt+A", "Return"});
    QVERIFY(f.w().otherRightsDialog);
    QTRY_COMPARE(QApplication::activeWindow(), &d());
    f.services.Clear();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
    printers.installed.clear();
    printers.current.reset();
    printers.printedDocuments.clear();
  }

  void theFiguresOfEachCase_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QStringList>("detail");
    QTest::addColumn<QString>("nextBand");
    QTest::newRow("two spouses with accrual: the youngest")
        << kSpouses << QStringList{"30%", "€ 30.000,00", "70%", "€ 70.000,00"}
        << QStringList{"Titolare 1: nascita 16 agosto 1946, età 80 anni, 3 mesi e 21 giorni",
                       "Titolare 2: nascita 3 maggio 1950, età 76 anni, 7 mesi e 4 giorni",
                       "Età che conta: quella del più giovane (titolare 2)",
                       "Fascia di età: da 76 a 78 anni"}
        << "";
    QTest::newRow("then the cap of a fixed term at 85")
        << kCapped << QStringList{"20%", "€ 20.000,00", "80%", "€ 80.000,00"}
        << QStringList{"Data di nascita del beneficiario: 1 gennaio 1941",
                       "Età alla data di riferimento: 85 anni, 11 mesi e 6 giorni",
                       "Valore a tempo determinato: 52,33% – € 52.330,00",
                       "Valore vitalizio all'età del beneficiario: 20% – € 20.000,00 (fascia da 83 "
                       "a 86 anni)",
                       "Si applica: il valore vitalizio, minore"}
        << "";
    QTest::newRow("habitation without accrual: the oldest, a birthday away")
        << QStringList{"Alt+D",     "Down",      "Down",  "Alt+P",     "=100000",
                       "Alt+R",     "=07122026", "Alt+1", "=20121947", "Alt+G",
                       "=03051955", "Alt+E",     "Down",  "Down",      "Return"}
        << QStringList{"30%", "€ 30.000,00", "70%", "€ 70.000,00"}
        << QStringList{"Età che conta: quella del più anziano (titolare 1)"}
        << "Dal 20/12/2026 il più anziano dei titolari compie 79 anni: da quel giorno il diritto "
           "di abitazione vale il 25%.";
  }
  void theFiguresOfEachCase() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, figures);
    QFETCH(QStringList, detail);
    QFETCH(QString, nextBand);
    Keys(steps);
    QVERIFY2(f.services.messages.isEmpty(), qPrintable(f.services.messages.join('\n')));
    QCOMPARE(Figures(), figures);
    for (const QString& row : detail)
      QVERIFY2(d().LblDettaglio->text().contains(row), qPrintable(d().LblDettaglio->text()));
    QCOMPARE(d().LblProssimaFascia->text(), nextBand);
    QVERIFY(d().CmdCopiaProspetto->isEnabled());
  }

  void anyOtherInputTakesTheFiguresAway_data() {
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<bool>("kept");
    QTest::newRow("none: the inputs gone through")
        << QStringList{"Alt+D"} + QStringList(12, "Tab") << true;
    QTest::newRow("value") << QStringList{"Alt+P", "=100001"} << false;
    QTest::newRow("reference date") << QStringList{"Alt+R", "=08122026"} << false;
    QTest::newRow("a birth date") << QStringList{"Alt+2", "=4/5/1950"} << false;
    QTest::newRow("a life added") << QStringList{"Alt+G"} << false;
    QTest::newRow("a life removed") << QStringList{"Alt+M"} << false;
    QTest::newRow("accrual") << QStringList{"Alt+E", "Down"} << false;
    QTest::newRow("right") << QStringList{"Alt+D", "Down"} << false;
    QTest::newRow("tax") << QStringList{"Alt+I", "Down"} << false;
    QTest::newRow("kind") << QStringList{"Alt+T"} << false;
    // The dialog's rate is its own since it stopped following the menu.
    QTest::newRow("the main window's rate, not the dialog's")
        << QStringList{"!date", "!2016"} << true;
    QTest::newRow("the dialog's rate") << QStringList{"Alt+N", "Down"} << false;
  }
  void anyOtherInputTakesTheFiguresAway() {
    QFETCH(QStringList, change);
    QFETCH(bool, kept);
    Keys(kSpouses);
    Keys(change);
    QCOMPARE(Figures().join(""), kept ? QString("30%€ 30.000,0070%€ 70.000,00") : QString());
    QCOMPARE(d().LblDettaglio->text().isEmpty(), !kept);
    for (QPushButton* command : {d().CmdCopiaProspetto, d().CmdCopiaValoriAtto,
                                 d().CmdSalvaProspettoPdf, d().CmdStampaProspetto})
      QCOMPARE(command->isEnabled(), kept);
    Keys({"Alt+S"});
    QCOMPARE(f.services.log.contains("SetClipboard"), kept);
  }

  void theReportAndTheValuesOfTheDialogsRecord() {
    Keys(kSpouses + QStringList{"Alt+S"});
    const QString& report = f.services.clipboard;
    for (const char* row :
         {"Usufrutto vitalizio al saggio d'interesse del 2,5% in vigore alla data di riferimento",
          "Titolare 2:                   nascita 3 maggio 1950, età 76 anni, 7 mesi e 4 giorni",
          "Età che conta:                quella del più giovane (titolare 2)",
          "Usufrutto:      30% – € 30.000,00 (trentamila/00)"})
      QVERIFY2(report.contains(QString::fromUtf8(row)), qPrintable(report));
    QVERIFY(f.services.clipboardHtml.contains("<h1>Prospetto di calcolo</h1>"));
    // The main window's value field does not take the program's own copy.
    QVERIFY(!f.w().NewClipboardText());
    Keys({"Alt+D", "Down", "Return", "Alt+L"});
    QCOMPARE(d().LblDiritto->text(), QString("Diritto d'uso"));
    QCOMPARE(f.services.clipboard,
             QString("Valore della piena proprietà euro 100.000,00 (centomila/00); valore del "
                     "diritto d'uso euro 30.000,00 (trentamila/00); valore della nuda proprietà "
                     "euro 70.000,00 (settantamila/00)."));
  }

  void aRefusalSaysWhyAndGoesToTheInput_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QStringList noAccrual = kSpouses;
    noAccrual.removeAt(noAccrual.indexOf("Alt+E") + 1);
    QTest::newRow("no accrual said")
        << noAccrual
        << kRefusal +
               "Con più titolari l'atto deve dire se tra loro c'è diritto di "
               "accrescimento: indicarlo prima del calcolo."
        << "CmbAccrescimento";
    QStringList noDate = kSpouses;
    noDate[noDate.indexOf("=3/5/1950")] = "=31/02/1950";
    QTest::newRow("the second life's date") << noDate << kValidDate << "TxtNascita2";
    QTest::newRow("no reference date")
        << QStringList{"Alt+P", "=1", "Alt+R", "=domani", "Alt+1", "=16081946", "Return"}
        << kValidReferenceDate << "TxtRiferimento";
    QTest::newRow("no value") << QStringList{"Alt+1", "=16081946", "Return"} << kValueFirst
                              << "TxtValore";
    QTest::newRow("a decimal point in the value, never read as thousands")
        << QStringList{"Alt+P", "=250000.00", "Alt+1", "=16081946", "Return"}
        << kRefusal +
               "\"250000.00\" non è un importo nella forma attesa: 1.234.567,89 (il punto solo "
               "tra gruppi di tre cifre, la virgola prima dei decimali, al più due decimali)."
        << "TxtValore";
    QStringList typo = kSpouses;
    typo[typo.indexOf("=3/5/1950")] = "=3/5/1026";
    QTest::newRow("a birth a thousand years ago, a typo")
        << typo
        << kRefusal +
               "La data di nascita è di più di 120 anni prima della data di riferimento: "
               "controllare l'anno."
        << "TxtNascita2";
    QStringList swapped = kSpouses;
    swapped[swapped.indexOf("=3/5/1950")] = "=12/25/1950";
    QTest::newRow("day and month swapped, never guessed")
        << swapped
        << kRefusal +
               "\"12/25/1950\" non è una data nella forma attesa: 03/05/1950, 03051950 o 3 "
               "maggio 1950 (il giorno prima del mese, l'anno di quattro cifre)."
        << "TxtNascita2";
  }
  void aRefusalSaysWhyAndGoesToTheInput() {
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Keys(steps);
    QCOMPARE(f.services.messages, QStringList{message});
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(Figures().join("").isEmpty());
  }

  // What was typed in the dialog stays when it closes and opens again; the
  // main window's value comes in when it changed there.
  void theMainWindowsValueComesInWhenItChanged() {
    QCOMPARE(d().TxtValore->text(), f.w().PP->text());
    Keys({"Alt+P", "=5000", "Escape"});
    QVERIFY(!d().isVisible());
    f.w().AltriDiritti->trigger();
    QCOMPARE(d().TxtValore->text(), QString("€ 5.000,00"));
    d().close();
    f.w().PP->setText("€ 7.000,00");
    f.w().AltriDiritti->trigger();
    QCOMPARE(d().TxtValore->text(), QString("€ 7.000,00"));
  }

  // The accrual is said of the lives on screen: when their number changes or
  // the dialog opens for another act, it is asked again before any figure.
  void theAccrualIsAskedAgain_data() {
    QTest::addColumn<QStringList>("change");
    QTest::newRow("one removed, another added")
        << QStringList{"Alt+M", "Alt+G", "=01011960", "Return"};
    QTest::newRow("one added") << QStringList{"Alt+G", "=01011960", "Return"};
    QTest::newRow("one removed of three")
        << QStringList{"Alt+G", "=01011960", "Alt+E", "Down", "Alt+M", "Return"};
    QTest::newRow("the dialog closed and opened") << QStringList{"Escape", "!open"};
  }
  void theAccrualIsAskedAgain() {
    QFETCH(QStringList, change);
    Keys(kSpouses);
    QCOMPARE(Figures().join(""), QString("30%€ 30.000,0070%€ 70.000,00"));
    Keys(change);
    QCOMPARE(d().CmbAccrescimento->currentIndex(), -1);
    QCOMPARE(d().CmbAccrescimento->currentText(), QString());
    f.services.Clear();
    d().CmdCalcola->click();
    QCOMPARE(f.services.messages, QStringList{kAccrualUnsaid});
    QVERIFY(Figures().join("").isEmpty());
  }

  // A fixed term reads the beneficiary's birth under the gift and succession
  // tax alone: what is left in the lives below is no input of it.
  void aFixedTermChecksOnlyTheDatesItReads_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("figures");
    const QStringList lives{"Alt+1", "=16081946", "Alt+G", "=12/25/1950", "Alt+G", "=31/02/1950"};
    QTest::newRow("registration tax, the lives all left")
        << lives + kTenYears << QStringList{"21,88%", "€ 21.880,00", "78,12%", "€ 78.120,00"};
    QTest::newRow("gift tax, the beneficiary alone")
        << lives + kTenYears + QStringList{"Alt+I", "Down", "Return"}
        << QStringList{"21,88%", "€ 21.880,00", "78,12%", "€ 78.120,00"};
  }
  void aFixedTermChecksOnlyTheDatesItReads() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, figures);
    Keys(steps);
    QVERIFY2(f.services.messages.isEmpty(), qPrintable(f.services.messages.join('\n')));
    QCOMPARE(Figures(), figures);
  }

  // Calcola's access key reads and writes out a date as Enter does, or
  // leaving the field: the ISO form included.
  void aDateReadsTheSameWhateverKeyValues_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("iso");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("key");
    for (const char* key : {"Return", "Alt+C"}) {
      QTest::addRow("a birth, %s", key) << "TxtNascita2"
                                        << "=1950-05-03"
                                        << "3 maggio 1950" << key;
      QTest::addRow("the reference, %s", key) << "TxtRiferimento"
                                              << "=2026-12-07"
                                              << "7 dicembre 2026" << key;
    }
  }
  void aDateReadsTheSameWhateverKeyValues() {
    QFETCH(QString, field);
    QFETCH(QString, iso);
    QFETCH(QString, written);
    QFETCH(QString, key);
    Keys({"Alt+P", "=100000", "Alt+R", "=07122026", "Alt+1", "=16081946", "Alt+G", "=3/5/1950",
          "Alt+E", "Down"});
    auto* typed = d().findChild<QLineEdit*>(field);
    typed->setFocus();
    typed->clear();
    Keys({iso, key});
    QVERIFY2(f.services.messages.isEmpty(), qPrintable(f.services.messages.join('\n')));
    QCOMPARE(typed->text(), written);
    QCOMPARE(Figures(), QStringList({"30%", "€ 30.000,00", "70%", "€ 70.000,00"}));
    QVERIFY(d().LblDettaglio->text().contains("Titolare 2: nascita 3 maggio 1950, età 76 anni"));
  }

  // A new life is typed at once, by its access key or the mouse, the tenth
  // brought into sight.
  void aNewLifeTakesTheFocus_data() {
    QTest::addColumn<QString>("add");
    QTest::addColumn<int>("times");
    QTest::newRow("access key") << "Alt+G" << 1;
    QTest::newRow("mouse") << "@CmdAggiungi" << 1;
    QTest::newRow("access key, the tenth") << "Alt+G" << 9;
    QTest::newRow("mouse, the tenth") << "@CmdAggiungi" << 9;
  }
  void aNewLifeTakesTheFocus() {
    QFETCH(QString, add);
    QFETCH(int, times);
    for (int life = 2; life <= times + 1; ++life) {
      Keys({add});
      QCOMPARE(QApplication::focusWidget(), d().TxtNascita[life - 1]);
    }
    QLineEdit* last = d().TxtNascita[times];
    const QRect shown(d().AreaDati->viewport()->mapToGlobal(QPoint(0, 0)),
                      d().AreaDati->viewport()->size());
    QVERIFY(shown.contains(QRect(last->mapToGlobal(QPoint(0, 0)), last->size())));
    Keys({"=16081946"});
    QCOMPARE(last->text(), QString("16081946"));
  }

  // The rate is the dialog's: at the date of the act when it opens, whatever
  // the main window's menu says, and changed here alone.
  void theRateIsTheDialogsOwn() {
    QVERIFY(f.w().SaggioTabella2016->isChecked());
    QCOMPARE(d().CmbSaggio->currentText(), QString("in vigore alla data di riferimento"));
    Keys(kTenYears);
    QCOMPARE(Figures()[0], QString("21,88%"));
    Keys({"!date", "!2016"});
    QCOMPARE(Figures()[0], QString("21,88%"));
    Keys({"Alt+N", "Down"});
    QCOMPARE(d().CmbSaggio->currentText(), QString("tabella 2016 (0,2%)"));
    QVERIFY(Figures().join("").isEmpty());
    d().CmdCalcola->click();
    QCOMPARE(Figures()[0], QString("1,98%"));
    Keys({"Escape", "!open"});
    QCOMPARE(d().CmbSaggio->currentText(), QString("in vigore alla data di riferimento"));
    QVERIFY(Figures().join("").isEmpty());
    QVERIFY(f.w().SaggioTabella2016->isChecked());
  }

  // Only the command that asks where says so with "…": the printout goes
  // to the printer chosen in the printer window.
  void aCommandSaysWhenItAsks_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("asks");
    QTest::addColumn<int>("printed");
    QTest::newRow("PDF") << "CmdSalvaProspettoPdf"
                         << "Salva prospetto PD&F…"
                         << "SaveFileName" << 0;
    QTest::newRow("print") << "CmdStampaProspetto"
                           << "Stampa pr&ospetto"
                           << "" << 1;
  }
  void aCommandSaysWhenItAsks() {
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(QString, asks);
    QFETCH(int, printed);
    Keys(kSpouses);
    auto* button = d().findChild<QPushButton*>(command);
    QCOMPARE(button->text(), caption);
    f.services.Clear();
    button->click();
    QCOMPARE(f.services.log.filter("SaveFileName").size(), asks.isEmpty() ? 0 : 1);
    QCOMPARE(int(printers.printedDocuments.size()), printed);
  }

  void everyControlIsNamed() {
    QCOMPARE(f.w().AltriDiritti->text(), QString("&Altri diritti e più usufruttuari…"));
    for (QWidget* control : d().findChildren<QWidget*>()) {
      if (qobject_cast<QLabel*>(control) || qobject_cast<QLineEdit*>(control) ||
          qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
          qobject_cast<QGroupBox*>(control))
        QVERIFY2(!control->objectName().isEmpty(), qPrintable(control->metaObject()->className()));
    }
  }
};

VELMORA_UI_TEST_MAIN(TestOtherRightsDialog)
#include "tst_other_rights_dialog.moc"
