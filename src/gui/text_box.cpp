#include "gui/text_box.h"

#include <QLineEdit>

#include "core/numbers/number_text.h"

namespace velmora {

int SelStart(const QLineEdit* field) {
  return field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
}

void SetSelLength(QLineEdit* field, int length) {
  field->setSelection(SelStart(field), length);
}

double ValueOf(const QLineEdit* field) {
  return ReadNumber(field->text()).value_or(0);
}

}  // namespace velmora
