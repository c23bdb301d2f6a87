#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "fake_printers.h"
#include "gui/printer_window.h"
#include "printer_failure_of.h"
#include "window_fixture.h"

using namespace velmora;
using velmora::test::FakeSettings;

// The printer window over a fake set of printers: its controls, its lists,
// the display of a printer's settings, the change flags and the commands that
// don't print.
class TestFrmPrinter : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;
  test::FakePrinterSystem printers;

  // Two installed printers, the second current; then "stampa".
  FrmPrinter& Open() {
    FakeSettings laser;
    laser.driverName = "HP PCL";
    laser.port = "LPT1:";
    laser.width = 12240;
    laser.height = 15840;
    laser.paperSize = 1;
    printers.Add("Ufficio", laser);
    FakeSettings inkjet;
    inkjet.driverName = "Epson ESC/P";
    inkjet.port = "USB002";
    inkjet.orientation = 2;
    inkjet.colorMode = 1;
    inkjet.copies = 3;
    inkjet.duplex = 2;
    inkjet.paperBin = 14;
    inkjet.printQuality = -2;
    inkjet.scaleWidth = 0.5f;
    inkjet.zoom = 80;
    printers.Add("Segreteria", inkjet);
    printers.SetCurrent("Segreteria");
    return Show();
  }

  FrmPrinter& Show() {
    f.w().Option6->setChecked(true);
    if (!f.w().printerWindow) qFatal("the printer window did not open");
    return *f.w().printerWindow;
  }

  static QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
      entries << list->itemData(i).toString() + " " + list->itemText(i);
    return entries;
  }

 private slots:
  void init() {
    f.services.Clear();
    f.services.printers = &printers;
    f.Start();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
    printers.installed.clear();
    printers.current.reset();
    printers.log.clear();
    printers.printed.clear();
    printers.refreshes = 0;
  }

  void controlsArePlacedAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");  // in twips
    QTest::addColumn<QString>("caption");
    QTest::newRow("cboPrinters") << "cboPrinters" << QRect(1200, 480, 4215, 280) << "";
    QTest::newRow("lblDriverName") << "lblDriverName" << QRect(1200, 1080, 1820, 380) << "";
    QTest::newRow("Label1(1)") << "Label1_1" << QRect(-360, 1200, 1460, 260) << "DriverName";
    QTest::newRow("Label1(0)") << "Label1_0" << QRect(-480, 600, 1460, 260) << "Stampante";
    QTest::newRow("Label1(2)") << "Label1_2" << QRect(3000, 1200, 620, 260) << "Porta";
    QTest::newRow("lblPort") << "lblPort" << QRect(3720, 1080, 1340, 380) << "";
    QTest::newRow("chkTrackDefault")
        << "chkTrackDefault" << QRect(5880, 1080, 2415, 375) << "&Track Default";
    QTest::newRow("Label1(3)") << "Label1_3" << QRect(-360, 1800, 1460, 260) << "Width";
    QTest::newRow("txtWidth") << "txtWidth" << QRect(1200, 1680, 1095, 375) << "";
    QTest::newRow("Label1(4)") << "Label1_4" << QRect(2880, 1800, 740, 260) << "Height";
    QTest::newRow("txtHeight") << "txtHeight" << QRect(3720, 1680, 1095, 375) << "";
    QTest::newRow("cboPaperSize") << "cboPaperSize" << QRect(6360, 1680, 2535, 280) << "";
    QTest::newRow("cmdSet") << "cmdSet" << QRect(7560, 360, 1330, 495) << "Stampa";
    QTest::newRow("cmdMakeCurrent")
        << "cmdMakeCurrent" << QRect(5760, 360, 1450, 495) << "&Imposta corrente";
    QTest::newRow("Label1(5)") << "Label1_5" << QRect(4800, 1800, 1460, 260) << "Formato";
    QTest::newRow("cboOrientation") << "cboOrientation" << QRect(1200, 2880, 2535, 280) << "";
    QTest::newRow("Label1(6)") << "Label1_6" << QRect(-360, 3000, 1460, 260) << "Orientamento";
    QTest::newRow("cboColorMode") << "cboColorMode" << QRect(1200, 3480, 2535, 280) << "";
    QTest::newRow("Label1(7)") << "Label1_7" << QRect(-360, 3600, 1460, 260) << "ColorMode";
    QTest::newRow("txtCopies") << "txtCopies" << QRect(6360, 4080, 1095, 375) << "";
    QTest::newRow("Label1(8)") << "Label1_8" << QRect(4800, 4200, 1460, 260) << "N. Copie";
    QTest::newRow("cboDuplex") << "cboDuplex" << QRect(6360, 2880, 2535, 280) << "";
    QTest::newRow("Label1(9)") << "Label1_9" << QRect(4800, 3000, 1460, 260) << "Duplex";
    QTest::newRow("cboPaperBin") << "cboPaperBin" << QRect(1200, 4080, 2535, 280) << "";
    QTest::newRow("Label1(10)") << "Label1_10" << QRect(-360, 4200, 1460, 260) << "Alimentarore";
    QTest::newRow("cboPrintQuality") << "cboPrintQuality" << QRect(6360, 3480, 2535, 280) << "";
    QTest::newRow("Label1(11)") << "Label1_11" << QRect(4800, 3600, 1460, 260) << "PrintQuality";
    QTest::newRow("txtScaleTop") << "txtScaleTop" << QRect(3720, 2280, 1095, 375) << "";
    QTest::newRow("txtScaleLeft") << "txtScaleLeft" << QRect(1200, 2280, 1095, 375) << "";
    QTest::newRow("Label1(12)") << "Label1_12" << QRect(2640, 2400, 980, 260) << "ScaleTop";
    QTest::newRow("Label1(13)") << "Label1_13" << QRect(-360, 2400, 1460, 260) << "ScaleLeft";
    QTest::newRow("txtScaleHeight") << "txtScaleHeight" << QRect(8880, 2280, 1095, 375) << "";
    QTest::newRow("txtScaleWidth") << "txtScaleWidth" << QRect(6360, 2280, 1095, 375) << "";
    QTest::newRow("Label1(14)") << "Label1_14" << QRect(7560, 2400, 1090, 260) << "ScaleHeight";
    QTest::newRow("Label1(15)") << "Label1_15" << QRect(4800, 2400, 1460, 260) << "ScaleWidth";
    QTest::newRow("txtZoom") << "txtZoom" << QRect(8880, 4080, 1095, 375) << "";
    QTest::newRow("Label1(16)") << "Label1_16" << QRect(7320, 4200, 1460, 260) << "Zoom";
  }
  void controlsArePlacedAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    FrmPrinter& window = Open();
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    auto px = [](int twips) { return qRound(twips / 15.0); };
    QCOMPARE(control->geometry(), QRect(px(geometry.left()), px(geometry.top()),
                                        px(geometry.width()), px(geometry.height())));
    if (auto* label = qobject_cast<QLabel*>(control); label && !caption.isEmpty()) {
      QCOMPARE(label->text(), caption);
      QVERIFY(label->alignment() & Qt::AlignRight);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      QCOMPARE(button->text(), caption);
    } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
      QVERIFY(field->alignment() & Qt::AlignRight);
    }
  }

  void windowIsTheStampantiWindowOfTheGivenSize() {
    FrmPrinter& window = Open();
    QCOMPARE(window.objectName(), "frmPrinter");
    QCOMPARE(window.windowTitle(), "Stampanti");
    QCOMPARE(window.size(), QSize(qRound(10036 / 15.0), qRound(4602 / 15.0)));
    QCOMPARE(window.findChildren<QWidget*>(QRegularExpression("^Label1_")).size(), 17);
    QVERIFY(window.cboPaperSize->isEditable());
    QVERIFY(!window.cboPrinters->isEditable());
  }

  void tabGoesThroughTheControlsInTheirOrder() {
    FrmPrinter& window = Open();
    const QStringList expected{
        "cboPrinters",    "chkTrackDefault", "txtWidth",        "txtHeight",    "cboPaperSize",
        "cmdSet",         "cmdMakeCurrent",  "cboOrientation",  "cboColorMode", "txtCopies",
        "cboDuplex",      "cboPaperBin",     "cboPrintQuality", "txtScaleTop",  "txtScaleLeft",
        "txtScaleHeight", "txtScaleWidth",   "txtZoom"};
    QStringList seen;
    QWidget* w = window.cboPrinters;
    do {
      if (expected.contains(w->objectName()) && !seen.contains(w->objectName()))
        seen << w->objectName();
      w = w->nextInFocusChain();
    } while (w != window.cboPrinters);
    QCOMPARE(seen, expected);
  }

  void listsHoldTheirEntriesInOrder_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("entries");  // "value text"
    QTest::newRow("paper bins: no 12 and 13")
        << "cboPaperBin"
        << QStringList{"1 vbPRBNUpper",     "2 vbPRBNLower",          "3 vbPRBNMiddle",
                       "4 vbPRBNManual",    "5 vbPRBNEnvelope",       "6 vbPRBNEnvManual",
                       "7 vbPRBNAuto",      "8 vbPRBNTractor",        "9 vbPRBNSmallFmt",
                       "10 vbPRBNLargeFmt", "11 vbPRBNLargeCapacity", "14 vbPRBNCassette"};
    QTest::newRow("orientations") << "cboOrientation"
                                  << QStringList{"1 verticale", "2 orizzontale"};
    QTest::newRow("colour modes") << "cboColorMode"
                                  << QStringList{"1 vbPRCMMonochrome", "2 vbPRCMColor"};
    QTest::newRow("duplex") << "cboDuplex"
                            << QStringList{"1 singola facciata", "2 orizzontale fronte-retro",
                                           "3 verticale fronte-retro"};
    QTest::newRow("print qualities: negative codes")
        << "cboPrintQuality"
        << QStringList{"-1 vbPRPQDraft", "-2 vbPRPQLow", "-3 vbPRPQMedium", "-4 vbPRPQHigh"};
    QTest::newRow("printers: names in the system's order, no values")
        << "cboPrinters" << QStringList{" Ufficio", " Segreteria"};
  }
  void listsHoldTheirEntriesInOrder() {
    QFETCH(QString, list);
    QFETCH(QStringList, entries);
    FrmPrinter& window = Open();
    QCOMPARE(Entries(window.findChild<QComboBox*>(list)), entries);
  }

  void paperSizesRunInCodeOrderButForTheC3C4C5Envelopes() {
    const QStringList entries = Entries(Open().cboPaperSize);
    QCOMPARE(entries.size(), 42);
    QCOMPARE(entries.first(), "1 Lettera USA (21,6 x 27,9 cm)");
    QCOMPARE(entries.at(8), "9  A4 (21 x 29,7 cm)");  // with its leading blank
    QCOMPARE(entries.mid(26, 4),
             (QStringList{"27 vbPRPSEnvDL", "29 vbPRPSEnvC3", "30 vbPRPSEnvC4", "28 vbPRPSEnvC5"}));
    QCOMPARE(entries.at(40), "41 vbPRPSFanfoldLglGerman");
    QCOMPARE(entries.last(), "256 vbPRPSUser");
    for (int i = 0; i < 26; ++i) QCOMPARE(entries.at(i).section(' ', 0, 0).toInt(), i + 1);
    for (int i = 30; i < 41; ++i) QCOMPARE(entries.at(i).section(' ', 0, 0).toInt(), i + 1);
  }

  void currentPrinterIsSelectedAndItsSettingsShown() {
    FrmPrinter& window = Open();
    QCOMPARE(window.cboPrinters->currentIndex(), 1);
    QCOMPARE(window.lblDriverName->text(), "Epson ESC/P");
    QCOMPARE(window.lblPort->text(), "USB002");
    QCOMPARE(window.txtWidth->text(), "11906");
    QCOMPARE(window.txtHeight->text(), "16838");
    QCOMPARE(window.txtScaleLeft->text(), "0");
    QCOMPARE(window.txtScaleTop->text(), "0");
    QCOMPARE(window.txtScaleWidth->text(), "0,5");
    QCOMPARE(window.txtScaleHeight->text(), "16271,5");
    QCOMPARE(window.txtZoom->text(), "80");
    QCOMPARE(window.txtCopies->text(), "3");
    QCOMPARE(window.cboPaperSize->currentText(), " A4 (21 x 29,7 cm)");
    QCOMPARE(window.cboOrientation->currentText(), "orizzontale");
    QCOMPARE(window.cboColorMode->currentText(), "vbPRCMMonochrome");
    QCOMPARE(window.cboDuplex->currentText(), "orizzontale fronte-retro");
    QCOMPARE(window.cboPaperBin->currentText(), "vbPRBNCassette");
    QCOMPARE(window.cboPrintQuality->currentText(), "vbPRPQLow");
    for (QWidget* field : window.findChildren<QWidget*>())
      QVERIFY2(!window.DataChanged(field), qPrintable(field->objectName()));
  }

  void scaleIsShownWithSevenSignificantDigitsAndAComma_data() {
    QTest::addColumn<float>("scale");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 11338.0f << "11338";
    QTest::newRow("half") << 0.5f << "0,5";
    QTest::newRow("negative") << -1440.25f << "-1440,25";
    QTest::newRow("eight digits rounded to seven") << 1234567.8f << "1234568";
    QTest::newRow("beyond seven digits: exponent") << 12345678.0f << "1,234568E+07";
  }
  void scaleIsShownWithSevenSignificantDigitsAndAComma() {
    QFETCH(float, scale);
    QFETCH(QString, text);
    FakeSettings settings;
    settings.scaleLeft = scale;
    printers.Add("Unica", settings);
    printers.SetCurrent("Unica");
    QCOMPARE(Show().txtScaleLeft->text(), text);
  }

  void codeOutsideTheListShowsAsDigitsWithNothingSelected_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("code");
    QTest::newRow("driver's own paper size") << "cboPaperSize" << 118;
    QTest::newRow("paper size 42, not in the list") << "cboPaperSize" << 42;
    QTest::newRow("bin 13") << "cboPaperBin" << 13;
    QTest::newRow("quality in dots per inch") << "cboPrintQuality" << 600;
    QTest::newRow("duplex 0") << "cboDuplex" << 0;
  }
  void codeOutsideTheListShowsAsDigitsWithNothingSelected() {
    QFETCH(QString, list);
    QFETCH(int, code);
    FakeSettings settings;
    settings.paperSize = list == "cboPaperSize" ? code : 9;
    settings.paperBin = list == "cboPaperBin" ? code : 7;
    settings.printQuality = list == "cboPrintQuality" ? code : -4;
    settings.duplex = list == "cboDuplex" ? code : 1;
    printers.Add("Unica", settings);
    printers.SetCurrent("Unica");
    FrmPrinter& window = Show();
    auto* box = window.findChild<QComboBox*>(list);
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QString::number(code));
    QVERIFY(!window.DataChanged(box));
    QCOMPARE(window.GetItem(box), code);
  }

  void selectItemPicksTheFirstEntryOfTheValue() {
    FrmPrinter& window = Open();
    window.SelectItem(window.cboPaperSize, 28);
    QCOMPARE(window.cboPaperSize->currentText(), "vbPRPSEnvC5");
    QCOMPARE(window.cboPaperSize->currentIndex(), 29);
    QVERIFY(window.DataChanged(window.cboPaperSize));
  }

  // Its design-time text is its own name, never a value the user should see.
  void paperBinShowsNothingUntilTheFirstPrinterIsShown() {
    printers.Add("Ufficio");
    printers.SetCurrent("Non installata");
    FrmPrinter& window = Show();
    QCOMPARE(window.cboPaperBin->currentText(), "");
    QCOMPARE(window.cboPaperBin->currentIndex(), -1);
    window.cboPrinters->setCurrentIndex(0);
    QCOMPARE(window.cboPaperBin->currentText(), "vbPRBNAuto");
  }

  void missingCurrentPrinterSelectsNothingAndLeavesFieldsEmpty() {
    printers.Add("Ufficio");
    printers.Add("Segreteria");
    printers.SetCurrent("ufficio");  // names compare case and all
    FrmPrinter& window = Show();
    QCOMPARE(window.cboPrinters->count(), 2);
    QCOMPARE(window.cboPrinters->currentIndex(), -1);
    for (QLineEdit* field : window.findChildren<QLineEdit*>(QRegularExpression("^txt")))
      QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    QVERIFY(window.lblDriverName->text().isEmpty());
    QCOMPARE(window.cboPaperSize->count(), 42);
    QCOMPARE(window.cboPrintQuality->count(), 4);
    QCOMPARE(window.cboPaperSize->currentIndex(), -1);
    QVERIFY(window.cboPaperSize->currentText().isEmpty());
    QVERIFY(!window.DataChanged(window.cboPaperSize));
    QVERIFY(f.services.messages.isEmpty());
  }

  void pickingAnotherPrinterShowsItButLeavesTheCurrentOne() {
    FrmPrinter& window = Open();
    window.cboPrinters->setCurrentIndex(0);
    QCOMPARE(window.lblDriverName->text(), "HP PCL");
    QCOMPARE(window.txtWidth->text(), "12240");
    QCOMPARE(window.cboPaperSize->currentText(), "Lettera USA (21,6 x 27,9 cm)");
    QVERIFY(!window.DataChanged(window.txtWidth));
    QCOMPARE(printers.Current().DeviceName(), "Segreteria");
    QVERIFY(printers.log.isEmpty());
  }

  void makeCurrentChangesThePrinterButNotTheFields() {
    FrmPrinter& window = Open();
    window.cboPrinters->setCurrentIndex(0);
    window.txtWidth->setText("999");
    QTest::mouseClick(window.cmdMakeCurrent, Qt::LeftButton);
    QCOMPARE(printers.log, QStringList{"MakeCurrent Ufficio"});
    QCOMPARE(printers.Current().DeviceName(), "Ufficio");
    QCOMPARE(window.txtWidth->text(), "999");
    QVERIFY(window.DataChanged(window.txtWidth));
  }

  void trackDefaultStartsUncheckedAndTheFirstClickSetsIt() {
    printers.Add("Ufficio");
    printers.SetCurrent("Ufficio").trackDefault = true;
    FrmPrinter& window = Show();
    QVERIFY(!window.chkTrackDefault->isChecked());
    QTest::mouseClick(window.chkTrackDefault, Qt::LeftButton);
    QTest::mouseClick(window.chkTrackDefault, Qt::LeftButton);
    QCOMPARE(printers.log, (QStringList{"TrackDefault=true", "TrackDefault=false"}));
  }

  void anyChangeOfTextOrSelectionRaisesTheFlag_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how");
    for (const char* name : {"txtWidth", "txtHeight", "txtCopies", "txtScaleLeft", "txtScaleTop",
                             "txtScaleWidth", "txtScaleHeight", "txtZoom"}) {
      QTest::addRow("%s typed", name) << name << "type";
      QTest::addRow("%s set by the program", name) << name << "program";
    }
    for (const char* name : {"cboPaperSize", "cboOrientation", "cboColorMode", "cboDuplex",
                             "cboPaperBin", "cboPrintQuality"}) {
      QTest::addRow("%s typed", name) << name << "type";
      QTest::addRow("%s entry chosen", name) << name << "choose";
    }
  }
  void anyChangeOfTextOrSelectionRaisesTheFlag() {
    QFETCH(QString, field);
    QFETCH(QString, how);
    FrmPrinter& window = Open();
    auto* control = window.findChild<QWidget*>(field);
    QVERIFY(!window.DataChanged(control));
    auto* list = qobject_cast<QComboBox*>(control);
    if (how == "type") {
      QTest::keyClicks(list ? list->lineEdit() : control, "7");
    } else if (how == "choose") {
      list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
    } else {
      qobject_cast<QLineEdit*>(control)->setText("7");
    }
    QVERIFY(window.DataChanged(control));
    QVERIFY(!window.DataChanged(window.txtZoom) || field == "txtZoom");
  }

  void typingInTheTextPartLeavesNoEntrySelected() {
    FrmPrinter& window = Open();
    QComboBox* list = window.cboPaperSize;
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), "70");
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->currentText(), "70");
    QCOMPARE(window.GetItem(list), 70);
  }

  void getItemReadsTheSelectionOrTheTypedCode_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("item");
    QTest::newRow("entry selected") << 8 << "" << 9;
    QTest::newRow("code typed") << -1 << "118" << 118;
    QTest::newRow("code with blanks and a group stop") << -1 << " 1.024 " << 1024;
    QTest::newRow("half rounded to even") << -1 << "2,5" << 2;
    QTest::newRow("negative code") << -1 << "-3" << -3;
  }
  void getItemReadsTheSelectionOrTheTypedCode() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, item);
    FrmPrinter& window = Open();
    window.cboPaperSize->setCurrentIndex(index);
    if (index < 0) window.cboPaperSize->setEditText(text);
    QCOMPARE(window.GetItem(window.cboPaperSize), item);
  }

  void getItemFailsOnATextThatIsNoWholeNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::newRow("letters") << "abc"
                             << "Tipo non corrispondente";
    QTest::newRow("digits and letters") << "12a"
                                        << "Tipo non corrispondente";
    QTest::newRow("empty") << ""
                           << "Tipo non corrispondente";
    QTest::newRow("beyond 32 bits") << "3000000000"
                                    << "Overflow";
  }
  void getItemFailsOnATextThatIsNoWholeNumber() {
    QFETCH(QString, text);
    QFETCH(QString, description);
    FrmPrinter& window = Open();
    window.cboDuplex->setCurrentIndex(-1);
    window.cboDuplex->setEditText(text);
    QCOMPARE(test::FailureOf([&] { window.GetItem(window.cboDuplex); }), description);
  }

  void stampaOpensOneWindowAndStaysSelected() {
    FrmPrinter& window = Open();
    QVERIFY(window.isVisible());
    QVERIFY(f.w().Option6->isChecked());
    f.w().option5->setChecked(true);
    f.w().Option6->setChecked(true);
    QCOMPARE(f.w().printerWindow.data(), &window);
    QCOMPARE(f.w().findChildren<FrmPrinter*>().size(), 1);
  }

  void closingDiscardsTheWindowAndTheNextShowingLoadsAFreshOne() {
    FrmPrinter& window = Open();
    window.txtWidth->setText("1");
    window.close();
    QTRY_VERIFY(!f.w().printerWindow);
    f.w().option5->setChecked(true);
    FrmPrinter& again = Show();
    QCOMPARE(again.txtWidth->text(), "11906");
    QCOMPARE(again.cboPrinters->count(), 2);
  }

  // Wherever the focus is, Esc closes the window and parks the group.
  void escapeClosesTheWindow_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("the window") << "frmPrinter";
    QTest::newRow("a text box") << "txtZoom";
    QTest::newRow("a list with a text part") << "cboPaperSize";
    QTest::newRow("the printers") << "cboPrinters";
    QTest::newRow("a button") << "cmdSet";
  }
  void escapeClosesTheWindow() {
    QFETCH(QString, focus);
    FrmPrinter& window = Open();
    QWidget* control = focus == window.objectName() ? &window : window.findChild<QWidget*>(focus);
    QVERIFY(control);
    QTest::keyClick(control, Qt::Key_Escape);
    QTRY_VERIFY(!f.w().printerWindow);
    QVERIFY(f.w().option5->isChecked());
    QVERIFY(f.w().isVisible());
    QCOMPARE(printers.log, QStringList());  // nothing applied, nothing printed
  }

  // Queues come and go while the program runs: each opening reads them
  // before listing them, and the current printer stays what it was.
  void eachOpeningListsThePrintersAsTheyAreNow() {
    FrmPrinter& window = Open();
    QCOMPARE(printers.refreshes, 1);
    window.close();
    QTRY_VERIFY(!f.w().printerWindow);
    printers.installed.erase(printers.installed.begin());
    printers.Add("Nuova");
    f.w().option5->setChecked(true);
    FrmPrinter& again = Show();
    QCOMPARE(printers.refreshes, 2);
    QCOMPARE(again.cboPrinters->count(), 2);
    QCOMPARE(again.cboPrinters->itemText(0), "Segreteria");
    QCOMPARE(again.cboPrinters->itemText(1), "Nuova");
    QCOMPARE(again.cboPrinters->currentIndex(), 0);
    QCOMPARE(printers.current->DeviceName(), "Segreteria");
  }

  void printersAreNotAskedForBeforeTheWindowIsShown() {
    QVERIFY2(!f.services.log.contains("Printers"), qPrintable(f.services.log.join('\n')));
    Open();
    QVERIFY(f.services.log.contains("Printers"));
  }

  void noPrintersClosesOnlyThePrinterWindow() {
    f.w().US->setText("€ 25.000,00");
    f.w().Option6->setChecked(true);
    QCOMPARE(f.services.messages, QStringList{"Velmora 2003 by Dovel | X | No printers installed"});
    QVERIFY(!f.w().printerWindow);
    QVERIFY(f.w().findChildren<FrmPrinter*>().isEmpty());
    QVERIFY(f.w().isVisible());
    QCOMPARE(f.w().US->text(), "€ 25.000,00");
  }

  void unreadablePrinterIsReportedAndTheWindowGoesOn() {
    printers.Add("Rotta").unreadable = true;
    printers.Add("Buona");
    printers.SetCurrent("Rotta");
    FrmPrinter& window = Show();
    QCOMPARE(f.services.messages,
             QStringList{"Velmora 2003 by Dovel | X | Stampante non raggiungibile"});
    QVERIFY(window.isVisible());
    QCOMPARE(window.cboPrinters->count(), 2);
    window.cboPrinters->setCurrentIndex(1);
    QCOMPARE(window.lblDriverName->text(), "Fake PCL");
    QVERIFY(f.w().isVisible());
  }
};

VELMORA_UI_TEST_MAIN(TestFrmPrinter)
#include "tst_printer_window.moc"
