#pragma once

#include <QRadioButton>

namespace velmora {

// An option button drawn as a wide coloured bar: a click anywhere on the bar
// selects it, as on the classic form, not only on its circle and caption.
class ActionButton : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override;
};

}  // namespace velmora
