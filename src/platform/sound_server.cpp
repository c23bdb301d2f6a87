#include "platform/sound_server.h"

#ifdef VELMORA_PULSEAUDIO
#include <pulse/context.h>
#include <pulse/mainloop.h>
#endif

namespace velmora {

#ifdef VELMORA_PULSEAUDIO

// The server is found as Qt's audio finds it (PULSE_SERVER, the X display,
// the user's runtime folder), and asked on a main loop of our own whose every
// wait ends at the deadline. No server is started for the question.
bool SoundServerAnswers(std::chrono::milliseconds within) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + within;
  pa_mainloop* loop = pa_mainloop_new();
  if (!loop) return false;
  pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Velmora");
  bool ready = false;
  if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
    while (true) {
      const pa_context_state_t state = pa_context_get_state(context);
      if (state == PA_CONTEXT_READY) {
        ready = true;
        break;
      }
      if (!PA_CONTEXT_IS_GOOD(state)) break;
      const auto left =
          std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
      if (left.count() <= 0) break;
      if (pa_mainloop_prepare(loop, int(left.count())) < 0 || pa_mainloop_poll(loop) < 0 ||
          pa_mainloop_dispatch(loop) < 0)
        break;
    }
  }
  if (context) {
    pa_context_disconnect(context);
    pa_context_unref(context);
  }
  pa_mainloop_free(loop);
  return ready;
}

#else

bool SoundServerAnswers(std::chrono::milliseconds) {
  return true;
}

#endif

}  // namespace velmora
