#pragma once

#include <QString>

// The printer window's caption and messages.
namespace velmora::text {

inline const QString kPrinterWindowTitle = QStringLiteral("Stampanti");
// A printer setting that failed: "Property: " and the setting's name.
inline const QString kPropertyTitle = QStringLiteral("Property: ");
inline const QString kNoPrinters = QStringLiteral("No printers installed");
inline const QString kMakeCurrentFirst =
    QStringLiteral("Devi impostare la stampante come corrente");
// Conversions of the printer window's field texts.
inline const QString kTypeMismatch = QStringLiteral("Tipo non corrispondente");
inline const QString kOverflow = QStringLiteral("Overflow");

}  // namespace velmora::text
