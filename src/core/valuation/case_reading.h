#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <variant>

#include "core/law/legal_data_in_use.h"
#include "core/valuation/valuation_record.h"

// A case as the command line, a batch row, a request to the service or a
// tool call gives it: its texts read strictly. What could mean two things
// ("1234.56", "12/25/1950") is refused with the form wanted, never guessed.
// The window's typing has its own reader, Valuta.
namespace velmora {

// The reference date a batch's rows last gave, as typed and as read: the rows
// mostly share one, which is then read once. A batch holds it for its run
// alone, so that no date of a case outlives the answer.
struct UltimoRiferimento {
  bool noto = false;
  QString testo;
  std::optional<QDate> letto;
};

// The inputs read, or the first refusal. The reference date must be given
// (the caller puts today in, where that is the rule). An input the kind of
// valuation has no use for (a duration for a lifetime, an accrual for one
// life) is refused: the user meant something by it.
std::variant<IngressiLetti, Rifiuto> LeggiDigitati(const DatiValutazione& dati,
                                                   UltimoRiferimento* ultimo = nullptr);

// Read strictly, then valued by the one path.
std::variant<RecordValutazione, Rifiuto> ValutaDigitati(const DatiValutazione& dati,
                                                        const DatiLegali& law,
                                                        UltimoRiferimento* ultimo = nullptr);

}  // namespace velmora
