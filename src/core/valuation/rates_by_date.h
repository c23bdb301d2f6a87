#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/law/legal_data_in_use.h"
#include "core/law/legal_rate_data.h"
#include "core/valuation/usufruct_tables.h"
#include "core/valuation/valuation_record.h"

// The rate and the tables in force on the date of an act, from the legal data
// handed in (legal_data_in_use.h): the legal rates by period, the floor, the
// lifetime coefficients by year.
namespace velmora {

struct RateInForce {
  int hundredths = 0;       // the rate used, in hundredths of a percent (250 is 2,5 %)
  int legalHundredths = 0;  // the legal rate in force on the day
  QString setBy;            // the decree or law that sets the legal rate
  int floorHundredths = 0;  // the floor for usufructs and annuities on the day; 0 for none
  QString floorStatute;     // the statute that sets the floor
  DataOrigin rateOrigin;    // where the legal rate came from
  DataOrigin floorOrigin;   // where the floor came from
  bool Floored() const { return hundredths != legalHundredths; }
};

// The legal rate in force on the day, raised to the floor for usufructs and
// annuities where one is in force (2,5 % from 1 January 2025). Nothing
// outside the known periods.
std::optional<RateInForce> RateOn(const DatiLegali& law, const QDate& day);

// The day whose rate and coefficients a valuation applies: the reference
// date, or in the default mode the first day of the 2016 table.
QDate RateDay(Saggio saggio, const QDate& reference);

// The rate used for usufructs and annuities: the legal rate, raised to the
// floor when one is in force.
int RateUsedHundredths(int legalHundredths, const RateFloor* floor);

// The lifetime table of a row of coefficients: for each age band the
// coefficient times the rate, exact, then no usufruct from 100 years.
TabellaVitalizio LifetimeTableOf(const LifetimeCoefficients& coefficients);

// The lifetime table for acts of the year, at the rate its coefficients were
// made for; nothing for a year without coefficients. A year without a table
// of its own uses the last earlier one (2012's serves 2013).
std::optional<TabellaVitalizio> LifetimeTableFor(const DatiLegali& law, int year);
// The decree of those coefficients; empty for a year without them.
QString LifetimeDecreeFor(const DatiLegali& law, int year);

// The fixed-term table at a rate: for n years 1 - (1 + rate)^-n, to four
// decimals with a half going up.
const TabellaTempoDeterminato& FixedTermTableAt(int rateHundredths);

// The tables of the default mode: the 2016 coefficients and the fixed-term
// shares at their rate of 0,2 %, for acts from 1 January 2016. Always those of
// the built-in data.
const TabellaVitalizio& TabellaVitalizio2016();
const TabellaTempoDeterminato& TabellaTempoDeterminato2016();

// "0,2%", "2,5%", "10%", "1,25%".
QString RateText(int hundredths);
// A lifetime coefficient: "317,5", "20".
QString CoefficientText(int hundredths);
// The rate with its Italian article: "dello 0,2%", "del 2,5%", "dell'1,6%".
QString RateWithArticle(int hundredths);

}  // namespace velmora
