#pragma once

#include <QString>

namespace velmora {

// "1.0.0": the version of the build, from debian/changelog through CMake.
inline QString ProgramVersion() {
  return QStringLiteral(VELMORA_VERSION);
}

}  // namespace velmora
