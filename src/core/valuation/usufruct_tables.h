#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// The tables that give the usufruct's share of the full value. A table is a
// value handed to the valuation; rates_by_date.h builds them from the data.
namespace velmora {

// A share of the full value, exact, in millionths of the whole: a coefficient
// times a rate (both in hundredths) is one, and so is a fixed term's four
// decimals times a hundred. 21,875 % is 218750.
inline constexpr qint64 kQuotaIntera = 1'000'000;

struct RigaVitalizio {
  int ageFrom;
  int ageTo;                    // inclusive; INT_MAX for a band with no upper bound
  std::optional<qint64> share;  // millionths; none: no usufruct, all to the bare ownership
  QString percUsufrutto;        // as written to PERCUSU
  QString percNudaProprieta;    // as written to PERCNP
};

// Age bands looked at in order; an age below 0 falls in none.
class TabellaVitalizio {
 public:
  explicit TabellaVitalizio(std::vector<RigaVitalizio> rows) : rows_(std::move(rows)) {}
  const std::vector<RigaVitalizio>& Righe() const { return rows_; }
  // The band whose bounds hold the age; nothing for an age below 0.
  const RigaVitalizio* RigaPerEta(int age) const;

 private:
  std::vector<RigaVitalizio> rows_;
};

struct RigaTempoDeterminato {
  int years;
  int quotaDiecimillesimi;  // 1 - (1 + rate)^-years to four decimals, in ten-thousandths
  QString quota;            // and as the report writes it: "0,2188"
  QString percUsufrutto;
  QString percNudaProprieta;
  qint64 Share() const { return qint64(quotaDiecimillesimi) * 100; }  // millionths
};

// One row for each whole number of years from 1 to 30.
class TabellaTempoDeterminato {
 public:
  explicit TabellaTempoDeterminato(std::vector<RigaTempoDeterminato> rows)
      : rows_(std::move(rows)) {}
  const std::vector<RigaTempoDeterminato>& Righe() const { return rows_; }
  // The row whose number of years equals the duration; nothing for any other
  // number (fractions and NaN included).
  const RigaTempoDeterminato* RigaPerDurata(double years) const;

 private:
  std::vector<RigaTempoDeterminato> rows_;
};

}  // namespace velmora
