#include "core/valuation/usufruct_tables.h"

namespace velmora {

const RigaVitalizio* TabellaVitalizio::RigaPerEta(int age) const {
  if (age < 0) return nullptr;
  for (const RigaVitalizio& row : rows_) {
    if (age >= row.ageFrom && age <= row.ageTo) return &row;
  }
  return nullptr;
}

const RigaTempoDeterminato* TabellaTempoDeterminato::RigaPerDurata(double years) const {
  // Compared as a number with each whole number in turn, so 5, 05 and 5,0 meet
  // the same row and a fraction or NaN meets none.
  for (const RigaTempoDeterminato& row : rows_) {
    if (years == static_cast<double>(row.years)) return &row;
  }
  return nullptr;
}

}  // namespace velmora
