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

// The captions of the printer window's fields and buttons, as it shows them.
inline const QString kDriverCaption = QStringLiteral("DriverName");
inline const QString kPrinterCaption = QStringLiteral("Stampante");
inline const QString kPortCaption = QStringLiteral("Porta");
inline const QString kTrackDefault = QStringLiteral("&Track Default");
inline const QString kWidthCaption = QStringLiteral("Width");
inline const QString kHeightCaption = QStringLiteral("Height");
inline const QString kPrintButton = QStringLiteral("Stampa");
inline const QString kMakeCurrentButton = QStringLiteral("&Imposta corrente");
inline const QString kPaperCaption = QStringLiteral("Formato");
inline const QString kOrientationCaption = QStringLiteral("Orientamento");
inline const QString kColourCaption = QStringLiteral("ColorMode");
inline const QString kCopiesCaption = QStringLiteral("N. Copie");
inline const QString kDuplexCaption = QStringLiteral("Duplex");
inline const QString kPaperBinCaption = QStringLiteral("Alimentarore");
inline const QString kQualityCaption = QStringLiteral("PrintQuality");
inline const QString kScaleTopCaption = QStringLiteral("ScaleTop");
inline const QString kScaleLeftCaption = QStringLiteral("ScaleLeft");
inline const QString kScaleHeightCaption = QStringLiteral("ScaleHeight");
inline const QString kScaleWidthCaption = QStringLiteral("ScaleWidth");
inline const QString kZoomCaption = QStringLiteral("Zoom");

}  // namespace velmora::text
