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
    "comando non riconosciuto: %1 (i comandi sono vitalizio, tempo-determinato, lotto, dati, "
    "mcp e servizio)");
// %1 is the command.
inline const QString kUnknownOption = QStringLiteral("opzione non riconosciuta per %1: %2");
inline const QString kOptionNeedsValue = QStringLiteral("l'opzione %1 richiede un valore");
inline const QString kRepeatedOption = QStringLiteral("l'opzione %1 è data più di una volta");
inline const QString kEmptyOption = QStringLiteral("l'opzione %1 ha un valore vuoto");
inline const QString kMissingOption = QStringLiteral("%1 richiede l'opzione %2");
// %3 lists the values allowed.
inline const QString kBadChoice = QStringLiteral("valore non ammesso per %1: %2 (ammessi: %3)");
inline const QString kExtraArgument = QStringLiteral("argomento in più: %1");
// The batch file. %1 is the file's name.
inline const QString kUnreadableFile =
    QStringLiteral("velmora: impossibile leggere il file %1: %2\n");
inline const QString kStandardInput = QStringLiteral("standard input");
// The results did not all reach standard output (a full disk, say).
inline const QString kOutputFailed =
    QStringLiteral("velmora: impossibile scrivere i risultati sullo standard output\n");
}  // namespace velmora::text
