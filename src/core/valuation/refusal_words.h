#pragma once

#include <QString>
#include <variant>

#include "core/law/legal_data_in_use.h"
#include "core/valuation/case_reading.h"
#include "core/valuation/valuation_record.h"

// A refusal of the strict reader in words: one line naming the input, the
// value as given and why. The command line names its options, the batch its
// columns, the service its fields; the words are the same for all of them.
namespace velmora {

// What a refusal calls each input.
struct NomiIngressi {
  QString valore;
  QString nascita;
  QString anni;
  QString data;
  QString accrescimento;
  QString imposta;
};

// The line for the refusal of the case typed as `typed`.
QString RifiutoInParole(const Rifiuto& refusal, const DatiValutazione& typed,
                        const NomiIngressi& nomi);

// The form a text must take to be read, for the reasons that are about its
// form ("250.000,50", "03/05/1950", "10"); empty for the others.
QString FormaAttesa(Motivo motivo);

// The record, or the refusal's line.
using Esito = std::variant<RecordValutazione, QString>;
Esito ValutaInParole(const DatiValutazione& dati, const NomiIngressi& nomi, const DatiLegali& law,
                     UltimoRiferimento* ultimo = nullptr);

}  // namespace velmora
