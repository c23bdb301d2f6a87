#include "gui/layout.h"

#include <QWidget>
#include <algorithm>

namespace velmora {

void Place(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

void SetTabOrder(std::vector<std::pair<int, QWidget*>> tabIndex) {
  std::stable_sort(tabIndex.begin(), tabIndex.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  QWidget* previous = nullptr;
  for (const auto& [index, w] : tabIndex) {
    if (w->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

}  // namespace velmora
