#pragma once

#include <vector>

#include "core/legal_data_file.h"
#include "core/legal_rate_data.h"

// The legal data the program ships: the files of resources/data, embedded in
// the program.
namespace velmora {

// The built-in data, read from the program's resources at first use: nothing
// is read from disk, so a damaged install still values.
const LegalData& BuiltInLegalData();
// What was wrong with the embedded files; nothing in a good build.
const std::vector<DataProblem>& BuiltInProblems();

}  // namespace velmora
