#include <unistd.h>
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
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

  void aValuationEnablesThem() {
    ValueLifetime();
    QVERIFY(AllEnabled());
  }

  void aChangeOfInputOrRateDisablesThem_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("new value") << "value";
    QTest::newRow("new reference date") << "reference";
    QTest::newRow("new birth date") << "birth";
    QTest::newRow("rate") << "rate";
    QTest::newRow("reset on PP") << "resetPP";
    QTest::newRow("entering the birth date") << "enterD1";
    QTest::newRow("entering the value") << "enterPP";
    QTest::newRow("spreadsheet valuation") << "spreadsheet";
  }
  void aChangeOfInputOrRateDisablesThem() {
    QFETCH(QString, change);
    auto& w = f.w();
    f.services.openDocumentCode = 42;
    ValueLifetime();
    if (change == "value") w.PP->setText("100001");
    if (change == "reference") w.D2->setText("8 dicembre 2026");
    if (change == "birth") w.D1->setText("17 agosto 1946");
    if (change == "rate") w.SaggioAllaData->trigger();
    if (change == "resetPP") w.PP_DblClick();
    if (change == "enterD1") w.SetFocus(w.D1);
    if (change == "enterPP") w.SetFocus(w.PP);
    if (change == "spreadsheet") w.Option3_Click();
    QVERIFY(NoneEnabled());
    w.CopiaValoriAtto->trigger();
    QVERIFY(!f.services.log.contains("SetClipboard"));
  }

  void aNewDurationDisablesThem() {
    auto& w = f.w();
    ValueFixedTerm();
    QVERIFY(AllEnabled());
    w.Text1->setText("13");
    QVERIFY(NoneEnabled());
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

  void aRefusedValuationDisablesThem() {
    auto& w = f.w();
    ValueLifetime();
    w.SetFocus(w.R7);
    w.D1->setText("nessuna");
    QVERIFY(NoneEnabled());  // already: the birth date changed
    w.D1->setText("16 agosto 1946");
    Click(w.Option1);
    QVERIFY(AllEnabled());
    w.option5->setChecked(true);
    w.D2->setText("7 dicembre 2026");  // the same date: still standing
    w.D1->setText("16 agosto 2046");
    Click(w.Option1);
    QCOMPARE(f.services.messages.last(), kBirthAfterReference);
    QVERIFY(NoneEnabled());
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

  void savePdfSuggestsTheDocumentsFolderAndTheDate() {
    ValueLifetime();
    f.services.Clear();
    f.w().SalvaProspettoPdf->trigger();  // the dialog is cancelled
    const QString name = "/home/notaio/Documenti/prospetto-usufrutto-" +
                         QDate::currentDate().toString("yyyy-MM-dd") + ".pdf";
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

  void aFolderThatCannotBeWrittenIsNamedAndLeftEmpty() {
    if (geteuid() == 0) QSKIP("root writes in any folder");
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString path = dir.filePath("prospetto.pdf");
    ValueLifetime();
    f.services.saveFileName = path;
    f.w().SalvaProspettoPdf->trigger();
    QCOMPARE(f.services.messages, QStringList{kRefusal + "Impossibile salvare il prospetto in \"" +
                                              path + "\": nella cartella non si può scrivere."});
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  void aMissingFolderIsNamed() {
    ValueLifetime();
    f.services.saveFileName = "/nessuna/cartella/prospetto.pdf";
    f.w().SalvaProspettoPdf->trigger();
    QCOMPARE(f.services.messages,
             QStringList{kRefusal +
                         "Impossibile salvare il prospetto in \"/nessuna/cartella/prospetto.pdf\": "
                         "nella cartella non si può scrivere."});
  }

  void aFileInPlaceOfTheFolderIsNamed() {
    // Refused to anyone, root included.
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
