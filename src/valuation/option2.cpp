#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "app/colours.h"
#include "app/frmusufrutto.h"
#include "app/textbox.h"
#include "input/numbertext.h"
#include "valuation/tables.h"
#include "valuation/valutazione.h"

// The fixed-term valuation: the row of the duration in Text1, the usufruct
// and bare ownership in the result fields, then the completion sound.
namespace velmora {
namespace {

const QString kDurationFirst =
    QStringLiteral(" Devi inserire il numero di anni di durata dell'usufrutto");
const QString kWholeYears = QStringLiteral(" Devi inserire un numero intero di anni da 1 a 30");
const QString kLongestDuration = QStringLiteral("La durata massima per il calcolo è di anni 30");
// Text1 is disabled once a birth date has been entered; the reset on PP frees it.
const QString kDurationLocked = QStringLiteral(
    " Per il calcolo a tempo determinato fare doppio click sul valore della piena proprietà: i "
    "campi si azzerano e la durata torna disponibile");

constexpr double kMaxYears = 30;

// A text that cannot be read as a number is no value either: the field's own
// checks keep such texts out, and the valuation must not read one as 0.
bool NoValue(const QString& pp) {
  return pp.isEmpty() || pp.compare(QStringLiteral("€ 0,00"), Qt::CaseInsensitive) == 0 ||
         !IsNumeric(pp);
}

// Sends the user back to the duration; a disabled field cannot take the focus,
// so then the message tells how to free it.
void AskForDuration(Frmusufrutto& w, const QString& prompt) {
  if (!w.Text1->isEnabled()) {
    Warn(w.services(), kDurationLocked);
  } else {
    w.SetFocus(w.Text1);
    SetBackColor(w.Text1, colore::CianoChiaro);
    w.Text1->selectAll();  // a wrong duration is typed over
    Warn(w.services(), prompt);
  }
  w.option5->setChecked(true);
}

}  // namespace

void Frmusufrutto::Option2_Click() {
  if (NoValue(PP->text())) {
    Warn(services(), kValueFirst);
    PP->setText(QStringLiteral("0"));
    SetFocus(PP);
    SetSelLength(PP, int(PP->text().size()));
    SetBackColor(PP, colore::CianoChiaro);
    option5->setChecked(true);
    return;
  }
  if (Text1->text().isEmpty()) {
    AskForDuration(*this, kDurationFirst);
    return;
  }

  const std::optional<double> years = ReadNumber(Text1->text());
  const RigaTempoDeterminato* row = years ? RigaPerDurata(*years) : nullptr;
  if (!row && years && *years > kMaxYears) {
    Warn(services(), kLongestDuration);
    Text1->setText({});
    return;
  }
  if (!row) {
    // Zero, negative, a fraction or no number at all: nothing to look up.
    AskForDuration(*this, kWholeYears);
    return;
  }

  // Through the field texts: the product in 15 digits, the usufruct rounded
  // to the even cent, the bare ownership from the rounded usufruct.
  US->setText(PlainNumberText(ValueOf(PP) * row->factor));
  US->setText(PlainNumberText(RoundUsufruct(ValueOf(US))));
  NP->setText(PlainNumberText(ValueOf(PP) - ValueOf(US)));
  PERCUSU->setText(QString::fromUtf8(row->percUsufrutto));
  PERCNP->setText(QString::fromUtf8(row->percNudaProprieta));

  ShowAsMoney(PP);
  ShowAsMoney(US);
  ShowAsMoney(NP);
  services().PlayWave(QStringLiteral("/IR_END.WAV"));
}

}  // namespace velmora
