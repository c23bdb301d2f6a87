#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace velmora {

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
