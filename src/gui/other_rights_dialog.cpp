#include "gui/other_rights_dialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "core/documents/report_texts.h"
#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "gui/main_window.h"
#include "gui/other_rights_texts.h"
#include "gui/pictures.h"
#include "gui/window_texts.h"

// The dialog's controls, their order for the keyboard, and what follows what:
// the enabled controls follow the kind, the tax and the number of lives; the
// figures go with any change; the dialog fits the screen it opens on.
namespace velmora {
namespace {

constexpr int kLivesAColumn = 5;

template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

QLabel* Caption(const QString& caption, QWidget* buddy, const char* name) {
  auto* label = Named(new QLabel(caption), name);
  label->setBuddy(buddy);
  return label;
}

// Room for as many average characters, whatever the face and the scale.
int Chars(const QWidget* control, int count) {
  return control->fontMetrics().averageCharWidth() * count;
}

// A text that wraps: it asks for `chars` characters a line and takes fewer
// when the dialog is narrower than that.
class Wrapped : public QLabel {
 public:
  explicit Wrapped(int chars) : chars_(chars) {
    setWordWrap(true);
    setMinimumWidth(Chars(this, 24));
  }
  QSize sizeHint() const override {
    const int width = Chars(this, chars_);
    return {width, std::max(heightForWidth(width), minimumHeight())};
  }

 private:
  int chars_;
};

// A scroll area that asks for the whole of what it holds: the dialog is then
// as large as its controls, and the screen alone makes it scroll.
class WholeScroll : public QScrollArea {
 public:
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
  }
};

QLineEdit* Figure(const char* name, int chars) {
  auto* field = Named(new QLineEdit, name);
  field->setReadOnly(true);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  field->setFixedWidth(Chars(field, chars));
  return field;
}

}  // namespace

FrmAltriDiritti::FrmAltriDiritti(Frmusufrutto& main)
    : QDialog(&main), main_(main), services_(main.services()) {
  setObjectName(QStringLiteral("FrmAltriDiritti"));
  setWindowTitle(text::kOtherRightsTitle);
  setWindowIcon(QIcon(Picture(QStringLiteral("icon"), qApp->devicePixelRatio())));
  setModal(false);
  CreateControls();
  WireEvents();
  ShowLives();
  ClearFigures();
}

// A field that has the focus is left as its parent goes, and says it was
// edited: by then this is no longer the dialog, and nothing is done with it.
FrmAltriDiritti::~FrmAltriDiritti() {
  for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
  disconnect(qApp, nullptr, this, nullptr);
}

