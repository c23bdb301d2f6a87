#pragma once

#include <QString>
#include <optional>

namespace velmora {

// Watches the toolkit's start. When no display can be opened, Qt would end
// the process with an abort and a long hint about reinstalling; instead the
// program writes one clear message on standard error and ends with the
// status 1. What Qt writes meanwhile is held, and written only once the
// display is open.
class DisplayStartGuard {
 public:
  // `noDisplay` is the whole message, line end included.
  explicit DisplayStartGuard(const QString& noDisplay);
  ~DisplayStartGuard();
  DisplayStartGuard(const DisplayStartGuard&) = delete;
  DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;

  // The toolkit has opened its display.
  void Opened();

 private:
  bool watching_ = true;
};

// After the toolkit has taken its own options (-platform, -display, -style
// and the like): the first argument left, which the program refuses. The
// command line has refused every other argument before; this catches an
// option that Qt would have taken on another platform.
std::optional<QString> UnknownArgument();

}  // namespace velmora
