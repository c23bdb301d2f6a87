#include <QLineEdit>
#include <QRadioButton>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "gui/colours.h"
#include "gui/main_window.h"
#include "gui/text_box.h"
#include "gui/window_texts.h"

// The birth date and the duration: both need a full-ownership value first;
// entering the birth date settles that value as a money text, discards every
// earlier result, and makes what the clipboard holds old for the value field.
namespace velmora {
void Frmusufrutto::D1_GotFocus() {
  // The value can only be missing when leaving PP failed; it then stays as it is.
  if (const auto value = ReadNumber(PP->text())) PP->setText(MoneyText(*value));
  SetBackColor(PP, colore::Bianco);
  SetBackColor(D1, colore::CianoChiaro);
  ClearResults(true);
  D1->setText({});
  ClipboardSeen();
}

void Frmusufrutto::D1_Click() {
  Text1->setText({});
  // Zero and below count as no value, as they do for the valuations.
  if (NoValue()) {
    Warn(ValueRefusal());
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

// The eight digits that D1 asks for are taken here too, and written out.
void Frmusufrutto::D2_LostFocus() {
  const QString typed = D2->text().trimmed();
  if (typed.size() != 8 || IsDate(typed)) return;
  if (const auto date = ReadDateOrDigits(typed)) D2->setText(LongDateText(*date));
}

std::optional<QDate> Frmusufrutto::ReferenceDate() const {
  return ReadDateOrDigits(D2->text());
}

QDate Frmusufrutto::BirthDate() const {
  return ReadDate(D1->text()).value_or(QDate());
}

QString Frmusufrutto::ConversionedtNascita() {
  return BirthDigitsToDate(D1->text());
}

}  // namespace velmora
