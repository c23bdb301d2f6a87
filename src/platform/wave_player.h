#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <optional>

namespace velmora {

// How a wave file was played.
enum class Playback { Played, Fallback };

// Plays the file and waits until it ends, at most its duration plus the
// margin, the set-up of the sound system included: with no audio device Qt's
// sound effect may never report the end, and a sound server may never answer.
// Calls beep instead when there is no audio output, the sound server does not
// answer within half the margin, or the file cannot be played.
Playback PlayWaveFile(const QString& path, const std::function<void()>& beep,
                      std::chrono::milliseconds margin = std::chrono::milliseconds(400));

// The length of a PCM wave file, read from its header; nothing when the file
// is not a wave file.
std::optional<std::chrono::milliseconds> WaveDuration(const QString& path);

}  // namespace velmora
