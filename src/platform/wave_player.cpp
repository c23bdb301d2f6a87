#include "platform/wave_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <algorithm>

#include "platform/sound_server.h"

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
  using namespace std::chrono;
  using Clock = steady_clock;
  const Clock::time_point start = Clock::now();
  auto fallback = [&beep] {
    beep();
    return Playback::Fallback;
  };
  const auto duration = WaveDuration(path);
  if (!duration) return fallback();
  // Half the margin at most for the server's answer; the rest for loading.
  if (!SoundServerAnswers(margin / 2) || QMediaDevices::audioOutputs().isEmpty()) return fallback();
  const Clock::time_point end = start + *duration + margin;
  auto untilEnd = [end] {
    return std::max(milliseconds(0), duration_cast<milliseconds>(end - Clock::now()));
  };

  QSoundEffect effect;
  QEventLoop loop;
  QTimer bound;
  bound.setSingleShot(true);
  QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
  effect.setSource(QUrl::fromLocalFile(path));
  const milliseconds forLoading = untilEnd() - *duration;
  if (effect.status() != QSoundEffect::Ready && effect.status() != QSoundEffect::Error &&
      forLoading > milliseconds(0)) {
    bound.start(forLoading);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (effect.status() != QSoundEffect::Ready) return fallback();

  QObject::disconnect(&effect, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
  QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
    if (!effect.isPlaying()) loop.quit();
  });
  effect.play();
  bound.start(untilEnd());
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  effect.stop();
  return Playback::Played;
}

}  // namespace velmora
