#pragma once

#include <QPixmap>
#include <QString>

namespace velmora {

// A picture of the program at the given device pixel ratio: the @2x drawing
// above 1x, so that it stays sharp on dense screens. Read as PNG without
// guessing the format: guessing loads every image plugin of the system,
// which costs the first frame more than all the pictures.
QPixmap Picture(const QString& name, qreal devicePixelRatio);

}  // namespace velmora
