#include <QComboBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "fake_printers.h"
#include "printing/fieldtext.h"
#include "printing/frmprinter.h"
#include "printing/printercodes.h"
#include "window_fixture.h"

using namespace velmora;
namespace codes = velmora::printercodes;

// "Stampa" in the printer window: the settings the user edited go to the
// current printer in a fixed order, each failure is reported under its
// property, and the main window is printed. Also the codes and conversions
// that it relies on, and the real printers where the machine has some.
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

  static QString Failure(const std::function<void()>& statement) {
    try {
      statement();
    } catch (const PrinterFailure& failure) {
      return failure.description();
    }
    return QString();
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

  void noPrinterPickedOnlyWarns() {
    printers.SetCurrent("Non installata");
    Open();
    QCOMPARE(window->cboPrinters->currentIndex(), -1);
    Stampa();
    QCOMPARE(f.services.messages,
             QStringList{"Velmora 2003 by Dovel | ! | Devi impostare la stampante come corrente"});
    QVERIFY(printers.printed.isEmpty());
  }

  void aFailingRefreshOrPrintIsReportedUnderZoom() {
    Open();
    Edit("txtCopies", "2");
    printers.current->unreadable = true;
    printers.current->refused = {"PrintImage"};
    Stampa();
    QCOMPARE(f.services.messages, (QStringList{"Property: Zoom | ! | Stampante non raggiungibile",
                                               "Property: Zoom | ! | Stampa non riuscita"}));
    QCOMPARE(printers.log, QStringList{"Copies=2"});
  }

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
    QCOMPARE(Failure([&] { fieldtext::Integer(QStringView(text)); }), failure);
  }

  void paperSizeCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("id");  // -1 for none
    QTest::newRow("letter") << 1 << int(QPageSize::Letter);
    QTest::newRow("A3") << 8 << int(QPageSize::A3);
    QTest::newRow("A4") << 9 << int(QPageSize::A4);
    QTest::newRow("C5 is 28") << 28 << int(QPageSize::EnvelopeC5);
    QTest::newRow("C3 is 29") << 29 << int(QPageSize::EnvelopeC3);
    QTest::newRow("C4 is 30") << 30 << int(QPageSize::EnvelopeC4);
    QTest::newRow("user's own") << 256 << -1;
    QTest::newRow("unknown") << 999 << -1;
    QTest::newRow("zero") << 0 << -1;
  }
  void paperSizeCodes() {
    QFETCH(int, code);
    QFETCH(int, id);
    const auto found = codes::PaperSizeId(code);
    QCOMPARE(found ? int(*found) : -1, id);
    if (found) QCOMPARE(codes::PaperSizeCode(QPageSize(*found)), code);
  }

  void sizesWithoutACodeAreTheUsersOwn() {
    QCOMPARE(codes::PaperSizeCode(QPageSize(QSizeF(100, 200), QPageSize::Point)), 256);
    QCOMPARE(codes::PaperSizeCode(QPageSize(QPageSize::A0)), 256);
  }

  void settingCodesGoBothWays() {
    for (int code : {1, 2}) QCOMPARE(codes::OrientationCode(*codes::OrientationFor(code)), code);
    for (int code : {1, 2}) QCOMPARE(codes::ColorModeCode(*codes::ColorModeFor(code)), code);
    for (int code : {1, 2, 3}) QCOMPARE(codes::DuplexCode(*codes::DuplexFor(code)), code);
    for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15})
      QCOMPARE(codes::PaperBinCode(*codes::PaperBinFor(code)), code);
    QCOMPARE(codes::OrientationFor(1), QPageLayout::Portrait);
    QCOMPARE(codes::ColorModeFor(1), QPrinter::GrayScale);
    QCOMPARE(codes::DuplexFor(2), QPrinter::DuplexLongSide);
    QCOMPARE(codes::PaperBinFor(7), QPrinter::Auto);
    QCOMPARE(codes::PaperBinFor(14), QPrinter::Cassette);
    QCOMPARE(codes::DuplexCode(QPrinter::DuplexAuto), 2);
  }

  void codesWithoutASettingAreRefused_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("code");
    QTest::newRow("orientation 0") << "Orientation" << 0;
    QTest::newRow("orientation 3") << "Orientation" << 3;
    QTest::newRow("colour mode 3") << "ColorMode" << 3;
    QTest::newRow("duplex 0") << "Duplex" << 0;
    QTest::newRow("duplex 4") << "Duplex" << 4;
    QTest::newRow("bin 12") << "PaperBin" << 12;
    QTest::newRow("bin 13") << "PaperBin" << 13;
    QTest::newRow("bin 256") << "PaperBin" << 256;
  }
  void codesWithoutASettingAreRefused() {
    QFETCH(QString, property);
    QFETCH(int, code);
    bool mapped = true;
    if (property == "Orientation") mapped = codes::OrientationFor(code).has_value();
    if (property == "ColorMode") mapped = codes::ColorModeFor(code).has_value();
    if (property == "Duplex") mapped = codes::DuplexFor(code).has_value();
    if (property == "PaperBin") mapped = codes::PaperBinFor(code).has_value();
    QVERIFY(!mapped);
  }

  void printQualityCodes_data() {
    QTest::addColumn<QList<int>>("resolutions");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("dpi");  // 0 for none
    const QList<int> five{600, 150, 2400, 300, 1200};
    QTest::newRow("draft: the lowest") << five << -1 << 150;
    QTest::newRow("low") << five << -2 << 300;
    QTest::newRow("medium") << five << -3 << 600;
    QTest::newRow("high: the highest") << five << -4 << 2400;
    QTest::newRow("a resolution it has") << five << 1200 << 1200;
    QTest::newRow("a resolution it lacks") << five << 1000 << 0;
    QTest::newRow("zero") << five << 0 << 0;
    QTest::newRow("below draft") << five << -5 << 0;
    QTest::newRow("one resolution, draft") << QList<int>{300} << -1 << 300;
    QTest::newRow("none named, high") << QList<int>{} << -4 << 1200;
    QTest::newRow("none named, any") << QList<int>{} << 72 << 72;
  }
  void printQualityCodes() {
    QFETCH(QList<int>, resolutions);
    QFETCH(int, code);
    QFETCH(int, dpi);
    QCOMPARE(codes::ResolutionFor(code, resolutions).value_or(0), dpi);
  }

  void printQualityReadsAsTheBestCodeOrTheResolution_data() {
    QTest::addColumn<QList<int>>("resolutions");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("code");
    const QList<int> five{150, 300, 600, 1200, 2400};
    QTest::newRow("lowest") << five << 150 << -1;
    QTest::newRow("highest") << five << 2400 << -4;
    QTest::newRow("between the four") << five << 1200 << 1200;
    QTest::newRow("one resolution reads high") << QList<int>{300} << 300 << -4;
  }
  void printQualityReadsAsTheBestCodeOrTheResolution() {
    QFETCH(QList<int>, resolutions);
    QFETCH(int, dpi);
    QFETCH(int, code);
    QCOMPARE(codes::PrintQualityCode(dpi, resolutions), code);
  }

  void imagePlacement_data() {
    QTest::addColumn<QSizeF>("image");
    QTest::addColumn<QList<float>>("scale");  // left, top, width, height
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QRectF>("placed");
    QTest::addColumn<bool>("mirrored");
    const QSizeF area(10000, 14000);
    const QList<float> twips{0, 0, 10000, 14000};
    QTest::newRow("natural size at the corner")
        << QSizeF(6000, 3000) << twips << 100 << QRectF(0, 0, 6000, 3000) << false;
    QTest::newRow("zoom doubles") << QSizeF(3000, 1500) << twips << 200 << QRectF(0, 0, 6000, 3000)
                                  << false;
    QTest::newRow("origin moved by the scale")
        << QSizeF(3000, 1500) << QList<float>{-1000, -500, 10000, 14000} << 100
        << QRectF(1000, 500, 3000, 1500) << false;
    QTest::newRow("half the units: twice the size")
        << QSizeF(3000, 1500) << QList<float>{0, 0, 5000, 7000} << 100 << QRectF(0, 0, 6000, 3000)
        << false;
    QTest::newRow("too wide: made smaller to fit")
        << QSizeF(20000, 5000) << twips << 100 << QRectF(0, 0, 10000, 2500) << false;
    QTest::newRow("pushed off the area: moved back")
        << QSizeF(3000, 1500) << QList<float>{-9000, 0, 10000, 14000} << 100
        << QRectF(7000, 0, 3000, 1500) << false;
    QTest::newRow("negative width mirrors")
        << QSizeF(3000, 1500) << QList<float>{10000, 0, -10000, 14000} << 100
        << QRectF(7000, 0, 3000, 1500) << true;
  }
  void imagePlacement() {
    QFETCH(QSizeF, image);
    QFETCH(QList<float>, scale);
    QFETCH(int, zoom);
    QFETCH(QRectF, placed);
    QFETCH(bool, mirrored);
    const auto p = codes::PlaceImage(image, QSizeF(10000, 14000), scale[0], scale[1], scale[2],
                                     scale[3], zoom);
    QCOMPARE(p.rect, placed);
    QCOMPARE(p.mirroredHorizontally, mirrored);
    QVERIFY(!p.mirroredVertically);
  }

  // Only where the machine has printers (a CUPS with a queue).
  void realPrintersRefuseWhatTheyLack() {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("no printers installed here");
    auto system = MakeQtPrinterSystem();
    QCOMPARE(system->Count(), QPrinterInfo::availablePrinterNames().size());
    system->MakeCurrent(0);
    CurrentPrinter& printer = system->Current();
    QCOMPARE(printer.DeviceName(), QPrinterInfo::availablePrinterNames().first());
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.DeviceName());
    std::optional<int> lacking;
    for (int code = 1; code <= 41 && !lacking; ++code) {
      const auto id = codes::PaperSizeId(code);
      if (!id) continue;
      bool has = false;
      for (const QPageSize& size : info.supportedPageSizes())
        has = has || size.id() == *id || size.isEquivalentTo(QPageSize(*id));
      if (!has) lacking = code;
    }
    const int before = printer.PaperSize();
    if (lacking) {
      QVERIFY(!Failure([&] { printer.SetPaperSize(*lacking); }).isEmpty());
      QCOMPARE(printer.PaperSize(), before);
    }
    QVERIFY(!Failure([&] { printer.SetCopies(0); }).isEmpty());
    QVERIFY(!Failure([&] { printer.SetOrientation(3); }).isEmpty());
    printer.SetOrientation(2);
    QCOMPARE(printer.Orientation(), 2);
    QVERIFY(printer.Width() > printer.Height());
    printer.SetCopies(2);
    QCOMPARE(printer.Copies(), 2);
    // The installed printer keeps its own settings.
    QCOMPARE(system->Installed(0).Copies(), 1);
    QVERIFY(!Failure([&] { system->Installed(system->Count()); }).isEmpty());
  }
};

VELMORA_UI_TEST_MAIN(TestPrinting)
#include "tst_printing.moc"
