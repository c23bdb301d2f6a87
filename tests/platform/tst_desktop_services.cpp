#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "offscreen_test.h"
#include "platform/desktop_services.h"
#include "platform/wave_player.h"

using namespace velmora;
using namespace std::chrono_literals;

namespace {
QDateTime FixedClock() {
  return QDateTime(QDate(2027, 3, 1), QTime(10, 0));
}
}  // namespace

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

// Stands in for xdg-open, first on PATH while it lives: writes each address
// it is given to a file, then ends with the status asked for.
class StandInOpener {
 public:
  // A gated opener ends only once the test has opened its gate.
  explicit StandInOpener(int status, bool gated = false) : path_(qgetenv("PATH")) {
    QFile script(dir_.filePath("xdg-open"));
    script.open(QIODevice::WriteOnly);
    const QString wait =
        gated ? "while [ ! -e '" + Gate() + "' ]; do sleep 0.05; done\n" : QString();
    script.write(("#!/bin/sh\nprintf '%s\\n' \"$1\" >>'" + Log() + "'\n" + wait + "exit " +
                  QString::number(status) + "\n")
                     .toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", dir_.path().toUtf8() + ':' + path_);
  }
  ~StandInOpener() { qputenv("PATH", path_); }
  QString Log() const { return dir_.filePath("opened"); }
  QString Gate() const { return dir_.filePath("gate"); }
  void OpenGate() const {
    QFile gate(Gate());
    gate.open(QIODevice::WriteOnly);
  }
  QStringList Opened() const {
    QFile log(Log());
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
  }

 private:
  QTemporaryDir dir_;
  QByteArray path_;
};

// A sound server that takes every connection and never says a word, on a
// socket of its own; PULSE_SERVER points the sound system at it while the
// object lives.
class SilentSoundServer {
 public:
  SilentSoundServer() : path_(dir_.filePath("native")), before_(qgetenv("PULSE_SERVER")) {
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(path_);
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 16) != 0)
      qFatal("the silent sound server cannot listen on %s", path.constData());
    accepting_ = std::thread([this] {
      while (!stop_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, 20) <= 0) continue;
        const int connection = accept(listener_, nullptr, nullptr);
        if (connection < 0) continue;
        held_.push_back(connection);  // held open, never read, never answered
        ++connections_;
      }
    });
    qputenv("PULSE_SERVER", "unix:" + path);
  }
  ~SilentSoundServer() {
    stop_ = true;
    accepting_.join();
    for (int connection : held_) close(connection);
    close(listener_);
    if (before_.isNull())
      qunsetenv("PULSE_SERVER");
    else
      qputenv("PULSE_SERVER", before_);
  }
  int connections() const { return connections_; }

 private:
  QTemporaryDir dir_;
  QString path_;
  QByteArray before_;
  int listener_ = -1;
  std::vector<int> held_;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  std::thread accepting_;
};

// The real desktop services, on the offscreen platform.
class TestDesktopServices : public QObject {
  Q_OBJECT
  QString soundsDir() const { return qEnvironmentVariable("VELMORA_PROGRAM_DIR"); }

