#include "offscreen_test.h"

#include <QWidget>

namespace velmora::test {

ModalGuard::ModalGuard() {
  timer_.setInterval(50);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      seen_ = modal->windowTitle() + ": " + modal->objectName();
      qCritical("unexpected modal dialog: %s", qPrintable(seen_));
      modal->close();
    }
  });
  timer_.start();
}

}  // namespace velmora::test
