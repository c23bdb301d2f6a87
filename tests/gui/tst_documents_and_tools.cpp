#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"
#include "gui/table_window.h"
#include "window_fixture.h"

using namespace velmora;
using velmora::test::Colour;

namespace {

// Runs a callback whenever the watched object receives an event of a type.
class EventSpy : public QObject {
 public:
  EventSpy(QObject* watched, QEvent::Type type, std::function<void()> seen)
      : QObject(watched), type_(type), seen_(std::move(seen)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) seen_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> seen_;
};

// An office's 2027, decrees made up for this test.
std::vector<AddedFile> Office2027() {
  return {{"/uffici/dati/2027-saggio.tsv",
           "from\tto\trate_percent\tset_by\tsource\n"
           "2027-01-01\t2027-12-31\t1.2\tDM 10/12/2026 (decreto inventato)\tprova\n"},
          {"/uffici/dati/2027-coefficienti.tsv",
           "year\trate_used_percent\tdecree\tcoefficients (bands 0-20, 21-30, 31-40, 41-45, 46-50, "
           "51-53, 54-56, 57-60, 61-63, 64-66, 67-69, 70-72, 73-75, 76-78, 79-82, 83-86, 87-92, "
           "93-99)\tsource\n2027\t2.5 (floor; legal rate 1.2)\tDM 22/12/2026 (decreto inventato)\t"
           "38 36 34 32 30 28 26 24 22 20 18 16 14 12 10 8 6 4\tprova\n"}};
}

const QString kPages = "/home/notaio/.cache/Velmora/pagine/";

const QString kCalculatorSearch =
    "FindProgram gnome-calculator kcalc galculator qalculate-gtk mate-calc xcalc";

}  // namespace

