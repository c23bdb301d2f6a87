#include "gui/main_window.h"

#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>

#include "core/numbers/date_text.h"
#include "gui/event_model.h"
#include "gui/fonts.h"
#include "gui/pictures.h"
#include "gui/refused_data_files.h"
#include "gui/window_texts.h"

namespace velmora {

Frmusufrutto::Frmusufrutto(Services& services, DatiLegaliCondivisi law, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      law_(std::move(law)),
      events_(new EventModel(this)) {
  setObjectName(QStringLiteral("Frmusufrutto"));
  setWindowTitle(text::kMainWindowTitle);
  setWindowIcon(QIcon(Picture(QStringLiteral("icon"), qApp->devicePixelRatio())));
  setAttribute(Qt::WA_DeleteOnClose, false);
  CreateMenus();
  CreateControls();
  WireEvents();
  WatchClipboard();
  ShowRateHeading();
  ShowTableYear();
  // A fixed single border: nothing in the window follows a change of size.
  setFixedSize(sizeHint());
}

Frmusufrutto::~Frmusufrutto() {
  services_.WatchClipboard({});
}

QFont Frmusufrutto::WindowFont() {
  return FontFor(Face::Default);
}

void Frmusufrutto::SetFocus(QWidget* control) {
  events_->SetFocus(control);
}

void Frmusufrutto::Form_Load() {
  show();
  // What another program left on the clipboard stays there, and is not taken.
  ClipboardSeen();
  option5->setChecked(true);
  D2->setText(LongDateText(services_.Now().date()));
  activateWindow();
  SetFocus(PP);
  // Over the window once it is shown: the office's files that are not used.
  QTimer::singleShot(0, this, [this] { SayRefusedDataFiles(services_, *law_); });
}

void Frmusufrutto::CreateMenus() {
  auto* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  auto command = [bar](const char* name, const QString& caption) {
    auto* a = bar->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  TabellaVigente = command("TabellaVigente", text::kCurrentTableMenu);
  TabellePrecedenti = command("TabellePrecedenti", text::kLifetimeTablesMenu);
  TabelleUsufruttoDeterminato = command("TabelleUsufruttoDeterminato", text::kFixedTermTablesMenu);
  CreateRateMenu();
  CreateReportMenu();
  CreateOtherRightsMenu();
  mnuHelp = bar->addMenu(text::kHelpMenu);
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  auto item = [this](const char* name, const QString& caption) {
    auto* a = mnuHelp->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  istruzioni = item("istruzioni", text::kInstructionsMenu);
  normativa = item("normativa", text::kLegislationMenu);
  sito = item("sito", text::kHomePageMenu);
}

void Frmusufrutto::WireEvents() {
  EventModel& e = *events_;
  e.OnMouseMove(client_, [this] { Form_MouseMove(); });
  e.OnMouseMove(Frame1, [this] { Frame1_MouseMove(); });
  e.OnMouseMove(Option1, [this] { Option1_MouseMove(); });
  e.OnMouseMove(Option2, [this] { Option2_MouseMove(); });
  e.OnMouseMove(Option3, [this] { Option3_MouseMove(); });
  e.OnMouseMove(Option6, [this] { Option6_MouseMove(); });
  e.OnDblClick(PP, [this] { PP_DblClick(); });
  e.OnDblClick(Text1, [this] { Text1_DblClick(); });

  e.OnOptionClick(Option1, [this] { Option1_Click(); });
  e.OnOptionClick(Option2, [this] { Option2_Click(); });
  e.OnOptionClick(Option3, [this] { Option3_Click(); });
  e.OnOptionClick(Option6, [this] { Option6_Click(); });

  e.OnChange(PP, [this] { PP_Change(); });
  e.OnKeyPress(PP, [this](int& keyAscii) { PP_KeyPress(keyAscii); });
  e.OnKeyUp(PP, [this](int keyCode) { PP_KeyUp(keyCode); });
  e.OnGotFocus(PP, [this] { PP_GotFocus(); });
  e.OnLostFocus(PP, [this] { PP_LostFocus(); });
  e.OnPaste(PP, [this] { PP_Paste(); });

  e.OnClick(D1, [this] { D1_Click(); });
  e.OnGotFocus(D1, [this] { D1_GotFocus(); });
  e.OnLostFocus(D1, [this] { D1_LostFocus(); });
  e.OnLostFocus(D2, [this] { D2_LostFocus(); });
  e.OnClick(Text1, [this] { Text1_Click(); });
  e.OnGotFocus(Text1, [this] { Text1_GotFocus(); });
  e.OnLostFocus(Text1, [this] { Text1_LostFocus(); });

  e.OnClick(Image1, [this] { Image1_Click(); });
  e.OnMenuClick(TabellaVigente, [this] { TabellaVigente_Click(); });
  e.OnMenuClick(TabellePrecedenti, [this] { TabellePrecedenti_Click(); });
  e.OnMenuClick(TabelleUsufruttoDeterminato, [this] { TabelleUsufruttoDeterminato_Click(); });
  e.OnMenuClick(istruzioni, [this] { istruzioni_Click(); });
  e.OnMenuClick(normativa, [this] { normativa_Click(); });
  e.OnMenuClick(sito, [this] { sito_Click(); });
  e.OnMenuClick(SaggioTabella2016, [this] { SaggioTabella2016_Click(); });
  e.OnMenuClick(SaggioAllaData, [this] { SaggioAllaData_Click(); });
  e.OnMenuClick(CopiaProspetto, [this] { CopiaProspetto_Click(); });
  e.OnMenuClick(CopiaValoriAtto, [this] { CopiaValoriAtto_Click(); });
  e.OnMenuClick(SalvaProspettoPdf, [this] { SalvaProspettoPdf_Click(); });
  e.OnMenuClick(StampaProspetto, [this] { StampaProspetto_Click(); });
  // The heading follows the reference date as it is typed.
  connect(D2, &QLineEdit::textChanged, this, &Frmusufrutto::ShowRateHeading);
  // PP's own Change handler drops the figures that a new value takes away.
  for (QLineEdit* input : {D1, D2, Text1})
    connect(input, &QLineEdit::textChanged, this, &Frmusufrutto::DropStaleFigures);
  connect(D2, &QLineEdit::textChanged, this, &Frmusufrutto::ShowTableYear);
}

}  // namespace velmora
