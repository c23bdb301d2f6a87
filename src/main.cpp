#include <QApplication>
#include <QStyleFactory>

#include "app/desktopservices.h"
#include "app/frmusufrutto.h"
#include "app/startupprobe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setDesktopFileName(QStringLiteral("it.dovel.Velmora"));
  // The colours of the controls are part of the window's design; Fusion
  // draws them as set on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QApplication::setFont(velmora::Frmusufrutto::WindowFont());

  velmora::DesktopServices services;
  velmora::Frmusufrutto window(services);
  velmora::StartupProbe::InstallIfAsked(&window);
  window.Form_Load();
  return app.exec();
}
