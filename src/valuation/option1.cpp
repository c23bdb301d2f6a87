#include <QDate>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "app/colours.h"
#include "app/frmusufrutto.h"
#include "app/textbox.h"
#include "input/datetext.h"
#include "input/numbertext.h"
#include "valuation/tables.h"
#include "valuation/valutazione.h"

// The lifetime valuation: the age from D1 to D2, the completion sound, then
// the band's usufruct and bare ownership in the result fields.
namespace velmora {
namespace {

const QString kValidDate = QStringLiteral(" Devi inserire una data valida!");

// A text that cannot be read as a number is no value either: the field's own
// checks keep such texts out, and the valuation must not read one as 0.
bool NoValue(const QString& pp) {
  return pp.isEmpty() || pp == QStringLiteral("€ 0,00") || !IsNumeric(pp);
}

}  // namespace

void Frmusufrutto::Option1_Click() {
  if (NoValue(PP->text())) {
    Warn(services(), kValueFirst);
    PP->setText(QStringLiteral("0"));
    SetFocus(PP);
    SetSelLength(PP, int(PP->text().size()));
    SetBackColor(PP, colore::CianoChiaro);
    option5->setChecked(true);
    return;
  }
  const std::optional<QDate> birth = ReadDate(D1->text());
  if (!birth) {
    Warn(services(), kValidDate);
    SetFocus(D1);
    option5->setChecked(true);
    return;
  }
  // The reference date is typed freely; an unreadable one is refused like the birth date.
  const std::optional<QDate> reference = ReadDate(D2->text());
  if (!reference) {
    Warn(services(), kValidDate);
    SetFocus(D2);
    option5->setChecked(true);
    return;
  }

  qint16 years = 0, months = 0, days = 0;
  NDIFF(*birth, *reference, years, months, days);
  R5->setText(QString::number(years));
  R6->setText(QString::number(months));
  R7->setText(QString::number(days));
  const int age = years;

  services().PlayWave(QStringLiteral("/IR_END.WAV"));

  if (const RigaVitalizio* row = RigaPerEta(age)) {
    if (row->share) {
      // Through the field texts: the product in 15 digits, the usufruct
      // rounded to the even cent, the bare ownership from the rounded usufruct.
      US->setText(PlainNumberText(ValueOf(PP) * *row->share));
      US->setText(PlainNumberText(RoundUsufruct(ValueOf(US))));
      NP->setText(PlainNumberText(ValueOf(PP) - ValueOf(US)));
      PERCUSU->setText(QString::fromUtf8(row->percUsufrutto));
      PERCNP->setText(QString::fromUtf8(row->percNudaProprieta));
    } else {
      PERCUSU->setText(QString::fromUtf8(row->percUsufrutto));
      PERCNP->setText(QString::fromUtf8(row->percNudaProprieta));
      ShowAsMoney(PP);
      US->setText(QStringLiteral("0"));
      NP->setText(PP->text());
    }
  }

  ShowAsMoney(PP);
  if (US->text().isEmpty()) US->setText(QStringLiteral("0"));
  if (NP->text().isEmpty()) NP->setText(QStringLiteral("0"));
  ShowAsMoney(US);
  ShowAsMoney(NP);
  Text1->setEnabled(true);
}

}  // namespace velmora
