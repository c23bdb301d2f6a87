#include <QDate>
#include <QLineEdit>
#include <optional>

#include "core/age.h"
#include "core/date_text.h"
#include "core/messages.h"
#include "core/usufruct_tables.h"
#include "core/valuation.h"
#include "gui/main_window.h"
#include "gui/text_box.h"

// The lifetime valuation: the age from D1 to D2, the completion sound, then
// the band's usufruct and bare ownership in the result fields.
namespace velmora {

void Frmusufrutto::Option1_Click() {
  if (NoValue()) {
    RefuseValue();
    return;
  }
  const std::optional<QDate> birth = ReadDate(D1->text());
  if (!birth) {
    RefuseDate(D1, text::kValidDate);
    return;
  }
  // The reference date is typed freely; an unreadable one is refused like the birth date.
  const std::optional<QDate> reference = ReferenceDate();
  if (!reference) {
    RefuseDate(D2, text::kValidReferenceDate);
    return;
  }
  // Before birth there is no age to value.
  if (*birth > *reference) {
    RefuseDate(D1, text::kBirthAfterReference);
    return;
  }
  const TabellaVitalizio* table = LifetimeTableOn(*reference);
  if (!table) return;

  qint16 years = 0, months = 0, days = 0;
  NDIFF(*birth, *reference, years, months, days);
  R5->setText(QString::number(years));
  R6->setText(QString::number(months));
  R7->setText(QString::number(days));
  const int age = years;

  services().PlayWave(QStringLiteral("/IR_END.WAV"));

  if (const auto v = ValutaVitalizio(ValueOf(PP), age, *table)) {
    US->setText(v->usufruttoText);
    NP->setText(v->nudaProprietaText);
    PERCUSU->setText(v->percUsufrutto);
    PERCNP->setText(v->percNudaProprieta);
  }
  RememberInputsOfFigures(true);

  ShowAsMoney(PP);
  if (US->text().isEmpty()) US->setText(QStringLiteral("0"));
  if (NP->text().isEmpty()) NP->setText(QStringLiteral("0"));
  ShowAsMoney(US);
  ShowAsMoney(NP);
  Text1->setEnabled(true);
}

}  // namespace velmora
