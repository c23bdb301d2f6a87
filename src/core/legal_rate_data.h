#pragma once

#include <array>
#include <span>

// The legal interest rates by period and the lifetime coefficients by year of
// the act, as resources/data gives them (legal_rate_data.cpp is written from
// those files by resources/make-rate-data.py). Rates and coefficients are
// held in hundredths, so that every figure is exact.
namespace velmora {

struct CivilDate {
  int year;
  int month;
  int day;
};

struct LegalRatePeriod {
  CivilDate from;  // both days included
  CivilDate to;
  int rateHundredths;  // hundredths of a percent: 250 is 2,5 %
  const char* setBy;   // the decree or law, as the user reads it (UTF-8)
};

inline constexpr int kAgeBands = 18;

struct LifetimeCoefficients {
  int year;                 // of the act
  int rateHundredths;       // the rate the coefficients were made for
  int legalRateHundredths;  // the legal rate of that year
  const char* decree;       // as the user reads it (UTF-8)
  std::array<int, kAgeBands> coefficientHundredths;
};

// Ordered by date; no gaps between periods.
std::span<const LegalRatePeriod> LegalRatePeriods();
// The age bands of the coefficients, in completed years, both ends included.
std::span<const std::array<int, 2>> AgeBands();
// Ordered by year; a year without a row of its own uses the last earlier one.
std::span<const LifetimeCoefficients> LifetimeCoefficientTables();

}  // namespace velmora
