#include "app/frmusufrutto.h"

namespace velmora {
void Frmusufrutto::D1_GotFocus() {}
void Frmusufrutto::D1_Click() {}
void Frmusufrutto::D1_LostFocus() {}
void Frmusufrutto::Text1_GotFocus() {}
void Frmusufrutto::Text1_Click() {}
void Frmusufrutto::Text1_LostFocus() {}
QString Frmusufrutto::ConversionedtNascita() {
  return {};
}
}  // namespace velmora
