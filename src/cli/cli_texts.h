#pragma once

#include <QString>

// What the command line writes: the help, the version, and the diagnostics on
// standard error, one line each, naming the program. Texts with %1 and %2 are
// filled with QString::arg.
namespace velmora::text {

inline const QString kHelp = QStringLiteral(
    "Uso: velmora [OPZIONE]\n"
    "     velmora vitalizio --valore VALORE --nascita DATA [--nascita DATA]...\n"
    "                       [--accrescimento si|no] [OPZIONI]\n"
    "     velmora tempo-determinato --valore VALORE --anni ANNI [--nascita DATA]\n"
    "                       [OPZIONI]\n"
    "     velmora lotto [FILE|-]\n"
    "     velmora dati [--verifica FILE]\n"
    "     velmora mcp\n"
    "     velmora servizio [--indirizzo INDIRIZZO] [--porta N] [OPZIONI DEL SERVIZIO]\n"
    "Calcola il valore dell'usufrutto (o del diritto di uso o di abitazione),\n"
    "vitalizio o a tempo determinato, e della nuda proprietà al saggio legale.\n"
    "Senza comando apre la finestra del programma.\n"
    "\n"
    "Comandi:\n"
    "  vitalizio           valuta un usufrutto vitalizio dalla data di nascita\n"
    "                      velmora vitalizio --valore 250.000 --nascita 03/05/1950\n"
    "  tempo-determinato   valuta un usufrutto a tempo determinato da 1 a 30 anni\n"
    "                      velmora tempo-determinato --valore 100000 --anni 10\n"
    "  lotto               valuta i casi di un file CSV (o dello standard input) e\n"
    "                      scrive una riga di risultati per caso\n"
    "                      velmora lotto casi.csv > risultati.csv\n"
    "  dati                mostra i dati delle norme in uso (saggi legali, saggio\n"
    "                      minimo, coefficienti, norme citate) con il decreto e la\n"
    "                      fonte, i file aggiunti dallo studio e quelli non usati\n"
    "  dati --verifica FILE\n"
    "                      controlla un file da aggiungere: dice che cosa\n"
    "                      aggiungerebbe o perché non sarebbe usato, riga per riga\n"
    "  mcp                 offre le valutazioni come strumenti agli assistenti di\n"
    "                      intelligenza artificiale con il Model Context Protocol:\n"
    "                      messaggi JSON-RPC, uno per riga, sullo standard input e\n"
    "                      output (strumenti valuta_vitalizio, valuta_tempo_determinato\n"
    "                      e dati_legali); termina alla fine dell'input\n"
    "  servizio            offre le valutazioni come pagina web e come API JSON\n"
    "                      (/api/v1) ai PC dello studio, senza schermo grafico;\n"
    "                      scrive una riga per richiesta sullo standard error, mai\n"
    "                      un valore o una data; si ferma con SIGTERM o Ctrl+C\n"
    "\n"
    "Opzioni del servizio:\n"
    "  --indirizzo INDIRIZZO\n"
    "                      indirizzo di ascolto (predefinito 127.0.0.1, solo questo\n"
    "                      computer; 0.0.0.0 apre il servizio alla rete dello studio)\n"
    "  --porta N           porta di ascolto (predefinita 8470; 0 ne sceglie una libera)\n"
    "  --certificato FILE --chiave FILE\n"
    "                      certificato e chiave PEM: il servizio risponde in HTTPS\n"
    "  --token-file FILE   chiede a ogni richiesta all'API il codice della prima riga\n"
    "                      del file (Authorization: Bearer CODICE)\n"
    "  --origine ORIGINE   l'unico sito di un'altra origine ammesso a chiamare l'API\n"
    "                      dal browser (come https://gestionale.studio.it)\n"
    "  --limite-lotto MIB  dimensione massima di un lotto in MiB (predefinita 256)\n"
    "\n"
    "Opzioni dei comandi:\n"
    "  --valore VALORE     valore della piena proprietà nella forma italiana\n"
    "                      (250000, 250.000, 250.000,50, € 250.000,50); il punto\n"
    "                      separa solo gruppi di tre cifre, al più due decimali\n"
    "  --nascita DATA      data di nascita dell'usufruttuario (03051950, 03/05/1950,\n"
    "                      3 maggio 1950, 1950-05-03), con l'anno di quattro cifre;\n"
    "                      ripetuta per più titolari; per tempo-determinato, la data\n"
    "                      del beneficiario per il limite con --imposta successioni\n"
    "  --accrescimento si|no\n"
    "                      con più titolari: si, all'età del più giovane; no,\n"
    "                      all'età del più anziano\n"
    "  --anni ANNI         durata dell'usufrutto in anni interi\n"
    "  --data DATA         data di riferimento (predefinita: oggi)\n"
    "  --diritto DIRITTO   usufrutto (predefinito), uso o abitazione\n"
    "  --imposta IMPOSTA   registro (predefinita) o successioni (successioni e\n"
    "                      donazioni)\n"
    "  --saggio data|2016  saggio in vigore alla data di riferimento (predefinito)\n"
    "                      o tabella 2016 allo 0,2%\n"
    "  --formato FORMATO   testo (prospetto di calcolo, predefinito), json o csv\n"
    "Ogni opzione si dà una volta sola, tranne --nascita.\n"
    "\n"
    "Il file del lotto ha i campi separati da \";\" e una riga d'intestazione con le\n"
    "colonne tipo;valore;nascita;anni;data;saggio;diritto;accrescimento;imposta in\n"
    "qualsiasi ordine (solo tipo e valore sono obbligatorie); tipo è vitalizio o\n"
    "tempo-determinato; nascita può unire più date con \"+\" (03/05/1950+20/12/1947).\n"
    "I risultati ripetono le colonne lette e aggiungono età, saggio, quote, importi,\n"
    "errore, diritto, imposta, regola, limite, fonte_dati e avvertenza (la tabella\n"
    "2016 per un atto di un altro anno). Il file è in UTF-8 o, come lo salva Excel,\n"
    "in Windows-1252 (detto sullo standard error); i risultati sono in UTF-8.\n"
    "\n"
    "Lo studio aggiunge i decreti nuovi con file .tsv nella cartella velmora/dati\n"
    "sotto $XDG_DATA_HOME (~/.local/share) o sotto le cartelle di $XDG_DATA_DIRS;\n"
    "un file con una riga sbagliata non è usato e i comandi lo segnalano.\n"
    "\n"
    "Altre opzioni:\n"
    "  -h, --help          mostra questo aiuto ed esce\n"
    "  -v, --version       mostra la versione ed esce\n"
    "\n"
    "Stato di uscita:\n"
    "  0  tutti i casi valutati; dati --verifica: il file sarebbe usato\n"
    "  1  caso rifiutato, o alcune righe del lotto rifiutate; dati --verifica: il\n"
    "     file non sarebbe usato; senza comando: lo schermo grafico non si apre\n"
    "  2  errore negli argomenti\n"
    "  3  file del lotto o dei dati non leggibile, o risultati non scritti; mcp:\n"
    "     input o output interrotto\n"
    "Le istruzioni d'uso sono nel menu \"?\" del programma; vedere anche man velmora.\n");
inline const QString kVersion = QStringLiteral(
    "velmora %1\n"
    "Copyright (C) 2026 Dovel\n"
    "Licenza GPL-3.0 o successiva: <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "Questo è software libero: lo si può modificare e ridistribuire.\n"
    "Non c'è ALCUNA GARANZIA, nei limiti consentiti dalla legge.\n");
inline const QString kNoDisplay = QStringLiteral(
    "velmora: impossibile aprire la finestra: nessuno schermo grafico raggiungibile.\n"
    "Avviare il programma da una sessione grafica (controllare DISPLAY o WAYLAND_DISPLAY).\n");
// A usage error: %1 is what is wrong, one of the texts below.
inline const QString kUsageError = QStringLiteral(
    "velmora: %1\n"
    "Per l'elenco dei comandi e delle opzioni: velmora --help\n");
inline const QString kUnknownArgument = QStringLiteral("argomento non riconosciuto: %1");
inline const QString kUnknownCommand = QStringLiteral(
    "comando non riconosciuto: %1 (i comandi sono vitalizio, tempo-determinato, lotto, dati e "
    "mcp)");
// %1 is the command.
inline const QString kUnknownOption = QStringLiteral("opzione non riconosciuta per %1: %2");
inline const QString kOptionNeedsValue = QStringLiteral("l'opzione %1 richiede un valore");
inline const QString kRepeatedOption = QStringLiteral("l'opzione %1 è data più di una volta");
inline const QString kEmptyOption = QStringLiteral("l'opzione %1 ha un valore vuoto");
inline const QString kMissingOption = QStringLiteral("%1 richiede l'opzione %2");
// %3 lists the values allowed.
inline const QString kBadChoice = QStringLiteral("valore non ammesso per %1: %2 (ammessi: %3)");
inline const QString kExtraArgument = QStringLiteral("argomento in più: %1");
// A line on standard error: the program's name, then what it says.
inline const QString kDiagnostic = QStringLiteral("velmora: %1\n");
// The batch file. %1 is the file's name.
inline const QString kUnreadableFile =
    QStringLiteral("velmora: impossibile leggere il file %1: %2\n");
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
inline const QString kStandardInput = QStringLiteral("standard input");
// The results did not all reach standard output (a full disk, say).
inline const QString kOutputFailed =
    QStringLiteral("velmora: impossibile scrivere i risultati sullo standard output\n");
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

// ---- a case refused: the option or column, the value as given, and why ----
// %1 the option or the column, %2 the value, %3 the reason below.
inline const QString kInputRefused = QStringLiteral("%1 «%2»: %3");
// %1 the option or the column, %2 what is missing.
inline const QString kInputMissing = QStringLiteral("%1: %2");
inline const QString kNotAnAmount =
    QStringLiteral("non è un importo; scrivere l'importo in euro come 250.000,50");
inline const QString kStrayFullStops = QStringLiteral(
    "il punto separa solo gruppi di tre cifre e la virgola i decimali: scrivere l'importo come "
    "250.000,50");
inline const QString kTooManyDecimals =
    QStringLiteral("più di due decimali: scrivere l'importo al centesimo, come 250.000,50");
inline const QString kNotAboveZero =
    QStringLiteral("l'importo al centesimo deve essere maggiore di zero, come 250.000,50");
// %1 the largest amount as a money text.
inline const QString kAboveLargest = QStringLiteral("l'importo supera il massimo di %1");
inline const QString kNotADate = QStringLiteral(
    "non è una data: scrivere la data come 03/05/1950, 03051950, 3 maggio 1950 o 1950-05-03 "
    "(giorno prima del mese, anno di quattro cifre)");
inline const QString kNoValue = QStringLiteral("manca il valore della piena proprietà");
inline const QString kNoBirthDate = QStringLiteral("manca la data di nascita");
inline const QString kNoYears = QStringLiteral("manca il numero di anni di durata");
// %1 the reference date.
inline const QString kBornAfter =
    QStringLiteral("la data di nascita è successiva alla data di riferimento (%1)");
// %1 the most years, %2 the reference date.
inline const QString kBornTooLongAgo = QStringLiteral(
    "la data di nascita è di più di %1 anni prima della data di riferimento (%2): controllare "
    "l'anno, di quattro cifre");
inline const QString kNotWholeYears =
    QStringLiteral("la durata è un numero intero di anni da 1 a 30");
inline const QString kBeyondLongest =
    QStringLiteral("la durata massima per il calcolo è di 30 anni");
// %1 and %2 the first and last days with a legal rate.
inline const QString kNoRateKnown = QStringLiteral(
    "per questa data non è noto il saggio degli interessi legali: il calcolo al saggio in vigore "
    "copre le date dal %1 al %2");
// %1 the year, %2 and %3 the first and last days of the years with coefficients.
inline const QString kNoCoefficientsKnown = QStringLiteral(
    "per il %1 non sono noti i coefficienti dell'usufrutto vitalizio: il calcolo al saggio in "
    "vigore li applica agli atti dal %2 al %3");

// An input the kind of valuation has no use for. %1 the option or the
// column, %2 why.
inline const QString kInputNotTaken = QStringLiteral("%1: %2");
inline const QString kYearsOnlyForFixedTerm = QStringLiteral(
    "la durata in anni vale solo per tempo-determinato: il vitalizio dura quanto la vita del "
    "titolare");
inline const QString kAccrualOfOneLife = QStringLiteral(
    "l'accrescimento vale solo tra più titolari: con una sola data di nascita non va indicato");
inline const QString kAccrualOnlyForLifetime = QStringLiteral(
    "l'accrescimento vale solo per un vitalizio di più titolari, non per tempo-determinato");
inline const QString kOneBeneficiary = QStringLiteral(
    "un usufrutto a tempo determinato ha un solo beneficiario: una sola data di nascita");
// %1 the option or the column of the tax.
inline const QString kLimitOnlyForSuccession = QStringLiteral(
    "per tempo-determinato la data di nascita dà l'età del beneficiario per il limite "
    "dell'imposta sulle successioni e donazioni: va con %1 successioni");
inline const QString kNoAccrual = QStringLiteral(
    "con più date di nascita l'atto deve dire se tra i titolari c'è diritto di accrescimento "
    "(si o no)");
// %1 the most lives.
inline const QString kTooManyLives = QStringLiteral("al più %1 date di nascita");
inline const QString kNoStatuteKnown = QStringLiteral(
    "per questa data non è noto il riferimento normativo dell'imposta o del diritto valutato");
// %1 the last day with a legal rate, %2 where to add a decree.
inline const QString kPastTheRates =
    QStringLiteral("il saggio degli interessi legali è noto fino al %1; %2");
// %1 the year, %2 the last day with coefficients, %3 where to add a decree.
inline const QString kPastTheCoefficients = QStringLiteral(
    "per il %1 non sono noti i coefficienti dell'usufrutto vitalizio (noti fino al %2); %3");
// %1 the office's folder.
inline const QString kHowToAdd = QStringLiteral(
    "per aggiungere il decreto, scriverlo in un file della cartella %1 (velmora dati "
    "--verifica FILE lo controlla, velmora dati mostra i dati in uso)");

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
