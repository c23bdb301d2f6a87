#pragma once

#include <vector>

#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"

// The legal data a test values with, made by the test: the built-in data
// alone, or with the files it gives, never the machine's.
namespace velmora::test {

inline DatiLegaliCondivisi LawWith(const std::vector<AddedFile>& files) {
  return DatiLegaliDa(MergeLegalData(BuiltInLegalData(), files));
}

inline DatiLegaliCondivisi BuiltInLawShared() {
  static const DatiLegaliCondivisi law = LawWith({});
  return law;
}

inline const DatiLegali& BuiltInLaw() {
  return *BuiltInLawShared();
}

}  // namespace velmora::test
