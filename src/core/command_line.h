#pragma once

#include <QStringList>

namespace velmora {

// What the command line asks for. It is read before the toolkit starts, so
// that the help and the version need no display.
enum class CommandLineRequest { Window, Help, Version };

// The arguments without the program's name. --help (or -h) anywhere wins over
// --version (or -v); any other argument is left to the toolkit.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

}  // namespace velmora
