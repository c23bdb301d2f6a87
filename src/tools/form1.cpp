#include "tools/form1.h"

#include <QIcon>
#include <QImageReader>
#include <QPainter>

#include "app/colours.h"

namespace velmora {
namespace {

// Logical pixels: 15 twips each.
constexpr QSize kClientSize(9256 / 15, 8086 / 15);

// The picture at the resolution that suits the screen: the @2x drawing on
// high-density screens, so the table's text stays sharp.
QPixmap LoadPicture(qreal devicePixelRatio) {
  const bool dense = devicePixelRatio > 1.0;
  QImageReader reader(dense ? QStringLiteral(":/pictures/tabella2016@2x.png")
                            : QStringLiteral(":/pictures/tabella2016.png"));
  QImage image = reader.read();
  image.setDevicePixelRatio(dense ? 2.0 : 1.0);
  return QPixmap::fromImage(std::move(image));
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tabella Usufrutto by ostrel Ilvo Quendari"));
  setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  SetBackColor(this, colore::Bianco);
  picture_ = LoadPicture(devicePixelRatioF());
  // Resizable, so that the user can bring the whole table into view; no
  // larger than the picture, which has nothing beyond its edges.
  resize(kClientSize);
  if (!picture_.isNull()) setMaximumSize(picture_.deviceIndependentSize().toSize());
}

void Form1::paintEvent(QPaintEvent*) {
  // The window may have moved to a screen of another density.
  const qreal wanted = devicePixelRatioF() > 1.0 ? 2.0 : 1.0;
  if (picture_.devicePixelRatio() != wanted) picture_ = LoadPicture(wanted);
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace velmora
