#include <QApplication>

#include "cli/command_line_program.h"
#include "gui/main_window.h"
#include "gui/qt_translations.h"
#include "gui/style.h"
#include "platform/desktop_services.h"
#include "platform/program_start.h"
#include "platform/startup_probe.h"
#include "server/service.h"

int main(int argc, char** argv) {
  // The service starts no display: it is answered before the window's toolkit.
  if (const auto served = velmora::server::AnswerService(argc, argv)) return *served;
  if (const auto answered = velmora::cli::AnswerCommandLine(argc, argv)) return *answered;

  velmora::DisplayStartGuard display(velmora::cli::NoDisplayMessage());
  QApplication app(argc, argv);
  display.Opened();
  if (const auto left = velmora::UnknownArgument()) return velmora::cli::RefuseArgument(*left);

  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setDesktopFileName(QStringLiteral("it.dovel.Velmora"));
  QApplication::setStyle(new velmora::VelmoraStyle);
  velmora::LoadQtItalianTranslations();

  QApplication::setFont(velmora::Frmusufrutto::WindowFont());

  velmora::DesktopServices services;
  velmora::Frmusufrutto window(services);
  velmora::StartupProbe::InstallIfAsked(&window);
  window.Form_Load();
  return app.exec();
}
