#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

#include "gui/field_text.h"
#include "gui/main_window.h"
#include "gui/printer_window.h"
#include "gui/printer_window_texts.h"
#include "gui/window_texts.h"
#include "platform/printers.h"
#include "platform/services.h"

// Printing the main window: "stampa" opens the printer window, whose
// "Stampa" applies the edited settings and prints the window as shown.
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

void FrmPrinter::cmdSet_Click() {
  PrinterSystem& printers = services_.Printers();

  // Only the current printer prints: the one picked in the list must be it.
  try {
    const int picked = cboPrinters->currentIndex();
    if (picked < 0 || printers.Installed(picked).DeviceName() != printers.Current().DeviceName()) {
      services_.MessageBox(text::kMakeCurrentFirst, Services::Icon::Exclamation);
      return;
    }
  } catch (const PrinterFailure& failure) {
    Report(failure.description());
    return;
  }

  for (const Setting& setting : settings_) Apply(setting, printers);

  // The settings as the printer now has them; then the main window as shown,
  // both reported under the last name set.
  const QString last = settings_.back().name;
  Attempt(last, [&] { ShowPrinterInfo(printers.Current()); });
  // The printout's own failure names the window that did not print.
  try {
    printers.Current().PrintImage(main_.ClientArea()->grab().toImage());
  } catch (const PrinterFailure& failure) {
    services_.MessageBox(failure.description(), Services::Icon::Exclamation,
                         text::kMainWindowTitle);
  }
}

void FrmPrinter::Apply(const Setting& setting, PrinterSystem& printers) {
  using namespace fieldtext;
  using K = Setting::Kind;
  // Asked each time: following the default printer may replace it.
  auto current = [&printers]() -> CurrentPrinter& { return printers.Current(); };
  auto setWhole = [&](int value) { (current().*setting.setWhole)(value); };
  const bool changed = DataChanged(setting.field ? static_cast<QWidget*>(setting.field)
                                                 : static_cast<QWidget*>(setting.list));
  const QString& name = setting.name;
  switch (setting.kind) {
    case K::Twips:
      if (changed) Attempt(name, [&] { setWhole(Long(setting.field->text())); });
      break;
    case K::Scale:
      if (changed)
        Attempt(name, [&] { (current().*setting.setSingle)(Single(setting.field->text())); });
      break;
    case K::Zoom:
      if (RoundHalfEven(LeadingNumber(setting.field->text())) != 0 && changed)
        Attempt(name, [&] { setWhole(Long(setting.field->text())); });
      break;
    case K::Copies:
      if (LeadingNumber(setting.field->text()) > 0 && changed)
        Attempt(name, [&] { setWhole(Integer(setting.field->text())); });
      break;
    case K::Code:
      if (changed) Attempt(name, [&] { setWhole(Integer(GetItem(setting.list))); });
      break;
    case K::NonZeroCode: {
      // When the code cannot be read the setting is attempted anyway and
      // reports its own failure.
      bool apply = true;
      Attempt(name, [&] { apply = GetItem(setting.list) != 0 && changed; });
      if (apply) Attempt(name, [&] { setWhole(Integer(GetItem(setting.list))); });
      break;
    }
  }
}

void FrmPrinter::Attempt(const QString& property, const std::function<void()>& statement) {
  try {
    statement();
  } catch (const PrinterFailure& failure) {
    services_.MessageBox(failure.description(), Services::Icon::Exclamation,
                         text::kPropertyTitle + property);
  }
}

}  // namespace velmora
