#include <QAction>
#include <QDateTime>
#include <QLineEdit>

#include "gui/main_window.h"
#include "platform/program_start.h"

// The valuation whose figures the window shows. Whatever leaves the window
// (the report, the values for the act) is made from it; it goes with the
// figures, when the inputs on screen are no longer theirs (stale_figures.cpp).
namespace velmora {

DatiValutazione Frmusufrutto::Inputs(Usufrutto tipo) const {
  DatiValutazione dati;
  dati.tipo = tipo;
  dati.saggio = RateAtDateOfAct() ? Saggio::AllaData : Saggio::Tabella2016;
  dati.valore = PP->text();
  dati.riferimento = D2->text();
  if (tipo == Usufrutto::Vitalizio)
    dati.nascita = D1->text();
  else
    dati.anni = Text1->text();
  return dati;
}

void Frmusufrutto::ShowValuation(RecordValutazione record) {
  shown_ = std::move(record);
  shownCalculation_ = Calcolo{QDateTime::currentDateTime(), ProgramVersion()};
  for (QAction* command : {CopiaProspetto, CopiaValoriAtto, SalvaProspettoPdf, StampaProspetto})
    command->setEnabled(true);
}

void Frmusufrutto::ForgetShownValuation() {
  shown_.reset();
  for (QAction* command : {CopiaProspetto, CopiaValoriAtto, SalvaProspettoPdf, StampaProspetto})
    command->setEnabled(false);
}

}  // namespace velmora
