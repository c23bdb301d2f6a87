#pragma once

#include <array>
#include <optional>

// The two constant tables at the legal rate of 0.2 %.
namespace velmora {

struct RigaVitalizio {
  int ageFrom;
  int ageTo;                    // inclusive; INT_MAX for the last row, which has no upper bound
  std::optional<double> share;  // none for the last row: no usufruct
  const char* percUsufrutto;    // UTF-8, as written to PERCUSU
  const char* percNudaProprieta;
};

struct RigaTempoDeterminato {
  int years;
  double factor;  // 1 - 1.002^-years to four decimals, held as a constant
  const char* percUsufrutto;
  const char* percNudaProprieta;
};

extern const std::array<RigaVitalizio, 19> TabellaVitalizio;
extern const std::array<RigaTempoDeterminato, 30> TabellaTempoDeterminato;

// The row whose bounds hold the age; nothing for an age below 0.
const RigaVitalizio* RigaPerEta(int age);
// The row for a duration equal to one of 1 to 30; nothing otherwise (fractions, NaN included).
const RigaTempoDeterminato* RigaPerDurata(double years);

}  // namespace velmora
