#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "app/services.h"

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
  void PlayWave(const QString& name) override;
  int OpenDocument(const QString& path) override;
  bool StartProgram(const QString& program, const QStringList& arguments) override;
  QString FindProgram(const QStringList& candidates) override;
  bool OpenInBrowser(const QString& pathOrAddress) override;
  PrinterSystem& Printers() override;

 private:
  std::unique_ptr<PrinterSystem> printers_;
};

// How a wave file was played.
enum class Playback { Played, Fallback };

// Plays the file and waits until it ends, at most its duration plus the
// margin: with no audio device Qt's sound effect may never report the end.
// Calls beep instead when there is no audio output or the file cannot be
// played.
Playback PlayWaveFile(const QString& path, const std::function<void()>& beep,
                      std::chrono::milliseconds margin = std::chrono::milliseconds(400));

// The length of a PCM wave file, read from its header; nothing when the file
// is not a wave file.
std::optional<std::chrono::milliseconds> WaveDuration(const QString& path);

}  // namespace velmora
