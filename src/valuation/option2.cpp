#include "app/frmusufrutto.h"

namespace velmora {
void Frmusufrutto::Option2_Click() {}
}  // namespace velmora
