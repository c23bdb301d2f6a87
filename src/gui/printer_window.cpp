#include "gui/printer_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

#include "gui/field_text.h"
#include "gui/fonts.h"
#include "gui/layout.h"
#include "gui/main_window.h"
#include "gui/printer_window_texts.h"
#include "platform/printers.h"
#include "platform/services.h"

namespace velmora {
namespace {

struct Entry {
  int value;
  const char* text;
};

// The entries of the option lists, in the order they appear: the item values
// are the Windows printer driver's codes.
const Entry kPaperSizes[] = {
    {1, "Lettera USA (21,6 x 27,9 cm)"},
    {2, "Lettera ridotta (21,6 x 27,9 cm)"},
    {3, "vbPRPSTabloid"},
    {4, "vbPRPSLedger"},
    {5, "vbPRPSLegal"},
    {6, "vbPRPSStatement"},
    {7, "vbPRPSExecutive"},
    {8, "A3 (29,7 x 42 cm)"},
    {9, " A4 (21 x 29,7 cm)"},
    {10, "vbPRPSA4Small"},
    {11, "vbPRPSA5"},
    {12, "vbPRPSB4"},
    {13, "vbPRPSB5"},
    {14, "vbPRPSFolio"},
    {15, "vbPRPSQuarto"},
    {16, "vbPRPS10x14"},
    {17, "vbPRPS11x17"},
    {18, "vbPRPSNote"},
    {19, "vbPRPSEnv9"},
    {20, "vbPRPSEnv10"},
    {21, "vbPRPSEnv11"},
    {22, "vbPRPSEnv12"},
    {23, "vbPRPSEnv14"},
    {24, "vbPRPSCSheet"},
    {25, "vbPRPSDSheet"},
    {26, "vbPRPSESheet"},
    {27, "vbPRPSEnvDL"},
    {29, "vbPRPSEnvC3"},
    {30, "vbPRPSEnvC4"},
    {28, "vbPRPSEnvC5"},
    {31, "vbPRPSEnvC6"},
    {32, "vbPRPSEnvC65"},
    {33, "vbPRPSEnvB4"},
    {34, "vbPRPSEnvB5"},
    {35, "vbPRPSEnvB6"},
    {36, "vbPRPSEnvItaly"},
    {37, "vbPRPSEnvMonarch"},
    {38, "vbPRPSEnvPersonal"},
    {39, "vbPRPSFanfoldUS"},
    {40, "vbPRPSFanfoldStdGerman"},
    {41, "vbPRPSFanfoldLglGerman"},
    {256, "vbPRPSUser"},
};

const Entry kPaperBins[] = {
    {1, "vbPRBNUpper"},     {2, "vbPRBNLower"},          {3, "vbPRBNMiddle"},
    {4, "vbPRBNManual"},    {5, "vbPRBNEnvelope"},       {6, "vbPRBNEnvManual"},
    {7, "vbPRBNAuto"},      {8, "vbPRBNTractor"},        {9, "vbPRBNSmallFmt"},
    {10, "vbPRBNLargeFmt"}, {11, "vbPRBNLargeCapacity"}, {14, "vbPRBNCassette"},
};

const Entry kOrientations[] = {{1, "verticale"}, {2, "orizzontale"}};

const Entry kColorModes[] = {{1, "vbPRCMMonochrome"}, {2, "vbPRCMColor"}};

const Entry kDuplexModes[] = {
    {1, "singola facciata"}, {2, "orizzontale fronte-retro"}, {3, "verticale fronte-retro"}};

const Entry kPrintQualities[] = {
    {-1, "vbPRPQDraft"}, {-2, "vbPRPQLow"}, {-3, "vbPRPQMedium"}, {-4, "vbPRPQHigh"}};

}  // namespace

FrmPrinter::FrmPrinter(Services& services, Frmusufrutto& mainWindow)
    : QWidget(&mainWindow, Qt::Window), services_(services), main_(mainWindow) {
  setObjectName(QStringLiteral("frmPrinter"));
  setWindowTitle(text::kPrinterWindowTitle);
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(FontFor(Face::Default));
  setFixedSize(Px(10036), Px(4602));
  CreateControls();
  DescribeSettings();
  WireEvents();
}

QComboBox* FrmPrinter::OptionList(const char* name, int left, int top, int width, int height) {
  auto* list = new QComboBox(this);
  list->setObjectName(QString::fromLatin1(name));
  list->setEditable(true);
  // The text part takes any code; nothing is completed or added to the list.
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setCompleter(nullptr);
  list->lineEdit()->setAlignment(Qt::AlignLeft);
  Place(list, left, top, width, height);
  return list;
}

QLineEdit* FrmPrinter::TextBox(const char* name, int left, int top, int width, int height) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QString::fromLatin1(name));
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Place(field, left, top, width, height);
  return field;
}

