#include <QAction>
#include <QDateTime>
#include <QLineEdit>

#include "core/documents/version.h"
#include "gui/main_window.h"

// The valuation whose figures the window shows. Whatever leaves the window
// (the report, the values for the act) is made from it; it goes with the
// figures, when the inputs on screen are no longer theirs (stale_figures.cpp).
namespace velmora {

DatiValutazione Frmusufrutto::Inputs(TipoValutazione tipo) const {
  DatiValutazione dati;
  dati.tipo = tipo;
  dati.saggio = RateAtDateOfAct() ? Saggio::AllaData : Saggio::Tabella2016;
  dati.valore = PP->text();
  dati.riferimento = D2->text();
  switch (tipo) {
    case TipoValutazione::Vitalizio:
      dati.nascite = {D1->text()};
      break;
    case TipoValutazione::TempoDeterminato:
      dati.anni = Text1->text();
      break;
  }
  return dati;
}

void Frmusufrutto::ShowValuation(RecordValutazione record) {
  shown_ = std::move(record);
  shownCalculation_ = Calcolo{services_.Now(), ProgramVersion()};
  for (QAction* command : {CopiaProspetto, CopiaValoriAtto, SalvaProspettoPdf, StampaProspetto})
    command->setEnabled(true);
}

void Frmusufrutto::ForgetShownValuation() {
  shown_.reset();
  for (QAction* command : {CopiaProspetto, CopiaValoriAtto, SalvaProspettoPdf, StampaProspetto})
    command->setEnabled(false);
}

}  // namespace velmora
