#pragma once

#include <QString>

#include "app/services.h"

class QLineEdit;

// What the handlers of the main window share: the text box operations of the
// classic form toolkit and the window's refusals.
namespace velmora {

// The title of every notice and refusal of the main window.
inline const QString kMainTitle = QStringLiteral("Velmora by Dovel");
inline const QString kValueFirst =
    QStringLiteral("Devi innanzi tutto inserire il valore della piena proprietà!");

// A refusal: the exclamation icon and the window's title.
void Warn(Services& services, const QString& prompt);

// The selection start: the caret when nothing is selected.
int SelStart(const QLineEdit* field);
// Sets the selection length from the current selection start.
void SetSelLength(QLineEdit* field, int length);

// The field's text read as a number; 0 when it is none.
double ValueOf(const QLineEdit* field);
// Rewrites the field as the money text of its value.
void ShowAsMoney(QLineEdit* field);

}  // namespace velmora
