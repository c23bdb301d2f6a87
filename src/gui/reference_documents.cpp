#include <QDir>

#include "core/documents/companion_pages.h"
#include "core/law/legal_data_in_use.h"
#include "gui/main_window.h"
#include "gui/table_window.h"
#include "gui/window_texts.h"

namespace velmora {
namespace {

// The author's home page.
const QString kHomePage = QStringLiteral("https://www.dovel.it/velmora");

// The calculators of the Linux desktops, in order of preference.
QStringList Calculators() {
  return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
          QStringLiteral("galculator"),       QStringLiteral("qalculate-gtk"),
          QStringLiteral("mate-calc"),        QStringLiteral("xcalc")};
}

}  // namespace

// The instructions open in the desktop's viewer for text files. The
// platform's own separator, so that the path names the file that ships.
void Frmusufrutto::istruzioni_Click() {
  const QString path =
      services().ProgramFolder() + QDir::separator() + QStringLiteral("leggimi.txt");
  auto refused = [this, path](int code) {
    services().MessageBox(text::kInstructionsRefused.arg(path, QString::number(code)),
                          Services::Icon::Critical);
  };
  const int code =
      services().OpenDocument(path, AfterThisWindow([refused] { refused(kNoApplication); }));
  if (code <= 32) refused(code);
}

// A page that does not open is named in a message; one that opens says nothing.
void Frmusufrutto::OpenPage(const QString& pathOrAddress) {
  auto refused = [this, pathOrAddress] {
    services().MessageBox(text::kPageRefused.arg(pathOrAddress), Services::Icon::Critical);
  };
  if (!services().OpenInBrowser(pathOrAddress, AfterThisWindow(refused))) refused();
}

Services::OpenerFailed Frmusufrutto::AfterThisWindow(std::function<void()> report) {
  // The window may be gone by the time the opener answers.
  return [window = QPointer<Frmusufrutto>(this), report = std::move(report)] {
    if (window) report();
  };
}

// The installed pages list the years of the built-in data. With files an
// office added, the pages are written again from the law in use into the
// user's folder, all three since they link to one another, so that they list
// the added years too.
void Frmusufrutto::OpenCompanionPage(const QString& name) {
  const MergedLegalData& law = law_->Merged();
  if (law.files.isEmpty()) {
    OpenPage(services().ProgramFolder() + u'/' + name);
    return;
  }
  const QString folder = services().PagesFolder();
  const QString path = folder.isEmpty() ? name : folder + u'/' + name;
  bool written = !folder.isEmpty();
  for (const CompanionPage& page : CompanionPages(law.data))
    written = written && services().WritePage(folder + u'/' + page.name, page.html);
  if (written)
    OpenPage(path);
  else
    services().MessageBox(text::kPageRefused.arg(path), Services::Icon::Critical);
}

void Frmusufrutto::normativa_Click() {
  OpenCompanionPage(QStringLiteral("normativa.htm"));
}

void Frmusufrutto::sito_Click() {
  OpenPage(kHomePage);
}

void Frmusufrutto::TabellePrecedenti_Click() {
  OpenCompanionPage(QStringLiteral("TabelleUsufrutto.htm"));
}

void Frmusufrutto::TabelleUsufruttoDeterminato_Click() {
  OpenCompanionPage(QStringLiteral("TabelleUsufruttoTempoDeterminato.htm"));
}

// One table window at a time, shown beside the main window without blocking
// it; closing it discards it.
void Frmusufrutto::TabellaVigente_Click() {
  if (!tableWindow) {
    // A window of its own, as the main window is: the program ends only when
    // both are closed. It goes with the main window when that is destroyed.
    tableWindow = new Form1();
    connect(this, &QObject::destroyed, tableWindow.data(), &QObject::deleteLater);
  }
  tableWindow->ShowYear(*law_, TableYear());
  tableWindow->setWindowState(tableWindow->windowState() & ~Qt::WindowMinimized);
  tableWindow->show();
  tableWindow->raise();
  tableWindow->activateWindow();
}

void Frmusufrutto::Image1_Click() {
  const QString calculator = services().FindProgram(Calculators());
  if (calculator.isEmpty()) {
    services().MessageBox(text::kNoCalculator, Services::Icon::Critical);
    return;
  }
  if (services().StartProgram(calculator, {})) return;
  services().MessageBox(text::kCalculatorRefused.arg(calculator), Services::Icon::Critical);
}

}  // namespace velmora