// The spreadsheet valuation, the document and page commands, the calculator
// and the table window.
class TestTools : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  // A window in the middle of its work: a settled amount, a birth date, a
  // duration and the results of a valuation.
  void FillFields() {
    auto& w = f.w();
    w.PP->setText("€ 100.000,00");
    w.D1->setText("16 agosto 1946");
    w.Text1->setText("5");
    w.PERCUSU->setText("25%");
    w.PERCNP->setText("75%");
    w.US->setText("€ 25.000,00");
    w.NP->setText("€ 75.000,00");
  }

  // A click on the option button's indicator, as the user makes it.
  void ClickOption3() {
    QRadioButton* o = f.w().Option3;
    QTest::mouseClick(o, Qt::LeftButton, Qt::NoModifier, QPoint(8, o->height() / 2));
  }

  // The user copies a total in the workbook, another program, and comes back
  // to the minimised window.
  void CopyInTheWorkbook(const QString& total) {
    auto& w = f.w();
    QVERIFY(w.isMinimized());
    const QStringList before = f.services.messages;
    {
      QWidget spreadsheet;
      spreadsheet.show();
      spreadsheet.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&spreadsheet));
      f.services.CopyElsewhere(total);
    }
    QCOMPARE(f.services.messages, before);
    w.showNormal();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
  }

  // A menu command by its name, or a click on the calculator image.
  bool Choose(const QString& command) {
    if (command == "Image1") {
      QTest::mouseClick(f.w().Image1, Qt::LeftButton);
      return true;
    }
    auto* action = f.w().findChild<QAction*>(command);
    if (!action) return false;
    action->trigger();
    return true;
  }

  // What a user sees of the window at a moment: texts, focus, selection,
  // colour, the parked group and the window state.
  QString State() {
    auto& w = f.w();
    return QStringList{"PP=" + w.PP->text(),
                       "selected=" + w.PP->selectedText(),
                       "colour=" + Colour(w.PP),
                       "focus=" + (w.focusWidget() ? w.focusWidget()->objectName() : "none"),
                       w.option5->isChecked() ? "parked" : "not parked",
                       w.isMinimized() ? "minimised" : "normal"}
        .join(' ');
  }

  static QList<Form1*> TableWindows() {
    QList<Form1*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* t = qobject_cast<Form1*>(w); t && t->isVisible()) shown << t;
    return shown;
  }

  static int DifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) ++different;
    return different;
  }

  static void DiscardClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The window again, valuing with an office's 2027.
  void RestartWith2027() {
    f.window.reset();
    f.law = test::LawWith(Office2027());
    f.Start();
    f.services.Clear();
  }

 private slots:
  void init() {
    // A fresh desktop for every test: no answers or callbacks left over.
    f.services = test::RecordingServices();
    f.Start();
    f.services.programFolder = "/opt/velmora";
    f.services.Clear();
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
    DiscardClosedWindows();
  }

  // --- Spreadsheet valuation ---

  void valuationResetsOpensMinimisesParksAndPlaysInThisOrder() {
    auto& w = f.w();
    FillFields();
    QStringList& log = f.services.log;
    for (QLineEdit* e : {w.PP, w.US, w.NP, w.PERCUSU, w.PERCNP})
      connect(e, &QLineEdit::textChanged, e,
              [&log, e](const QString& text) { log << e->objectName() + " = " + text; });
    new EventSpy(&w, QEvent::WindowStateChange, [&] {
      if (w.isMinimized()) log << "minimised";
    });
    connect(w.option5, &QRadioButton::toggled, w.option5, [&log](bool on) {
      if (on) log << "option5";
    });
    QString atSound;
    f.services.onPlayWave = [&](const QString&) { atSound = State(); };
    f.services.Clear();

    ClickOption3();

    const QStringList expected = {
        "PP = 0",
        "US = ",
        "NP = ",
        "PERCUSU = ",
        "PERCNP = ",
        "OpenDocument /opt/velmora/ValutazioneAutomatica.xls",
        // PP's own focus handling: the money text of zero; the clipboard is old.
        "PP = € 0,00",
        "minimised",
        "option5",
        "PlayWave /tada.WAV",
    };
    QCOMPARE(log, expected);
    QCOMPARE(atSound, "PP=€ 0,00 selected=€ 0,00 colour=#c0ffff focus=PP parked minimised");
    QVERIFY(f.services.messages.isEmpty());
  }

  void comingBackFromTheWorkbookTakesTheCopiedTotal() {
    auto& w = f.w();
    ClickOption3();
    // A cell copied from a spreadsheet ends with a line end.
    CopyInTheWorkbook("115.500,00\r\n");
    QTRY_COMPARE(f.services.messages,
                 QStringList({"Velmora by Dovel |  | Valutazione automatica inserita!"}));
    QCOMPARE(w.PP->text(), "€ 115.500,00");
    QCOMPARE(w.focusWidget(), w.D1);
  }

  // The total of another property may be the same as the last one: copied
  // again after the workbook command, it is new. Taken, it is old.
  void theWorkbooksTotalIsTakenOnceEvenWhenTheSameAsTheLast() {
    auto& w = f.w();
    const QString imported = "Velmora by Dovel |  | Valutazione automatica inserita!";
    for (int round = 1; round <= 2; ++round) {
      ClickOption3();
      CopyInTheWorkbook("115.500,00");
      QTRY_COMPARE(f.services.messages.size(), round);
      QCOMPARE(w.PP->text(), "€ 115.500,00");
      QCOMPARE(w.focusWidget(), w.D1);
      w.SetFocus(w.PP);
      QCOMPARE(w.PP->text(), "€ 0,00");
    }
    QCOMPARE(f.services.messages, QStringList({imported, imported}));
  }

  void valuationPathIsTheProgramFolderAsReported_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain folder") << "/opt/velmora";
    QTest::newRow("blanks, kept unquoted") << "/home/anna/Programmi di studio/Velmora 2016";
    QTest::newRow("quotes and percent signs") << "/tmp/a \"b\" %1 %2";
    QTest::newRow("trailing dot segment, not normalised") << "/opt/velmora/./bin/..";
  }
  void valuationPathIsTheProgramFolderAsReported() {
    QFETCH(QString, folder);
    f.services.programFolder = folder;
    ClickOption3();
    QVERIFY(f.services.log.contains("OpenDocument " + folder + "/ValutazioneAutomatica.xls"));
  }

  void valuationSucceedsQuietlyAndStaysMinimised_data() {
    QTest::addColumn<int>("code");
    QTest::newRow("first success code") << 33;
    QTest::newRow("desktop opened it") << 42;
  }
  void valuationSucceedsQuietlyAndStaysMinimised() {
    QFETCH(int, code);
    f.services.openDocumentCode = code;
    ClickOption3();
    QVERIFY(f.services.messages.isEmpty());
    QVERIFY(f.w().isMinimized());
    QCOMPARE(f.w().focusWidget(), f.w().PP);
  }

  void clipboardValueBeforeTheValuationIsOld() {
    auto& w = f.w();
    f.services.CopyElsewhere("123456,79");
    ClickOption3();
    QCOMPARE(f.services.clipboard, "123456,79");
    QCOMPARE(w.PP->text(), "€ 0,00");
    QCOMPARE(w.focusWidget(), w.PP);
    QVERIFY2(f.services.messages.isEmpty(), qPrintable(f.services.messages.join('\n')));
  }

  // --- Spreadsheet valuation: the desktop refuses the workbook ---

  void refusedWorkbookIsReportedAndTheProgramGoesOn_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("code");
    QTest::newRow("workbook missing") << "/opt/velmora" << 2;
    QTest::newRow("no application for .xls") << "/opt/velmora" << 31;
    QTest::newRow("last failure code") << "/opt/velmora" << 32;
    QTest::newRow("zero") << "/opt/velmora" << 0;
    QTest::newRow("negative, compared signed") << "/opt/velmora" << -1;
    QTest::newRow("folder with percent signs") << "/tmp/100%2 %1" << 2;
  }
  void refusedWorkbookIsReportedAndTheProgramGoesOn() {
    QFETCH(QString, folder);
    QFETCH(int, code);
    auto& w = f.w();
    FillFields();
    const QString typedD2 = w.D2->text();
    f.services.programFolder = folder;
    f.services.openDocumentCode = code;
    QString atReport;
    f.services.onMessageBox = [&](const QString&) { atReport = State(); };
    QSignalSpy closing(qApp, &QGuiApplication::lastWindowClosed);

    ClickOption3();

    const QString path = folder + "/ValutazioneAutomatica.xls";
    QCOMPARE(f.services.messages,
             QStringList{
                 "Velmora 2003 by Dovel | X | Errore n. 51: Impossibile eseguire il file \"" +
                 path + "\".\r\nCodice di errore di ShellExecute: " + QString::number(code) + "."});
    // The report comes after the sound, while the window waits minimised.
    const QStringList& log = f.services.log;
    QVERIFY(log.value(log.indexOf("PlayWave /tada.WAV") + 1).startsWith("MessageBox "));
    QCOMPARE(atReport, "PP=€ 0,00 selected=€ 0,00 colour=#c0ffff focus=PP parked minimised");

    // Then the window is back, the fields as the valuation left them.
    QVERIFY(!w.isMinimized());
    QVERIFY(w.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.PP->text(), "€ 0,00");
    QCOMPARE(w.focusWidget(), w.PP);
    for (QLineEdit* e : {w.US, w.NP, w.PERCUSU, w.PERCNP}) QCOMPARE(e->text(), QString());
    QCOMPARE(w.D1->text(), "16 agosto 1946");
    QCOMPARE(w.D2->text(), typedD2);
    QCOMPARE(w.Text1->text(), "5");
    QCOMPARE(closing.count(), 0);

    // And it still answers: a second try runs the whole valuation again.
    f.services.Clear();
    f.services.onMessageBox = nullptr;
    ClickOption3();
    QCOMPARE(f.services.log.count("OpenDocument " + path), 1);
    QCOMPARE(f.services.messages.size(), 1);
  }

  // --- Documents, pages and the calculator ---

  void commandOpensItsDocument_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("instructions in the text viewer")
        << "istruzioni" << QStringList{"OpenDocument /opt/velmora/leggimi.txt"};
    QTest::newRow("legislation page")
        << "normativa" << QStringList{"OpenInBrowser /opt/velmora/normativa.htm"};
    QTest::newRow("earlier lifetime tables")
        << "TabellePrecedenti" << QStringList{"OpenInBrowser /opt/velmora/TabelleUsufrutto.htm"};
    QTest::newRow("fixed-term tables")
        << "TabelleUsufruttoDeterminato"
        << QStringList{"OpenInBrowser /opt/velmora/TabelleUsufruttoTempoDeterminato.htm"};
    QTest::newRow("home page") << "sito"
                               << QStringList{"OpenInBrowser https://www.dovel.it/velmora"};
    QTest::newRow("calculator image")
        << "Image1" << QStringList{kCalculatorSearch, "StartProgram /usr/bin/gnome-calculator"};
  }
  void commandOpensItsDocument() {
    QFETCH(QString, command);
    QFETCH(QStringList, calls);
    f.services.programsOnPath = {"gnome-calculator"};
    QVERIFY(Choose(command));
    QCOMPARE(f.services.log, calls);
    QVERIFY(f.services.messages.isEmpty());
  }

  // With an office's files the pages are written from the law in use, all
  // three since they link to one another, and the one asked for is opened.
  void withAddedDataThePageIsWrittenFromTheLawInUse_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");
    QTest::newRow("legislation") << "normativa"
                                 << "normativa.htm";
    QTest::newRow("earlier lifetime tables") << "TabellePrecedenti"
                                             << "TabelleUsufrutto.htm";
    QTest::newRow("fixed-term tables") << "TabelleUsufruttoDeterminato"
                                       << "TabelleUsufruttoTempoDeterminato.htm";
  }
  void withAddedDataThePageIsWrittenFromTheLawInUse() {
    QFETCH(QString, command);
    QFETCH(QString, page);
    RestartWith2027();
    QVERIFY(Choose(command));
    QCOMPARE(f.services.log,
             (QStringList{"WritePage " + kPages + "normativa.htm",
                          "WritePage " + kPages + "TabelleUsufrutto.htm",
                          "WritePage " + kPages + "TabelleUsufruttoTempoDeterminato.htm",
                          "OpenInBrowser " + kPages + page}));
    QVERIFY(f.services.messages.isEmpty());
    const QString written = QString::fromUtf8(f.services.pages.value(kPages + page));
    QVERIFY(written.contains("dati aggiunti: /uffici/dati/2027-saggio.tsv"));
    QVERIFY(written.contains("2027"));
  }

  // A page that cannot be written is one that does not open.
  void aPageThatCannotBeWrittenIsReportedByName() {
    RestartWith2027();
    f.services.writePageResult = false;
    FillFields();
    const QString before = State();
    QVERIFY(Choose("TabellePrecedenti"));
    QCOMPARE(f.services.log.filter(QRegularExpression("^OpenInBrowser")), QStringList());
    QCOMPARE(f.services.messages,
             QStringList{"Velmora 2003 by Dovel | X | Impossibile aprire la pagina \"" + kPages +
                         "TabelleUsufrutto.htm\"."});
    QCOMPARE(State(), before);
  }

  void companionPathNamesAFileThatShips_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("instructions") << "istruzioni";
    QTest::newRow("legislation") << "normativa";
    QTest::newRow("earlier lifetime tables") << "TabellePrecedenti";
    QTest::newRow("fixed-term tables") << "TabelleUsufruttoDeterminato";
    QTest::newRow("workbook") << "Option3";
  }
  void companionPathNamesAFileThatShips() {
    QFETCH(QString, command);
    const QString folder = qEnvironmentVariable("VELMORA_PROGRAM_DIR");
    if (folder.isEmpty()) QSKIP("VELMORA_PROGRAM_DIR names no program folder");
    f.services.programFolder = folder;
    if (command == "Option3")
      ClickOption3();
    else
      QVERIFY(Choose(command));
    const QString call = f.services.log.filter(QRegularExpression("^Open")).value(0);
    const QString path = call.section(' ', 1);
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
  }

  void calculatorIsTheFirstFoundInOrder_data() {
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<QString>("started");
    QTest::newRow("GNOME's before all")
        << QStringList{"xcalc", "gnome-calculator"} << "/usr/bin/gnome-calculator";
    QTest::newRow("KDE's before xcalc") << QStringList{"xcalc", "kcalc"} << "/usr/bin/kcalc";
    QTest::newRow("galculator before qalculate")
        << QStringList{"qalculate-gtk", "galculator"} << "/usr/bin/galculator";
    QTest::newRow("MATE's before xcalc")
        << QStringList{"xcalc", "mate-calc"} << "/usr/bin/mate-calc";
    QTest::newRow("xcalc as the last resort") << QStringList{"xcalc"} << "/usr/bin/xcalc";
  }
  void calculatorIsTheFirstFoundInOrder() {
    QFETCH(QStringList, onPath);
    QFETCH(QString, started);
    f.services.programsOnPath = onPath;
    QVERIFY(Choose("Image1"));
    QCOMPARE(f.services.log, (QStringList{kCalculatorSearch, "StartProgram " + started}));
  }

  void calculatorFailureIsReportedAndTheProgramGoesOn_data() {
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("message");
    QTest::newRow("none on PATH")
        << QStringList{} << true
        << "Velmora 2003 by Dovel | X | Impossibile avviare la calcolatrice: nessuna calcolatrice "
           "trovata.";
    QTest::newRow("found but does not start")
        << QStringList{"kcalc"} << false
        << "Velmora 2003 by Dovel | X | Impossibile avviare la calcolatrice: il programma "
           "\"/usr/bin/kcalc\" non si avvia.";
  }
  void calculatorFailureIsReportedAndTheProgramGoesOn() {
    QFETCH(QStringList, onPath);
    QFETCH(bool, starts);
    QFETCH(QString, message);
    f.services.programsOnPath = onPath;
    f.services.startProgramResult = starts;
    FillFields();
    const QString before = State();
    QSignalSpy closing(qApp, &QGuiApplication::lastWindowClosed);
    QVERIFY(Choose("Image1"));
    QCOMPARE(f.services.messages, QStringList{message});
    QCOMPARE(f.services.log.filter(QRegularExpression("^StartProgram")).size(),
             onPath.isEmpty() ? 0 : 1);
    QCOMPARE(State(), before);
    QVERIFY(f.w().isVisible());
    QCOMPARE(closing.count(), 0);
  }

  void unopenedInstructionsAreReported_data() {
    QTest::addColumn<int>("code");
    QTest::newRow("file missing") << 2;
    QTest::newRow("unreadable") << 5;
    QTest::newRow("no viewer for text") << 31;
  }
  void unopenedInstructionsAreReported() {
    QFETCH(int, code);
    f.services.openDocumentCode = code;
    const QString before = State();
    QVERIFY(Choose("istruzioni"));
    QCOMPARE(f.services.messages,
             QStringList{"Velmora 2003 by Dovel | X | Impossibile aprire le istruzioni "
                         "\"/opt/velmora/leggimi.txt\".\rCodice di errore: " +
                         QString::number(code) + "."});
    QCOMPARE(State(), before);
  }

  // A missing page, or nothing to open it with: the message names what was
  // to be opened, and the window goes on as it was.
  void unopenedPageIsReportedByName_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");
    QTest::newRow("legislation") << "normativa"
                                 << "/opt/velmora/normativa.htm";
    QTest::newRow("home page") << "sito"
                               << "https://www.dovel.it/velmora";
    QTest::newRow("earlier lifetime tables") << "TabellePrecedenti"
                                             << "/opt/velmora/TabelleUsufrutto.htm";
    QTest::newRow("fixed-term tables") << "TabelleUsufruttoDeterminato"
                                       << "/opt/velmora/TabelleUsufruttoTempoDeterminato.htm";
  }
  void unopenedPageIsReportedByName() {
    QFETCH(QString, command);
    QFETCH(QString, page);
    f.services.browserResult = false;
    FillFields();
    const QString before = State();
    QVERIFY(Choose(command));
    QCOMPARE(f.services.log.first(), "OpenInBrowser " + page);
    QCOMPARE(
        f.services.messages,
        QStringList{"Velmora 2003 by Dovel | X | Impossibile aprire la pagina \"" + page + "\"."});
    QCOMPARE(State(), before);
    QCOMPARE(f.w().US->text(), "€ 25.000,00");
  }

  // --- The table window ---

  void tableWindowIsNotCreatedAtStartUp() {
    QVERIFY(f.w().tableWindow.isNull());
    QVERIFY(TableWindows().isEmpty());
  }

  void choosingTheTableTwiceShowsOneWindow() {
    QVERIFY(Choose("TabellaVigente"));
    QPointer<Form1> first = f.w().tableWindow;
    QVERIFY(first);
    first->showMinimized();
    QVERIFY(Choose("TabellaVigente"));
    QCOMPARE(TableWindows(), QList<Form1*>{first.data()});
    QCOMPARE(f.w().tableWindow.data(), first.data());
    QVERIFY(!first->isMinimized());
    // Shown beside the main window, which stays usable.
    QVERIFY(!first->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(f.w().isEnabled());
  }

  void closedTableWindowIsDiscardedAndMadeAgain() {
    QVERIFY(Choose("TabellaVigente"));
    QPointer<Form1> first = f.w().tableWindow;
    QVERIFY(first->close());
    DiscardClosedWindows();
    QVERIFY(first.isNull());
    QVERIFY(f.w().tableWindow.isNull());
    QVERIFY(Choose("TabellaVigente"));
    QVERIFY(f.w().tableWindow);
    QCOMPARE(TableWindows().size(), 1);
  }

  void escapeClosesTheTableWindow() {
    QVERIFY(Choose("TabellaVigente"));
    QPointer<Form1> table = f.w().tableWindow;
    QVERIFY(QTest::qWaitForWindowExposed(table));
    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(TableWindows().isEmpty());
    DiscardClosedWindows();
    QVERIFY(table.isNull());
    QVERIFY(f.w().isVisible());
  }

  void tableWindowGoesWithTheMainWindow() {
    QVERIFY(Choose("TabellaVigente"));
    QPointer<Form1> table = f.w().tableWindow;
    f.Stop();
    DiscardClosedWindows();
    QVERIFY(table.isNull());
  }

  void tableWindowLooksAsDesigned() {
    QVERIFY(Choose("TabellaVigente"));
    Form1* t = f.w().tableWindow;
    QVERIFY(QTest::qWaitForWindowExposed(t));
    QCOMPARE(t->objectName(), "Form1");
    QCOMPARE(t->windowTitle(), "Tabella Usufrutto by ostrel Ilvo Quendari");
    QCOMPARE(t->size(), QSize(617, 539));  // 9256 x 8086 twips
    QCOMPARE(Colour(t), "#ffffff");
    QVERIFY(!t->windowIcon().isNull());
    QVERIFY(!(t->windowFlags() & Qt::FramelessWindowHint));
    QCOMPARE(t->Picture().deviceIndependentSize(), QSizeF(731, 598));
    // The user may enlarge it up to the whole picture.
    QCOMPARE(t->maximumSize(), QSize(731, 598));
  }

  void tablePictureIsDrawnUnscaledAtTheTopLeft() {
    QVERIFY(Choose("TabellaVigente"));
    Form1* t = f.w().tableWindow;
    QVERIFY(QTest::qWaitForWindowExposed(t));
    const QImage shown = t->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = t->Picture().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(617, 539));
    QCOMPARE(DifferentPixels(shown, picture.copy(0, 0, 617, 539)), 0);
  }
};

VELMORA_UI_TEST_MAIN(TestTools)
#include "tst_documents_and_tools.moc"
