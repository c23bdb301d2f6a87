#pragma once

#include <utility>
#include <vector>

#include "platform/twips.h"

class QWidget;

// The windows are laid out absolutely, in twips, as designed.
namespace velmora {

// Places a control relative to its container.
void Place(QWidget* control, int left, int top, int width, int height);

// Sets the tab order of a window from the controls' tab indexes, passing
// over the controls that take no focus.
void SetTabOrder(std::vector<std::pair<int, QWidget*>> tabIndex);

}  // namespace velmora
