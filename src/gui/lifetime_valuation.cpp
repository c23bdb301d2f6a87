#include <QLineEdit>
#include <variant>

#include "core/valuation/valuation_record.h"
#include "gui/main_window.h"

// The lifetime valuation: the age from D1 to D2, the completion sound, then
// the band's usufruct and bare ownership in the result fields.
namespace velmora {

void Frmusufrutto::Option1_Click() {
  ForgetShownValuation();
  auto result = Valuta(Inputs(TipoValutazione::Vitalizio), *law_);
  if (const Rifiuto* refusal = std::get_if<Rifiuto>(&result)) {
    Refuse(*refusal);
    return;
  }
  RecordValutazione& r = std::get<RecordValutazione>(result);

  R5->setText(QString::number(r.etaAnni));
  R6->setText(QString::number(r.etaMesi));
  R7->setText(QString::number(r.etaGiorni));

  services().PlayWave(QStringLiteral("/IR_END.WAV"));

  US->setText(r.UsufruttoTesto());
  NP->setText(r.NudaProprietaTesto());
  PERCUSU->setText(r.percUsufrutto);
  PERCNP->setText(r.percNudaProprieta);
  PP->setText(r.ValoreTesto());
  RememberInputsOfFigures(true);
  Text1->setEnabled(true);
  ShowValuation(std::move(r));
}

}  // namespace velmora
