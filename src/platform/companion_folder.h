#pragma once

#include <QString>

namespace velmora {

// The folder of the companion files, found from the folder of the program
// file. In the build tree they sit beside the program. Installed, the program
// is in <prefix>/lib/velmora and they are in <prefix>/share/velmora, whatever
// the prefix: the path from one to the other is fixed when the build is
// configured, and no absolute path is compiled in.
QString CompanionFolder(const QString& programFolder);

}  // namespace velmora