 private slots:
  // Kept where the desktop keeps the user's settings, under the program's id.
  void aSettingIsReadBackByTheNextRun() {
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty()) QSKIP("XDG_CONFIG_HOME names no scratch folder");
    QFile::remove(home + "/it.dovel.Velmora/Velmora.conf");
    {
      DesktopServices first(FixedClock);
      QCOMPARE(first.ReadSetting("saggio"), QString());
      first.WriteSetting("saggio", "allaData");
    }
    DesktopServices next(FixedClock);
    QCOMPARE(next.ReadSetting("saggio"), QString("allaData"));
    QVERIFY(QFile::exists(home + "/it.dovel.Velmora/Velmora.conf"));
  }

  void aMissingWaveGivesTheFallbackSound() {
    int beeps = 0;
    const auto how = PlayWaveFile("/nonexistent/IR_END.WAV", [&] { ++beeps; });
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

  void aShippedSoundIsPlayedOrBeeped() {
    // With or without an audio device the call comes back, with one or the other.
    const QString path = soundsDir() + "/IR_END.WAV";
    int beeps = 0;
    const auto how = PlayWaveFile(
        path, [&] { ++beeps; }, 300ms);
    QCOMPARE(beeps, how == Playback::Fallback ? 1 : 0);
  }

  // Qt's audio set-up alone would wait about 30 s for this server; the
  // sound is given up for the beep, the second time too.
  void aSoundServerThatNeverAnswersGivesTheBeep() {
    const QString path = soundsDir() + "/IR_END.WAV";
    SilentSoundServer server;
    for (int sound = 1; sound <= 2; ++sound) {
      int beeps = 0;
      const auto how = PlayWaveFile(path, [&] { ++beeps; });
      QCOMPARE(how, Playback::Fallback);
      QCOMPARE(beeps, 1);
    }
    QVERIFY(server.connections() >= 2);  // each sound asked the server
  }

  void noSoundServerGivesTheBeep() {
    const QByteArray before = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    int beeps = 0;
    const auto how = PlayWaveFile(soundsDir() + "/IR_END.WAV", [&] { ++beeps; });
    if (before.isNull())
      qunsetenv("PULSE_SERVER");
    else
      qputenv("PULSE_SERVER", before);
    QCOMPARE(how, Playback::Fallback);
    QCOMPARE(beeps, 1);
  }

  // The module the program loads on its first sound gives up the same way.
  void theSoundModuleGivesUpOnASilentServer() {
    QLibrary module(soundsDir() + "/velmora_sound");
    using Play = int (*)(const QString&);
    const auto play = reinterpret_cast<Play>(module.resolve("velmora_play_wave"));
    QVERIFY2(play, qPrintable(module.errorString()));
    const QString path = soundsDir() + "/tada.WAV";
    SilentSoundServer server;
    QCOMPARE(play(path), int(Playback::Fallback));
    QVERIFY(server.connections() >= 1);
  }

  void theSoundModuleBesideTheProgramPlaysWaves() {
    QLibrary module(soundsDir() + "/velmora_sound");
    using Play = int (*)(const QString&);
    const auto play = reinterpret_cast<Play>(module.resolve("velmora_play_wave"));
    QVERIFY2(play, qPrintable(module.errorString()));
    QCOMPARE(play("/nonexistent/IR_END.WAV"), int(Playback::Fallback));
  }

  void aClipboardHoldingOnlyAPictureReadsAsTheEmptyText() {
    DesktopServices services(FixedClock);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    QCOMPARE(services.ClipboardText(), QString());
    QApplication::clipboard()->setText("123,45");
    QCOMPARE(services.ClipboardText(), QString("123,45"));
  }

  // The window takes from the clipboard only what is new, so every copy must
  // be told, the same text again too; and after the watch ends, none.
  void theWatcherIsToldOfEveryCopyTheSameTextIncluded() {
    int told = 0;
    {
      DesktopServices services(FixedClock);
      services.WatchClipboard([&told] { ++told; });
      QApplication::clipboard()->setText("123,45");
      QApplication::clipboard()->setText("123,45");
      services.SetClipboard("prospetto", "<p>prospetto</p>");
      QCOMPARE(told, 3);
      services.WatchClipboard({});
      QApplication::clipboard()->setText("678");
      QCOMPARE(told, 3);
      services.WatchClipboard([&told] { told += 10; });
    }
    QApplication::clipboard()->setText("9");  // the services are gone: no watch
    QCOMPARE(told, 3);
    QCOMPARE(QApplication::clipboard()->text(), QString("9"));
  }

  void theProgramFolderHasNoTrailingSeparator() {
    DesktopServices services(FixedClock);
    QVERIFY(!services.ProgramFolder().endsWith('/'));
    QCOMPARE(services.ProgramFolder(), QCoreApplication::applicationDirPath());
  }

  // The pages written from the law in use go to the user's cache.
  void pagesAreWrittenInTheUsersCache() {
    QTemporaryDir cache;
    const QByteArray before = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    const QString folder = DesktopServices(FixedClock).PagesFolder();
    qputenv("XDG_CACHE_HOME", before);
    QVERIFY2(folder.startsWith(cache.path() + '/') && folder.endsWith("/pagine"),
             qPrintable(folder));
  }

  // A page is there whole or not at all, its folder made as needed; one that
  // cannot be written leaves nothing behind.
  void aPageIsWrittenWhole_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("written");
    QTest::newRow("in a folder still to make") << "cache/Velmora/pagine/normativa.htm" << true;
    QTest::newRow("over the page written before") << "old/normativa.htm" << true;
    QTest::newRow("under a file, not a folder") << "file/normativa.htm" << false;
  }
  void aPageIsWrittenWhole() {
    QFETCH(QString, path);
    QFETCH(bool, written);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("old"));
    for (const char* name : {"old/normativa.htm", "file"}) {
      QFile file(dir.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("<p>prima</p>");
    }
    const QByteArray html = QByteArray("<p>2027</p>").repeated(10000);
    QCOMPARE(DesktopServices(FixedClock).WritePage(dir.filePath(path), html), written);
    QFile page(dir.filePath(path));
    if (written) {
      QVERIFY(page.open(QIODevice::ReadOnly));
      QCOMPARE(page.readAll(), html);
      // Nothing of the writing is left beside the page.
      QCOMPARE(QDir(QFileInfo(page).path()).entryList(QDir::Files), QStringList{"normativa.htm"});
    } else {
      QVERIFY(!page.exists());
    }
  }

  void openingAMissingDocumentGivesTheShellsCode2() {
    DesktopServices services(FixedClock);
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
    DesktopServices services(FixedClock);
    QVERIFY(!services.OpenInBrowser(dir.filePath(name)));
    QVERIFY(browser.opened.isEmpty());
  }

  void aPageThatIsThereGoesToTheBrowser() {
    QTemporaryDir dir;
    QFile page(dir.filePath("normativa.htm"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    StandInOpener opener(0);
    DesktopServices services(FixedClock);
    bool failed = false;
    QVERIFY(services.OpenInBrowser(page.fileName(), [&] { failed = true; }));
    // The watch of the opener is the program's last process; it goes once
    // it has heard how the opener ended.
    const QPointer<QProcess> watch =
        qApp->findChildren<QProcess*>(Qt::FindDirectChildrenOnly).last();
    QTRY_VERIFY_WITH_TIMEOUT(watch.isNull(), 20000);
    QCOMPARE(opener.Opened(), QStringList{QUrl::fromLocalFile(page.fileName()).toString()});
    QVERIFY(!failed);
  }

  // An opener that starts and then fails is heard of, without waiting for it.
  void anOpenerThatFailsAfterStartingIsReported_data() {
    QTest::addColumn<bool>("page");
    QTest::newRow("a document") << false;
    QTest::newRow("a page") << true;
  }
  void anOpenerThatFailsAfterStartingIsReported() {
    QFETCH(bool, page);
    QTemporaryDir dir;
    QFile file(dir.filePath("leggimi.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    StandInOpener opener(3, true);
    DesktopServices services(FixedClock);
    int failures = 0;
    if (page)
      QVERIFY(services.OpenInBrowser(file.fileName(), [&] { ++failures; }));
    else
      QCOMPARE(services.OpenDocument(file.fileName(), [&] { ++failures; }), 42);
    // The call came back while the opener still waits at its gate: its
    // failure is heard once it ends.
    QCOMPARE(failures, 0);
    opener.OpenGate();
    QTRY_COMPARE(failures, 1);
    QCOMPARE(opener.Opened(), QStringList{QUrl::fromLocalFile(file.fileName()).toString()});
  }

  void theFirstCandidateOnThePathIsFound() {
    DesktopServices services(FixedClock);
    QCOMPARE(services.FindProgram({"no-such-calculator-here", "sh"}),
             QStandardPaths::findExecutable("sh"));
    QCOMPARE(services.FindProgram({"no-such-calculator-here"}), QString());
  }

  void aProgramThatDoesNotExistIsNotStarted() {
    DesktopServices services(FixedClock);
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
    DesktopServices services(FixedClock);
    QString title, text;
    int shownIcon = -1, buttons = 0;
    test::ModalGuard guard;
    guard.Expect([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      shownIcon = box->icon();
      buttons = box->buttons().size();
      box->button(QMessageBox::Ok)->click();
    });
    services.MessageBox(" Riga uno\r Riga due", Services::Icon(icon));
    QVERIFY(guard.Answered());
    QCOMPARE(title, QString("Velmora 2003 by Dovel"));
    QCOMPARE(text, QString(" Riga uno\n Riga due"));
    QCOMPARE(shownIcon, qtIcon);
    QCOMPARE(buttons, 1);
  }

  // Enter alone answers No: the values of a table not in force go into an
  // act only when the user says Sì.
  void aQuestionDefaultsToNo() {
    DesktopServices services(FixedClock);
    QStringList buttons;
    QString defaultButton;
    test::ModalGuard guard;
    guard.Expect([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(box);
      for (QAbstractButton* b : box->buttons()) buttons << b->text();
      defaultButton = box->defaultButton()->text();
      QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(!services.Question("Copiare comunque?", "Velmora by Dovel"));
    QVERIFY(guard.Answered());
    buttons.sort();
    QCOMPARE(buttons, QStringList({"&No", "&Sì"}));
    QCOMPARE(defaultButton, QString("&No"));
  }
};

VELMORA_OFFSCREEN_TEST_MAIN(TestDesktopServices)
#include "tst_desktop_services.moc"
