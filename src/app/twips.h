#pragma once

#include <QWidget>
#include <QtMath>

// The windows are laid out in twips, as designed; a logical pixel is 15 twips,
// and Qt scales logical pixels to the screen.
namespace velmora {

inline int Px(int twips) {
  return qRound(twips / 15.0);
}

// Places a control relative to its container.
inline void Place(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace velmora
