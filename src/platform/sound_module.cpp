#include <QApplication>

#include "platform/wave_player.h"

// The entry of the sound module, which the program loads on its first sound.
extern "C" Q_DECL_EXPORT int velmora_play_wave(const QString& path) {
  return int(velmora::PlayWaveFile(path, [] { QApplication::beep(); }));
}
