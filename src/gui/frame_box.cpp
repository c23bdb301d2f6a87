#include "gui/frame_box.h"

#include <QPainter>

namespace velmora {

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor back = palette().color(QPalette::Window);
  p.fillRect(rect(), back);

  const QFontMetrics metrics(font());
  const int top = title().isEmpty() ? 0 : metrics.height() / 2;
  const QRect border = rect().adjusted(0, top, -2, -2);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(border);
  p.setPen(Qt::white);
  p.drawRect(border.translated(1, 1));

  if (title().isEmpty()) return;
  const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
  p.fillRect(caption, back);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace velmora
