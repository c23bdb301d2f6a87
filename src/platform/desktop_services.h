#pragma once

#include <QMetaObject>
#include <QUrl>
#include <functional>
#include <memory>

#include "platform/services.h"

namespace velmora {

// The real desktop: Qt's message boxes, clipboard, sound, desktop services,
// processes and printers.
// Starts the desktop's opener on the address without waiting; false when it
// cannot start. `failedLater` runs when the opener fails within seconds.
bool OpenWatched(const QUrl& url, Services::OpenerFailed failedLater);

class DesktopServices : public Services {
 public:
  // `clock` is the system's clock, given by main.
  explicit DesktopServices(std::function<QDateTime()> clock);
  ~DesktopServices() override;

  void MessageBox(const QString& prompt, Icon icon, const QString& title) override;
  bool Question(const QString& prompt, const QString& title) override;
  using Services::MessageBox;
  QString ProgramFolder() override;
  QString ClipboardText() override;
  void SetClipboard(const QString& plain, const QString& html) override;
  void WatchClipboard(ClipboardChanged changed) override;
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
  QString PagesFolder() override;
  bool WritePage(const QString& path, const QByteArray& html) override;
  PrinterSystem& Printers() override;
  QDateTime Now() override { return clock_(); }
  QString ReadSetting(const QString& key) override;
  bool WriteSetting(const QString& key, const QString& value) override;
  QString SettingsFile() override;

 private:
  std::unique_ptr<PrinterSystem> printers_;
  QMetaObject::Connection clipboardWatch_;
  std::function<QDateTime()> clock_;
};

}  // namespace velmora
