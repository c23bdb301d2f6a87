#pragma once

#include <QPixmap>
#include <QWidget>

namespace velmora {

// The picture of the coefficient table in force, in a window of its own.
// The picture is larger than the window's design size: its right and bottom
// parts show when the user enlarges the window, up to the picture's size.
class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  // The picture as it is drawn, at the screen's resolution.
  const QPixmap& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace velmora
