#include "core/usufruct_tables.h"

#include <limits>

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

// Each share is the band's coefficient (475 down to 50 in steps of 25) times
// the legal rate; only the shares and their texts are kept.
const TabellaVitalizio& TabellaVitalizio2016() {
  static const TabellaVitalizio table({
      {0, 20, 0.95, "95%", "5%"},
      {21, 30, 0.90, "90%", "10%"},
      {31, 40, 0.85, "85%", "15%"},
      {41, 45, 0.80, "80%", "20%"},
      {46, 50, 0.75, "75%", "25%"},
      {51, 53, 0.70, "70%", "30%"},
      {54, 56, 0.65, "65%", "35%"},
      {57, 60, 0.60, "60%", "40%"},
      {61, 63, 0.55, "55%", "45%"},
      {64, 66, 0.50, "50%", "50%"},
      {67, 69, 0.45, "45%", "55%"},
      {70, 72, 0.40, "40%", "60%"},
      {73, 75, 0.35, "35%", "65%"},
      {76, 78, 0.30, "30%", "70%"},
      {79, 82, 0.25, "25%", "75%"},
      {83, 86, 0.20, "20%", "80%"},
      {87, 92, 0.15, "15%", "85%"},
      {93, 99, 0.10, "10%", "90%"},
      {100, std::numeric_limits<int>::max(), std::nullopt, "0%", "100%"},
  });
  return table;
}

const TabellaTempoDeterminato& TabellaTempoDeterminato2016() {
  static const TabellaTempoDeterminato table({
      {1, 0.0020, "0,20%", "99,80%"},  {2, 0.0040, "0,40%", "99,60%"},
      {3, 0.0060, "0,60%", "99,40%"},  {4, 0.0080, "0,80%", "99,20%"},
      {5, 0.0099, "0,99%", "99,01%"},  {6, 0.0119, "1,19%", "98,81%"},
      {7, 0.0139, "1,39%", "98,61%"},  {8, 0.0159, "1,59%", "98,41%"},
      {9, 0.0178, "1,78%", "98,22%"},  {10, 0.0198, "1,98%", "98,02%"},
      {11, 0.0217, "2,17%", "97,83%"}, {12, 0.0237, "2,37%", "97,63%"},
      {13, 0.0256, "2,56%", "97,44%"}, {14, 0.0276, "2,76%", "97,24%"},
      {15, 0.0295, "2,95%", "97,05%"}, {16, 0.0315, "3,15%", "96,85%"},
      {17, 0.0334, "3,34%", "96,66%"}, {18, 0.0353, "3,53%", "96,47%"},
      {19, 0.0373, "3,73%", "96,27%"}, {20, 0.0392, "3,92%", "96,08%"},
      {21, 0.0411, "4,11%", "95,89%"}, {22, 0.0430, "4,30%", "95,70%"},
      {23, 0.0449, "4,49%", "95,51%"}, {24, 0.0468, "4,68%", "95,32%"},
      {25, 0.0487, "4,87%", "95,13%"}, {26, 0.0506, "5,06%", "94,94%"},
      {27, 0.0525, "5,25%", "94,75%"}, {28, 0.0544, "5,44%", "94,56%"},
      {29, 0.0563, "5,63%", "94,37%"}, {30, 0.0582, "5,82%", "94,18%"},
  });
  return table;
}

}  // namespace velmora
