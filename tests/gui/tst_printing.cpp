#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "fake_printers.h"
#include "gui/printer_window.h"
#include "window_fixture.h"

using namespace velmora;

// "Stampa" in the printer window: the settings the user edited go to the
// current printer in a fixed order, each failure is reported under its
// property, and the main window is printed.
class TestPrinting : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;
  test::FakePrinterSystem printers;
  FrmPrinter* window = nullptr;

  FrmPrinter& Open() {
    f.w().Option6->setChecked(true);
    if (!f.w().printerWindow) qFatal("the printer window did not open");
    window = f.w().printerWindow;
    return *window;
  }

  // A text box gets the text; a list gets "=code" as the choice of the entry
  // with that code, anything else typed into its text part.
  void Edit(const QString& name, const QString& input) {
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
      field->setText(input);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
      if (input.startsWith('=')) {
        const int index = list->findData(input.mid(1).toInt());
        QVERIFY2(index >= 0, qPrintable(input));
        list->setCurrentIndex(index);
      } else {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), input);
        if (input.isEmpty()) list->setEditText(input);
        QCOMPARE(list->currentIndex(), -1);
      }
    }
    QVERIFY2(window->DataChanged(control), qPrintable(name));
  }

  void Stampa() { QTest::mouseClick(window->cmdSet, Qt::LeftButton); }

  QString Printed() const {
    const QSize client = f.window->ClientArea()->size();
    return QStringLiteral("PrintImage %1x%2").arg(client.width()).arg(client.height());
  }

 private slots:
  void init() {
    printers.Add("Ufficio");
    printers.Add("Segreteria");
    printers.SetCurrent("Ufficio");
    f.services.Clear();
    f.services.printers = &printers;
    f.Start();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    window = nullptr;
    f.Stop();
    printers.installed.clear();
    printers.current.reset();
    printers.log.clear();
    printers.printed.clear();
    printers.defaultName.clear();
  }

  void closingThePrinterWindowLetsStampaOpenItAgain() {
    Open();
    QVERIFY(f.w().Option6->isChecked());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f.w().printerWindow);
    QVERIFY(f.w().option5->isChecked());
    QTest::mouseClick(f.w().Option6, Qt::LeftButton, {}, QPoint(20, f.w().Option6->height() / 2));
    QVERIFY(f.w().printerWindow);
    QVERIFY(f.w().printerWindow->isVisible());
  }

  void nothingEditedAppliesNothingAndPrints() {
    Open();
    Stampa();
    QCOMPARE(printers.log, QStringList{Printed()});
    QVERIFY(f.services.messages.isEmpty());
  }

  void theMainWindowsClientAreaIsPrinted() {
    Open();
    f.w().US->setText("€ 25.000,00");
    Stampa();
    QCOMPARE(printers.printed.size(), 1);
    const QImage& image = printers.printed.first();
    QCOMPARE(image.deviceIndependentSize().toSize(), f.w().ClientArea()->size());
    // The window's own grey around the controls, not the printer window.
    QCOMPARE(QColor(image.pixel(image.width() - 2, image.height() - 2)).name(), "#e0e0e0");
    QVERIFY(window->isVisible());
    QCOMPARE(f.w().US->text(), "€ 25.000,00");
  }

  void anEditedRowIsAppliedConverted_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("applied");
    QTest::newRow("width") << "txtWidth"
                           << "12000"
                           << "Width=12000";
    QTest::newRow("width, half to even") << "txtWidth"
                                         << "12.000,5"
                                         << "Width=12000";
    QTest::newRow("height with euro sign, half to even") << "txtHeight"
                                                         << "€ 16.839,5"
                                                         << "Height=16840";
    QTest::newRow("paper size chosen") << "cboPaperSize"
                                       << "=8"
                                       << "PaperSize=8";
    QTest::newRow("paper size typed") << "cboPaperSize"
                                      << "118"
                                      << "PaperSize=118";
    QTest::newRow("orientation") << "cboOrientation"
                                 << "=2"
                                 << "Orientation=2";
    QTest::newRow("colour mode") << "cboColorMode"
                                 << "=1"
                                 << "ColorMode=1";
    QTest::newRow("copies") << "txtCopies"
                            << "2"
                            << "Copies=2";
    QTest::newRow("copies with a half") << "txtCopies"
                                        << "3,5"
                                        << "Copies=4";
    QTest::newRow("duplex") << "cboDuplex"
                            << "=3"
                            << "Duplex=3";
    QTest::newRow("duplex typed negative") << "cboDuplex"
                                           << "-1"
                                           << "Duplex=-1";
    QTest::newRow("paper bin") << "cboPaperBin"
                               << "=14"
                               << "PaperBin=14";
    QTest::newRow("print quality") << "cboPrintQuality"
                                   << "=-1"
                                   << "PrintQuality=-1";
    QTest::newRow("print quality in dpi") << "cboPrintQuality"
                                          << "600"
                                          << "PrintQuality=600";
    QTest::newRow("scale left") << "txtScaleLeft"
                                << "-1440,25"
                                << "ScaleLeft=-1440.25";
    QTest::newRow("scale top") << "txtScaleTop"
                               << "720"
                               << "ScaleTop=720";
    QTest::newRow("scale width") << "txtScaleWidth"
                                 << "0,5"
                                 << "ScaleWidth=0.5";
    QTest::newRow("scale height with a group stop") << "txtScaleHeight"
                                                    << "1.000"
                                                    << "ScaleHeight=1000";
    QTest::newRow("zoom") << "txtZoom"
                          << "150"
                          << "Zoom=150";
    QTest::newRow("zoom with a half") << "txtZoom"
                                      << "2,5"
                                      << "Zoom=2";
    QTest::newRow("zoom: a point leads as decimals, reads as a group stop") << "txtZoom"
                                                                            << "1.5"
                                                                            << "Zoom=15";
  }
  void anEditedRowIsAppliedConverted() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, applied);
    Open();
    Edit(field, input);
    Stampa();
    QCOMPARE(printers.log, (QStringList{applied, Printed()}));
    QVERIFY(f.services.messages.isEmpty());
  }

  void aRowWhoseConditionFailsAppliesNothingAndSaysNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::newRow("zoom 0") << "txtZoom"
                            << "0";
    QTest::newRow("zoom 0.4") << "txtZoom"
                              << "0.4";
    QTest::newRow("zoom 0.5, half to even") << "txtZoom"
                                            << "0.5";
    QTest::newRow("zoom 0,9: the comma ends the number") << "txtZoom"
                                                         << "0,9";
    QTest::newRow("zoom letters") << "txtZoom"
                                  << "abc";
    QTest::newRow("zoom empty") << "txtZoom"
                                << "";
    QTest::newRow("copies 0") << "txtCopies"
                              << "0";
    QTest::newRow("copies negative") << "txtCopies"
                                     << "-1";
    QTest::newRow("copies letters") << "txtCopies"
                                    << "abc";
    QTest::newRow("duplex 0") << "cboDuplex"
                              << "0";
    QTest::newRow("paper bin 0") << "cboPaperBin"
                                 << "0";
    QTest::newRow("print quality 0") << "cboPrintQuality"
                                     << "0";
  }
  void aRowWhoseConditionFailsAppliesNothingAndSaysNothing() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    Open();
    Edit(field, input);
    Stampa();
    QCOMPARE(printers.log, QStringList{Printed()});
    QVERIFY(f.services.messages.isEmpty());
  }

  void aFailingRowIsReportedUnderItsPropertyAndPrintingGoesOn_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("messages");
    const QString mismatch = " | ! | Tipo non corrispondente";
    const QString overflow = " | ! | Overflow";
    QTest::newRow("copies: a digit and a letter")
        << "txtCopies"
        << "1a" << QStringList{"Property: Copies" + mismatch};
    QTest::newRow("copies beyond 16 bits") << "txtCopies"
                                           << "40000" << QStringList{"Property: Copies" + overflow};
    QTest::newRow("width letters") << "txtWidth"
                                   << "abc" << QStringList{"Property: Width" + mismatch};
    QTest::newRow("width beyond 32 bits")
        << "txtWidth"
        << "3.000.000.000" << QStringList{"Property: Width" + overflow};
    QTest::newRow("height empty") << "txtHeight"
                                  << "" << QStringList{"Property: Height" + mismatch};
    QTest::newRow("paper size letters: one message")
        << "cboPaperSize"
        << "abc" << QStringList{"Property: PaperSize" + mismatch};
    QTest::newRow("paper size beyond 16 bits")
        << "cboPaperSize"
        << "40000" << QStringList{"Property: PaperSize" + overflow};
    QTest::newRow("orientation letters: one message")
        << "cboOrientation"
        << "x" << QStringList{"Property: Orientation" + mismatch};
    QTest::newRow("colour mode letters: one message")
        << "cboColorMode"
        << "x" << QStringList{"Property: ColorMode" + mismatch};
    QTest::newRow("duplex letters: two messages")
        << "cboDuplex"
        << "abc" << QStringList{"Property: Duplex" + mismatch, "Property: Duplex" + mismatch};
    QTest::newRow("paper bin letters: two messages")
        << "cboPaperBin"
        << "abc" << QStringList{"Property: PaperBin" + mismatch, "Property: PaperBin" + mismatch};
    QTest::newRow("print quality letters: two messages")
        << "cboPrintQuality"
        << "abc"
        << QStringList{"Property: PrintQuality" + mismatch, "Property: PrintQuality" + mismatch};
    QTest::newRow("duplex beyond 16 bits: read, then refused once")
        << "cboDuplex"
        << "40000" << QStringList{"Property: Duplex" + overflow};
    QTest::newRow("scale letters") << "txtScaleLeft"
                                   << "abc" << QStringList{"Property: ScaleLeft" + mismatch};
    QTest::newRow("scale with an exponent")
        << "txtScaleWidth"
        << "1e5" << QStringList{"Property: ScaleWidth" + mismatch};
    QTest::newRow("zoom: a digit and a letter") << "txtZoom"
                                                << "5x" << QStringList{"Property: Zoom" + mismatch};
  }
  void aFailingRowIsReportedUnderItsPropertyAndPrintingGoesOn() {
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QStringList, messages);
    Open();
    Edit(field, input);
    Stampa();
    QCOMPARE(f.services.messages, messages);
    QCOMPARE(printers.log, QStringList{Printed()});
  }

  void aValueThePrinterRefusesIsReportedAndTheOtherRowsStillApply() {
    printers.current->paperSizes = {9, 1};
    Open();
    Edit("txtWidth", "12240");
    Edit("cboPaperSize", "=8");
    Edit("txtCopies", "2");
    Stampa();
    QCOMPARE(f.services.messages,
             QStringList{"Property: PaperSize | ! | Formato carta non disponibile"});
    QCOMPARE(printers.log, (QStringList{"Width=12240", "Copies=2", Printed()}));
  }

  void rowsAreAppliedInTheirFixedOrder() {
    Open();
    // Edited backwards, applied forwards.
    Edit("txtZoom", "90");
    Edit("txtScaleHeight", "4");
    Edit("txtScaleWidth", "3");
    Edit("txtScaleTop", "2");
    Edit("txtScaleLeft", "1");
    Edit("cboPrintQuality", "=-3");
    Edit("cboPaperBin", "=4");
    Edit("cboDuplex", "=2");
    Edit("txtCopies", "5");
    Edit("cboColorMode", "=1");
    Edit("cboOrientation", "=2");
    Edit("cboPaperSize", "=11");
    Edit("txtHeight", "16000");
    Edit("txtWidth", "11000");
    Stampa();
    QCOMPARE(
        printers.log,
        (QStringList{"Width=11000", "Height=16000", "PaperSize=11", "Orientation=2", "ColorMode=1",
                     "Copies=5", "Duplex=2", "PaperBin=4", "PrintQuality=-3", "ScaleLeft=1",
                     "ScaleTop=2", "ScaleWidth=3", "ScaleHeight=4", "Zoom=90", Printed()}));
  }

  void afterStampaTheFieldsShowThePrinterAsItIsNow() {
    printers.current->refused = {"Height"};
    Open();
    Edit("txtWidth", "12240");
    Edit("txtHeight", "15840");
    Edit("cboOrientation", "=2");
    Stampa();
    QCOMPARE(window->txtWidth->text(), "12240");
    QCOMPARE(window->txtHeight->text(), "16838");
    QCOMPARE(window->cboOrientation->currentText(), "orizzontale");
    for (const char* name : {"txtWidth", "txtHeight", "cboOrientation"})
      QVERIFY2(!window->DataChanged(window->findChild<QWidget*>(name)), name);
    QCOMPARE(f.services.messages, QStringList{"Property: Height | ! | Valore non accettato"});
  }

  void anotherPrinterPickedButNotMadeCurrentOnlyWarns() {
    Open();
    window->cboPrinters->setCurrentIndex(1);
    Edit("txtCopies", "2");
    Stampa();
    QCOMPARE(f.services.messages,
             QStringList{"Velmora 2003 by Dovel | ! | Devi impostare la stampante come corrente"});
    QVERIFY(printers.log.isEmpty());
    QVERIFY(printers.printed.isEmpty());
  }

  void madeCurrentItPrints() {
    Open();
    window->cboPrinters->setCurrentIndex(1);
    QTest::mouseClick(window->cmdMakeCurrent, Qt::LeftButton);
    Stampa();
    QCOMPARE(printers.log, (QStringList{"MakeCurrent Segreteria", Printed()}));
  }

  // The queue that was current is gone: the window opens on the default
  // printer, made current, and "Stampa" prints on it.
  void aRemovedQueueGivesWayToTheDefaultPrinter() {
    printers.SetCurrent("Rimossa");
    printers.defaultName = "Segreteria";
    Open();
    QCOMPARE(window->cboPrinters->currentText(), QString("Segreteria"));
    QCOMPARE(printers.log, QStringList{"MakeCurrent Segreteria"});
    Stampa();
    QCOMPARE(f.services.messages, QStringList());
    QCOMPARE(printers.log, (QStringList{"MakeCurrent Segreteria", Printed()}));
  }

  // Without a default printer nothing is picked, and no list shows its own name.
  void withoutADefaultNoListShowsAnInternalName() {
    printers.SetCurrent("Rimossa");
    Open();
    QCOMPARE(window->cboPrinters->currentIndex(), -1);
    for (QComboBox* list : window->findChildren<QComboBox*>())
      QVERIFY2(!list->currentText().startsWith("cbo"), qPrintable(list->currentText()));
  }

  void noPrinterPickedOnlyWarns() {
    printers.SetCurrent("Non installata");
    Open();
    QCOMPARE(window->cboPrinters->currentIndex(), -1);
    Stampa();
    QCOMPARE(f.services.messages,
             QStringList{"Velmora 2003 by Dovel | ! | Devi impostare la stampante come corrente"});
    QVERIFY(printers.printed.isEmpty());
  }

  // The printout's own failure carries the main window's title.
  void aFailingRefreshIsReportedUnderZoomAndAFailingPrintUnderTheWindow() {
    Open();
    Edit("txtCopies", "2");
    printers.current->unreadable = true;
    printers.current->refused = {"PrintImage"};
    Stampa();
    QCOMPARE(f.services.messages, (QStringList{"Property: Zoom | ! | Stampante non raggiungibile",
                                               "Velmora2016 by Dovel | ! | Stampa non riuscita"}));
    QCOMPARE(printers.log, QStringList{"Copies=2"});
  }
};

VELMORA_UI_TEST_MAIN(TestPrinting)
#include "tst_printing.moc"
