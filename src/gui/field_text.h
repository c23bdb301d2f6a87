#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The texts of the printer window's fields as property values, and back.
// The failures carry the descriptions the user sees.
namespace velmora::fieldtext {

// The text read as a number under the Italian conventions (decimal comma,
// full stops between groups, an optional euro sign), rounded to a whole
// number with halves to the even neighbour. Throws PrinterFailure "Tipo non
// corrispondente" when the text is no number and "Overflow" when the number
// lies outside the range.
qint32 Long(QStringView text);
qint16 Integer(QStringView text);
// The same range check for a value already whole.
qint16 Integer(qint32 value);

// The text read as above, as a single-precision number.
float Single(QStringView text);

// The value of the longest number the text begins with, read with a point as
// the decimal separator and an optional exponent; blanks, tabs and line ends
// anywhere are passed over. 0 when the text begins with no number. Never fails.
double LeadingNumber(QStringView text);

// Halves go to the even neighbour.
double RoundHalfEven(double value);

// A single-precision number in the general format: up to 7 significant
// digits, a decimal comma, no grouping ("0,5", "11906", "1,234568E+07").
QString SingleText(float value);

}  // namespace velmora::fieldtext
