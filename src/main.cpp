#include <QApplication>

#include "cli/command_line_program.h"
#include "core/law/legal_data_in_use.h"
#include "gui/main_window.h"
#include "gui/qt_translations.h"
#include "gui/style.h"
#include "platform/desktop_services.h"
#include "platform/program_start.h"
#include "platform/startup_probe.h"

int main(int argc, char** argv) {
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

  // The legal data are read once, here: the window values with them until it closes.
  velmora::DesktopServices services;
  velmora::Frmusufrutto window(services, velmora::LeggiDatiLegali(velmora::AdditionFolders()));
  velmora::StartupProbe::InstallIfAsked(&window);
  window.Form_Load();
  return app.exec();
}