void FrmAltriDiritti::CreateControls() {
  auto* inputs = Named(new QGroupBox(text::kInputsGroup), "FraDati");
  auto* form = new QFormLayout(inputs);
  CmbDiritto = Named(new QComboBox, "CmbDiritto");
  for (Diritto right : {Diritto::Usufrutto, Diritto::Uso, Diritto::Abitazione})
    CmbDiritto->addItem(NomeDiritto(right), int(right));
  form->addRow(Caption(text::kRightLabel, CmbDiritto, "LblDirittoScelto"), CmbDiritto);
  CmbImposta = Named(new QComboBox, "CmbImposta");
  CmbImposta->addItem(text::kRegistrationTax, int(Imposta::Registro));
  CmbImposta->addItem(text::kSuccessionTax, int(Imposta::Successioni));
  form->addRow(Caption(text::kTaxLabel, CmbImposta, "LblImposta"), CmbImposta);

  auto* kind = Named(new QWidget, "FraDurata");
  auto* kindRow = new QHBoxLayout(kind);
  kindRow->setContentsMargins(0, 0, 0, 0);
  OptVitalizio = Named(new QRadioButton(text::kLifetime), "OptVitalizio");
  OptVitalizio->setChecked(true);
  OptTempoDeterminato = Named(new QRadioButton(text::kFixedTerm), "OptTempoDeterminato");
  TxtAnni = Named(new QLineEdit, "TxtAnni");
  TxtAnni->setFixedWidth(Chars(TxtAnni, 5));
  kindRow->addWidget(OptVitalizio);
  kindRow->addWidget(OptTempoDeterminato);
  kindRow->addWidget(Caption(text::kYearsLabel, TxtAnni, "LblAnni"));
  kindRow->addWidget(TxtAnni);
  kindRow->addStretch();
  form->addRow(Named(new QLabel(text::kKindLabel), "LblDurata"), kind);

  TxtValore = Named(new QLineEdit, "TxtValore");
  TxtValore->setFixedWidth(Chars(TxtValore, 26));
  form->addRow(Caption(text::kValueLabel, TxtValore, "LblValore"), TxtValore);
  TxtRiferimento = Named(new QLineEdit, "TxtRiferimento");
  TxtRiferimento->setFixedWidth(Chars(TxtRiferimento, 26));
  form->addRow(Caption(text::kReferenceLabel, TxtRiferimento, "LblRiferimento"), TxtRiferimento);
  CmbSaggio = Named(new QComboBox, "CmbSaggio");
  CmbSaggio->addItem(text::kRateAtDate, int(Saggio::AllaData));
  CmbSaggio->addItem(text::kRate2016, int(Saggio::Tabella2016));
  CmbSaggio->setToolTip(text::kRateTip);
  form->addRow(Caption(text::kRateLabel, CmbSaggio, "LblSaggio"), CmbSaggio);

  auto* lives = Named(new QGroupBox(text::kLivesGroup), "FraTitolari");
  auto* livesColumn = new QVBoxLayout(lives);
  // Five lives a column, so that ten keep the dialog within a small screen.
  auto* births = new QGridLayout;
  for (int i = 0; i < kMaxVite; ++i) {
    TxtNascita[i] = new QLineEdit;
    TxtNascita[i]->setObjectName(QStringLiteral("TxtNascita%1").arg(i + 1));
    TxtNascita[i]->setFixedWidth(Chars(TxtNascita[i], 19));
    LblNascita[i] = new QLabel(i + 1 < 10 ? text::kLifeLabel.arg(i + 1) : text::kTenthLifeLabel);
    LblNascita[i]->setObjectName(QStringLiteral("LblNascita%1").arg(i + 1));
    LblNascita[i]->setBuddy(TxtNascita[i]);
    births->addWidget(LblNascita[i], i % kLivesAColumn, 2 * (i / kLivesAColumn));
    births->addWidget(TxtNascita[i], i % kLivesAColumn, 2 * (i / kLivesAColumn) + 1);
  }
  births->setColumnStretch(4, 1);
  livesColumn->addLayout(births);
  auto* rows = new QHBoxLayout;
  CmdAggiungi = Named(new QPushButton(text::kAddLife), "CmdAggiungi");
  CmdRimuovi = Named(new QPushButton(text::kRemoveLife), "CmdRimuovi");
  rows->addWidget(CmdAggiungi);
  rows->addWidget(CmdRimuovi);
  rows->addStretch();
  livesColumn->addLayout(rows);
  auto* accrual = new QFormLayout;
  CmbAccrescimento = Named(new QComboBox, "CmbAccrescimento");
  // Unset until the user says: the act must state it.
  CmbAccrescimento->setPlaceholderText(text::kAccrualUnset);
  CmbAccrescimento->addItem(text::kWithAccrual, true);
  CmbAccrescimento->addItem(text::kWithoutAccrual, false);
  CmbAccrescimento->setCurrentIndex(-1);
  accrual->addRow(Caption(text::kAccrualLabel, CmbAccrescimento, "LblAccrescimento"),
                  CmbAccrescimento);
  livesColumn->addLayout(accrual);
  auto* note = Named(new Wrapped(58), "LblNota");
  note->setText(text::kLivesNote);
  livesColumn->addWidget(note);

  auto* result = Named(new QGroupBox(text::kResultGroup), "FraRisultato");
  auto* resultColumn = new QVBoxLayout(result);
  LblDettaglio = Named(new Wrapped(62), "LblDettaglio");
  LblDettaglio->setTextFormat(Qt::PlainText);
  LblDettaglio->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LblDettaglio->setTextInteractionFlags(Qt::TextSelectableByMouse);
  LblDettaglio->setMinimumHeight(LblDettaglio->fontMetrics().lineSpacing() * 12);
  resultColumn->addWidget(LblDettaglio);
  auto* figures = new QGridLayout;
  LblDiritto = Named(new QLabel, "LblDiritto");
  TxtPercDiritto = Figure("TxtPercDiritto", 8);
  TxtValoreDiritto = Figure("TxtValoreDiritto", 26);
  TxtPercNudaProprieta = Figure("TxtPercNudaProprieta", 8);
  TxtValoreNudaProprieta = Figure("TxtValoreNudaProprieta", 26);
  figures->addWidget(LblDiritto, 0, 0);
  figures->addWidget(TxtPercDiritto, 0, 1);
  figures->addWidget(TxtValoreDiritto, 0, 2);
  figures->addWidget(Named(new QLabel(text::kReportBareOwnership), "LblNudaProprieta"), 1, 0);
  figures->addWidget(TxtPercNudaProprieta, 1, 1);
  figures->addWidget(TxtValoreNudaProprieta, 1, 2);
  figures->setColumnStretch(3, 1);
  resultColumn->addLayout(figures);
  LblProssimaFascia = Named(new Wrapped(62), "LblProssimaFascia");
  LblProssimaFascia->setTextFormat(Qt::PlainText);
  LblProssimaFascia->setMinimumHeight(LblProssimaFascia->fontMetrics().lineSpacing() * 2);
  QFont bold = LblProssimaFascia->font();
  bold.setBold(true);
  LblProssimaFascia->setFont(bold);
  resultColumn->addWidget(LblProssimaFascia);
  resultColumn->addStretch();
  auto* report = new QGridLayout;
  CmdCopiaProspetto = Named(new QPushButton(text::kCopyReport), "CmdCopiaProspetto");
  CmdCopiaValoriAtto = Named(new QPushButton(text::kCopyValues), "CmdCopiaValoriAtto");
  CmdSalvaProspettoPdf = Named(new QPushButton(text::kSavePdf), "CmdSalvaProspettoPdf");
  CmdStampaProspetto = Named(new QPushButton(text::kPrintReport), "CmdStampaProspetto");
  report->addWidget(CmdCopiaProspetto, 0, 0);
  report->addWidget(CmdCopiaValoriAtto, 0, 1);
  report->addWidget(CmdSalvaProspettoPdf, 1, 0);
  report->addWidget(CmdStampaProspetto, 1, 1);
  resultColumn->addLayout(report);

  CmdCalcola = Named(new QPushButton(text::kValueButton), "CmdCalcola");
  CmdCalcola->setDefault(true);
  CmdChiudi = Named(new QPushButton(text::kClose), "CmdChiudi");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CmdCalcola);
  buttons->addWidget(CmdChiudi);

  auto* content = Named(new QWidget, "FraContenuto");
  auto* left = new QVBoxLayout;
  left->addWidget(inputs);
  left->addWidget(lives);
  left->addStretch();
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addLayout(left);
  columns->addWidget(result, 1);
  AreaDati = Named(new WholeScroll, "AreaDati");
  AreaDati->setFrameShape(QFrame::NoFrame);
  AreaDati->setWidgetResizable(true);
  AreaDati->setWidget(content);
  auto* whole = new QVBoxLayout(this);
  whole->addWidget(AreaDati, 1);
  whole->addLayout(buttons);
  setSizeGripEnabled(true);

  // The inputs, the valuation, its figures and what is made of them.
  QList<QWidget*> order{CmbDiritto, CmbImposta, OptVitalizio,   OptTempoDeterminato,
                        TxtAnni,    TxtValore,  TxtRiferimento, CmbSaggio};
  for (QLineEdit* birth : TxtNascita) order << birth;
  order << CmdAggiungi << CmdRimuovi << CmbAccrescimento << CmdCalcola << TxtPercDiritto
        << TxtValoreDiritto << TxtPercNudaProprieta << TxtValoreNudaProprieta << CmdCopiaProspetto
        << CmdCopiaValoriAtto << CmdSalvaProspettoPdf << CmdStampaProspetto << CmdChiudi;
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void FrmAltriDiritti::WireEvents() {
  for (QComboBox* choice : {CmbDiritto, CmbImposta, CmbSaggio, CmbAccrescimento})
    connect(choice, &QComboBox::currentIndexChanged, this, &FrmAltriDiritti::InputsChanged);
  connect(OptVitalizio, &QRadioButton::toggled, this, &FrmAltriDiritti::InputsChanged);
  QList<QLineEdit*> typed{TxtAnni, TxtValore, TxtRiferimento};
  for (QLineEdit* birth : TxtNascita) typed << birth;
  for (QLineEdit* field : typed)
    connect(field, &QLineEdit::textChanged, this, &FrmAltriDiritti::InputsChanged);
  QList<QLineEdit*> dates{TxtRiferimento};
  for (QLineEdit* birth : TxtNascita) dates << birth;
  for (QLineEdit* field : dates)
    connect(field, &QLineEdit::editingFinished, this, [field] { WriteDateOut(field); });
  connect(TxtValore, &QLineEdit::editingFinished, this, [this] {
    // Written out only when it cannot be read two ways; else Calcola says why.
    const ImportoIncollato value = ReadStrictAmount(TxtValore->text());
    if (value.esito == Incollato::Importo) TxtValore->setText(MoneyText(value.valore));
  });
  // A control that takes the focus is brought into sight, the keyboard's
  // way through the dialog included.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && AreaDati->widget()->isAncestorOf(now)) AreaDati->ensureWidgetVisible(now);
  });

  connect(CmdCalcola, &QPushButton::clicked, this, &FrmAltriDiritti::Calcola_Click);
  connect(CmdChiudi, &QPushButton::clicked, this, &FrmAltriDiritti::close);
  connect(CmdAggiungi, &QPushButton::clicked, this, &FrmAltriDiritti::Aggiungi_Click);
  connect(CmdRimuovi, &QPushButton::clicked, this, &FrmAltriDiritti::Rimuovi_Click);
  connect(CmdCopiaProspetto, &QPushButton::clicked, this, &FrmAltriDiritti::CopiaProspetto_Click);
  connect(CmdCopiaValoriAtto, &QPushButton::clicked, this, &FrmAltriDiritti::CopiaValoriAtto_Click);
  connect(CmdSalvaProspettoPdf, &QPushButton::clicked, this,
          &FrmAltriDiritti::SalvaProspettoPdf_Click);
  connect(CmdStampaProspetto, &QPushButton::clicked, this, &FrmAltriDiritti::StampaProspetto_Click);
}

