#include <QLineEdit>
#include <QRadioButton>

#include "gui/event_model.h"
#include "gui/main_window.h"
#include "gui/window_texts.h"

namespace velmora {

// Hands the valuation to the companion workbook; the value comes back through
// the clipboard the next time PP receives the focus.
void Frmusufrutto::Option3_Click() {
  PP->setText(QStringLiteral("0"));
  AwaitWorkbookTotal();
  US->setText(QString());
  NP->setText(QString());
  PERCUSU->setText(QString());
  PERCNP->setText(QString());
  ForgetShownValuation();
  const QString path = services().ProgramFolder() + QStringLiteral("/ValutazioneAutomatica.xls");
  ExecFile(path);
}

void Frmusufrutto::ExecFile(const QString& path) {
  // An opener that starts and then fails is told as one that cannot start.
  const int code = services().OpenDocument(
      path, AfterThisWindow([this, path] { WorkbookRefused(path, kNoApplication); }));
  SetFocus(PP);
  showMinimized();
  // Coming back to the window enters PP again, which takes the value copied
  // from the workbook.
  events().EnterOnActivation(PP);
  option5->setChecked(true);
  services().PlayWave(QStringLiteral("/tada.WAV"));
  if (code > 32) return;

  WorkbookRefused(path, code);
}

// A refused launch is reported, and the window comes back so the user can go
// on: the program keeps running.
void Frmusufrutto::WorkbookRefused(const QString& path, int code) {
  // One pass over both arguments: a "%2" in the folder name stays as it is.
  services().MessageBox(text::kWorkbookRefused.arg(path, QString::number(code)),
                        Services::Icon::Critical);
  showNormal();
  raise();
  activateWindow();
}

}  // namespace velmora
