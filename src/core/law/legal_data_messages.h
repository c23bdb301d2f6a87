#pragma once

#include <QString>

// Why a legal data file, or one of its lines, is not used; and why an added
// row is not needed. Texts with %1, %2... are filled with QString::arg; dates
// are dd/mm/yyyy, column names those of the file's header.
namespace velmora::text {

// ---- the file as a whole ----
inline const QString kDataTooLarge =
    QStringLiteral("il file supera %1 byte: non è un file di dati delle norme");
inline const QString kDataUtf16 =
    QStringLiteral("il file è in UTF-16 o UTF-32: va salvato come testo UTF-8");
inline const QString kDataCannotRead = QStringLiteral("impossibile leggere il file: %1");
inline const QString kDataNoHeader =
    QStringLiteral("manca la riga d'intestazione: il file ha solo commenti o righe vuote");
inline const QString kDataUnknownHeader = QStringLiteral(
    "intestazione non riconosciuta: la prima riga che non è un commento nomina le colonne del "
    "modulo, separate da tabulazioni, e comincia con «from, to, rate_percent», «year, "
    "rate_used_percent», «from, to, floor_percent» o «from, to, subject»");
// %1 the header expected, its columns joined by ", ".
inline const QString kDataWrongHeader = QStringLiteral(
    "intestazione diversa da quella del modulo: le colonne, separate da tabulazioni, sono «%1»");
inline const QString kDataTooManyProblems =
    QStringLiteral("troppe righe con errori: le altre non sono elencate");

// ---- a line ----
// The rest of the file is not read after these two.
inline const QString kDataNotUtf8 = QStringLiteral(
    "contiene byte che non sono testo UTF-8: il file va salvato in UTF-8 (il resto del file non è "
    "stato letto)");
// %1 the character as U+XXXX.
inline const QString kDataControl = QStringLiteral(
    "contiene un carattere di controllo (%1): tra le colonne va soltanto il tabulatore (il resto "
    "del file non è stato letto)");
inline const QString kDataColumns =
    QStringLiteral("%1 colonne invece di %2 (le colonne si separano con un tabulatore)");
// %1 the column, %2 the text.
inline const QString kDataDateForm = QStringLiteral(
    "colonna %1: «%2» non è una data nella forma aaaa-mm-gg (per esempio 2027-01-01)");
inline const QString kDataDateNotDay =
    QStringLiteral("colonna %1: %2 non è un giorno del calendario");
inline const QString kDataNoLastDay =
    QStringLiteral("colonna to: manca l'ultimo giorno del periodo");
// %1 the first day, %2 the last.
inline const QString kDataToBeforeFrom =
    QStringLiteral("il periodo finisce il %2, prima di cominciare il %1");
// %1 the column, %2 the text, %3 the text with a full stop.
inline const QString kDataDecimalComma =
    QStringLiteral("colonna %1: «%2» va scritto con il punto decimale, come %3");
inline const QString kDataNotNumber = QStringLiteral(
    "colonna %1: «%2» non è un numero scritto con cifre e, se serve, il punto decimale (2.5)");
inline const QString kDataDecimals = QStringLiteral("colonna %1: %2 ha più di due decimali");
inline const QString kDataRateRange =
    QStringLiteral("colonna %1: il saggio %2 non è maggiore di 0 e minore di 100");
inline const QString kDataDecreeDay =
    QStringLiteral("colonna %1: una data del decreto non è un giorno del calendario");
inline const QString kDataEmpty = QStringLiteral("colonna %1: è vuota");
// %1 the column, %2 its length, %3 the longest allowed.
inline const QString kDataTooLong =
    QStringLiteral("colonna %1: %2 caratteri, più dei %3 che una citazione o un decreto può avere");
inline const QString kDataBadYear =
    QStringLiteral("colonna year: «%1» non è un anno scritto con quattro cifre");
inline const QString kDataRateUsed = QStringLiteral(
    "colonna rate_used_percent: «%1» non è un saggio (2.5) né il saggio minimo con il saggio "
    "legale (2.5 (floor; legal rate 1.6))");
// %1 the floor, %2 the legal rate.
inline const QString kDataLegalNotBelow = QStringLiteral(
    "colonna rate_used_percent: il saggio legale %2 non è inferiore al saggio minimo %1");
// %1 how many, %2 how many bands.
inline const QString kDataCoefficientCount =
    QStringLiteral("%1 coefficienti invece dei %2 delle fasce d'età");
// %1 the band ("41-45"), %2 the text.
inline const QString kDataCoefficientForm = QStringLiteral(
    "coefficiente della fascia %1: «%2» non è un numero con al più due decimali e il punto "
    "decimale");
inline const QString kDataCoefficientTooLarge =
    QStringLiteral("coefficiente della fascia %1: %2 è troppo grande");
inline const QString kDataCoefficientZero =
    QStringLiteral("coefficiente della fascia %1: deve essere maggiore di zero");
// %1 the band, %2 its coefficient, %3 the band before, %4 its coefficient.
inline const QString kDataNotFalling = QStringLiteral(
    "il coefficiente della fascia %1 (%2) non è minore di quello della fascia %3 (%4): i "
    "coefficienti calano con l'età");
// %1 the band, %2 the coefficient, %3 the rate, %4 the share.
inline const QString kDataOverWhole = QStringLiteral(
    "il coefficiente della fascia %1 (%2) al saggio %3 dà un usufrutto del %4, oltre il 100%");
// %1 the text, %2 the subjects known.
inline const QString kDataUnknownSubject =
    QStringLiteral("colonna subject: «%1» non è una materia conosciuta (%2)");
// %1 the first day, %2 the other line, %3 its period.
inline const QString kDataOverlap =
    QStringLiteral("il periodo dal %1 si sovrappone a quello della riga %2 (%3)");
// %1 the other line, %2 and %3 the first and last day missing.
inline const QString kDataGap =
    QStringLiteral("tra il periodo della riga %1 e questo mancano i giorni dal %2 al %3");
inline const QString kDataRepeatedYear =
    QStringLiteral("i coefficienti del %1 sono già alla riga %2");

// ---- an added file against the built-in data and the other added files ----
// %1 the period added, %2 the period built in, %3 its decree.
inline const QString kDataChangesRate = QStringLiteral(
    "il saggio legale %1 cambierebbe quello dei dati incorporati %2 (%3): vale quello "
    "incorporato");
// %1 the year, %2 the last year built in.
inline const QString kDataChangesCoefficients = QStringLiteral(
    "i coefficienti del %1 cambierebbero quelli dei dati incorporati, che coprono gli anni fino "
    "al %2: valgono quelli incorporati");
// %1 what the row sets ("il saggio minimo"), %2 the last day built in.
inline const QString kDataStartsTooEarly = QStringLiteral(
    "un periodo per %1 può cominciare solo dopo il %2, l'ultimo giorno dei saggi legali "
    "incorporati: prima valgono i dati incorporati");
inline const QString kDataFloorSubject = QStringLiteral("il saggio minimo");
inline const QString kDataStatuteSubject = QStringLiteral("la norma citata (%1)");
// %1 the line, %2 the file read before.
inline const QString kDataDisagrees =
    QStringLiteral("non concorda con la riga %1 di %2, letto prima: il file non è usato");
// %1 the first day added, %2 the last day known, %3 and %4 the days missing.
inline const QString kDataRateAfterGap = QStringLiteral(
    "il saggio legale dal %1 non segue l'ultimo periodo noto, che finisce il %2: mancano i "
    "giorni dal %3 al %4");
// %1 the year added, %2 the last year known.
inline const QString kDataYearAfterGap =
    QStringLiteral("i coefficienti del %1 non seguono quelli dell'ultimo anno noto, il %2");
// %1 the year, %2 the rate the coefficients were made for, %3 the rate applied.
inline const QString kDataOffTheRate = QStringLiteral(
    "i coefficienti del %1 sono fatti al saggio %2, ma nel %1 si applica il saggio %3: vanno "
    "usati i coefficienti fatti al saggio applicato");
// %1 the rate used, %2 the legal rate below it.
inline const QString kDataFlooredRate = QStringLiteral("%1 (saggio minimo; saggio legale %2)");
// %1 the first day added, %2 the last day of the period before.
inline const QString kDataPeriodAfterGap =
    QStringLiteral("il periodo dal %1 non segue il precedente, che finisce il %2");
// Redundant rows. %1 what the built-in row holds, one of the texts below.
inline const QString kDataRepeatsBuiltIn =
    QStringLiteral("ripetuto: la versione incorporata contiene già %1: la riga non serve più");
// %1 the period, %2 the decree.
inline const QString kDataRateRow = QStringLiteral("il saggio legale %1, %2");
// %1 the year, %2 the decree.
inline const QString kDataCoefficientsRow = QStringLiteral("i coefficienti del %1, %2");
// %1 the period.
inline const QString kDataFloorRow = QStringLiteral("il saggio minimo %1");
// %1 the subject, %2 the period.
inline const QString kDataStatuteRow = QStringLiteral("la norma citata (%1) %2");
// %1 the line, %2 the file.
inline const QString kDataRepeatsFile = QStringLiteral("ripete la riga %1 di %2");

// ---- a problem as the user reads it ----
// %1 the file, %2 the line, %3 the reason.
inline const QString kDataProblemAtLine = QStringLiteral("%1, riga %2: %3");
// %1 the file, %2 the reason.
inline const QString kDataProblemOfFile = QStringLiteral("%1: %2");

}  // namespace velmora::text
