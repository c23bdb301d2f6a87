#include <QLineEdit>
#include <QRadioButton>

#include "gui/colours.h"
#include "gui/main_window.h"

// The two double-click resets: PP starts everything anew, Text1 restarts the
// fixed-term entry and keeps the clipboard.
namespace velmora {

void Frmusufrutto::PP_DblClick() {
  services_.ClearClipboard();
  SetBackColor(PP, colore::CianoChiaro);
  SetFocus(PP);
  PP->setText(QStringLiteral("0"));
  PP->setSelection(0, PP->text().size());
  for (QLineEdit* field : {US, NP, PERCUSU, PERCNP, D1, Text1, R5, R6, R7}) field->setText({});
  ForgetShownValuation();
  option5->setChecked(true);
  Text1->setEnabled(true);
}

void Frmusufrutto::Text1_DblClick() {
  PP->setText(QStringLiteral("0"));
  SetFocus(Text1);
  Text1->setText({});
  SetBackColor(Text1, colore::CianoChiaro);
  for (QLineEdit* field : {US, NP, PERCUSU, PERCNP, D1, R5, R6, R7}) field->setText({});
  ForgetShownValuation();
  option5->setChecked(true);
}

}  // namespace velmora
