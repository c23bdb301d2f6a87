#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/legal_rate_data.h"
#include "core/usufruct_tables.h"

// The rate and the tables in force on the date of an act, from the legal rates
// by period and the lifetime coefficients by year.
namespace velmora {

struct RateInForce {
  int hundredths;       // the rate used, in hundredths of a percent (250 is 2,5 %)
  int legalHundredths;  // the legal rate in force on the day
  QString setBy;        // the decree or law that sets the legal rate
  bool Floored() const { return hundredths != legalHundredths; }
};

// The legal rate in force on the day; from 1 January 2025 at least 2,5 %, the
// floor for usufructs and annuities. Nothing outside the known periods.
std::optional<RateInForce> RateOn(const QDate& day);
QDate FirstDayWithRate();
QDate LastDayWithRate();

// The lifetime table for acts of the year, at the rate its coefficients were
// made for; nothing for a year without coefficients. A year without a table
// of its own uses the last earlier one (2012's serves 2013).
const TabellaVitalizio* LifetimeTableFor(int year);
// The coefficients behind that table, with their rate and decree.
const LifetimeCoefficients* LifetimeCoefficientsFor(int year);
// The decree of those coefficients; empty for a year without them.
QString LifetimeDecreeFor(int year);
int FirstYearWithCoefficients();
int LastYearWithCoefficients();

// The fixed-term table at a rate: for n years 1 - (1 + rate)^-n, to four
// decimals with a half going up.
const TabellaTempoDeterminato& FixedTermTableAt(int rateHundredths);

// The tables of the default mode: the 2016 coefficients and the fixed-term
// shares at their rate of 0,2 %, for acts from 1 January 2016.
const TabellaVitalizio& TabellaVitalizio2016();
const TabellaTempoDeterminato& TabellaTempoDeterminato2016();

// "0,2%", "2,5%", "10%", "1,25%".
QString RateText(int hundredths);
// A lifetime coefficient: "317,5", "20".
QString CoefficientText(int hundredths);
// The rate with its Italian article: "dello 0,2%", "del 2,5%", "dell'1,6%".
QString RateWithArticle(int hundredths);

}  // namespace velmora
