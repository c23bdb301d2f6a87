#pragma once

#include <QString>

class QPagedPaintDevice;

// An HTML document on paper or in a PDF file.
namespace velmora {

// Lays the HTML out on the device's pages and paints them. The face and size
// are set in points, so that the text keeps its size at any resolution (the
// window's own face is set in pixels).
void PrintHtml(const QString& html, QPagedPaintDevice& device);

enum class PdfFailure { None, Folder, Writing };

// Writes the HTML as an A4 PDF at the path, without ever leaving half a file:
// it is written beside the target under a temporary name and renamed into
// place when whole. On a failure the path holds what it held before and no
// temporary file is left.
PdfFailure WritePdf(const QString& html, const QString& path);

}  // namespace velmora
