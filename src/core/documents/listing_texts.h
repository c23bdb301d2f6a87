#pragma once

#include <QString>

// What the program writes of the files it reads: a batch's lines and the
// legal data in use (velmora dati), as lines of standard error and columns
// of the results. Texts with %1 and %2 are filled with QString::arg.
namespace velmora::text {

// A line on standard error: the program's name, then what it says.
inline const QString kDiagnostic = QStringLiteral("velmora: %1\n");
// The batch file. %1 is the file's name.
inline const QString kReadInterrupted =
    QStringLiteral("velmora: lettura del file %1 interrotta da un errore\n");
// %1 the file's name.
inline const QString kUtf16File = QStringLiteral(
    "velmora: il file %1 è in UTF-16: salvarlo come CSV in UTF-8 (\"CSV UTF-8\" nei fogli di "
    "calcolo)\n");
inline const QString kReadAsWindows1252 = QStringLiteral(
    "velmora: il file %1 non è in UTF-8: letto come Windows-1252 (il \"CSV (delimitato dal "
    "separatore di elenco)\" di Excel); i risultati sono in UTF-8\n");
inline const QString kNoHeader = QStringLiteral(
    "velmora: il file %1 non ha la riga d'intestazione con le colonne tipo e valore\n");
inline const QString kRepeatedColumn =
    QStringLiteral("velmora: il file %1 ha due volte la colonna %2\n");
// The errore column of a batch row. %1 is the line number.
// %1 is the line, or the lines of a record whose note holds line ends.
inline const QString kLine = QStringLiteral("riga %1");
inline const QString kLines = QStringLiteral("righe %1-%2");
inline const QString kUnclosedQuote = QStringLiteral("%1: virgolette non chiuse");
inline const QString kTextAfterQuote = QStringLiteral("%1: testo dopo le virgolette di chiusura");
inline const QString kWrongFieldCount =
    QStringLiteral("%1: %2 campi invece dei %3 dell'intestazione");
inline const QString kLineTooLong = QStringLiteral("%1: riga troppo lunga");
// A line that is not UTF-8 in a file whose first lines are.
inline const QString kNotUtf8Line = QStringLiteral(
    "%1: caratteri non in UTF-8, mentre le prime righe del file lo sono: salvare il file intero "
    "in una sola codifica (\"CSV UTF-8\" nei fogli di calcolo)");
inline const QString kUnknownKind =
    QStringLiteral("tipo non riconosciuto: %1 (vitalizio o tempo-determinato)");
inline const QString kUnknownRate = QStringLiteral("saggio non riconosciuto: %1 (data o 2016)");
inline const QString kUnknownRight =
    QStringLiteral("diritto non riconosciuto: %1 (usufrutto, uso o abitazione)");
inline const QString kUnknownTax =
    QStringLiteral("imposta non riconosciuta: %1 (registro o successioni)");
inline const QString kUnknownAccrual =
    QStringLiteral("accrescimento non riconosciuto: %1 (si o no)");

// ---- velmora dati: the legal data in use, one section each ----
inline const QString kDataRatesTitle =
    QStringLiteral("Saggio degli interessi legali (art. 1284 c.c.), per periodo");
inline const QString kDataFloorsTitle =
    QStringLiteral("Saggio minimo per l'usufrutto e le rendite, per periodo");
inline const QString kDataCoefficientsTitle =
    QStringLiteral("Coefficienti dell'usufrutto vitalizio, per anno dell'atto");
inline const QString kDataStatutesTitle = QStringLiteral("Norme citate, per materia e periodo");
inline const QString kDataFoldersTitle = QStringLiteral("Cartelle dei file aggiunti");
inline const QString kDataFilesTitle = QStringLiteral("File aggiunti in uso");
inline const QString kDataRedundantTitle = QStringLiteral("Righe ripetute");
inline const QString kDataRefusedTitle = QStringLiteral("File non usati");
inline const QString kDataNone = QStringLiteral("nessuno");
// The columns of the sections.
inline const QString kDataFrom = QStringLiteral("dal");
inline const QString kDataTo = QStringLiteral("al");
inline const QString kDataYear = QStringLiteral("anno");
inline const QString kDataRate = QStringLiteral("saggio");
inline const QString kDataDecree = QStringLiteral("decreto");
inline const QString kDataSubject = QStringLiteral("materia");
inline const QString kDataCitation = QStringLiteral("norma");
inline const QString kDataOrigin = QStringLiteral("fonte");
// The last day of a period in force until a later one begins.
inline const QString kDataOpenEnd = QStringLiteral("—");
// A row from an office's file: "aggiunti", then below the row the file and
// line (%1, %2).
inline const QString kDataAdded = QStringLiteral("aggiunti");
inline const QString kDataAddedAt = QStringLiteral("file %1, riga %2");
// %1 the rate used, %2 the legal rate below it.
inline const QString kDataFloored = QStringLiteral("%1 (saggio minimo; legale %2)");
// ---- velmora dati --verifica FILE ----
// %1 the file.
inline const QString kDataWouldBeUsed =
    QStringLiteral("Il file %1 sarebbe usato: aggiunge ai dati in uso");
inline const QString kDataAddsNothing = QStringLiteral(
    "Il file %1 sarebbe usato, ma non aggiunge nulla: ogni sua riga è già nei dati in uso.");
inline const QString kDataWouldBeRefused =
    QStringLiteral("Il file %1 non sarebbe usato, e non cambierebbe nulla:");
inline const QString kDataWouldNotBeUsed = QStringLiteral("Il file %1 non sarebbe usato:");
// The files in use now that the file checked, copied under its name, would
// leave out: read in name order, it may come before them.
inline const QString kDataOthersLeftOut =
    QStringLiteral("Copiato nella cartella con questo nome, lascerebbe da parte file ora in uso:");
// %1 the file.
inline const QString kDataReplaced =
    QStringLiteral("%1: sarebbe sostituito, perché ha lo stesso nome");
inline const QString kDataNoLongerNeeded = QStringLiteral("%1: le sue righe non servirebbero più");
// %1 the user's folder.
inline const QString kDataCopyInto = QStringLiteral(
    "Per usarlo, copiarlo nella cartella %1 (velmora dati lo mostra tra i file in "
    "uso).");
inline const QString kDataNotTsv = QStringLiteral(
    "Nota: nelle cartelle dei file aggiunti si leggono solo i file il cui nome finisce in .tsv.");
// A line of standard error: %1 the file, its line and why.
inline const QString kDataFileNotUsed = QStringLiteral("file di dati aggiunto non usato: %1");

}  // namespace velmora::text
