#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace velmora {

class PrinterSystem;

// The program's title: that of the message boxes that name no title of their own.
inline const QString kApplicationTitle = QStringLiteral("Velmora 2003 by Dovel");

// Everything outside the process goes through this interface, so that the
// windows can be driven by tests with a recording double.
class Services {
 public:
  enum class Icon { None, Exclamation, Critical };

  virtual ~Services() = default;

  // Modal box with one OK button; returns when the user has closed it.
  virtual void MessageBox(const QString& prompt, Icon icon, const QString& title) = 0;
  // With the application title.
  void MessageBox(const QString& prompt, Icon icon) { MessageBox(prompt, icon, kApplicationTitle); }

  // A modal question with the buttons Sì and No, No the default, so that Enter
  // alone does not go ahead. True when the user answered Sì.
  virtual bool Question(const QString& prompt, const QString& title) = 0;

  // The folder of the companion files, without a trailing separator: beside
  // the program in the build tree, the data folder in an installed tree.
  virtual QString ProgramFolder() = 0;

  // The clipboard as plain text; the empty text when it holds none.
  virtual QString ClipboardText() = 0;
  // Puts a text on the clipboard in two forms: plain, and HTML that pastes
  // with its layout into a word processor (empty: plain only).
  virtual void SetClipboard(const QString& plain, const QString& html) = 0;
  // `changed` runs on the window's thread each time something is put on the
  // clipboard, by any program, the same text again included. One watcher at
  // a time; an empty function stops the watch.
  using ClipboardChanged = std::function<void()>;
  virtual void WatchClipboard(ClipboardChanged changed) = 0;

  // The user's documents folder, without a trailing separator.
  virtual QString DocumentsFolder() = 0;
  // The save dialog, starting at the suggested path; it asks before an
  // existing file is replaced. The chosen path, or the empty text when the
  // user cancelled.
  virtual QString SaveFileName(const QString& title, const QString& suggested,
                               const QString& filter) = 0;

  // Plays ProgramFolder() + name synchronously; the desktop's beep when the
  // file cannot be played. Never blocks for longer than the sound lasts.
  virtual void PlayWave(const QString& name) = 0;

  // Opens a document with the desktop's application for it. Returns a code
  // that follows the Windows shell: above 32 is success; 2 missing file,
  // 5 unreadable, 31 no application.
  // An opener can start and then fail (no application set for the file):
  // `failedLater` runs on the window's thread when it reports that within a
  // few seconds. The call itself never waits for it.
  using OpenerFailed = std::function<void()>;
  virtual int OpenDocument(const QString& path, OpenerFailed failedLater) = 0;
  int OpenDocument(const QString& path) { return OpenDocument(path, {}); }

  // Starts a program without waiting and without a shell. False when it
  // could not be started.
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;

  // The first of the candidates that is found on PATH, or the empty text.
  virtual QString FindProgram(const QStringList& candidates) = 0;

  // Opens a local page (a path) or an http address in the browser. False when
  // the page is missing or unreadable, or nothing could open it.
  virtual bool OpenInBrowser(const QString& pathOrAddress, OpenerFailed failedLater) = 0;
  bool OpenInBrowser(const QString& pathOrAddress) { return OpenInBrowser(pathOrAddress, {}); }

  // The folder where the program writes pages of its own for the browser, in
  // the user's cache, without a trailing separator; the empty text when the
  // desktop has none.
  virtual QString PagesFolder() = 0;
  // Writes a page whole, making its folder: a page already there is replaced
  // only once the new one is complete, so the browser never reads half of
  // one. False when it cannot be written.
  virtual bool WritePage(const QString& path, const QByteArray& html) = 0;

  // The installed printers and the current printer, held for the whole run.
  virtual PrinterSystem& Printers() = 0;

  // The user's choices kept between runs; the empty text for a key never written.
  virtual QString ReadSetting(const QString& key) = 0;
  // False when the settings file could not be written: the choice is lost
  // at the next start.
  virtual bool WriteSetting(const QString& key, const QString& value) = 0;
  // The file the settings are kept in, as the user would look for it.
  virtual QString SettingsFile() = 0;

  // The day and time of the desk, as the program was given it: the windows
  // never read the system's clock themselves, so tests can fix the day.
  virtual QDateTime Now() = 0;
};

}  // namespace velmora
