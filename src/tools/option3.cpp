#include "app/frmusufrutto.h"

namespace velmora {
void Frmusufrutto::Option3_Click() {}
void Frmusufrutto::ExecFile(const QString&) {}
}  // namespace velmora
