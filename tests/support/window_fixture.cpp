#include "window_fixture.h"

#include <QApplication>
#include <QWidget>

#include "app/colours.h"
#include "app/style.h"

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

void MainWindowFixture::Start() {
  window = std::make_unique<Frmusufrutto>(services);
  window->Form_Load();
  if (!QTest::qWaitForWindowActive(window.get())) qFatal("the main window did not become active");
}

void PrepareApplication() {
  QApplication::setStyle(new VelmoraStyle);
  QApplication::setFont(Frmusufrutto::WindowFont());
}

QString Colour(QRgb colour) {
  return QColor(colour).name();
}
QString Colour(const QWidget* control) {
  return Colour(BackColor(control));
}

}  // namespace velmora::test
