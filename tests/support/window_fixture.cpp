#include "window_fixture.h"

#include <QApplication>
#include <QWidget>

#include "gui/colours.h"
#include "gui/qt_translations.h"
#include "gui/style.h"

namespace velmora::test {

void MainWindowFixture::Start() {
  window = std::make_unique<Frmusufrutto>(services, law);
  window->Form_Load();
  if (!QTest::qWaitForWindowActive(window.get())) qFatal("the main window did not become active");
}

void PrepareApplication() {
  QApplication::setStyle(new VelmoraStyle);
  QApplication::setFont(Frmusufrutto::WindowFont());
  LoadQtItalianTranslations();
}

QString Colour(QRgb colour) {
  return QColor(colour).name();
}
QString Colour(const QWidget* control) {
  return Colour(BackColor(control));
}

}  // namespace velmora::test
