#pragma once

#include <QDate>
#include <QLatin1StringView>
#include <QString>
#include <array>
#include <iterator>
#include <span>
#include <vector>

// The legal data behind a valuation at the date of the act, in the four forms
// of the data files (resources/data/README.md): the legal rates by period, the
// lifetime coefficients by year, the floor of the rate for usufructs and
// annuities, and the statutes cited. Rates and coefficients are held in
// hundredths, so that every figure is exact.
namespace velmora {

// Where a row came from: built into the program, or a file the office added.
struct DataOrigin {
  QString file;  // null for the built-in data
  int line = 0;
  bool BuiltIn() const { return file.isNull(); }
};

struct LegalRatePeriod {
  QDate from;  // both days included
  QDate to;
  int rateHundredths = 0;  // hundredths of a percent: 250 is 2,5 %
  QString setBy;           // the decree or law, as the user reads it
  QString source;
  DataOrigin origin;
};

inline constexpr int kAgeBands = 18;

// The age bands of the coefficients, in completed years, both ends included.
inline constexpr std::array<std::array<int, 2>, kAgeBands> kAgeBandLimits = {{
    {0, 20},
    {21, 30},
    {31, 40},
    {41, 45},
    {46, 50},
    {51, 53},
    {54, 56},
    {57, 60},
    {61, 63},
    {64, 66},
    {67, 69},
    {70, 72},
    {73, 75},
    {76, 78},
    {79, 82},
    {83, 86},
    {87, 92},
    {93, 99},
}};

inline std::span<const std::array<int, 2>> AgeBands() {
  return kAgeBandLimits;
}

struct LifetimeCoefficients {
  int year = 0;                 // of the act
  int rateHundredths = 0;       // the rate the coefficients were made for
  int legalRateHundredths = 0;  // the legal rate of that year
  QString decree;               // as the user reads it
  std::array<int, kAgeBands> coefficientHundredths{};
  QString source;
  DataOrigin origin;
};

// The least rate at which usufructs and annuities are valued.
struct RateFloor {
  QDate from;
  QDate to;  // invalid: in force until a later row begins
  int floorHundredths = 0;
  QString statute;
  QString source;
  DataOrigin origin;
};

// What a statute row may be cited for: the basis of a valuation under each
// tax, and the rules of the rights and lives valued. A new subject is one more
// name here.
inline constexpr QLatin1StringView kSubjectBaseRegistro("base_registro");
inline constexpr QLatin1StringView kSubjectBaseSuccessioni("base_successioni");
inline constexpr QLatin1StringView kSubjectUsoAbitazioneRegistro("uso_abitazione_registro");
inline constexpr QLatin1StringView kSubjectUsoAbitazioneSuccessioni("uso_abitazione_successioni");
inline constexpr QLatin1StringView kSubjectPiuViteRegistro("piu_vite_registro");
inline constexpr QLatin1StringView kSubjectPiuViteSuccessioni("piu_vite_successioni");
inline constexpr QLatin1StringView kSubjectLimiteTempoDeterminato("limite_tempo_determinato");
inline constexpr QLatin1StringView kSubjectMinimoRegistro("minimo_registro");
inline constexpr QLatin1StringView kSubjectMinimoSuccessioni("minimo_successioni");
inline constexpr std::array<QLatin1StringView, 9> kStatuteSubjects = {
    kSubjectBaseRegistro,           kSubjectBaseSuccessioni,
    kSubjectUsoAbitazioneRegistro,  kSubjectUsoAbitazioneSuccessioni,
    kSubjectPiuViteRegistro,        kSubjectPiuViteSuccessioni,
    kSubjectLimiteTempoDeterminato, kSubjectMinimoRegistro,
    kSubjectMinimoSuccessioni};
// The name several lives had before the rule was split by tax: its rows
// always cited the gift and succession tax, so an office's old file keeps
// meaning that.
inline constexpr QLatin1StringView kSubjectPiuViteOld("piu_vite");

// The statute cited as the basis of a valuation, by period.
struct StatutePeriod {
  QDate from;
  QDate to;  // invalid: in force until a later row begins
  QString subject;
  QString citation;
  QString source;
  DataOrigin origin;
};

struct LegalData {
  std::vector<LegalRatePeriod> rates;
  std::vector<LifetimeCoefficients> coefficients;
  std::vector<RateFloor> floors;
  std::vector<StatutePeriod> statutes;
  bool Empty() const {
    return rates.empty() && coefficients.empty() && floors.empty() && statutes.empty();
  }
  // Another file's rows after these, in the order read; sorting is the merge's.
  void Append(LegalData&& more) {
    const auto append = [](auto& to, auto& from) {
      to.insert(to.end(), std::make_move_iterator(from.begin()),
                std::make_move_iterator(from.end()));
    };
    append(rates, more.rates);
    append(coefficients, more.coefficients);
    append(floors, more.floors);
    append(statutes, more.statutes);
  }
};

}  // namespace velmora
