#include <QRadioButton>

#include "app/frmusufrutto.h"
#include "printing/frmprinter.h"

namespace velmora {

// Shows the printer window, creating it at its first showing. The option
// group is left as it is: "stampa" stays selected while the window is open.
void Frmusufrutto::Option6_Click() {
  if (!printerWindow) {
    auto* window = new FrmPrinter(services(), *this);
    // Once the window is gone the group is parked, so that "stampa" opens it
    // again at the next click.
    connect(window, &QObject::destroyed, option5, [this] { option5->setChecked(true); });
    if (!window->Form_Load()) {
      delete window;
      return;
    }
    printerWindow = window;
  }
  // Shown again while open: brought to the front.
  if (printerWindow->isVisible()) printerWindow->raise();
  printerWindow->show();
  printerWindow->activateWindow();
}

}  // namespace velmora
