#include <QLineEdit>
#include <variant>

#include "core/valuation/valuation_record.h"
#include "gui/main_window.h"

// The fixed-term valuation: the row of the duration in Text1, the usufruct
// and bare ownership in the result fields, then the completion sound.
namespace velmora {

void Frmusufrutto::Option2_Click() {
  ForgetShownValuation();
  auto result = Valuta(Inputs(TipoValutazione::TempoDeterminato), *law_);
  if (const Rifiuto* refusal = std::get_if<Rifiuto>(&result)) {
    Refuse(*refusal);
    return;
  }
  RecordValutazione& r = std::get<RecordValutazione>(result);

  US->setText(r.UsufruttoTesto());
  NP->setText(r.NudaProprietaTesto());
  PERCUSU->setText(r.percUsufrutto);
  PERCNP->setText(r.percNudaProprieta);
  PP->setText(r.ValoreTesto());
  // The age of an earlier lifetime valuation stays: its dates are unchanged.
  RememberInputsOfFigures(!R5->text().isEmpty());
  services().PlayWave(QStringLiteral("/IR_END.WAV"));
  ShowValuation(std::move(r));
}

}  // namespace velmora