void FrmAltriDiritti::Open() {
  if (!isVisible()) {
    if (main_.PP->text() != takenValue_) TxtValore->setText(takenValue_ = main_.PP->text());
    if (main_.D2->text() != takenReference_)
      TxtRiferimento->setText(takenReference_ = main_.D2->text());
    // A choice made for another act is not carried into this one.
    CmbSaggio->setCurrentIndex(0);
    CmbAccrescimento->setCurrentIndex(-1);
    FitScreen(false);
  }
  show();
  raise();
  activateWindow();
  // A menu that closes gives the keyboard back to the main window after the
  // command ran: the dialog asks for it once more when that is done. By then
  // the frame is known, and the dialog is kept within the screen with it.
  QTimer::singleShot(0, this, [this] {
    FitScreen(true);
    raise();
    activateWindow();
  });
}

void FrmAltriDiritti::FitScreen(bool keepLarger) {
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!shown) return;
  const QRect room = shown->availableGeometry();
  // Before the window is first shown its frame is unknown: room for a usual one.
  QSize frame = frameGeometry().size() - geometry().size();
  if (!isVisible() || frame.isEmpty()) {
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    frame = frame.expandedTo(QSize(2 * border, title + 2 * border));
  }
  QSize wanted = sizeHint();
  if (keepLarger) wanted = wanted.expandedTo(size());
  resize(wanted.boundedTo(room.size() - frame).expandedTo(minimumSizeHint()));
  if (!isVisible()) return;
  const QRect outer = frameGeometry();
  move(std::clamp(outer.left(), room.left(),
                  std::max(room.left(), room.right() + 1 - outer.width())),
       std::clamp(outer.top(), room.top(),
                  std::max(room.top(), room.bottom() + 1 - outer.height())));
}

