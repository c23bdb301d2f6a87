#include "core/documents/version.h"

namespace velmora {

// The version is defined for this file alone: a release then recompiles one
// file, and the compiler cache keeps serving every other.
QString ProgramVersion() {
  return QStringLiteral(VELMORA_VERSION);
}

}  // namespace velmora
