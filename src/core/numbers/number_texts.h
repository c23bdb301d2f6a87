#pragma once

#include <QString>

// The words of amounts as acts write them.
namespace velmora::text {

// %1 the figures without the euro sign, %2 the words.
inline const QString kEuroInWords = QStringLiteral("euro %1 (%2)");
inline const QString kEuro = QStringLiteral("euro %1");

}  // namespace velmora::text
