#pragma once

#include <QString>

// What the service says: its start line, its usage errors and the messages of
// the answers it refuses. Texts with %1 and %2 are filled with the
// multi-argument QString::arg, never with data as the format.
namespace velmora::server::text {

// %1 http or https, %2 the address, %3 the port.
inline const QString kListening = QStringLiteral("velmora servizio: in ascolto su %1://%2:%3/\n");
inline const QString kStopping =
    QStringLiteral("velmora servizio: arresto, concluse le richieste in corso\n");
// %1 the address, %2 the port, %3 why.
inline const QString kCannotListen =
    QStringLiteral("velmora servizio: impossibile ascoltare su %1:%2: %3\n");
// %1 the file, %2 why.
inline const QString kServiceUnreadableFile =
    QStringLiteral("velmora servizio: impossibile leggere il file %1: %2\n");
inline const QString kNoCertificate = QStringLiteral("nessun certificato PEM leggibile");
inline const QString kNoKey = QStringLiteral("nessuna chiave privata PEM leggibile");
inline const QString kEmptyToken = QStringLiteral("la prima riga è vuota");

// Usage errors of "velmora servizio", for the command line's usage line.
inline const QString kServiceUnknownOption =
    QStringLiteral("opzione non riconosciuta per servizio: %1");
inline const QString kServiceOptionNeedsValue = QStringLiteral("l'opzione %1 richiede un valore");
inline const QString kServiceRepeatedOption =
    QStringLiteral("l'opzione %1 è data più di una volta");
inline const QString kBadPort =
    QStringLiteral("porta non valida: %1 (un numero da 0 a 65535; 0 sceglie una porta libera)");
inline const QString kBadAddress =
    QStringLiteral("indirizzo non valido: %1 (come 127.0.0.1, 0.0.0.0 o ::1)");
inline const QString kBadLimit = QStringLiteral(
    "limite del lotto non valido: %1 (un numero intero di MiB da 1 a 4096, come 256)");
inline const QString kCertificateWithKey =
    QStringLiteral("--certificato e --chiave vanno dati insieme");
inline const QString kBadOrigin = QStringLiteral(
    "origine non valida: %1 (schema, nome e porta facoltativa, come https://studio.example:8443)");
// %1 what is wrong.
inline const QString kServiceUsageError = QStringLiteral(
    "velmora: %1\n"
    "Per l'elenco dei comandi e delle opzioni: velmora --help\n");

// ---- the answers ----
inline const QString kNotFound = QStringLiteral("indirizzo non trovato: %1");
// %1 the methods allowed.
inline const QString kMethodNotAllowed =
    QStringLiteral("metodo non ammesso per questo indirizzo (ammessi: %1)");
inline const QString kUnauthorized = QStringLiteral(
    "serve il codice di accesso: l'intestazione Authorization: Bearer seguita dal codice");
// %1 the content type wanted.
inline const QString kWrongContentType =
    QStringLiteral("tipo di contenuto non ammesso: inviare %1");
// %1 the limit as "64 KiB" or "256 MiB".
inline const QString kTooLarge = QStringLiteral("la richiesta supera il limite di %1");
inline const QString kHeadersTooLarge =
    QStringLiteral("le intestazioni della richiesta superano il limite di %1");
inline const QString kLengthRequired = QStringLiteral(
    "la richiesta deve dire la lunghezza del corpo (Content-Length), senza Transfer-Encoding");
inline const QString kTimeOut =
    QStringLiteral("la richiesta non è arrivata per intero in tempo: riprovare");
inline const QString kTooManyConnections =
    QStringLiteral("troppe connessioni aperte: riprovare tra poco");
inline const QString kOriginRefused =
    QStringLiteral("origine non ammessa per le richieste da altri siti");
inline const QString kMalformedJson = QStringLiteral("il corpo non è un JSON valido: %1");
inline const QString kNotAnObject =
    QStringLiteral("il corpo deve essere un oggetto JSON, come {\"tipo\": \"vitalizio\", ...}");
inline const QString kNamelessField = QStringLiteral(
    "il corpo ha un campo senza nome: ogni campo ne ha uno (tipo, valore, nascite, ...)");
inline const QString kNotUtf8 = QStringLiteral("il corpo non è in UTF-8");
inline const QString kBatchFailed = QStringLiteral("il lotto non è stato valutato: %1");
inline const QString kBatchInputName = QStringLiteral("del corpo della richiesta");

// ---- a field of the case refused by the JSON reader ----
// %1 the field.
inline const QString kUnknownField = QStringLiteral(
    "%1: campo sconosciuto (i campi sono tipo, valore, nascite, accrescimento, diritto, imposta, "
    "anni, data, saggio)");
inline const QString kMissingField = QStringLiteral("%1: campo obbligatorio mancante");
// %1 the field, %2 the type wanted.
inline const QString kWrongType = QStringLiteral("%1: tipo non ammesso, serve %2");
inline const QString kTypeText = QStringLiteral("un testo");
inline const QString kTypeAmount =
    QStringLiteral("un numero con al più due decimali o un testo come \"250.000,50\"");
inline const QString kTypeYears = QStringLiteral("un numero intero o un testo");
inline const QString kTypeDates = QStringLiteral("una lista di date come testi");
inline const QString kTypeBoolean = QStringLiteral("true o false");
// %1 the field, %2 the value, %3 the values allowed.
inline const QString kServiceBadChoice =
    QStringLiteral("%1 «%2»: valore non ammesso (ammessi: %3)");
// %1 the field.
inline const QString kAmountDecimals = QStringLiteral(
    "%1: più di due decimali: scrivere l'importo al centesimo, come 250000.5 o \"250.000,50\"");

}  // namespace velmora::server::text
