#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <variant>

#include "core/documents/version.h"
#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "gui/main_window.h"
#include "gui/other_rights_dialog.h"
#include "gui/other_rights_texts.h"
#include "gui/refusal_message.h"
#include "gui/report_delivery.h"
#include "gui/settled_input.h"

// The dialog's valuation: its inputs read as the core reads them, the figures
// of the record, and the report commands on that record. The figures belong
// to the inputs on screen: any other input takes them away, with the record
// the report commands use.
namespace velmora {

namespace {

// A text that reads as a number only by taking a full stop for grouping that
// groups no three digits ("250000.00"), or with more than two decimals.
bool AmbiguousAmount(const QString& typed) {
  switch (ReadStrictAmount(typed).esito) {
    case Incollato::PuntiFuoriPosto:
    case Incollato::TroppiDecimali:
      return true;
    case Incollato::Importo:
    case Incollato::NessunNumero:
    case Incollato::Zero:
    case Incollato::TroppoGrande:
      return false;
  }
  return false;
}

// A date as the dialog reads it: strictly first, so that an ISO date reads as
// it is written out, then as the main window reads its fields.
std::optional<QDate> DialogDate(const QString& typed) {
  if (const std::optional<QDate> date = ReadStrictDate(typed)) return date;
  return ReadDateOrDigits(typed);
}

Rifiuto Refused(Campo campo, Motivo motivo, int vita = -1) {
  return Rifiuto{campo, motivo, {}, {}, 0, {}, vita};
}

}  // namespace

DatiValutazione FrmAltriDiritti::Inputs() const {
  DatiValutazione dati;
  dati.tipo = OptTempoDeterminato->isChecked() ? TipoValutazione::TempoDeterminato
                                               : TipoValutazione::Vitalizio;
  dati.saggio = Saggio(CmbSaggio->currentData().toInt());
  dati.diritto = Diritto(CmbDiritto->currentData().toInt());
  dati.imposta = Imposta(CmbImposta->currentData().toInt());
  dati.valore = TxtValore->text();
  dati.riferimento = TxtRiferimento->text();
  // A birth date is typed as the reference date is, eight digits included.
  for (const QLineEdit* field : BirthsUsed()) {
    const std::optional<QDate> date = DialogDate(field->text());
    dati.nascite << (date ? LongDateText(*date) : field->text());
  }
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio: {
      const QVariant accrual = CmbAccrescimento->currentData();
      if (lives_ > 1 && accrual.isValid()) dati.accrescimento = accrual.toBool();
      break;
    }
    case TipoValutazione::TempoDeterminato:
      dati.anni = TxtAnni->text();
      break;
  }
  return dati;
}

QList<QLineEdit*> FrmAltriDiritti::BirthsUsed() const {
  if (OptVitalizio->isChecked())
    return QList<QLineEdit*>(TxtNascita.begin(), TxtNascita.begin() + lives_);
  // The beneficiary's age limits the fixed term under the gift and
  // succession tax alone; without a birth date there is no limit.
  if (Imposta(CmbImposta->currentData().toInt()) == Imposta::Successioni &&
      !TxtNascita[0]->text().trimmed().isEmpty())
    return {TxtNascita[0]};
  return {};
}

QStringList FrmAltriDiritti::Settled() const {
  const DatiValutazione dati = Inputs();
  return QStringList{QString::number(int(dati.tipo)),
                     QString::number(int(dati.saggio)),
                     QString::number(int(dati.diritto)),
                     QString::number(int(dati.imposta)),
                     dati.accrescimento ? QString::number(*dati.accrescimento) : QString(),
                     SettledAmount(dati.valore),
                     SettledDate(DialogDate(dati.riferimento), dati.riferimento),
                     dati.anni} +
         dati.nascite;
}

void FrmAltriDiritti::InputsChanged() {
  ShowKind();
  if (shown_ && Settled() != basis_) ClearFigures();
}

void FrmAltriDiritti::Calcola_Click() {
  ClearFigures();
  // Unlike the main window's, this field is not regrouped as it is typed, so
  // a figure pasted with a decimal point would go in unseen as thousands.
  if (AmbiguousAmount(TxtValore->text())) return SendBack(TxtValore, text::kValueNotAnAmount);
  // A date that reads only with a two-digit year or with day and month
  // swapped is not guessed here: it may have been pasted.
  // Only the dates the valuation reads: a fixed term leaves the lives aside.
  const QList<QLineEdit*> fields = QList<QLineEdit*>{TxtRiferimento} + BirthsUsed();
  QList<std::optional<QDate>> dates;
  for (QLineEdit* field : fields) {
    const std::optional<QDate> date = ReadStrictDate(field->text());
    if (!date && ReadDateOrDigits(field->text())) return SendBack(field, text::kDateNotInForm);
    dates << date;
  }
  // Written out as Enter or leaving the field writes them, whatever key
  // brought the user here: the figures stand beside the dates they read.
  for (qsizetype i = 0; i < fields.size(); ++i)
    if (dates[i]) fields[i]->setText(LongDateText(*dates[i]));
  auto read = ReadInputs(dates.front(), dates.mid(1));
  if (const Rifiuto* refusal = std::get_if<Rifiuto>(&read)) return Refuse(*refusal);
  auto result = ValutaLetti(std::get<IngressiLetti>(read), main_.Law());
  if (const Rifiuto* refusal = std::get_if<Rifiuto>(&result)) return Refuse(*refusal);
  ShowFigures(std::get<RecordValutazione>(std::move(result)));
}