void FrmPrinter::CreateControls() {
  std::vector<std::pair<int, QWidget*>> tabIndex;
  auto tab = [&](int index, QWidget* w) { tabIndex.emplace_back(index, w); };

  auto caption = [&](int index, const QString& text, int left, int top, int width, int height,
                     int tabIndex) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Place(label, left, top, width, height);
    Label1[size_t(index)] = label;
    tab(tabIndex, label);
  };
  auto bordered = [&](const char* name, int left, int top, int width, int height) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    // One line: a long driver name runs past the border, whole in the tooltip.
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Place(label, left, top, width, height);
    return label;
  };

  cboPrinters = new QComboBox(this);
  cboPrinters->setObjectName(QStringLiteral("cboPrinters"));
  Place(cboPrinters, 1200, 480, 4215, 280);
  tab(0, cboPrinters);
  lblDriverName = bordered("lblDriverName", 1200, 1080, 1820, 380);
  tab(1, lblDriverName);
  caption(1, text::kDriverCaption, -360, 1200, 1460, 260, 2);
  caption(0, text::kPrinterCaption, -480, 600, 1460, 260, 3);
  caption(2, text::kPortCaption, 3000, 1200, 620, 260, 4);
  lblPort = bordered("lblPort", 3720, 1080, 1340, 380);
  tab(5, lblPort);
  chkTrackDefault = new QCheckBox(text::kTrackDefault, this);
  chkTrackDefault->setObjectName(QStringLiteral("chkTrackDefault"));
  Place(chkTrackDefault, 5880, 1080, 2415, 375);
  tab(6, chkTrackDefault);
  caption(3, text::kWidthCaption, -360, 1800, 1460, 260, 7);
  txtWidth = TextBox("txtWidth", 1200, 1680, 1095, 375);
  tab(8, txtWidth);
  caption(4, text::kHeightCaption, 2880, 1800, 740, 260, 9);
  txtHeight = TextBox("txtHeight", 3720, 1680, 1095, 375);
  tab(10, txtHeight);
  cboPaperSize = OptionList("cboPaperSize", 6360, 1680, 2535, 280);
  tab(11, cboPaperSize);
  cmdSet = new QPushButton(text::kPrintButton, this);
  cmdSet->setObjectName(QStringLiteral("cmdSet"));
  Place(cmdSet, 7560, 360, 1330, 495);
  tab(12, cmdSet);
  cmdMakeCurrent = new QPushButton(text::kMakeCurrentButton, this);
  cmdMakeCurrent->setObjectName(QStringLiteral("cmdMakeCurrent"));
  Place(cmdMakeCurrent, 5760, 360, 1450, 495);
  tab(13, cmdMakeCurrent);
  caption(5, text::kPaperCaption, 4800, 1800, 1460, 260, 14);
  cboOrientation = OptionList("cboOrientation", 1200, 2880, 2535, 280);
  tab(15, cboOrientation);
  caption(6, text::kOrientationCaption, -360, 3000, 1460, 260, 16);
  cboColorMode = OptionList("cboColorMode", 1200, 3480, 2535, 280);
  tab(17, cboColorMode);
  caption(7, text::kColourCaption, -360, 3600, 1460, 260, 18);
  txtCopies = TextBox("txtCopies", 6360, 4080, 1095, 375);
  tab(19, txtCopies);
  caption(8, text::kCopiesCaption, 4800, 4200, 1460, 260, 20);
  cboDuplex = OptionList("cboDuplex", 6360, 2880, 2535, 280);
  tab(21, cboDuplex);
  caption(9, text::kDuplexCaption, 4800, 3000, 1460, 260, 22);
  cboPaperBin = OptionList("cboPaperBin", 1200, 4080, 2535, 280);
  cboPaperBin->setEditText(QStringLiteral("cboPaperBin"));
  tab(23, cboPaperBin);
  caption(10, text::kPaperBinCaption, -360, 4200, 1460, 260, 24);
  cboPrintQuality = OptionList("cboPrintQuality", 6360, 3480, 2535, 280);
  tab(25, cboPrintQuality);
  caption(11, text::kQualityCaption, 4800, 3600, 1460, 260, 26);
  txtScaleTop = TextBox("txtScaleTop", 3720, 2280, 1095, 375);
  tab(27, txtScaleTop);
  txtScaleLeft = TextBox("txtScaleLeft", 1200, 2280, 1095, 375);
  tab(28, txtScaleLeft);
  caption(12, text::kScaleTopCaption, 2640, 2400, 980, 260, 29);
  caption(13, text::kScaleLeftCaption, -360, 2400, 1460, 260, 30);
  txtScaleHeight = TextBox("txtScaleHeight", 8880, 2280, 1095, 375);
  tab(31, txtScaleHeight);
  txtScaleWidth = TextBox("txtScaleWidth", 6360, 2280, 1095, 375);
  tab(32, txtScaleWidth);
  caption(14, text::kScaleHeightCaption, 7560, 2400, 1090, 260, 33);
  caption(15, text::kScaleWidthCaption, 4800, 2400, 1460, 260, 34);
  txtZoom = TextBox("txtZoom", 8880, 4080, 1095, 375);
  tab(35, txtZoom);
  caption(16, text::kZoomCaption, 7320, 4200, 1460, 260, 36);

  SetTabOrder(std::move(tabIndex));
}

