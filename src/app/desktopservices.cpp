#include "app/desktopservices.h"

#include <QApplication>
#include <QAudioDevice>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include "printing/printers.h"

namespace velmora {

DesktopServices::DesktopServices() = default;
DesktopServices::~DesktopServices() = default;

void DesktopServices::MessageBox(const QString& prompt, Icon icon, const QString& title) {
  const auto qtIcon = icon == Icon::Exclamation ? QMessageBox::Warning
                      : icon == Icon::Critical  ? QMessageBox::Critical
                                                : QMessageBox::NoIcon;
  // A carriage return alone starts a new line.
  QString text = prompt;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), '\n');
  QMessageBox box(qtIcon, title, text, QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

QString DesktopServices::ProgramFolder() {
  return QCoreApplication::applicationDirPath();
}

void DesktopServices::ClearClipboard() {
  QGuiApplication::clipboard()->clear();
}

QString DesktopServices::ClipboardText() {
  return QGuiApplication::clipboard()->text();
}

void DesktopServices::PlayWave(const QString& name) {
  PlayWaveFile(ProgramFolder() + name, [] { QApplication::beep(); });
}

int DesktopServices::OpenDocument(const QString& path) {
  const QFileInfo file(path);
  if (!file.exists()) return 2;
  if (!file.isReadable()) return 5;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? 42 : 31;
}

bool DesktopServices::StartProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

QString DesktopServices::FindProgram(const QStringList& candidates) {
  for (const QString& name : candidates) {
    const QString found = QStandardPaths::findExecutable(name);
    if (!found.isEmpty()) return found;
  }
  return {};
}

bool DesktopServices::OpenInBrowser(const QString& pathOrAddress) {
  const bool isAddress = pathOrAddress.startsWith(QLatin1String("http://")) ||
                         pathOrAddress.startsWith(QLatin1String("https://"));
  const QUrl url = isAddress ? QUrl(pathOrAddress) : QUrl::fromLocalFile(pathOrAddress);
  return QDesktopServices::openUrl(url);
}

PrinterSystem& DesktopServices::Printers() {
  // Created on first use: the printing service is not asked at start-up.
  if (!printers_) printers_ = MakeQtPrinterSystem();
  return *printers_;
}

std::optional<std::chrono::milliseconds> WaveDuration(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = file.read(12);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return std::nullopt;
  quint32 byteRate = 0;
  while (true) {
    const QByteArray chunk = file.read(8);
    if (chunk.size() < 8) return std::nullopt;
    const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
    if (chunk.startsWith("fmt ")) {
      const QByteArray fmt = file.read(size);
      if (fmt.size() < 16) return std::nullopt;
      byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
      if (size % 2) file.skip(1);
    } else if (chunk.startsWith("data")) {
      if (byteRate == 0) return std::nullopt;
      return std::chrono::milliseconds(quint64(size) * 1000 / byteRate);
    } else if (!file.skip(size + size % 2)) {
      return std::nullopt;
    }
  }
}

Playback PlayWaveFile(const QString& path, const std::function<void()>& beep,
                      std::chrono::milliseconds margin) {
  const auto duration = WaveDuration(path);
  if (!duration || QMediaDevices::audioOutputs().isEmpty()) {
    beep();
    return Playback::Fallback;
  }

  QSoundEffect effect;
  QEventLoop loop;
  QTimer bound;
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
  effect.setSource(QUrl::fromLocalFile(path));
  if (effect.status() != QSoundEffect::Ready && effect.status() != QSoundEffect::Error) {
    bound.start(margin);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (effect.status() != QSoundEffect::Ready) {
    beep();
    return Playback::Fallback;
  }

  QObject::disconnect(&effect, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
  QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
    if (!effect.isPlaying()) loop.quit();
  });
  effect.play();
  bound.start(*duration + margin);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  effect.stop();
  return Playback::Played;
}

}  // namespace velmora
