#include "gui/table_window.h"

#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

#include "gui/coefficient_sheet_view.h"
#include "gui/colours.h"
#include "gui/pictures.h"
#include "gui/window_texts.h"
#include "platform/twips.h"

namespace velmora {
namespace {

const QSize kClientSize(Px(9256), Px(8086));

// At the resolution that suits the screen, so that the table's text stays sharp.
QPixmap LoadPicture(qreal devicePixelRatio) {
  return Picture(QStringLiteral("tabella2016"), devicePixelRatio);
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(text::kTableWindowTitle);
  setWindowIcon(QIcon(velmora::Picture(QStringLiteral("icon"), devicePixelRatioF())));
  setAttribute(Qt::WA_DeleteOnClose);
  SetBackColor(this, colore::Bianco);
  picture_ = LoadPicture(devicePixelRatioF());
  // Resizable, so that the user can bring the whole table into view; no
  // larger than the picture, which has nothing beyond its edges.
  resize(kClientSize);
  if (!picture_.isNull()) setMaximumSize(picture_.deviceIndependentSize().toSize());
}

void Form1::ShowYear(const DatiLegali& law, std::optional<int> year) {
  if (year && sheet_ && sheet_->anno == *year) return;
  if (year)
    sheet_ = ProspettoPerAnno(law, *year);
  else
    sheet_.reset();
  if (!sheet_ && !picture_.isNull())
    setMaximumSize(picture_.deviceIndependentSize().toSize());
  else if (sheet_)
    setMaximumSize(kSheetSize);
  update();
}

void Form1::paintEvent(QPaintEvent*) {
  if (sheet_) {
    QPainter painter(this);
    DrawCoefficientSheet(painter, *sheet_);
    return;
  }
  // The window may have moved to a screen of another density.
  const qreal wanted = devicePixelRatioF() > 1.0 ? 2.0 : 1.0;
  if (picture_.devicePixelRatio() != wanted) picture_ = LoadPicture(wanted);
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

// Esc closes it, as it closes a tool window.
void Form1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace velmora
