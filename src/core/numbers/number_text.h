#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "core/numbers/decimal.h"

// Italian number texts: decimal comma, full stops between groups of three
// digits, an optional euro sign. Fixed in the code, whatever the locale.
namespace velmora {

// A numeric text: optional blanks, an optional euro sign, an optional sign,
// digits with full stops anywhere before the comma, an optional comma with
// zero or more decimals, optional trailing blanks; at least one digit. A
// number too large for a double is not numeric.
// The euro sign and the sign may come in either order ("€ -5", "-€ 5"), with
// blanks after the euro sign only. Blanks are spaces, tabs, line ends and
// no-break spaces. Exponents, parentheses and a trailing sign are not read.
bool IsNumeric(QStringView text);

// The value of a numeric text; nothing when the text is not numeric. A value
// too small for a double reads as 0; no text reads as -0.
std::optional<double> ReadNumber(QStringView text);

// A number of years as typed: a numeric text without full stops, so that
// "2.5" is not read as 25. Nothing when the text is not one.
std::optional<double> ReadYears(QStringView text);

// "€ 1.234,56": grouping, two decimals, a leading minus for negative amounts
// right after the blank ("€ -1.234,50"); an amount that rounds to zero has no
// minus. A half cent is rounded away from zero, on the shortest decimal form
// of the double (so 1,005 gives € 1,01). Infinity and NaN give the empty text.
QString MoneyText(double amount);

// The money text of an amount already held to the cent.
QString MoneyText(const Decimal& cents);
// The same from a whole number of cents, written in one go for the valuations.
QString MoneyTextOfCents(std::int64_t cents);

// The regrouping of the value field while typing: the text read as a number
// and written with "." between groups; with a comma in the text, the comma
// always follows the integer part and up to two decimals follow without
// trailing zeros; a zero integer part has no digits ("0,5" gives ",5", "0000"
// gives ""). The decimals are rounded half away from zero on the digits as
// typed; a negative number keeps its minus, the euro sign and blanks go. A
// text that is not numeric gives the empty text.
QString RegroupTyping(QStringView text);

// The largest amount taken, in cents: every step, the double of the field
// included, holds it exactly to the cent (15 significant digits).
inline constexpr qint64 kImportoMassimoCentesimi = 999'999'999'999'999;
// Its money text, "€ 9.999.999.999.999,99".
QString LargestAmountText();
// A numeric text whose amount, rounded to the cent, is above the largest.
bool AboveLargestAmount(QStringView text);

// A total pasted from elsewhere, read strictly: a full stop only between
// groups of three digits (1.234.567,89), so that "250000.00" or "1.5", written
// with a decimal point, are not read as 25.000.000 or 15.
enum class Incollato {
  Importo,          // a positive amount within the largest
  NessunNumero,     // no number at all: nothing is said
  PuntiFuoriPosto,  // full stops that group no three digits
  Zero,             // zero or below once rounded to the cent
  TroppoGrande,     // above the largest amount
  TroppiDecimali,   // more than two decimals, where no rounding is taken
};
struct ImportoIncollato {
  Incollato esito = Incollato::NessunNumero;
  double valore = 0;  // for Importo only
};
ImportoIncollato ReadPastedAmount(QStringView text);
// The same rule for an amount given to the program by a command or a file:
// more than two decimals are refused, not rounded ("1000,005").
ImportoIncollato ReadStrictAmount(QStringView text);

// value / 10^scale (scale 0 to 18) with a decimal comma and no grouping, for
// the rates and coefficients held in whole units: trailing zeros dropped
// ("95", "317,5"), or cut to `places` decimals when that is not negative.
QString Scaled(qint64 value, int scale, int places = -1);

// How many full stops the text holds (at most 32767).
qint16 ContaPunti(QStringView text);

}  // namespace velmora
