#pragma once

#include <QGroupBox>

namespace velmora {

// A frame drawn flat in its own background colour, with an etched border and
// the caption on the top edge, whatever the style would add to a group box.
class FrameBox : public QGroupBox {
  Q_OBJECT
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
