#include "platform/printer_codes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/twips.h"

namespace velmora::printercodes {
namespace {

// Windows bin codes beside Qt's paper sources; 12 and 13 have no source.
constexpr std::array<std::pair<int, QPrinter::PaperSource>, 13> kBins{{
    {1, QPrinter::Upper},
    {2, QPrinter::Lower},
    {3, QPrinter::Middle},
    {4, QPrinter::Manual},
    {5, QPrinter::Envelope},
    {6, QPrinter::EnvelopeManual},
    {7, QPrinter::Auto},
    {8, QPrinter::Tractor},
    {9, QPrinter::SmallFormat},
    {10, QPrinter::LargeFormat},
    {11, QPrinter::LargeCapacity},
    {14, QPrinter::Cassette},
    {15, QPrinter::FormSource},
}};

// A printer that names no resolutions prints at any; these stand for the
// four qualities then.
const QList<int> kUsualResolutions{150, 300, 600, 1200};

QList<int> Ladder(QList<int> resolutions) {
  if (resolutions.isEmpty()) resolutions = kUsualResolutions;
  std::sort(resolutions.begin(), resolutions.end());
  resolutions.erase(std::unique(resolutions.begin(), resolutions.end()), resolutions.end());
  return resolutions;
}

// The resolution of a quality code (-1 .. -4) on a sorted ladder.
int Rung(int code, const QList<int>& ladder) {
  const qsizetype top = ladder.size() - 1;
  switch (code) {
    case -1:
      return ladder.first();
    case -2:
      return ladder.at(top / 3);
    case -3:
      return ladder.at(2 * top / 3);
    default:
      return ladder.last();
  }
}

}  // namespace

int Twips(qreal points) {
  return int(std::lround(points * kTwipsPerPoint));
}
qreal Points(int twips) {
  return twips / qreal(kTwipsPerPoint);
}

int PaperSizeCode(const QPageSize& size) {
  const int code = size.windowsId();
  return code > 0 ? code : kUserPaperSize;
}

std::optional<QPageSize::PageSizeId> PaperSizeId(int code) {
  if (code <= 0 || code == kUserPaperSize) return std::nullopt;
  const QPageSize::PageSizeId id = QPageSize::id(code);
  if (id == QPageSize::Custom) return std::nullopt;
  return id;
}

int OrientationCode(QPageLayout::Orientation orientation) {
  return orientation == QPageLayout::Landscape ? 2 : 1;
}

std::optional<QPageLayout::Orientation> OrientationFor(int code) {
  if (code == 1) return QPageLayout::Portrait;
  if (code == 2) return QPageLayout::Landscape;
  return std::nullopt;
}

int ColorModeCode(QPrinter::ColorMode mode) {
  return mode == QPrinter::Color ? 2 : 1;
}

std::optional<QPrinter::ColorMode> ColorModeFor(int code) {
  if (code == 1) return QPrinter::GrayScale;
  if (code == 2) return QPrinter::Color;
  return std::nullopt;
}

int DuplexCode(QPrinter::DuplexMode mode) {
  switch (mode) {
    case QPrinter::DuplexNone:
      return 1;
    case QPrinter::DuplexShortSide:
      return 3;
    default:
      return 2;
  }
}

std::optional<QPrinter::DuplexMode> DuplexFor(int code) {
  switch (code) {
    case 1:
      return QPrinter::DuplexNone;
    case 2:
      return QPrinter::DuplexLongSide;
    case 3:
      return QPrinter::DuplexShortSide;
    default:
      return std::nullopt;
  }
}

std::optional<int> PaperBinCode(QPrinter::PaperSource source) {
  for (const auto& [code, s] : kBins)
    if (s == source) return code;
  return std::nullopt;
}

std::optional<QPrinter::PaperSource> PaperBinFor(int code) {
  for (const auto& [c, source] : kBins)
    if (c == code) return source;
  return std::nullopt;
}

int PrintQualityCode(int dpi, QList<int> resolutions) {
  const QList<int> ladder = Ladder(std::move(resolutions));
  // The highest quality first, for a printer with fewer than four resolutions.
  for (int code : {-4, -3, -2, -1})
    if (Rung(code, ladder) == dpi) return code;
  return dpi;
}

std::optional<int> ResolutionFor(int code, QList<int> resolutions) {
  if (code >= -4 && code <= -1) return Rung(code, Ladder(std::move(resolutions)));
  if (code <= 0) return std::nullopt;
  if (resolutions.isEmpty() || resolutions.contains(code)) return code;
  return std::nullopt;
}

Placement PlaceImage(QSizeF imageTwips, QSizeF areaTwips, float scaleLeft, float scaleTop,
                     float scaleWidth, float scaleHeight, int zoom) {
  auto unit = [](qreal area, float extent) {
    return std::isfinite(extent) && extent != 0 ? area / extent : 1.0;
  };
  const qreal sx = unit(areaTwips.width(), scaleWidth);
  const qreal sy = unit(areaTwips.height(), scaleHeight);
  const qreal z = zoom > 0 ? zoom / 100.0 : 1.0;
  auto finite = [](qreal v) { return std::isfinite(v) ? v : 0.0; };

  Placement p;
  p.mirroredHorizontally = sx < 0;
  p.mirroredVertically = sy < 0;
  QRectF rect = QRectF(finite(-scaleLeft * sx), finite(-scaleTop * sy), imageTwips.width() * sx * z,
                       imageTwips.height() * sy * z)
                    .normalized();
  if (rect.isEmpty()) return p;

  const qreal fit =
      std::min({1.0, areaTwips.width() / rect.width(), areaTwips.height() / rect.height()});
  rect.setSize(rect.size() * fit);
  if (rect.right() > areaTwips.width()) rect.moveRight(areaTwips.width());
  if (rect.bottom() > areaTwips.height()) rect.moveBottom(areaTwips.height());
  if (rect.left() < 0) rect.moveLeft(0);
  if (rect.top() < 0) rect.moveTop(0);
  p.rect = rect;
  return p;
}

}  // namespace velmora::printercodes
