#pragma once

#include <QString>

// The words a valuation record holds.
namespace velmora::text {

// The age band of a lifetime valuation: "da 79 a 82 anni", "da 100 anni".
inline const QString kBandFromTo = QStringLiteral("da %1 a %2 anni");
inline const QString kBandFrom = QStringLiteral("da %1 anni");

}  // namespace velmora::text
