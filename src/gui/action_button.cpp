#include "gui/action_button.h"

namespace velmora {

bool ActionButton::hitButton(const QPoint& pos) const {
  return rect().contains(pos);
}

}  // namespace velmora