std::variant<IngressiLetti, Rifiuto> FrmAltriDiritti::ReadInputs(
    std::optional<QDate> reference, const QList<std::optional<QDate>>& births) const {
  // The value as the main window reads it; the choices need no reading.
  const QString value = TxtValore->text();
  if (const std::optional<Motivo> reason = ValueRefusal(value))
    return Refused(Campo::Valore, *reason);
  const DatiValutazione dati = Inputs();
  IngressiLetti in = LeScelte(dati);
  in.valore = *ReadNumber(value);
  in.riferimento = reference;
  if (dati.tipo == TipoValutazione::TempoDeterminato) {
    if (dati.anni.isEmpty()) return Refused(Campo::Anni, Motivo::AnniMancanti);
    in.anni = ReadYears(dati.anni);
  }
  for (qsizetype i = 0; i < births.size(); ++i) {
    if (!births[i]) return Refused(Campo::Nascita, Motivo::NascitaNonValida, int(i));
    in.nascite.append(*births[i]);
  }
  return in;
}

void FrmAltriDiritti::ShowFigures(RecordValutazione record) {
  const DettaglioValutazione detail = DettaglioPerFinestra(record);
  QStringList lines;
  for (const auto* rows : {&detail.vite, &detail.limite})
    for (const RigaDettaglio& row : *rows)
      lines << row.etichetta + QStringLiteral(": ") + row.valore;
  LblDettaglio->setText(lines.join(u'\n'));
  TxtPercDiritto->setText(record.percUsufrutto);
  TxtValoreDiritto->setText(record.UsufruttoTesto());
  TxtPercNudaProprieta->setText(record.percNudaProprieta);
  TxtValoreNudaProprieta->setText(record.NudaProprietaTesto());
  LblProssimaFascia->setText(detail.prossimaFascia);
  // The value as the figures read it: the same input, so nothing is cleared.
  TxtValore->setText(record.ValoreTesto());
  shown_ = std::move(record);
  shownCalculation_ = Calcolo{services_.Now(), ProgramVersion()};
  basis_ = Settled();
  for (QPushButton* command :
       {CmdCopiaProspetto, CmdCopiaValoriAtto, CmdSalvaProspettoPdf, CmdStampaProspetto})
    command->setEnabled(true);
}

void FrmAltriDiritti::ClearFigures() {
  shown_.reset();
  basis_.clear();
  for (QLineEdit* figure :
       {TxtPercDiritto, TxtValoreDiritto, TxtPercNudaProprieta, TxtValoreNudaProprieta})
    figure->clear();
  LblDettaglio->clear();
  LblProssimaFascia->clear();
  for (QPushButton* command :
       {CmdCopiaProspetto, CmdCopiaValoriAtto, CmdSalvaProspettoPdf, CmdStampaProspetto})
    command->setEnabled(false);
}

void FrmAltriDiritti::SendBack(QLineEdit* field, const QString& message) {
  Warn(message.arg(field->text().trimmed().left(40)));
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
}

// The user is told as the main window tells it, and sent to the input concerned.
void FrmAltriDiritti::Refuse(const Rifiuto& refusal) {
  Warn(RefusalMessage(refusal));
  QWidget* input = TxtValore;
  switch (refusal.campo) {
    case Campo::Valore:
      break;
    case Campo::Nascita:
      input = TxtNascita[std::clamp(refusal.vita, 0, lives_ - 1)];
      break;
    case Campo::Riferimento:
      input = TxtRiferimento;
      break;
    case Campo::Anni:
      input = TxtAnni;
      break;
    case Campo::Accrescimento:
      input = CmbAccrescimento;
      break;
  }
  input->setFocus(Qt::OtherFocusReason);
  if (auto* field = qobject_cast<QLineEdit*>(input)) field->selectAll();
}

void FrmAltriDiritti::Aggiungi_Click() {
  if (lives_ >= kMaxVite) return;
  ++lives_;
  // Accrual is said of these lives: another life asks again.
  CmbAccrescimento->setCurrentIndex(-1);
  ShowLives();
  FitScreen(true);
  TxtNascita[lives_ - 1]->setFocus(Qt::OtherFocusReason);
  InputsChanged();
}

void FrmAltriDiritti::Rimuovi_Click() {
  if (lives_ <= 1) return;
  TxtNascita[lives_ - 1]->clear();
  --lives_;
  CmbAccrescimento->setCurrentIndex(-1);
  TxtNascita[lives_ - 1]->setFocus(Qt::OtherFocusReason);
  ShowLives();
  InputsChanged();
}

void FrmAltriDiritti::CopiaProspetto_Click() {
  if (!shown_) return;
  CopyReport(services_, *shown_, shownCalculation_);
  // The main window's value field takes from the clipboard only what another
  // program put there.
  main_.ClipboardSeen();
}

void FrmAltriDiritti::CopiaValoriAtto_Click() {
  if (shown_ && CopyValuesForAct(services_, *shown_)) main_.ClipboardSeen();
}

void FrmAltriDiritti::SalvaProspettoPdf_Click() {
  if (!shown_) return;
  if (const QString failure = SaveReportPdf(services_, *shown_, shownCalculation_);
      !failure.isEmpty())
    Warn(failure);
}

void FrmAltriDiritti::StampaProspetto_Click() {
  if (!shown_) return;
  if (const QString failure = PrintReport(services_, *shown_, shownCalculation_);
      !failure.isEmpty())
    Warn(failure);
}

}  // namespace velmora
