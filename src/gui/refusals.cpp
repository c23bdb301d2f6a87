#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "core/valuation/valuation_record.h"
#include "gui/colours.h"
#include "gui/main_window.h"
#include "gui/refusal_message.h"
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
  return refusal ? RefusalMessage(Rifiuto{Campo::Valore, *refusal, {}, {}, 0, {}, -1}) : QString();
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

void Frmusufrutto::Refuse(const Rifiuto& refusal) {
  switch (refusal.campo) {
    case Campo::Valore:
      RefuseValue();
      return;
    case Campo::Nascita:
      RefuseDate(D1, RefusalMessage(refusal));
      return;
    case Campo::Riferimento:
      RefuseDate(D2, RefusalMessage(refusal));
      return;
    case Campo::Accrescimento:
      // The main window values one life, and has no accrual to ask for.
      Warn(RefusalMessage(refusal));
      return;
    case Campo::Anni:
      if (refusal.motivo != Motivo::DurataMassima) {
        AskForDuration(RefusalMessage(refusal));
        return;
      }
      // Beyond the longest duration only the duration goes.
      ClearResults(false);
      Warn(RefusalMessage(refusal));
      Text1->setText({});
      return;
  }
}

}  // namespace velmora
