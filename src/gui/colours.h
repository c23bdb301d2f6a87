#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace velmora {

// Colours are written as the classic &HBBGGRR values: blue in the high byte.
constexpr QRgb FromBgr(std::uint32_t bbggrr) {
  return qRgb(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

namespace colore {
inline constexpr QRgb Bianco = FromBgr(0xFFFFFF);
inline constexpr QRgb CianoChiaro = FromBgr(0xFFFFC0);  // a field that awaits input
inline constexpr QRgb VerdeChiaro = FromBgr(0x80FF80);
inline constexpr QRgb Rosa = FromBgr(0xC0C0FF);
inline constexpr QRgb Grigio = FromBgr(0xE0E0E0);
inline constexpr QRgb BluChiaro = FromBgr(0xFF8080);
inline constexpr QRgb MagentaChiaro = FromBgr(0xFFC0FF);
inline constexpr QRgb GialloChiaro = FromBgr(0xC0FFFF);
inline constexpr QRgb Giallo = FromBgr(0x00FFFF);
inline constexpr QRgb Salmone = FromBgr(0x8080FF);
inline constexpr QRgb Argento = FromBgr(0xC0C0C0);
inline constexpr QRgb Blu = FromBgr(0xFF0000);
inline constexpr QRgb Rosso = FromBgr(0x0000FF);
inline constexpr QRgb VerdeScuro = FromBgr(0x004000);
inline constexpr QRgb Nero = FromBgr(0x000000);
}  // namespace colore

// Background and text colour of a control, whatever its kind: the base of a
// text box, the window colour of anything else.
void SetBackColor(QWidget* control, QRgb colour);
QRgb BackColor(const QWidget* control);
void SetForeColor(QWidget* control, QRgb colour);
QRgb ForeColor(const QWidget* control);

}  // namespace velmora
