#pragma once

#include <chrono>

namespace velmora {

// Whether the desktop's sound server answers a new connection within the
// time. Qt's audio set-up waits for that answer without a bound: a server
// that takes the connection and never answers would hold the window for
// half a minute. True where there is no such server to ask.
bool SoundServerAnswers(std::chrono::milliseconds within);

}  // namespace velmora
