#include "core/command_line.h"

namespace velmora {

CommandLineRequest ReadCommandLine(const QStringList& arguments) {
  const auto has = [&](QLatin1StringView shortForm, QLatin1StringView longForm) {
    return arguments.contains(shortForm) || arguments.contains(longForm);
  };
  if (has(QLatin1StringView("-h"), QLatin1StringView("--help"))) return CommandLineRequest::Help;
  if (has(QLatin1StringView("-v"), QLatin1StringView("--version")))
    return CommandLineRequest::Version;
  return CommandLineRequest::Window;
}

}  // namespace velmora
