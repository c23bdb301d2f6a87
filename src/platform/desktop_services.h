#pragma once

#include <memory>

#include "platform/services.h"

namespace velmora {

// The real desktop: Qt's message boxes, clipboard, sound, desktop services,
// processes and printers.
class DesktopServices : public Services {
 public:
  DesktopServices();
  ~DesktopServices() override;

  void MessageBox(const QString& prompt, Icon icon, const QString& title) override;
  using Services::MessageBox;
  QString ProgramFolder() override;
  void ClearClipboard() override;
  QString ClipboardText() override;
  void SetClipboard(const QString& plain, const QString& html) override;
  QString DocumentsFolder() override;
  QString SaveFileName(const QString& title, const QString& suggested,
                       const QString& filter) override;
  void PlayWave(const QString& name) override;
  int OpenDocument(const QString& path) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  QString FindProgram(const QStringList& candidates) override;
  bool OpenInBrowser(const QString& pathOrAddress) override;
  PrinterSystem& Printers() override;
  QString ReadSetting(const QString& key) override;
  void WriteSetting(const QString& key, const QString& value) override;

 private:
  std::unique_ptr<PrinterSystem> printers_;
};

}  // namespace velmora
