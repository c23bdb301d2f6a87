#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include "core/numbers/date_text.h"
#include "fake_printers.h"
#include "gui/colours.h"
#include "gui/printer_window.h"
#include "window_fixture.h"

using namespace velmora;
using velmora::test::Colour;

// The main window as the program opens it: controls, start-up, the two resets
// and the hover colours.
class TestMainWindow : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  template <typename T = QWidget>
  T* Control(const QString& name) {
    return f.w().findChild<T*>(name);
  }

  // A mouse move with no button, straight to the control under the pointer.
  static void MoveMouse(QWidget* control, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
  }

  // A complete lifetime valuation, as the fields hold it afterwards.
  void FillResults() {
    auto& w = f.w();
    w.PP->setText("€ 100.000,00");
    w.D1->setText("16 agosto 1946");
    w.Text1->setText("5");
    w.R5->setText("80");
    w.R6->setText("3");
    w.R7->setText("21");
    w.PERCUSU->setText("25%");
    w.PERCNP->setText("75%");
    w.US->setText("€ 25.000,00");
    w.NP->setText("€ 75.000,00");
  }

 private slots:
  void init() { f.Start(); }

  // Runs first, while nothing else in this process has read a picture.
  void startingLoadsNoImagePlugin() {
#ifdef Q_OS_LINUX
    QFile maps("/proc/self/maps");
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY2(!maps.readAll().contains("imageformats"),
             "an image plugin was loaded before the first frame");
#endif
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void controlsArePlacedAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");  // in twips
    QTest::addColumn<QString>("caption");
    // Geometry in twips, rounded to logical pixels by the window.
    QTest::newRow("Frame3") << "Frame3"
                            << "client" << QRect(7920, 3720, 2772, 1452)
                            << "Usufrutto a tempo determinato";
    QTest::newRow("Text1") << "Text1"
                           << "Frame3" << QRect(1080, 240, 576, 300) << "";
    QTest::newRow("Label12") << "Label12"
                             << "Frame3" << QRect(360, 960, 2055, 375)
                             << "inserire n. anni di durata";
    QTest::newRow("Frame2") << "Frame2"
                            << "client" << QRect(7920, 1080, 2772, 2415) << "Usufrutto Vitalizio";
    QTest::newRow("D2") << "D2"
                        << "Frame2" << QRect(120, 1320, 2415, 375) << "9 dicembre 2026";
    QTest::newRow("D1") << "D1"
                        << "Frame2" << QRect(120, 240, 2415, 375) << "";
    QTest::newRow("Label1") << "Label1"
                            << "Frame2" << QRect(120, 840, 2415, 375)
                            << "inserire data di nascita nel formato:  16081946";
    QTest::newRow("PP") << "PP"
                        << "client" << QRect(8520, 360, 2172, 372) << "€ 0,00";
    QTest::newRow("Option1") << "Option1"
                             << "Frame1" << QRect(240, 720, 2886, 612) << "usufrutto vitalizio";
    QTest::newRow("Option2") << "Option2"
                             << "Frame1" << QRect(240, 1560, 2886, 612)
                             << "usufrutto a tempo determinato";
    QTest::newRow("Option3") << "Option3"
                             << "Frame1" << QRect(234, 2457, 2772, 612) << "valutazione automatica";
    QTest::newRow("Option6") << "Option6"
                             << "Frame1" << QRect(234, 3393, 2886, 612) << "stampa";
    QTest::newRow("option5") << "option5"
                             << "Frame1" << QRect(240, 3393, 2410, 320) << "parcheggio";
    QTest::newRow("Label2") << "Label2"
                            << "Frame1" << QRect(0, 0, 3372, 564)
                            << "Calcolo dell'usufrutto vitalizio ed a tempo determinato  al "
                               "saggio d'interesse dello 0,2%";
    QTest::newRow("PERCUSU") << "PERCUSU"
                             << "client" << QRect(240, 2640, 1212, 350) << "%";
    QTest::newRow("PERCNP") << "PERCNP"
                            << "client" << QRect(240, 4680, 1212, 350) << "%";
    QTest::newRow("US") << "US"
                        << "client" << QRect(1440, 2640, 1935, 350) << "";
    QTest::newRow("NP") << "NP"
                        << "client" << QRect(1440, 4680, 1935, 350) << "";
    QTest::newRow("R5") << "R5"
                        << "client" << QRect(4200, 4920, 560, 300) << "";
    QTest::newRow("Label5") << "Label5"
                            << "client" << QRect(4248, 4680, 804, 300) << "Età  anni:";
    QTest::newRow("Label4") << "Label4"
                            << "client" << QRect(240, 5040, 3135, 195) << "VALORE NUDA PROPRIETÀ";
    QTest::newRow("coefficiente") << "coefficiente"
                                  << "client" << QRect(7920, 720, 2772, 252)
                                  << "inserire valore piena proprietà";
    QTest::newRow("Image1") << "Image1"
                            << "client" << QRect(2400, 360, 324, 324) << "";
    QTest::newRow("Picture1") << "Picture1"
                              << "Frame1" << QRect(2574, 2457, 676, 676) << "";
  }
  void controlsArePlacedAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QWidget* c = Control(name);
    QVERIFY2(c, qPrintable(name));
    QCOMPARE(c->parentWidget()->objectName(), container);
    const QRect px(qRound(geometry.x() / 15.0), qRound(geometry.y() / 15.0),
                   qRound(geometry.width() / 15.0), qRound(geometry.height() / 15.0));
    QCOMPARE(c->geometry(), px);
    if (auto* e = qobject_cast<QLineEdit*>(c)) QCOMPARE(e->text(), caption);
    if (auto* l = qobject_cast<QLabel*>(c)) QCOMPARE(l->text(), caption);
    if (auto* o = qobject_cast<QRadioButton*>(c)) QCOMPARE(o->text(), caption);
    if (auto* g = qobject_cast<QGroupBox*>(c)) QCOMPARE(g->title(), caption);
  }

  void windowHasItsTitleAndClientSize() {
    QCOMPARE(f.w().objectName(), QString("Frmusufrutto"));
    QCOMPARE(f.w().windowTitle(), QString("Velmora2016 by Dovel"));
    QCOMPARE(f.w().ClientArea()->size(), QSize(791, 433));
    QCOMPARE(Colour(f.w().ClientArea()), QString("#e0e0e0"));
  }

  void everyControlOfTheTableExists() {
    const QStringList names = {
        "Frame3",  "Text1",   "Image5_1", "Label12",      "Frame2",  "D2",      "D1",
        "Label6",  "Label1",  "Image5_0", "R7",           "PP",      "Frame1",  "Picture1",
        "Option1", "Option2", "Option6",  "option5",      "Option3", "Label2",  "R6",
        "R5",      "PERCNP",  "PERCUSU",  "US",           "NP",      "Label10", "Label9",
        "Label7",  "Label8",  "Image1",   "coefficiente", "Label5",  "Label4",  "Label3"};
    QCOMPARE(names.size(), 35);
    for (const QString& n : names) QVERIFY2(Control(n), qPrintable(n));
  }

  void designColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("back");
    QTest::newRow("Frame3 light magenta") << "Frame3"
                                          << "#ffc0ff";
    QTest::newRow("Text1 silver") << "Text1"
                                  << "#c0c0c0";
    QTest::newRow("Frame2 light green") << "Frame2"
                                        << "#80ff80";
    QTest::newRow("D1 light yellow") << "D1"
                                     << "#ffffc0";
    QTest::newRow("Frame1 light blue") << "Frame1"
                                       << "#8080ff";
    QTest::newRow("Option1 light green") << "Option1"
                                         << "#80ff80";
    QTest::newRow("Option2 pink") << "Option2"
                                  << "#ffc0c0";
    QTest::newRow("Option3 light cyan") << "Option3"
                                        << "#c0ffff";
    QTest::newRow("Option6 grey") << "Option6"
                                  << "#e0e0e0";
    QTest::newRow("Label2 yellow") << "Label2"
                                   << "#ffff00";
    QTest::newRow("Label4 salmon") << "Label4"
                                   << "#ff8080";
  }
  void designColours() {
    QFETCH(QString, name);
    QFETCH(QString, back);
    QCOMPARE(Colour(Control(name)), back);
  }

  void textColours() {
    QCOMPARE(Colour(ForeColor(f.w().US)), QString("#004000"));
    QCOMPARE(Colour(ForeColor(f.w().NP)), QString("#0000ff"));
    QCOMPARE(Colour(ForeColor(f.w().PERCUSU)), QString("#ff0000"));
    QCOMPARE(Colour(ForeColor(f.w().PP)), QString("#0000ff"));
  }

  void tabOrderFollowsTheTable() {
    QStringList order;
    QWidget* w = f.w().R7;
    for (int i = 0; i < 16; ++i) {
      order << w->objectName();
      w = w->nextInFocusChain();
      while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&f.w())) w = w->nextInFocusChain();
    }
    QCOMPARE(order.mid(0, 14),
             QStringList({"R7", "R6", "R5", "PERCNP", "PERCUSU", "US", "NP", "PP", "D1", "Text1",
                          "Option6", "Option2", "Option1", "Option3"}));
  }

  void tooltipsAndPointers() {
    QCOMPARE(f.w().PP->toolTip(), QString("Doppio Click per azzerare"));
    QVERIFY(f.w().Option1->toolTip().endsWith("usufruttuario "));
    QCOMPARE(f.w().Image1->toolTip(), QString("attiva la calcolatrice, utility di Windows"));
    for (QWidget* w : {static_cast<QWidget*>(f.w().Option1), static_cast<QWidget*>(f.w().Image1)})
      QVERIFY(w->testAttribute(Qt::WA_SetCursor));
  }

  void everyFieldAndActionIsNamedForScreenReaders() {
    auto& w = f.w();
    for (QWidget* c : std::initializer_list<QWidget*>{w.PP, w.D1, w.D2, w.Text1, w.R5, w.R6, w.R7,
                                                      w.PERCUSU, w.US, w.PERCNP, w.NP, w.Option1,
                                                      w.Option2, w.Option3, w.Option6}) {
      QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
      QVERIFY2(!c->accessibleDescription().isEmpty(), qPrintable(c->objectName()));
    }
    QCOMPARE(w.PP->accessibleName(), QString("Valore della piena proprietà"));
  }

  void menuBarHasThreeCommandsTheRateTheReportOtherRightsAndTheHelpMenu() {
    const auto actions = f.w().menuBar()->actions();
    QCOMPARE(actions.size(), 7);
    QCOMPARE(actions[0]->objectName(), QString("TabellaVigente"));
    QCOMPARE(actions[0]->text(), QString("&Tabella Usufrutto vitalizio 2016"));
    QCOMPARE(actions[1]->text(), QString("&Tabelle Usufrutto vitalizio"));
    QCOMPARE(actions[2]->text(), QString("&Tabelle Usufrutto a tempo determinato"));
    QCOMPARE(actions[3]->text(), QString("&Saggio"));
    QCOMPARE(actions[4]->text(), QString("&Prospetto"));
    QCOMPARE(actions[5]->text(), QString("&Altri diritti"));
    QCOMPARE(actions[6]->text(), QString("&?"));
    QStringList items;
    for (QAction* a : f.w().mnuHelp->actions()) items << a->objectName() + "=" + a->text();
    QCOMPARE(items, QStringList({"istruzioni=&Istruzioni", "normativa=&Normativa",
                                 "sito=&Visita Home Page"}));
  }

  void startUpShowsTodayParksTheOptionsAndEntersTheValue() {
    auto& w = f.w();
    QCOMPARE(w.D2->text(), QString("9 dicembre 2026"));
    QVERIFY(w.option5->isChecked());
    for (auto* o : {w.Option1, w.Option2, w.Option3, w.Option6}) QVERIFY(!o->isChecked());
    QVERIFY(!w.option5->isVisible());
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), QString("#c0ffff"));
  }

  void doubleClickOnTheValueResetsEverythingButTheReferenceDate() {
    auto& w = f.w();
    FillResults();
    const QString d2 = w.D2->text();
    w.Text1->setEnabled(false);
    f.services.CopyElsewhere("123");
    SetBackColor(w.PP, colore::Bianco);
    QTest::mouseDClick(w.PP, Qt::LeftButton);
    QCOMPARE(w.D2->text(), d2);
    for (auto* e : {w.US, w.NP, w.PERCUSU, w.PERCNP, w.D1, w.Text1, w.R5, w.R6, w.R7})
      QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QCOMPARE(f.services.clipboard, QString("123"));  // kept, but old for the value
    QCOMPARE(Colour(w.PP), QString("#c0ffff"));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("0"));
    QCOMPARE(w.PP->selectedText(), QString("0"));
    QVERIFY(w.Text1->isEnabled());
    QVERIFY(w.option5->isChecked());
  }

  void doubleClickOnTheDurationKeepsClipboardAndValueColour() {
    auto& w = f.w();
    FillResults();
    SetBackColor(w.PP, colore::Bianco);
    QTest::mouseClick(w.Option2, Qt::LeftButton);
    f.services.Clear();
    f.services.CopyElsewhere("123");
    QTest::mouseDClick(w.Text1, Qt::LeftButton);
    QCOMPARE(f.services.clipboard, QString("123"));
    QCOMPARE(Colour(w.PP), QString("#ffffff"));
    QCOMPARE(w.PP->text(), QString("0"));
    QCOMPARE(QApplication::focusWidget(), w.Text1);
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(Colour(w.Text1), QString("#c0ffff"));
    for (auto* e : {w.US, w.NP, w.PERCUSU, w.PERCNP, w.D1, w.R5, w.R6, w.R7})
      QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    QVERIFY(w.option5->isChecked());
  }

  // The bars are wide and their captions short: the bottom edge of a bar
  // lies below its caption, where Qt's own radio button takes no click.
  void theWholeBarOfAnActionButtonTakesTheClick_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstCall");
    QTest::newRow("usufrutto vitalizio") << "Option1"
                                         << "MessageBox " + test::kValueFirst;
    QTest::newRow("usufrutto a tempo determinato") << "Option2"
                                                   << "MessageBox " + test::kValueFirst;
    QTest::newRow("valutazione automatica")
        << "Option3"
        << "OpenDocument " + f.services.programFolder + "/ValutazioneAutomatica.xls";
    QTest::newRow("stampa") << "Option6"
                            << "Printers";
  }
  void theWholeBarOfAnActionButtonTakesTheClick() {
    QFETCH(QString, name);
    QFETCH(QString, firstCall);
    test::FakePrinterSystem printers;
    printers.Add("Laser");
    printers.SetCurrent("Laser");
    f.services.printers = &printers;
    auto* bar = Control<QRadioButton>(name);
    f.services.Clear();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 2));
    QVERIFY(!f.services.log.isEmpty());
    QCOMPARE(f.services.log.first(), firstCall);
    delete f.w().printerWindow;
  }

  void hoverTurnsAButtonWhiteAndTheFrameSurfaceRestoresAllFour() {
    auto& w = f.w();
    MoveMouse(w.Option3, QPoint(20, 10));
    QCOMPARE(Colour(w.Option3), QString("#ffffff"));
    QCOMPARE(Colour(w.Option1), QString("#80ff80"));
    MoveMouse(w.Option1, QPoint(20, 10));
    QCOMPARE(Colour(w.Option1), QString("#ffffff"));
    SetBackColor(w.Option2, colore::Nero);
    MoveMouse(w.Frame1, QPoint(5, w.Frame1->height() - 5));
    QCOMPARE(Colour(w.Option1), QString("#80ff80"));
    QCOMPARE(Colour(w.Option2), QString("#ffc0c0"));
    QCOMPARE(Colour(w.Option3), QString("#c0ffff"));
    QCOMPARE(Colour(w.Option6), QString("#e0e0e0"));
  }

  void theWindowSurfaceRestoresTheColoursToo() {
    auto& w = f.w();
    MoveMouse(w.Option6, QPoint(w.Option6->width() - 3, w.Option6->height() - 3));
    QCOMPARE(Colour(w.Option6), QString("#ffffff"));
    MoveMouse(w.ClientArea(), QPoint(w.ClientArea()->width() - 3, 200));
    QCOMPARE(Colour(w.Option6), QString("#e0e0e0"));
  }

  void closingFromTheTitleBarAsksNothing() {
    QVERIFY(f.w().close());
    QVERIFY(!f.w().isVisible());
    QVERIFY(f.services.messages.isEmpty());
  }
};

VELMORA_UI_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
