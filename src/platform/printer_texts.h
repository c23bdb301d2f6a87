#pragma once

#include <QString>

// Why a printer setting or a printout failed, as the printer window shows it;
// %1 is the printer's name in quotes.
namespace velmora::text {

// Failures of the printing service; %1 is the printer's name in quotes.
inline const QString kInvalidValue = QStringLiteral("Valore della proprietà non valido");
inline const QString kNoPaperSize = QStringLiteral("La stampante %1 non ha il formato carta %2");
inline const QString kNoColourMode =
    QStringLiteral("La stampante %1 non stampa in questo modo colore");
inline const QString kNoDuplexMode =
    QStringLiteral("La stampante %1 non stampa fronte-retro in questo modo");
inline const QString kNoResolution = QStringLiteral("La stampante %1 non ha questa risoluzione");
inline const QString kCannotPrint = QStringLiteral("Impossibile stampare con la stampante %1");
inline const QString kPrintFailed = QStringLiteral("La stampa con la stampante %1 non è riuscita");
inline const QString kNoCurrentPrinter = QStringLiteral("Nessuna stampante corrente");
inline const QString kUnreadableSettings =
    QStringLiteral("Impossibile leggere le impostazioni della stampante %1");
inline const QString kUnreadablePaper =
    QStringLiteral("Impossibile leggere il formato carta della stampante %1");
inline const QString kNoCustomPaper =
    QStringLiteral("La stampante %1 non accetta formati carta personalizzati");
inline const QString kPaperOutOfRange =
    QStringLiteral("Formato carta fuori dai limiti della stampante %1");
inline const QString kPaperRefused =
    QStringLiteral("La stampante %1 non accetta il formato carta %2");
inline const QString kNoSuchPrinter = QStringLiteral("Indice non compreso nell'intervallo");

}  // namespace velmora::text
