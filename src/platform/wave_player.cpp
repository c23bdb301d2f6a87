#include "platform/wave_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace velmora {

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
