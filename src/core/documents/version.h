#pragma once

#include <QString>

namespace velmora {

// "1.0.0": the version of the build, from CMakeLists.txt.
QString ProgramVersion();

}  // namespace velmora
