#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "core/messages.h"
#include "core/number_text.h"
#include "core/usufruct_tables.h"
#include "core/valuation.h"
#include "gui/colours.h"
#include "gui/main_window.h"
#include "gui/text_box.h"

// The fixed-term valuation: the row of the duration in Text1, the usufruct
// and bare ownership in the result fields, then the completion sound.
namespace velmora {
namespace {

constexpr double kMaxYears = 30;

// Sends the user back to the duration; a disabled field cannot take the focus,
// so then the message tells how to free it.
void AskForDuration(Frmusufrutto& w, const QString& prompt) {
  w.ClearResults(false);
  if (!w.Text1->isEnabled()) {
    w.Warn(text::kDurationLocked);
  } else {
    w.SetFocus(w.Text1);
    SetBackColor(w.Text1, colore::CianoChiaro);
    w.Text1->selectAll();  // a wrong duration is typed over
    w.Warn(prompt);
  }
  w.option5->setChecked(true);
}

}  // namespace

void Frmusufrutto::Option2_Click() {
  if (NoValue()) {
    RefuseValue();
    return;
  }
  if (Text1->text().isEmpty()) {
    AskForDuration(*this, text::kDurationFirst);
    return;
  }

  const TabellaTempoDeterminato* table = FixedTermTable();
  if (!table) return;

  const std::optional<double> years = ReadYears(Text1->text());
  const auto v = years ? ValutaTempoDeterminato(ValueOf(PP), *years, *table) : std::nullopt;
  if (!v && years && *years > kMaxYears) {
    ClearResults(false);
    Warn(text::kLongestDuration);
    Text1->setText({});
    return;
  }
  if (!v) {
    // Zero, negative, a fraction or no number at all: nothing to look up.
    AskForDuration(*this, text::kWholeYears);
    return;
  }

  US->setText(v->usufruttoText);
  NP->setText(v->nudaProprietaText);
  PERCUSU->setText(v->percUsufrutto);
  PERCNP->setText(v->percNudaProprieta);
  // The age of an earlier lifetime valuation stays: its dates are unchanged.
  RememberInputsOfFigures(!R5->text().isEmpty());

  ShowAsMoney(PP);
  ShowAsMoney(US);
  ShowAsMoney(NP);
  services().PlayWave(QStringLiteral("/IR_END.WAV"));
}

}  // namespace velmora
