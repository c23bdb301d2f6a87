#include <QApplication>
#include <QDateTime>

#include "cli/command_line_program.h"
#include "core/law/legal_data_in_use.h"
#include "gui/main_window.h"
#include "gui/qt_translations.h"
#include "gui/style.h"
#include "platform/desktop_services.h"
#include "platform/program_start.h"
#include "platform/startup_probe.h"
#include "server/service.h"

namespace {

// The one place the system's clock is read: everything else is given it.
QDateTime SystemClock() {
  return QDateTime::currentDateTime();
}

}  // namespace

int main(int argc, char** argv) {
  // The service starts no display: it is answered before the window's toolkit.
  if (const auto served = velmora::server::AnswerService(argc, argv, SystemClock)) return *served;
  if (const auto answered = velmora::cli::AnswerCommandLine(argc, argv, SystemClock))
    return *answered;

  velmora::DisplayStartGuard display(velmora::cli::NoDisplayMessage());
  QApplication app(argc, argv);
  display.Opened();
  if (const auto left = velmora::UnknownArgument()) return velmora::cli::RefuseArgument(*left);

  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setDesktopFileName(QStringLiteral("it.dovel.Velmora"));
  QApplication::setStyle(new velmora::VelmoraStyle);
  velmora::LoadQtItalianTranslations();

  QApplication::setFont(velmora::Frmusufrutto::WindowFont());

  velmora::DesktopServices services(SystemClock);
  // The legal data are read once, here: the window values with them until it closes.
  velmora::Frmusufrutto window(services, velmora::LeggiDatiLegali(velmora::AdditionFolders()));
  velmora::StartupProbe::InstallIfAsked(&window);
  window.Form_Load();
  return app.exec();
}
