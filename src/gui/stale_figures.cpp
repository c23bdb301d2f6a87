#include <QLineEdit>
#include <QRadioButton>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "gui/main_window.h"
#include "gui/settled_input.h"

// The figures on screen belong to the inputs on screen: a new value, a new
// number of years, another reference date or another birth date takes them
// away, with the valuation that the report commands use, and the user asks
// for the valuation again.
namespace velmora {

void Frmusufrutto::ClearResults(bool withAge) {
  for (QLineEdit* field : {US, NP, PERCUSU, PERCNP}) field->setText({});
  if (withAge)
    for (QLineEdit* field : {R5, R6, R7}) field->setText({});
  option5->setChecked(true);
  ForgetShownValuation();
  if (!basis_) return;
  basis_->figures = false;
  if (withAge || !basis_->age) basis_.reset();
}

void Frmusufrutto::RememberInputsOfFigures(bool withAge) {
  basis_ = ShownBasis{ReferenceDate().value_or(QDate()),
                      BirthDate(),
                      SettledAmount(PP->text()),
                      Text1->text(),
                      true,
                      withAge};
}

void Frmusufrutto::DropStaleFigures() {
  if (!basis_) return;
  // The age is that of two dates, and the lifetime figures go with it.
  if (ReferenceDate().value_or(QDate()) != basis_->reference ||
      (basis_->age && BirthDate() != basis_->birth)) {
    ClearResults(true);
    return;
  }
  if (basis_->figures &&
      (SettledAmount(PP->text()) != basis_->value || Text1->text() != basis_->years))
    ClearResults(false);
}

}  // namespace velmora
