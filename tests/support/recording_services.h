#pragma once

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

#include "platform/services.h"

namespace velmora::test {

// A desktop that answers at once and writes down every call, in order.
// Message boxes return immediately; onMessageBox lets a test look at the
// window while a box would be open.
class RecordingServices : public Services {
 public:
  RecordingServices();

  // One line per call, e.g. "MessageBox Velmora by Dovel | ! | Devi ...",
  // "PlayWave /IR_END.WAV", "ClipboardText".
  QStringList log;
  // The message boxes alone: "title | icon | prompt" with icon "", "!" or "X".
  QStringList messages;

  QString clipboard;                // what ClipboardText returns
  QString clipboardHtml;            // the HTML form SetClipboard left
  ClipboardChanged clipboardWatch;  // the window's, told of every new content
  // Another program puts a text on the clipboard, as the user copies it there.
  void CopyElsewhere(const QString& text) {
    clipboard = text;
    clipboardHtml.clear();
    if (clipboardWatch) clipboardWatch();
  }
  QString documentsFolder = QStringLiteral("/home/notaio/Documenti");
  QString saveFileName;       // what the save dialog answers; empty: cancelled
  QString suggestedFileName;  // what the save dialog was shown
  QString programFolder;      // VELMORA_PROGRAM_DIR, or a fixed folder
  int openDocumentCode = 42;  // what OpenDocument returns
  bool startProgramResult = true;
  QStringList programsOnPath;  // what FindProgram can find
  bool browserResult = true;
  PrinterSystem* printers = nullptr;  // set by tests that print
  QMap<QString, QString> settings;    // kept between "runs" of a test
  std::function<void(const QString& prompt)> onMessageBox;
  std::function<void(const QString& name)> onPlayWave;

  void MessageBox(const QString& prompt, Icon icon, const QString& title) override;
  // Questions are written down as message boxes with the icon "?", and
  // answered with questionAnswer.
  bool Question(const QString& prompt, const QString& title) override;
  bool questionAnswer = false;
  using Services::MessageBox;
  QString ProgramFolder() override;
  QString ClipboardText() override;
  void SetClipboard(const QString& plain, const QString& html) override;
  void WatchClipboard(ClipboardChanged changed) override { clipboardWatch = std::move(changed); }
  QString DocumentsFolder() override;
  QString SaveFileName(const QString& title, const QString& suggested,
                       const QString& filter) override;
  void PlayWave(const QString& name) override;
  int OpenDocument(const QString& path, OpenerFailed failedLater) override;
  using Services::OpenDocument;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  QString FindProgram(const QStringList& candidates) override;
  bool OpenInBrowser(const QString& pathOrAddress, OpenerFailed failedLater) override;
  using Services::OpenInBrowser;
  // The openers started, as they would report a failure later.
  QList<OpenerFailed> openers;
  // Every opener started so far reports that it failed.
  void FailOpeners() {
    const auto started = std::exchange(openers, {});
    for (const OpenerFailed& failed : started)
      if (failed) failed();
  }
  QString PagesFolder() override { return pagesFolder; }
  bool WritePage(const QString& path, const QByteArray& html) override;
  QString pagesFolder = QStringLiteral("/home/notaio/.cache/Velmora/pagine");
  bool writePageResult = true;      // what WritePage returns
  QMap<QString, QByteArray> pages;  // the pages written, by path
  PrinterSystem& Printers() override;
  QString ReadSetting(const QString& key) override;
  bool WriteSetting(const QString& key, const QString& value) override;
  QString SettingsFile() override { return settingsFile; }
  bool settingsWritable = true;  // what WriteSetting returns
  QString settingsFile = QStringLiteral("/home/utente/.config/it.dovel.Velmora/Velmora.conf");
  // The desk's clock: a fixed day, so no test reads the system's.
  QDateTime now{QDate(2026, 12, 9), QTime(10, 30)};
  QDateTime Now() override { return now; }

  void Clear() {
    log.clear();
    messages.clear();
  }
};

}  // namespace velmora::test
