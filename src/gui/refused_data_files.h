#pragma once

#include "core/law/legal_data_in_use.h"
#include "platform/services.h"

namespace velmora {

// Tells once, in a message box over the main window, which of the office's
// added data files are not used, each with its line and reason; nothing when
// every file is used.
void SayRefusedDataFiles(Services& services, const DatiLegali& law);

}  // namespace velmora
