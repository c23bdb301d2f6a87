#pragma once

#include <QString>

// What velmora mcp says to an assistant: the tools' descriptions, the
// properties' descriptions and the refusals of the protocol and of the
// arguments. Texts with %1 and %2 are filled with QString::arg.
namespace velmora::text {

inline const QString kMcpInstructions = QStringLiteral(
    "Velmora calcola il valore dell'usufrutto (o del diritto di uso o di abitazione), "
    "vitalizio o a tempo determinato, e della nuda proprietà ai fini delle imposte di "
    "registro e di successione e donazione, al saggio e con i coefficienti in vigore alla "
    "data dell'atto (dal 2025 almeno il 2,5%) o con la tabella 2016. Usare questi strumenti "
    "invece di calcolare a memoria; citare il prospetto restituito così come è.");

// ---- the tools ----
inline const QString kToolLifetimeTitle = QStringLiteral("Usufrutto vitalizio");
inline const QString kToolLifetime = QStringLiteral(
    "Valuta un usufrutto vitalizio (o un diritto di uso o di abitazione) e la nuda proprietà "
    "dal valore della piena proprietà e dalle date di nascita dei titolari (da 1 a 10), alla "
    "data dell'atto. Restituisce il prospetto di calcolo con la base normativa e i dati in "
    "forma strutturata.");
inline const QString kToolFixedTermTitle = QStringLiteral("Usufrutto a tempo determinato");
inline const QString kToolFixedTerm = QStringLiteral(
    "Valuta un usufrutto a tempo determinato da 1 a 30 anni e la nuda proprietà alla data "
    "dell'atto; per l'imposta sulle successioni e donazioni, con la data di nascita del "
    "beneficiario, applica il limite del valore dell'usufrutto vitalizio.");
inline const QString kToolDataTitle = QStringLiteral("Dati delle norme in uso");
inline const QString kToolData = QStringLiteral(
    "Elenca i dati delle norme su cui si basano le valutazioni: saggi legali per periodo, "
    "saggio minimo, coefficienti dell'usufrutto vitalizio per anno e norme citate, ciascuno "
    "con il decreto e la fonte (incorporati nel programma o aggiunti dallo studio).");

// ---- the properties ----
inline const QString kPropValue = QStringLiteral(
    "Valore della piena proprietà in euro: un numero JSON con al più due decimali (250000.5) "
    "o un testo nella forma italiana (250.000,50; il punto separa solo gruppi di tre cifre).");
inline const QString kPropBirths = QStringLiteral(
    "Date di nascita dei titolari, da 1 a 10, come 1950-05-03 o 03/05/1950 (giorno prima del "
    "mese, anno di quattro cifre).");
inline const QString kPropBeneficiary = QStringLiteral(
    "Data di nascita del beneficiario (una sola), per il limite dell'imposta sulle "
    "successioni e donazioni: va con imposta successioni. Come 1950-05-03 o 03/05/1950.");
inline const QString kPropAccrual = QStringLiteral(
    "Con più titolari, obbligatorio: true se tra loro c'è diritto di accrescimento (vale l'età "
    "del più giovane), false se no (vale l'età del più anziano).");
inline const QString kPropRight =
    QStringLiteral("Diritto valutato: usufrutto (predefinito), uso o abitazione.");
inline const QString kPropTax = QStringLiteral(
    "Imposta: registro (predefinita) o successioni (imposta sulle successioni e donazioni).");
inline const QString kPropYears =
    QStringLiteral("Durata dell'usufrutto in anni interi, da 1 a 30.");
inline const QString kPropDate = QStringLiteral(
    "Data dell'atto (data di riferimento), come 2026-12-07 o 07/12/2026; se manca, oggi.");
inline const QString kPropRate = QStringLiteral(
    "data (predefinito): saggio e coefficienti in vigore alla data dell'atto; 2016: tabella "
    "2016 allo 0,2%.");

// ---- the arguments refused: the property, and the form wanted ----
// %1 the property.
inline const QString kMcpUnknownProperty =
    QStringLiteral("%1: proprietà non prevista da questo strumento");
inline const QString kMcpWantText = QStringLiteral("%1: scrivere un testo");
inline const QString kMcpWantBirthList =
    QStringLiteral("%1: scrivere un elenco di date come testi, come [\"1950-05-03\"]");
inline const QString kMcpWantBoolean = QStringLiteral("%1: scrivere true o false");
inline const QString kMcpWantAmount = QStringLiteral(
    "%1: scrivere un numero con al più due decimali (250000.5) o un testo come 250.000,50");
inline const QString kMcpWantYears =
    QStringLiteral("%1: scrivere un numero intero di anni da 1 a 30, come 10");
// %1 the property, %2 the value, %3 the values allowed.
inline const QString kMcpBadChoice = QStringLiteral("%1 «%2»: valore non ammesso (ammessi: %3)");

// ---- the protocol's errors ----
inline const QString kMcpParseError =
    QStringLiteral("messaggio non leggibile: una riga deve essere un oggetto JSON in UTF-8");
// %1 the most bytes of a line.
inline const QString kMcpLineTooLong =
    QStringLiteral("messaggio troppo lungo: al più %1 byte per riga");
inline const QString kMcpInvalidRequest = QStringLiteral(
    "richiesta non valida: serve un oggetto con jsonrpc \"2.0\", method e, per una richiesta, "
    "id numero o testo");
// %1 the method.
inline const QString kMcpUnknownMethod = QStringLiteral("metodo non previsto: %1");
inline const QString kMcpNotInitialized =
    QStringLiteral("sessione non inizializzata: inviare prima initialize");
inline const QString kMcpAlreadyInitialized = QStringLiteral("sessione già inizializzata");
inline const QString kMcpBadInitialize =
    QStringLiteral("parametri di initialize non validi: serve protocolVersion come testo");
inline const QString kMcpBadParams = QStringLiteral("params deve essere un oggetto");
inline const QString kMcpBadCall = QStringLiteral(
    "parametri di tools/call non validi: servono name (testo) e arguments (oggetto)");
// %1 the tool's name.
inline const QString kMcpUnknownTool = QStringLiteral("strumento non previsto: %1");
inline const QString kMcpInputFailed = QStringLiteral("lettura dello standard input interrotta");
inline const QString kMcpOutputGone =
    QStringLiteral("standard output chiuso: il client non legge più le risposte");
// A line of standard error: what was refused, never what a case held.
inline const QString kMcpDiagnostic = QStringLiteral("velmora mcp: %1\n");

}  // namespace velmora::text
