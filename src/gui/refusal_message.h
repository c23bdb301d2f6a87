#pragma once

#include <QString>

#include "core/valuation/valuation_record.h"

namespace velmora {

// What a window tells the user of a refused valuation, in its message box.
QString RefusalMessage(const Rifiuto& refusal);

}  // namespace velmora