void FrmPrinter::DescribeSettings() {
  using K = Setting::Kind;
  settings_ = {
      {"Width", K::Twips, txtWidth, nullptr, &Printer::Width, nullptr, &CurrentPrinter::SetWidth},
      {"Height", K::Twips, txtHeight, nullptr, &Printer::Height, nullptr,
       &CurrentPrinter::SetHeight},
      {"PaperSize", K::Code, nullptr, cboPaperSize, &Printer::PaperSize, nullptr,
       &CurrentPrinter::SetPaperSize},
      {"Orientation", K::Code, nullptr, cboOrientation, &Printer::Orientation, nullptr,
       &CurrentPrinter::SetOrientation},
      {"ColorMode", K::Code, nullptr, cboColorMode, &Printer::ColorMode, nullptr,
       &CurrentPrinter::SetColorMode},
      {"Copies", K::Copies, txtCopies, nullptr, &Printer::Copies, nullptr,
       &CurrentPrinter::SetCopies},
      {"Duplex", K::NonZeroCode, nullptr, cboDuplex, &Printer::Duplex, nullptr,
       &CurrentPrinter::SetDuplex},
      {"PaperBin", K::NonZeroCode, nullptr, cboPaperBin, &Printer::PaperBin, nullptr,
       &CurrentPrinter::SetPaperBin},
      {"PrintQuality", K::NonZeroCode, nullptr, cboPrintQuality, &Printer::PrintQuality, nullptr,
       &CurrentPrinter::SetPrintQuality},
      {"ScaleLeft", K::Scale, txtScaleLeft, nullptr, nullptr, &Printer::ScaleLeft, nullptr,
       &CurrentPrinter::SetScaleLeft},
      {"ScaleTop", K::Scale, txtScaleTop, nullptr, nullptr, &Printer::ScaleTop, nullptr,
       &CurrentPrinter::SetScaleTop},
      {"ScaleWidth", K::Scale, txtScaleWidth, nullptr, nullptr, &Printer::ScaleWidth, nullptr,
       &CurrentPrinter::SetScaleWidth},
      {"ScaleHeight", K::Scale, txtScaleHeight, nullptr, nullptr, &Printer::ScaleHeight, nullptr,
       &CurrentPrinter::SetScaleHeight},
      {"Zoom", K::Zoom, txtZoom, nullptr, &Printer::Zoom, nullptr, &CurrentPrinter::SetZoom},
  };
}

