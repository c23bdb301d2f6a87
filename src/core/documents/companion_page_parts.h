#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include "core/law/legal_rate_data.h"

// What the three companion pages share: the frame of a page with its style,
// the way they write figures, rates and sources, and what they read from the
// legal data beyond a single row.
namespace velmora::pages {

// The year of the default mode's table, which the pages single out.
inline constexpr int kDefaultTableYear = 2016;

// The whole page: head, style, the body given and the footer.
QString Page(const QString& title, const QString& body);

// &, <, >, " and ' as entities.
QString Escape(QStringView text);

// A number the core wrote ("1900", "317,5", "95%") with full stops between
// the thousands and without a percent sign: "1.900", "317,5", "95".
QString Figure(QStringView written);

// A rate with an article or a preposition fitted to how it reads aloud:
// Al gives "al 2,5%", "allo 0,2%", "all'1%"; Il gives "il 2,5%", "lo 0,2%",
// "l'1%"; Di gives "del 2,5%", "dello 0,2%", "dell'1%". `gap` goes between
// the word and the rate, unless the word is elided.
enum class Article { Di, Al, Il };
QString RateWith(Article article, int hundredths, QStringView gap = u" ");

// "dd/mm/yyyy".
QString DayText(const QDate& day);
// An age band: "da 0 a 20".
QString BandText(int band);

// The source of a row in Italian, escaped; an added row says its file.
QString SourceCell(const QString& source, const DataOrigin& origin);

// The legal-rate period holding the day; null outside the periods.
const LegalRatePeriod* PeriodOn(const LegalData& law, const QDate& day);
// The floor in force on the day; null when there is none.
const RateFloor* FloorOn(const LegalData& law, const QDate& day);
// The rate used for the acts of a period: the legal rate, raised to the floor
// in force on its first day.
int RateUsedIn(const LegalData& law, const LegalRatePeriod& period);
// The coefficients of the year itself; null for a year without a row.
const LifetimeCoefficients* CoefficientsOf(const LegalData& law, int year);

// The rows the office added, each with its file, for the head of a page; the
// empty text when every row is built in.
QString AddedDataNote(const LegalData& law);

}  // namespace velmora::pages
