#pragma once

class QLineEdit;

// The text box operations of the classic form toolkit that the handlers use.
namespace velmora {

// The selection start: the caret when nothing is selected.
int SelStart(const QLineEdit* field);
// Sets the selection length from the current selection start.
void SetSelLength(QLineEdit* field, int length);

// The field's text read as a number; 0 when it is none.
double ValueOf(const QLineEdit* field);

}  // namespace velmora
