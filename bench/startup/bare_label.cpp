#include <QApplication>
#include <QLabel>
#include <QStyleFactory>

#include "platform/startup_probe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QLabel label(QStringLiteral("Velmora"));
  velmora::StartupProbe::InstallIfAsked(&label);
  label.show();
  label.activateWindow();
  return app.exec();
}
