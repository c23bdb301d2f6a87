#pragma once

#include <QString>
#include <optional>

namespace velmora {

// "1.0.0".
QString ProgramVersion();

// Watches the toolkit's start. When no display can be opened, Qt would end
// the process with an abort and a long hint about reinstalling; instead the
// program writes one clear message on standard error and ends with the
// status 1. What Qt writes meanwhile is held, and written only once the
// display is open.
class DisplayStartGuard {
 public:
  DisplayStartGuard();
  ~DisplayStartGuard();
  DisplayStartGuard(const DisplayStartGuard&) = delete;
  DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;

  // The toolkit has opened its display.
  void Opened();

 private:
  bool watching_ = true;
};

// After the toolkit has taken its own options (-platform, -display, -style
// and the like): any argument left is refused on standard error. The command
// line has refused every other argument before; this catches an option that
// Qt would have taken on another platform. Returns the exit status 2 then,
// nothing when there is none.
std::optional<int> RefuseUnknownArguments();

}  // namespace velmora
