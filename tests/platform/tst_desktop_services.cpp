#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "offscreen_test.h"
#include "platform/desktop_services.h"
#include "platform/wave_player.h"

using namespace velmora;
using namespace std::chrono_literals;

// Stands in for the browser: QDesktopServices hands it the file addresses.
class Browser : public QObject {
  Q_OBJECT
 public:
  Browser() { QDesktopServices::setUrlHandler("file", this, "Open"); }
  ~Browser() override { QDesktopServices::unsetUrlHandler("file"); }
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened << url; }
};

// The real desktop services, on the offscreen platform.
class TestDesktopServices : public QObject {
  Q_OBJECT
  QString soundsDir() const { return qEnvironmentVariable("VELMORA_PROGRAM_DIR"); }

 private slots:
  void aMissingWaveGivesTheFallbackSoundWithinASecond() {
    int beeps = 0;
    QElapsedTimer clock;
    clock.start();
    const auto how = PlayWaveFile("/nonexistent/IR_END.WAV", [&] { ++beeps; });
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(how, Playback::Fallback);
    QCOMPARE(beeps, 1);
  }

  void aFileThatIsNoWaveGivesTheFallbackSound() {
    QTemporaryDir dir;
    QFile f(dir.filePath("tada.WAV"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("RIFF....not a wave at all");
    f.close();
    int beeps = 0;
    QCOMPARE(PlayWaveFile(f.fileName(), [&] { ++beeps; }), Playback::Fallback);
    QCOMPARE(beeps, 1);
  }

  void theShippedSoundsAreShortWaves_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("completion") << "/IR_END.WAV";
    QTest::newRow("workbook") << "/tada.WAV";
  }
  void theShippedSoundsAreShortWaves() {
    QFETCH(QString, name);
    const auto length = WaveDuration(soundsDir() + name);
    QVERIFY2(length, qPrintable(soundsDir() + name));
    QVERIFY(*length > 100ms);
    QVERIFY(*length < 3s);
  }

  void playingAShippedSoundNeverWaitsPastItsLength() {
    // With or without an audio device the wait is bounded by the file's length.
    const QString path = soundsDir() + "/IR_END.WAV";
    const auto length = WaveDuration(path);
    QVERIFY(length);
    int beeps = 0;
    QElapsedTimer clock;
    clock.start();
    const auto how = PlayWaveFile(
        path, [&] { ++beeps; }, 300ms);
    QVERIFY2(clock.elapsed() < length->count() + 1000,
             qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(beeps, how == Playback::Fallback ? 1 : 0);
  }

  void theSoundModuleBesideTheProgramPlaysWaves() {
    QLibrary module(soundsDir() + "/velmora_sound");
    using Play = int (*)(const QString&);
    const auto play = reinterpret_cast<Play>(module.resolve("velmora_play_wave"));
    QVERIFY2(play, qPrintable(module.errorString()));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(play("/nonexistent/IR_END.WAV"), int(Playback::Fallback));
    QVERIFY(clock.elapsed() < 1000);
  }

  void aClipboardHoldingOnlyAPictureReadsAsTheEmptyText() {
    DesktopServices services;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    QCOMPARE(services.ClipboardText(), QString());
    QApplication::clipboard()->setText("123,45");
    QCOMPARE(services.ClipboardText(), QString("123,45"));
    services.ClearClipboard();
    QCOMPARE(services.ClipboardText(), QString());
  }

  void theProgramFolderHasNoTrailingSeparator() {
    DesktopServices services;
    QVERIFY(!services.ProgramFolder().endsWith('/'));
    QCOMPARE(services.ProgramFolder(), QCoreApplication::applicationDirPath());
  }

  void openingAMissingDocumentGivesTheShellsCode2() {
    DesktopServices services;
    QCOMPARE(services.OpenDocument("/nonexistent/ValutazioneAutomatica.xls"), 2);
  }

  // Checked before any browser is asked, which would accept the address and
  // only then show its own error page.
  void aMissingOrUnreadablePageIsNotOpened_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "normativa.htm";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("unreadable") << "locked.htm";
  }
  void aMissingOrUnreadablePageIsNotOpened() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile locked(dir.filePath("locked.htm"));
    QVERIFY(locked.open(QIODevice::WriteOnly));
    locked.close();
    QVERIFY(locked.setPermissions(QFileDevice::Permissions()));
    if (name == "locked.htm" && QFileInfo(locked).isReadable()) QSKIP("root reads any file");
    Browser browser;
    DesktopServices services;
    QVERIFY(!services.OpenInBrowser(dir.filePath(name)));
    QVERIFY(browser.opened.isEmpty());
  }

  void aPageThatIsThereGoesToTheBrowser() {
    QTemporaryDir dir;
    QFile page(dir.filePath("normativa.htm"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    Browser browser;
    DesktopServices services;
    QVERIFY(services.OpenInBrowser(page.fileName()));
    QCOMPARE(browser.opened, QList<QUrl>{QUrl::fromLocalFile(page.fileName())});
  }

  void theFirstCandidateOnThePathIsFound() {
    DesktopServices services;
    QCOMPARE(services.FindProgram({"no-such-calculator-here", "sh"}),
             QStandardPaths::findExecutable("sh"));
    QCOMPARE(services.FindProgram({"no-such-calculator-here"}), QString());
  }

  void aProgramThatDoesNotExistIsNotStarted() {
    DesktopServices services;
    QVERIFY(!services.StartProgram("/nonexistent/calculator", {}));
  }

  void messageBoxShowsPromptIconAndTitleWithOneButton_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("qtIcon");
    QTest::newRow("notice") << int(Services::Icon::None) << int(QMessageBox::NoIcon);
    QTest::newRow("refusal") << int(Services::Icon::Exclamation) << int(QMessageBox::Warning);
    QTest::newRow("critical") << int(Services::Icon::Critical) << int(QMessageBox::Critical);
  }
  void messageBoxShowsPromptIconAndTitleWithOneButton() {
    QFETCH(int, icon);
    QFETCH(int, qtIcon);
    DesktopServices services;
    QString title, text;
    int shownIcon = -1, buttons = 0;
    QTimer::singleShot(50, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      title = box->windowTitle();
      text = box->text();
      shownIcon = box->icon();
      buttons = box->buttons().size();
      box->button(QMessageBox::Ok)->click();
    });
    services.MessageBox(" Riga uno\r Riga due", Services::Icon(icon));
    QCOMPARE(title, QString("Velmora 2003 by Dovel"));
    QCOMPARE(text, QString(" Riga uno\n Riga due"));
    QCOMPARE(shownIcon, qtIcon);
    QCOMPARE(buttons, 1);
  }
};

VELMORA_OFFSCREEN_TEST_MAIN(TestDesktopServices)
#include "tst_desktop_services.moc"
