#include "gui/style.h"

#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>

namespace velmora {
namespace {

// A "»" chevron, pointing right or down.
QIcon Chevron(bool down) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  if (down) p.translate(16, 0), p.rotate(90);
  for (int x : {4, 9}) p.drawPolyline(QPolygonF({{qreal(x), 4}, {x + 3.5, 8}, {qreal(x), 12}}));
  return QIcon(pixmap);
}

}  // namespace

VelmoraStyle::VelmoraStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon VelmoraStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return Chevron(false);
  if (icon == SP_ToolBarVerticalExtensionButton) return Chevron(true);
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace velmora
