#include "app/frmusufrutto.h"

namespace velmora {
void Frmusufrutto::Option1_Click() {}
}  // namespace velmora