void FrmPrinter::TrackChanges(QComboBox* list) {
  dataChanged_.insert(list, false);
  connect(list, &QComboBox::currentIndexChanged, this, [this, list] { dataChanged_[list] = true; });
  connect(list, &QComboBox::editTextChanged, this, [this, list] { dataChanged_[list] = true; });
  // Typing in the text part leaves no entry selected, so that the typed code
  // is the one used.
  QLineEdit* edit = list->lineEdit();
  connect(edit, &QLineEdit::textEdited, this, [list, edit](const QString& text) {
    if (list->currentIndex() < 0 || text == list->itemText(list->currentIndex())) return;
    const int cursor = edit->cursorPosition();
    list->setCurrentIndex(-1);
    list->setEditText(text);
    edit->setCursorPosition(cursor);
  });
}

void FrmPrinter::TrackChanges(QLineEdit* field) {
  dataChanged_.insert(field, false);
  connect(field, &QLineEdit::textChanged, this, [this, field] { dataChanged_[field] = true; });
}

void FrmPrinter::WireEvents() {
  for (QComboBox* list :
       {cboPaperSize, cboOrientation, cboColorMode, cboDuplex, cboPaperBin, cboPrintQuality})
    TrackChanges(list);
  for (QLineEdit* field : {txtWidth, txtHeight, txtCopies, txtScaleLeft, txtScaleTop, txtScaleWidth,
                           txtScaleHeight, txtZoom})
    TrackChanges(field);

  connect(cboPrinters, &QComboBox::currentIndexChanged, this, &FrmPrinter::cboPrinters_Click);
  connect(chkTrackDefault, &QCheckBox::toggled, this, &FrmPrinter::chkTrackDefault_Click);
  connect(cmdMakeCurrent, &QPushButton::clicked, this, &FrmPrinter::cmdMakeCurrent_Click);
  connect(cmdSet, &QPushButton::clicked, this, &FrmPrinter::cmdSet_Click);
}

bool FrmPrinter::Form_Load() {
  return InitControls();
}

bool FrmPrinter::InitControls() {
  auto fill = [this](QComboBox* list, const auto& entries) {
    for (const Entry& e : entries) AddItem(list, QString::fromUtf8(e.text), e.value);
  };
  fill(cboPaperSize, kPaperSizes);
  fill(cboPaperBin, kPaperBins);
  fill(cboOrientation, kOrientations);
  fill(cboColorMode, kColorModes);
  fill(cboDuplex, kDuplexModes);
  fill(cboPrintQuality, kPrintQualities);

  // The printers as they are now: queues come and go while the program runs.
  PrinterSystem& printers = services_.Printers();
  int count = 0;
  try {
    printers.Refresh();
    count = printers.Count();
  } catch (const PrinterFailure&) {
  }
  if (count == 0) {
    services_.MessageBox(text::kNoPrinters, Services::Icon::Critical);
    return false;
  }

  // A failing printer is passed over; its entry is missing.
  for (int i = 0; i < count; ++i) {
    try {
      const QString name = printers.Installed(i).DeviceName();
      {
        // Appending selects nothing.
        const QSignalBlocker quiet(cboPrinters);
        const int selected = cboPrinters->currentIndex();
        cboPrinters->addItem(name);
        cboPrinters->setCurrentIndex(selected);
      }
      // Selecting it shows its settings at once.
      if (printers.Current().DeviceName() == name) cboPrinters->setCurrentIndex(i);
    } catch (const PrinterFailure&) {
    }
  }
  if (cboPrinters->currentIndex() < 0) OpenOnDefaultPrinter(printers);
  return true;
}

