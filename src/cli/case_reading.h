#pragma once

#include <QString>
#include <variant>

#include "core/valuation/valuation_record.h"

// A case as the command line or a batch gives it: its inputs read strictly,
// then valued by the one record. What could mean two things ("1234.56",
// "12/25/1950") is refused with the form wanted, never guessed.
namespace velmora::cli {

// The record, or why the case is refused: one line naming the option or the
// column, the value as given and the form wanted.
using Esito = std::variant<RecordValutazione, QString>;

// What a diagnostic calls each input: the options of a command, or the
// columns of a batch.
struct NomiIngressi {
  QString valore;
  QString nascita;
  QString anni;
  QString data;
  QString accrescimento;
  QString imposta;
};
const NomiIngressi& OptionNames();
const NomiIngressi& ColumnNames();

// Reads and values a case. The reference date must be given (the caller puts
// today in, where that is the rule). An input the kind of valuation has no
// use for (a duration for a lifetime, an accrual for one life) is refused
// here, for the commands and the batch alike.
Esito ValutaDigitati(const DatiValutazione& dati, const NomiIngressi& nomi, const DatiLegali& law);

}  // namespace velmora::cli
