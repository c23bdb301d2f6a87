#include <QPrinterInfo>
#include <QtTest>
#include <functional>
#include <optional>

#include "offscreen_test.h"
#include "platform/print_queue.h"
#include "platform/printer_codes.h"
#include "platform/printers.h"
#include "printer_failure_of.h"

using namespace velmora;
namespace codes = velmora::printercodes;

// The codes of the printer window mapped to Qt's printing settings and back,
// the placing of the printed image, and the real printers where the machine
// has some.
class TestPrinterCodes : public QObject {
  Q_OBJECT

 private slots:
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

  // Asked of the printing service, whether it runs here or not.
  void aQueueThatIsNotInstalledTakesNoJob() {
    const QString name = "VelmoraNoSuchQueue";
    QVERIFY(!QPrinterInfo::availablePrinterNames().contains(name));
    QVERIFY(!QueueTakesJobs(name));
    QVERIFY(!QueueTookTheJob(name));
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
      QVERIFY(!test::FailureOf([&] { printer.SetPaperSize(*lacking); }).isEmpty());
      QCOMPARE(printer.PaperSize(), before);
    }
    QVERIFY(!test::FailureOf([&] { printer.SetCopies(0); }).isEmpty());
    QVERIFY(!test::FailureOf([&] { printer.SetOrientation(3); }).isEmpty());
    printer.SetOrientation(2);
    QCOMPARE(printer.Orientation(), 2);
    QVERIFY(printer.Width() > printer.Height());
    printer.SetCopies(2);
    QCOMPARE(printer.Copies(), 2);
    // The installed printer keeps its own settings.
    QCOMPARE(system->Installed(0).Copies(), 1);
    QVERIFY(!test::FailureOf([&] { system->Installed(system->Count()); }).isEmpty());
  }
};

VELMORA_OFFSCREEN_TEST_MAIN(TestPrinterCodes)
#include "tst_printer_codes.moc"
