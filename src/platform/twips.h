#pragma once

#include <QtGlobal>

// The windows are designed in twips, 1/1440 of an inch.
namespace velmora {

// A logical pixel; Qt scales logical pixels to the screen.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerPoint = 20;

inline int Px(int twips) {
  return qRound(twips / double(kTwipsPerPixel));
}

}  // namespace velmora
