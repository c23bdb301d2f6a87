#pragma once

#include <QString>

// A document saved as PDF without ever leaving half a file: it is written
// beside the target under a temporary name and renamed into place when whole.
namespace velmora {

enum class PdfFailure { None, Folder, Writing };

// Writes the HTML as an A4 PDF at the path. On a failure the path holds what
// it held before and no temporary file is left.
PdfFailure WritePdf(const QString& html, const QString& path);

}  // namespace velmora
