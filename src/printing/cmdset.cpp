#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>

#include "app/frmusufrutto.h"
#include "app/services.h"
#include "printing/fieldtext.h"
#include "printing/frmprinter.h"
#include "printing/printers.h"

namespace velmora {

void FrmPrinter::cmdSet_Click() {
  using namespace fieldtext;
  PrinterSystem& printers = services_.Printers();
  auto current = [&printers]() -> CurrentPrinter& { return printers.Current(); };

  // Only the current printer prints: the one picked in the list must be it.
  try {
    const int picked = cboPrinters->currentIndex();
    if (picked < 0 || printers.Installed(picked).DeviceName() != current().DeviceName()) {
      services_.MessageBox(QStringLiteral("Devi impostare la stampante come corrente"),
                           Services::Icon::Exclamation);
      return;
    }
  } catch (const PrinterFailure& failure) {
    Report(failure.description());
    return;
  }

  // Each statement that fails is reported under the property being set, and
  // the next statement runs.
  QString property;
  auto attempt = [&](auto&& statement) {
    try {
      statement();
    } catch (const PrinterFailure& failure) {
      services_.MessageBox(failure.description(), Services::Icon::Exclamation,
                           QStringLiteral("Property: ") + property);
    }
  };
  // A list whose code is 0 is not applied; when its code cannot be read, the
  // setting is attempted anyway and reports its own failure.
  auto applyNonZeroItem = [&](QComboBox* list, void (CurrentPrinter::*set)(int)) {
    bool apply = true;
    attempt([&] { apply = GetItem(list) != 0 && DataChanged(list); });
    if (apply) attempt([&] { (current().*set)(Integer(GetItem(list))); });
  };

  property = QStringLiteral("Width");
  if (DataChanged(txtWidth)) attempt([&] { current().SetWidth(Long(txtWidth->text())); });
  property = QStringLiteral("Height");
  if (DataChanged(txtHeight)) attempt([&] { current().SetHeight(Long(txtHeight->text())); });
  property = QStringLiteral("PaperSize");
  if (DataChanged(cboPaperSize))
    attempt([&] { current().SetPaperSize(Integer(GetItem(cboPaperSize))); });
  property = QStringLiteral("Orientation");
  if (DataChanged(cboOrientation))
    attempt([&] { current().SetOrientation(Integer(GetItem(cboOrientation))); });
  property = QStringLiteral("ColorMode");
  if (DataChanged(cboColorMode))
    attempt([&] { current().SetColorMode(Integer(GetItem(cboColorMode))); });
  property = QStringLiteral("Copies");
  if (LeadingNumber(txtCopies->text()) > 0 && DataChanged(txtCopies))
    attempt([&] { current().SetCopies(Integer(txtCopies->text())); });
  property = QStringLiteral("Duplex");
  applyNonZeroItem(cboDuplex, &CurrentPrinter::SetDuplex);
  property = QStringLiteral("PaperBin");
  applyNonZeroItem(cboPaperBin, &CurrentPrinter::SetPaperBin);
  property = QStringLiteral("PrintQuality");
  applyNonZeroItem(cboPrintQuality, &CurrentPrinter::SetPrintQuality);
  property = QStringLiteral("ScaleLeft");
  if (DataChanged(txtScaleLeft))
    attempt([&] { current().SetScaleLeft(Single(txtScaleLeft->text())); });
  property = QStringLiteral("ScaleTop");
  if (DataChanged(txtScaleTop))
    attempt([&] { current().SetScaleTop(Single(txtScaleTop->text())); });
  property = QStringLiteral("ScaleWidth");
  if (DataChanged(txtScaleWidth))
    attempt([&] { current().SetScaleWidth(Single(txtScaleWidth->text())); });
  property = QStringLiteral("ScaleHeight");
  if (DataChanged(txtScaleHeight))
    attempt([&] { current().SetScaleHeight(Single(txtScaleHeight->text())); });
  property = QStringLiteral("Zoom");
  if (RoundHalfEven(LeadingNumber(txtZoom->text())) != 0 && DataChanged(txtZoom))
    attempt([&] { current().SetZoom(Long(txtZoom->text())); });

  // The settings as the printer now has them; then the main window as shown.
  attempt([&] { ShowPrinterInfo(current()); });
  attempt([&] { current().PrintImage(main_.ClientArea()->grab().toImage()); });
}

}  // namespace velmora
