#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

// Italian date texts: day before month, "/" between the parts, Italian month
// names in lower case. Fixed in the code, whatever the locale.
namespace velmora {

// Reads "dd/mm/yyyy" (one or two digit day and month, "/", "-" or "." between
// them), "d mmmm yyyy" and "d mmm yyyy" with Italian month names (any case),
// with a two-digit year in the window 1930 to 2029, and swaps day and month
// when the month part exceeds 12 and the day part does not. Nothing when the
// text is not a calendar date.
// The two separators must be the same; blanks may surround the text and part
// the long form's words. A year has two or four digits (100 to 9999); the
// month name may be whole or its first three letters ("ago"), without a dot.
std::optional<QDate> ReadDate(QStringView text);
inline bool IsDate(QStringView text) {
  return ReadDate(text).has_value();
}

// A date given to the program by a command or a file, read strictly: the
// forms ReadDate takes with a four-digit year and without swapping day and
// month, the eight digits ddmmyyyy, and ISO 8601 yyyy-mm-dd (the form the
// JSON writes). "12/25/1950" and "01/01/25" are no dates here.
std::optional<QDate> ReadStrictDate(QStringView text);

// "07/12/2026", for a date of the years a text may name (100 to 9999).
QString SlashedDate(const QDate& date);

// A period of days as the legal data and their pages name it:
// "dal 01/01/2025 al 31/12/2025", or "dal 01/01/2025" when it has no end
// (an invalid last day).
QString PeriodText(const QDate& from, const QDate& to);

// "16 agosto 1946"; the empty text for an invalid date.
QString LongDateText(const QDate& date);

// The same as acts write it, the first of a month as an ordinal:
// "1° gennaio 2016", "16 agosto 1946".
QString ActLongDateText(const QDate& date);

// A text formatted with "d mmmm yyyy": a valid date becomes its long form,
// any other text stays as it is.
QString FormatLongDate(QStringView text);

// The eight digits of a birth date as "dd/mm/yyyy": characters 1-2, 3-4 and
// 5-8 joined by "/" and, when that is a date, written with two-digit day and
// month and a four-digit year; otherwise the joined text unchanged. The empty
// text gives the empty text.
QString BirthDigitsToDate(QStringView typed);

// Eight digits with nothing but blanks around them: a date typed ddmmyyyy.
bool IsEightDigits(QStringView text);

// A reference date: any text ReadDate takes, or the eight digits ddmmyyyy of
// a typed birth date ("01012025"), blanks around them allowed.
std::optional<QDate> ReadDateOrDigits(QStringView text);

}  // namespace velmora
