#include "gui/pictures.h"

#include <QImageReader>

namespace velmora {

QPixmap Picture(const QString& name, qreal devicePixelRatio) {
  const bool dense = devicePixelRatio > 1.0;
  QImageReader reader(QStringLiteral(":/pictures/%1%2.png").arg(name, dense ? "@2x" : ""), "png");
  reader.setAutoDetectImageFormat(false);
  QPixmap picture = QPixmap::fromImage(reader.read());
  picture.setDevicePixelRatio(dense ? 2.0 : 1.0);
  return picture;
}

}  // namespace velmora
