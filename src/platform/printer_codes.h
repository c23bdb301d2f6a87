#pragma once

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRectF>
#include <QSizeF>
#include <optional>

// The codes of the printer window, which are the Windows printer driver's,
// mapped to Qt's printing settings and back.
namespace velmora::printercodes {

inline constexpr int kUserPaperSize = 256;

// Twips are points x 20.
int Twips(qreal points);
qreal Points(int twips);

// The Windows paper code of a size; sizes Windows has no code for count as
// the user's own (256).
int PaperSizeCode(const QPageSize& size);
// The standard size of a code; nothing for 256 and for unknown codes.
std::optional<QPageSize::PageSizeId> PaperSizeId(int code);

int OrientationCode(QPageLayout::Orientation orientation);
std::optional<QPageLayout::Orientation> OrientationFor(int code);

int ColorModeCode(QPrinter::ColorMode mode);
std::optional<QPrinter::ColorMode> ColorModeFor(int code);

// Automatic two-sided printing counts as long-edge.
int DuplexCode(QPrinter::DuplexMode mode);
std::optional<QPrinter::DuplexMode> DuplexFor(int code);

// Nothing for the sources Windows has no bin code for.
std::optional<int> PaperBinCode(QPrinter::PaperSource source);
std::optional<QPrinter::PaperSource> PaperBinFor(int code);

// Print quality: -1 draft, -2 low, -3 medium, -4 high stand for the lowest, a
// lower-middle, an upper-middle and the highest of the printer's resolutions;
// a positive code is a resolution in dots per inch. A resolution that none of
// the four stands for reads as itself.
int PrintQualityCode(int dpi, QList<int> resolutions);
// Nothing when the printer has no such resolution.
std::optional<int> ResolutionFor(int code, QList<int> resolutions);

// Where the image goes on the printable area, both in twips. The scale lays a
// coordinate system over the area: (left, top) is its top-left corner and
// width x height its extent. The image sits at the origin of that system,
// one unit per twip of its own size, enlarged by the zoom (per cent); a
// negative extent mirrors it. An image that would not fit on the area is
// made smaller and moved onto it, so that all of it is printed.
struct Placement {
  QRectF rect;  // in the area, normalised
  bool mirroredHorizontally = false;
  bool mirroredVertically = false;
};
Placement PlaceImage(QSizeF imageTwips, QSizeF areaTwips, float scaleLeft, float scaleTop,
                     float scaleWidth, float scaleHeight, int zoom);

}  // namespace velmora::printercodes
