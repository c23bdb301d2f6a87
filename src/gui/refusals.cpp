#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/valuation_record.h"
#include "gui/colours.h"
#include "gui/main_window.h"
#include "gui/text_box.h"
#include "gui/window_texts.h"

// The refusals the handlers of the main window share.
namespace velmora {

void Frmusufrutto::Warn(const QString& prompt) {
  services_.MessageBox(prompt, Services::Icon::Exclamation, text::kMainTitle);
}

// A text that cannot be read as a number is no value either: the field's own
// checks keep such texts out, and a valuation must not read one as 0. Nor is
// an amount of zero or below, which a paste can leave: it splits into no
// usufruct and no bare ownership worth the name. The valuation refuses the
// same texts with the same messages.
bool Frmusufrutto::NoValue() const {
  return velmora::ValueRefusal(PP->text()).has_value();
}

QString Frmusufrutto::ValueRefusal() const {
  const std::optional<Motivo> refusal = velmora::ValueRefusal(PP->text());
  return refusal ? Message({Campo::Valore, *refusal, {}, {}, 0}) : QString();
}

void Frmusufrutto::RefuseValue() {
  ClearResults(false);
  Warn(ValueRefusal());
  PP->setText(QStringLiteral("0"));
  BackToValue();
}

void Frmusufrutto::BackToValue() {
  SetFocus(PP);
  SetSelLength(PP, int(PP->text().size()));
  SetBackColor(PP, colore::CianoChiaro);
  option5->setChecked(true);
}

void Frmusufrutto::RefuseDate(QLineEdit* field, const QString& prompt) {
  ClearResults(true);
  Warn(prompt);
  SetFocus(field);
  option5->setChecked(true);
}

// A disabled duration cannot take the focus, so then the message tells how
// to free it.
void Frmusufrutto::AskForDuration(const QString& prompt) {
  ClearResults(false);
  if (!Text1->isEnabled()) {
    Warn(text::kDurationLocked);
  } else {
    SetFocus(Text1);
    SetBackColor(Text1, colore::CianoChiaro);
    Text1->selectAll();  // a wrong duration is typed over
    Warn(prompt);
  }
  option5->setChecked(true);
}

QString Frmusufrutto::Message(const Rifiuto& refusal) {
  switch (refusal.motivo) {
    case Motivo::ValoreMancante:
      return text::kValueFirst;
    case Motivo::ValoreTroppoGrande:
      return text::kLargestAmount.arg(LargestAmountText());
    case Motivo::NascitaNonValida:
      return text::kValidDate;
    case Motivo::RiferimentoNonValido:
      return text::kValidReferenceDate;
    case Motivo::NascitaDopoRiferimento:
      return text::kBirthAfterReference;
    case Motivo::AnniMancanti:
      return text::kDurationFirst;
    case Motivo::AnniNonInteri:
      return text::kWholeYears;
    case Motivo::DurataMassima:
      return text::kLongestDuration;
    case Motivo::SaggioNonNoto:
      return text::kNoRateOnDate.arg(LongDateText(refusal.primo), LongDateText(refusal.ultimo));
    case Motivo::CoefficientiNonNoti:
      return text::kNoCoefficientsInYear.arg(
          QString::number(refusal.anno), LongDateText(refusal.primo), LongDateText(refusal.ultimo));
  }
  return {};
}

void Frmusufrutto::Refuse(const Rifiuto& refusal) {
  switch (refusal.campo) {
    case Campo::Valore:
      RefuseValue();
      return;
    case Campo::Nascita:
      RefuseDate(D1, Message(refusal));
      return;
    case Campo::Riferimento:
      RefuseDate(D2, Message(refusal));
      return;
    case Campo::Anni:
      if (refusal.motivo != Motivo::DurataMassima) {
        AskForDuration(Message(refusal));
        return;
      }
      // Beyond the longest duration only the duration goes.
      ClearResults(false);
      Warn(Message(refusal));
      Text1->setText({});
      return;
  }
}

}  // namespace velmora