// The current printer's queue was removed: the window opens on the default
// printer, made current, rather than on no printer at all.
void FrmPrinter::OpenOnDefaultPrinter(PrinterSystem& printers) {
  try {
    const QString fallback = printers.DefaultName();
    const int listed = cboPrinters->findText(fallback, Qt::MatchExactly);
    for (int i = 0; !fallback.isEmpty() && listed >= 0 && i < printers.Count(); ++i) {
      if (printers.Installed(i).DeviceName() != fallback) continue;
      printers.MakeCurrent(i);
      cboPrinters->setCurrentIndex(listed);
      return;
    }
  } catch (const PrinterFailure&) {
  }
  // No printer picked: the lists show nothing rather than their own names.
  for (QComboBox* list : findChildren<QComboBox*>())
    if (list->currentIndex() < 0 && list->isEditable()) list->setEditText({});
}

void FrmPrinter::AddItem(QComboBox* list, const QString& text, int value) {
  // Appending changes neither the text part nor the selection.
  const QSignalBlocker quiet(list);
  const int selected = list->currentIndex();
  const QString shown = list->currentText();
  list->addItem(text, value);
  list->setCurrentIndex(selected);
  if (list->isEditable()) list->setEditText(shown);
}

void FrmPrinter::SelectItem(QComboBox* list, int value) {
  for (qint16 i = 0; i < list->count(); ++i) {
    if (list->itemData(i).toInt() == value) {
      list->setCurrentIndex(i);
      return;
    }
  }
  list->setCurrentIndex(-1);
  list->setEditText(QString::number(value));
}

qint32 FrmPrinter::GetItem(QComboBox* list) {
  const int selected = list->currentIndex();
  if (selected < 0) return fieldtext::Long(list->currentText());
  return list->itemData(selected).toInt();
}

void FrmPrinter::ShowPrinterInfo(Printer& printer) {
  lblDriverName->setText(printer.DriverName());
  lblDriverName->setToolTip(lblDriverName->text());
  lblPort->setText(printer.Port());
  // The measures first, then the copies and the lists' codes.
  auto isMeasure = [](const Setting& s) {
    return s.kind == Setting::Kind::Twips || s.kind == Setting::Kind::Scale ||
           s.kind == Setting::Kind::Zoom;
  };
  for (const Setting& setting : settings_)
    if (isMeasure(setting)) Show(setting, printer);
  for (const Setting& setting : settings_)
    if (!isMeasure(setting)) Show(setting, printer);
  for (bool& changed : dataChanged_) changed = false;
}

void FrmPrinter::Show(const Setting& setting, Printer& printer) {
  switch (setting.kind) {
    case Setting::Kind::Scale:
      setting.field->setText(fieldtext::SingleText((printer.*setting.readSingle)()));
      break;
    case Setting::Kind::Copies:
      setting.field->setText(QString::number(fieldtext::Integer((printer.*setting.readWhole)())));
      break;
    case Setting::Kind::Twips:
    case Setting::Kind::Zoom:
      setting.field->setText(QString::number((printer.*setting.readWhole)()));
      break;
    case Setting::Kind::Code:
    case Setting::Kind::NonZeroCode:
      SelectItem(setting.list, (printer.*setting.readWhole)());
      break;
  }
}

void FrmPrinter::cboPrinters_Click() {
  const int index = cboPrinters->currentIndex();
  if (index < 0) return;
  try {
    ShowPrinterInfo(services_.Printers().Installed(index));
  } catch (const PrinterFailure& failure) {
    Report(failure.description());
  }
}

void FrmPrinter::chkTrackDefault_Click() {
  try {
    services_.Printers().Current().SetTrackDefault(chkTrackDefault->isChecked());
  } catch (const PrinterFailure& failure) {
    Report(failure.description());
  }
}

void FrmPrinter::cmdMakeCurrent_Click() {
  const int index = cboPrinters->currentIndex();
  if (index < 0) return;
  try {
    services_.Printers().MakeCurrent(index);
  } catch (const PrinterFailure& failure) {
    Report(failure.description());
  }
}

// Esc closes the window, as it closes a tool window; an open list takes it first.
void FrmPrinter::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void FrmPrinter::Report(const QString& description) {
  services_.MessageBox(description, Services::Icon::Critical);
}

}  // namespace velmora
