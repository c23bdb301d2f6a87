#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class CurrentPrinter;
class Frmusufrutto;
class Printer;
class PrinterSystem;
class Services;

// The printer window: the installed printers, the current printer, and the
// settings that the next printout of the main window will use. One instance,
// created by the main window's "stampa" and deleted when closed.
class FrmPrinter : public QWidget {
  Q_OBJECT
 public:
  FrmPrinter(Services& services, Frmusufrutto& mainWindow);

  // Fills the lists and shows the current printer. False when there is no
  // printer at all: the window has told the user and must not be shown.
  bool Form_Load();
  bool InitControls();
  // Shows the printer's settings and clears every change flag. Throws
  // PrinterFailure when a setting cannot be read.
  void ShowPrinterInfo(Printer& printer);

  void AddItem(QComboBox* list, const QString& text, int value);
  void OpenOnDefaultPrinter(PrinterSystem& printers);
  void SelectItem(QComboBox* list, int value);
  // The selected entry's value, or the text part as a whole number when no
  // entry is selected. Throws PrinterFailure when the text is no number.
  qint32 GetItem(QComboBox* list);

  void cboPrinters_Click();
  void chkTrackDefault_Click();
  void cmdMakeCurrent_Click();
  void cmdSet_Click();

  // True when the field's text or selection changed since the settings were
  // last shown; false for controls without a flag.
  bool DataChanged(const QWidget* control) const { return dataChanged_.value(control, false); }

  // The controls, named as in the control table.
  QComboBox* cboPrinters = nullptr;
  QLabel* lblDriverName = nullptr;
  QLabel* lblPort = nullptr;
  QCheckBox* chkTrackDefault = nullptr;
  QLineEdit* txtWidth = nullptr;
  QLineEdit* txtHeight = nullptr;
  QComboBox* cboPaperSize = nullptr;
  QPushButton* cmdSet = nullptr;
  QPushButton* cmdMakeCurrent = nullptr;
  QComboBox* cboOrientation = nullptr;
  QComboBox* cboColorMode = nullptr;
  QLineEdit* txtCopies = nullptr;
  QComboBox* cboDuplex = nullptr;
  QComboBox* cboPaperBin = nullptr;
  QComboBox* cboPrintQuality = nullptr;
  QLineEdit* txtScaleTop = nullptr;
  QLineEdit* txtScaleLeft = nullptr;
  QLineEdit* txtScaleHeight = nullptr;
  QLineEdit* txtScaleWidth = nullptr;
  QLineEdit* txtZoom = nullptr;
  std::array<QLabel*, 17> Label1{};

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // One row per printer setting, in the order "Stampa" applies them: the
  // field that shows it, how its text becomes a value, and the printer's
  // reading and setting of it.
  struct Setting {
    enum class Kind {
      Twips,        // a whole number of twips
      Scale,        // a single-precision number
      Zoom,         // per cent; applied only when its leading number, rounded, is not 0
      Copies,       // 16 bits; applied only when its leading number is above 0
      Code,         // the list's code, 16 bits
      NonZeroCode,  // the list's code, applied only when it is not 0
    };
    QString name;  // the property, in the title of its failure
    Kind kind;
    QLineEdit* field = nullptr;
    QComboBox* list = nullptr;
    int (Printer::*readWhole)() = nullptr;
    float (Printer::*readSingle)() = nullptr;
    void (CurrentPrinter::*setWhole)(int) = nullptr;
    void (CurrentPrinter::*setSingle)(float) = nullptr;
  };

  void CreateControls();
  void DescribeSettings();
  void Show(const Setting& setting, Printer& printer);
  // Applies the setting to the current printer when its field was edited;
  // each failure is reported under the setting's name.
  void Apply(const Setting& setting, PrinterSystem& printers);
  void WireEvents();
  QComboBox* OptionList(const char* name, int left, int top, int width, int height);
  QLineEdit* TextBox(const char* name, int left, int top, int width, int height);
  void TrackChanges(QComboBox* list);
  void TrackChanges(QLineEdit* field);
  // Shows the failure in a box with the application title.
  void Report(const QString& description);
  // Runs the statement; a failure is shown under "Property: " and the name.
  void Attempt(const QString& property, const std::function<void()>& statement);

  Services& services_;
  Frmusufrutto& main_;
  QHash<const QWidget*, bool> dataChanged_;
  std::vector<Setting> settings_;
};

}  // namespace velmora
