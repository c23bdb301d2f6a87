#include <QRadioButton>

#include "gui/colours.h"
#include "gui/main_window.h"

// The action buttons light up under the mouse; the bare surface of the window
// or of their frame gives them their own colours back.
namespace velmora {
namespace {
void RestoreDesignColours(Frmusufrutto& w) {
  SetBackColor(w.Option1, colore::VerdeChiaro);
  SetBackColor(w.Option2, colore::Rosa);
  SetBackColor(w.Option3, colore::CianoChiaro);
  SetBackColor(w.Option6, colore::Grigio);
}
}  // namespace

void Frmusufrutto::Form_MouseMove() {
  RestoreDesignColours(*this);
}
void Frmusufrutto::Frame1_MouseMove() {
  RestoreDesignColours(*this);
}
void Frmusufrutto::Option1_MouseMove() {
  SetBackColor(Option1, colore::Bianco);
}
void Frmusufrutto::Option2_MouseMove() {
  SetBackColor(Option2, colore::Bianco);
}
void Frmusufrutto::Option3_MouseMove() {
  SetBackColor(Option3, colore::Bianco);
}
void Frmusufrutto::Option6_MouseMove() {
  SetBackColor(Option6, colore::Bianco);
}

}  // namespace velmora
