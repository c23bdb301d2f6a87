#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "core/messages.h"
#include "core/number_text.h"
#include "gui/colours.h"
#include "gui/main_window.h"
#include "gui/text_box.h"

// The refusals the handlers of the main window share.
namespace velmora {

void Frmusufrutto::Warn(const QString& prompt) {
  services_.MessageBox(prompt, Services::Icon::Exclamation, text::kMainTitle);
}

// A text that cannot be read as a number is no value either: the field's own
// checks keep such texts out, and a valuation must not read one as 0. Nor is
// an amount of zero or below, which a paste can leave: it splits into no
// usufruct and no bare ownership worth the name.
bool Frmusufrutto::NoValue() const {
  const std::optional<double> value = ReadNumber(PP->text());
  return !value || !(*value > 0) || AboveLargestAmount(PP->text());
}

QString Frmusufrutto::ValueRefusal() const {
  return AboveLargestAmount(PP->text()) ? text::kLargestAmount.arg(LargestAmountText())
                                        : text::kValueFirst;
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

}  // namespace velmora
