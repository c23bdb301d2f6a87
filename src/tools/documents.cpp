#include "app/frmusufrutto.h"

namespace velmora {
void Frmusufrutto::istruzioni_Click() {}
void Frmusufrutto::normativa_Click() {}
void Frmusufrutto::sito_Click() {}
void Frmusufrutto::TabellePrecedenti_Click() {}
void Frmusufrutto::TabelleUsufruttoDeterminato_Click() {}
void Frmusufrutto::TabellaVigente_Click() {}
void Frmusufrutto::Image1_Click() {}
}  // namespace velmora