void FrmAltriDiritti::ShowKind() {
  const bool lifetime = OptVitalizio->isChecked();
  const bool beneficiary =
      !lifetime && Imposta(CmbImposta->currentData().toInt()) == Imposta::Successioni;
  TxtAnni->setEnabled(!lifetime);
  for (int i = 0; i < kMaxVite; ++i) {
    const bool used = lifetime || (beneficiary && i == 0);
    LblNascita[i]->setEnabled(used);
    TxtNascita[i]->setEnabled(used);
  }
  CmdAggiungi->setEnabled(lifetime && lives_ < kMaxVite);
  CmdRimuovi->setEnabled(lifetime && lives_ > 1);
  CmbAccrescimento->setEnabled(lifetime && lives_ > 1);
  LblDiritto->setText(NomeDiritto(Diritto(CmbDiritto->currentData().toInt())));
}

void FrmAltriDiritti::ShowLives() {
  for (int i = 0; i < kMaxVite; ++i) {
    LblNascita[i]->setVisible(i < lives_);
    TxtNascita[i]->setVisible(i < lives_);
  }
  ShowKind();
}

void FrmAltriDiritti::WriteDateOut(QLineEdit* field) {
  if (const auto date = ReadStrictDate(field->text())) field->setText(LongDateText(*date));
}

void FrmAltriDiritti::Warn(const QString& prompt) {
  services_.MessageBox(prompt, Services::Icon::Exclamation, text::kMainTitle);
}

}  // namespace velmora
