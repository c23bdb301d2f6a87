#pragma once

#include <QString>

// A case's texts refused by the strict reader, in the words of the command
// line, the batch, the service and the tools: the input's name (an option, a
// column, a field), the value as given, and why, with the form wanted. Texts
// with %1 and %2 are filled with QString::arg.
namespace velmora::text {

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

}  // namespace velmora::text
