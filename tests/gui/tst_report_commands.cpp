#include <unistd.h>
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "fake_printers.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

// The menu "Prospetto": its commands stand only while the window shows the
// figures of a valuation, and what they hand out is that valuation.
class TestReportCommands : public QObject {
  Q_OBJECT
  MainWindowFixture f;
  FakePrinterSystem printers;

  QList<QAction*> Commands() {
    auto& w = f.w();
    return {w.CopiaProspetto, w.CopiaValoriAtto, w.SalvaProspettoPdf, w.StampaProspetto};
  }
  bool AllEnabled() {
    for (QAction* a : Commands())
      if (!a->isEnabled()) return false;
    return true;
  }
  bool NoneEnabled() {
    for (QAction* a : Commands())
      if (a->isEnabled()) return false;
    return true;
  }

  static void Click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
  }

  // The worked example, with the focus parked on a field without handlers.
  void ValueLifetime() {
    auto& w = f.w();
    w.SetFocus(w.R7);
    w.PP->setText("100000");
    w.D1->setText("16 agosto 1946");
    w.D2->setText("7 dicembre 2026");
    Click(w.Option1);
    QCOMPARE(w.US->text(), QString("€ 25.000,00"));
  }
  void ValueFixedTerm() {
    auto& w = f.w();
    w.SetFocus(w.R7);
    w.PP->setText("1234,56");
    w.Text1->setText("12");
    w.D2->setText("15 giugno 2016");
    Click(w.Option2);
    QCOMPARE(w.US->text(), QString("€ 29,26"));
  }

 private slots:
  void init() {
    printers.Add("Ufficio");
    printers.SetCurrent("Ufficio");
    f.services.printers = &printers;
    f.Start();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
    printers.installed.clear();
    printers.current.reset();
    printers.log.clear();
    printers.printedDocuments.clear();
  }

  void theMenuStandsBeforeHelpWithItsFourCommands() {
    auto& w = f.w();
    QCOMPARE(w.MenuProspetto->objectName(), QString("MenuProspetto"));
    QStringList items;
    for (QAction* a : w.MenuProspetto->actions()) items << a->objectName() + "=" + a->text();
    QCOMPARE(items,
             QStringList(
                 {"CopiaProspetto=Copia prospetto", "CopiaValoriAtto=Copia valori per l'atto",
                  "SalvaProspettoPdf=Salva prospetto PDF…", "StampaProspetto=Stampa prospetto…"}));
    QCOMPARE(w.SalvaProspettoPdf->shortcut(), QKeySequence(QKeySequence::Save));
    QVERIFY(NoneEnabled());
  }

  void aChangeOfInputOrRateDisablesThem_data() {
    QTest::addColumn<QString>("change");
    for (const char* change : {"value", "reference", "birth", "years", "rate", "resetPP",
                               "resetText1", "enterD1", "enterPP", "spreadsheet"})
      QTest::newRow(change) << change;
  }
  void aChangeOfInputOrRateDisablesThem() {
    QFETCH(QString, change);
    auto& w = f.w();
    change == "years" || change == "resetText1" ? ValueFixedTerm() : ValueLifetime();
    QVERIFY(AllEnabled());
    if (change == "value") w.PP->setText("100001");
    if (change == "reference") w.D2->setText("8 dicembre 2026");
    if (change == "birth") w.D1->setText("17 agosto 1946");
    if (change == "years") w.Text1->setText("13");
    if (change == "rate") w.SaggioAllaData->trigger();
    if (change == "resetPP") w.PP_DblClick();
    if (change == "resetText1") w.Text1_DblClick();
    if (change == "enterD1") w.SetFocus(w.D1);
    if (change == "enterPP") w.SetFocus(w.PP);
    if (change == "spreadsheet") w.Option3_Click();
    QVERIFY(NoneEnabled());
    // The figures that the report would have carried are gone from the window too.
    QCOMPARE(w.US->text(), QString());
    w.CopiaValoriAtto->trigger();
    QVERIFY(!f.services.log.contains("SetClipboard"));
  }

  void theSameInputsWrittenAgainKeepThem() {
    auto& w = f.w();
    ValueLifetime();
    // The same value and dates in other forms are the same inputs.
    w.PP->setText("100.000");
    w.D2->setText("07/12/2026");
    w.D1->setText("16/08/1946");
    QVERIFY(AllEnabled());
  }

  void copyReportPutsTextAndHtml() {
    ValueLifetime();
    f.services.Clear();
    f.w().CopiaProspetto->trigger();
    QCOMPARE(f.services.log, QStringList{"SetClipboard"});
    const QString& text = f.services.clipboard;
    const QString& html = f.services.clipboardHtml;
    QVERIFY(text.startsWith("PROSPETTO DI CALCOLO\n"));
    for (const QString& both : {text, html}) {
      QVERIFY(both.contains("16 agosto 1946"));
      QVERIFY(both.contains("da 79 a 82 anni"));
      QVERIFY(both.contains("25% – € 25.000,00 (venticinquemila/00)"));
      QVERIFY(both.contains("D.M. 21/12/2015"));
      QVERIFY(both.contains("alle ore "));
    }
    QVERIFY(html.contains("<h1>Prospetto di calcolo</h1>"));
  }

  void copyValuesForTheAct() {
    ValueFixedTerm();
    f.w().CopiaValoriAtto->trigger();
    QCOMPARE(f.services.clipboard,
             QString("Valore della piena proprietà euro 1.234,56 (milleduecentotrentaquattro/56); "
                     "valore dell'usufrutto euro 29,26 (ventinove/26); valore della nuda "
                     "proprietà euro 1.205,30 (milleduecentocinque/30)."));
    QVERIFY(f.services.clipboardHtml.isEmpty());
  }

  // The 2016 table for an act of 2026: the values go into the act only when
  // the user answers Sì to the warning; Enter alone answers No.
  void copyValuesOfAnotherYearAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("no, the default") << false;
    QTest::newRow("yes") << true;
  }
  void copyValuesOfAnotherYearAsksFirst() {
    QFETCH(bool, answer);
    auto& w = f.w();
    w.SetFocus(w.R7);
    w.PP->setText("100000");
    w.Text1->setText("10");
    w.D2->setText("9 dicembre 2026");
    Click(w.Option2);
    f.services.clipboard = "prima";
    f.services.questionAnswer = answer;
    f.services.Clear();
    w.CopiaValoriAtto->trigger();
    QCOMPARE(f.services.messages.size(), 1);
    QCOMPARE(f.services.messages.first(),
             QString("Velmora by Dovel | ? | Attenzione: la tabella 2016 (saggio dello 0,2%) non è "
                     "quella in vigore il 9 dicembre 2026: a quella data si applica il saggio del "
                     "2,5%, e per questo usufrutto la tabella 2016 dà l'1,98% dove è dovuto il "
                     "21,88%.\r\rCopiare comunque i valori per l'atto?"));
    QCOMPARE(f.services.clipboard.startsWith("Valore della piena proprietà euro 100.000,00"),
             answer);
  }

  void savePdfSuggestsTheDocumentsFolderAndTheDate() {
    ValueLifetime();
    f.services.Clear();
    f.w().SalvaProspettoPdf->trigger();  // the dialog is cancelled
    const QString name = "/home/notaio/Documenti/prospetto-usufrutto-2026-12-09.pdf";
    QCOMPARE(f.services.log, QStringList{"SaveFileName Salva prospetto PDF | " + name +
                                         " | Documenti PDF (*.pdf)"});
    QVERIFY(f.services.messages.isEmpty());
  }

  void savePdfWritesTheFileAndReplacesAnOldOne() {
    QTemporaryDir dir;
    const QString path = dir.filePath("prospetto.pdf");
    {
      QFile old(path);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("vecchio");
    }
    ValueLifetime();
    f.services.saveFileName = path;
    f.w().SalvaProspettoPdf->trigger();
    QVERIFY(f.services.messages.isEmpty());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.read(5) == "%PDF-");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"prospetto.pdf"});
  }

  void aFolderThatCannotBeWrittenIsNamed() {
    // A file in place of the folder: refused to anyone, root included.
    QTemporaryDir dir;
    const QString file = dir.filePath("non-cartella");
    {
      QFile plain(file);
      QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    ValueLifetime();
    f.services.saveFileName = file + "/prospetto.pdf";
    f.w().SalvaProspettoPdf->trigger();
    QCOMPARE(f.services.messages,
             QStringList{kRefusal + "Impossibile salvare il prospetto in \"" + file +
                         "/prospetto.pdf\": nella cartella non si può scrivere."});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"non-cartella"});
  }

  void aFullDiskIsNamedAndLeavesNothing() {
    if (geteuid() != 0) QSKIP("only root mounts a small file system");
    QTemporaryDir dir;
    const QStringList mount{"-t", "tmpfs", "-o", "size=8k", "tmpfs", dir.path()};
    if (QProcess::execute("mount", mount) != 0) QSKIP("no file system can be mounted here");
    ValueLifetime();
    const QString path = dir.filePath("prospetto.pdf");
    f.services.saveFileName = path;
    f.w().SalvaProspettoPdf->trigger();
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QProcess::execute("umount", {dir.path()});
    QCOMPARE(f.services.messages,
             QStringList{kRefusal + "Impossibile salvare il prospetto in \"" + path +
                         "\": la scrittura non è riuscita (il disco potrebbe essere pieno). "
                         "Nessun file è stato scritto o modificato."});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
  }

  void printGoesToTheCurrentPrinter() {
    ValueFixedTerm();
    f.w().StampaProspetto->trigger();
    QCOMPARE(printers.printedDocuments.size(), 1);
    QVERIFY(printers.printedDocuments[0].contains("2,37% – € 29,26 (ventinove/26)"));
    QVERIFY(f.services.messages.isEmpty());
  }

  void aPrintFailureIsTold() {
    ValueFixedTerm();
    printers.current->refused << "PrintDocument";
    f.w().StampaProspetto->trigger();
    QCOMPARE(f.services.messages, QStringList{kRefusal + "Stampa non riuscita"});
    QVERIFY(printers.printedDocuments.isEmpty());
  }
};

QTEST_MAIN(TestReportCommands)
#include "tst_report_commands.moc"
