#include <QAction>
#include <QDateTime>
#include <QLineEdit>

#include "core/date_text.h"
#include "core/number_text.h"
#include "gui/main_window.h"
#include "platform/program_start.h"

// The valuation whose figures the window shows. Whatever leaves the window
// (the report, the values for the act) is made from it, and only while the
// inputs on screen are still the ones it was made from.
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

void Frmusufrutto::InputChanged() {
  if (!shown_) return;
  const RecordValutazione& r = *shown_;
  // A value, a date or a duration that reads as the same one (a money text
  // written again, a date in its long form) leaves the figures standing.
  const std::optional<double> value = ReadNumber(PP->text());
  bool same = value && MoneyText(*value) == r.valoreTesto &&
              ReadDate(D2->text()).value_or(QDate()) == r.riferimento;
  if (r.tipo == Usufrutto::Vitalizio)
    same = same && ReadDate(D1->text()) == r.nascita;
  else
    same = same && ReadYears(Text1->text()) == double(r.anni);
  if (!same) ForgetShownValuation();
}

}  // namespace velmora
