#include <QLineEdit>
#include <QRadioButton>

#include "gui/colours.h"
#include "gui/main_window.h"

// The two double-click resets: PP starts everything anew, and what the
// clipboard holds is old for it; Text1 restarts the fixed-term entry.
namespace velmora {

void Frmusufrutto::PP_DblClick() {
  ClipboardSeen();
  SetBackColor(PP, colore::CianoChiaro);
  SetFocus(PP);
  PP->setText(QStringLiteral("0"));
  PP->setSelection(0, PP->text().size());
  ClearResults(true);
  for (QLineEdit* field : {D1, Text1}) field->setText({});
  Text1->setEnabled(true);
}

void Frmusufrutto::Text1_DblClick() {
  PP->setText(QStringLiteral("0"));
  SetFocus(Text1);
  Text1->setText({});
  SetBackColor(Text1, colore::CianoChiaro);
  ClearResults(true);
  D1->setText({});
}

}  // namespace velmora
