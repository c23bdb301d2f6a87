#include "platform/companion_folder.h"

#include <QDir>

namespace velmora {

QString CompanionFolder(const QString& programFolder) {
  // VELMORA_INSTALL_PROGRAM_DIR is relative to the prefix ("lib/velmora");
  // VELMORA_DATA_FROM_PROGRAM leads from it to the data ("../../share/velmora").
  static const QString installedProgramFolder = QStringLiteral("/" VELMORA_INSTALL_PROGRAM_DIR);
  if (!programFolder.endsWith(installedProgramFolder)) return programFolder;
  return QDir::cleanPath(programFolder + QStringLiteral("/" VELMORA_DATA_FROM_PROGRAM));
}

}  // namespace velmora
