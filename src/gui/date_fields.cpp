#include <QLineEdit>
#include <QRadioButton>

#include "core/date_text.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "gui/colours.h"
#include "gui/main_window.h"
#include "gui/text_box.h"

// The birth date and the duration: both need a full-ownership value first;
// entering the birth date settles that value as a money text and discards
// every earlier result.
namespace velmora {
void Frmusufrutto::D1_GotFocus() {
  // The value can only be missing when leaving PP failed; it then stays as it is.
  if (const auto value = ReadNumber(PP->text())) PP->setText(MoneyText(*value));
  SetBackColor(PP, colore::Bianco);
  SetBackColor(D1, colore::CianoChiaro);
  for (QLineEdit* field : {US, NP, PERCUSU, PERCNP, D1, R5, R6, R7}) field->setText({});
  ForgetShownValuation();
  services().ClearClipboard();
  option5->setChecked(true);
}

void Frmusufrutto::D1_Click() {
  Text1->setText({});
  // The empty text and any text that is no number count as no value.
  const auto value = ReadNumber(PP->text());
  if (!value || *value == 0) {
    Warn(text::kValueFirst);
    PP->setText(QStringLiteral("0"));
    SetFocus(PP);
    SetSelLength(PP, PP->text().size());
  }
}

void Frmusufrutto::D1_LostFocus() {
  SetBackColor(D1, colore::Bianco);
  if (D1->text().isEmpty()) return;
  Text1->setEnabled(false);
  D1->setText(ConversionedtNascita());
  D1->setText(FormatLongDate(D1->text()));
  if (IsDate(D1->text())) return;
  SetFocus(D1);
  D1->setText({});
  SetBackColor(D1, colore::CianoChiaro);
  Warn(text::kDigitsOnly);
}

void Frmusufrutto::Text1_GotFocus() {
  SetBackColor(Text1, colore::CianoChiaro);
  if (PP->text().isEmpty()) PP->setText(QStringLiteral("0"));
  if (NoValue()) {
    Warn(text::kValueFirst);
    BackToValue();
  }
}

void Frmusufrutto::Text1_Click() {
  option5->setChecked(true);
}

void Frmusufrutto::Text1_LostFocus() {
  SetBackColor(Text1, colore::Bianco);
}

QString Frmusufrutto::ConversionedtNascita() {
  return BirthDigitsToDate(D1->text());
}

}  // namespace velmora
