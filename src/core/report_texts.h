#pragma once

#include <QString>

// The texts of the calculation report and of the values for an act, and the
// words of the record that they print (the age band, the amounts in words).
// Texts with %1 and %2 are filled with QString::arg.
namespace velmora::text {

// Where the floor of the rate comes from, in the JSON output.
inline const QString kRateFloorArticle =
    QStringLiteral("art. 46, comma 5-ter, D.P.R. 131/1986, introdotto dal D.Lgs. 139/2024");
// The age band of a lifetime valuation: "da 79 a 82 anni", "da 100 anni".
inline const QString kBandFromTo = QStringLiteral("da %1 a %2 anni");
inline const QString kBandFrom = QStringLiteral("da %1 anni");
// An amount as acts write it: %1 the figures without the euro sign, %2 the words.
inline const QString kEuroInWords = QStringLiteral("euro %1 (%2)");
inline const QString kEuro = QStringLiteral("euro %1");
inline const QString kReportTitle = QStringLiteral("Prospetto di calcolo");
// %1 the kind, %2 the rate as the heading states it.
inline const QString kReportHeading = QStringLiteral("%1 al saggio d'interesse %2");
inline const QString kReportLifetime = QStringLiteral("Usufrutto vitalizio");
inline const QString kReportFixedTerm = QStringLiteral("Usufrutto a tempo determinato");
// %1 the rate with its article.
inline const QString kReportRate2016 = QStringLiteral("%1 (tabella 2016)");
inline const QString kReportRateAtDate = QStringLiteral("%1 in vigore alla data di riferimento");
inline const QString kReportInputs = QStringLiteral("Dati del calcolo");
inline const QString kReportFullValue = QStringLiteral("Valore della piena proprietà");
inline const QString kReportReference = QStringLiteral("Data di riferimento");
inline const QString kReportBirth = QStringLiteral("Data di nascita dell'usufruttuario");
inline const QString kReportAge = QStringLiteral("Età alla data di riferimento");
// %1 years, %2 months, %3 days, each with its noun.
inline const QString kReportAgeValue = QStringLiteral("%1, %2 e %3");
inline const QString kYear = QStringLiteral("1 anno");
inline const QString kYears = QStringLiteral("%1 anni");
inline const QString kMonth = QStringLiteral("1 mese");
inline const QString kMonths = QStringLiteral("%1 mesi");
inline const QString kDay = QStringLiteral("1 giorno");
inline const QString kDays = QStringLiteral("%1 giorni");
inline const QString kReportBand = QStringLiteral("Fascia di età");
inline const QString kReportCoefficient = QStringLiteral("Coefficiente");
// %1 the coefficient, %2 the rate it was made for, %3 the usufruct's share.
inline const QString kReportCoefficientValue = QStringLiteral("%1 × %2 = %3");
inline const QString kReportNoCoefficient =
    QStringLiteral("nessuno: dai 100 anni all'usufrutto non si dà valore");
inline const QString kReportDuration = QStringLiteral("Durata dell'usufrutto");
inline const QString kReportShare = QStringLiteral("Quota dell'usufrutto");
// %1 the share to four decimals, %2 as a percentage.
inline const QString kReportShareValue = QStringLiteral("%1 (%2)");
inline const QString kReportRateUsed = QStringLiteral("Saggio applicato");
inline const QString kReportBasis = QStringLiteral("Riferimenti normativi");
inline const QString kReportLaw = QStringLiteral(
    "artt. 46 e 48 del D.P.R. 26 aprile 1986, n. 131 (testo unico dell'imposta di registro)");
// %1 the legal rate with its article, %2 the decree.
inline const QString kReportLegalRate2016 =
    QStringLiteral("saggio degli interessi legali %1, per gli atti dal 1° gennaio 2016: %2");
// %1 the legal rate with its article, %2 the day, %3 the decree.
inline const QString kReportLegalRate =
    QStringLiteral("saggio degli interessi legali %1 in vigore il %2: %3");
// %1 the floor.
inline const QString kReportFloor = QStringLiteral(
    "saggio minimo del %1 per l'usufrutto: art. 46, comma 5-ter, D.P.R. 131/1986, introdotto dal "
    "D.Lgs. 139/2024");
// %1 the year of the acts, %2 the decree.
inline const QString kReportCoefficients =
    QStringLiteral("coefficienti dell'usufrutto vitalizio per gli atti del %1: %2");
// %1 the formula, %2 the rate, %3 the years, %4 the share.
inline const QString kReportFormula = QStringLiteral(
    "quota dell'usufrutto a tempo determinato %1, con r = %2 e n = %3, arrotondata a quattro "
    "decimali: %4");
inline const QString kReportFormulaText = QStringLiteral("1 − (1 + r)^−n");
inline const QString kReportFormulaHtml = QStringLiteral("1 − (1 + r)<sup>−n</sup>");
inline const QString kReportResult = QStringLiteral("Risultato");
inline const QString kReportUsufruct = QStringLiteral("Usufrutto");
inline const QString kReportBareOwnership = QStringLiteral("Nuda proprietà");
// %1 the share, %2 the amount, %3 its words.
inline const QString kReportAmount = QStringLiteral("%1 – %2 (%3)");
inline const QString kReportRounding = QStringLiteral(
    "L'usufrutto è il valore della piena proprietà per la quota, arrotondato al centesimo (il "
    "mezzo centesimo al centesimo pari); la nuda proprietà è la differenza, così che le due somme "
    "danno il valore della piena proprietà.");
// %1 the day, %2 the hour, %3 the version.
inline const QString kReportMade =
    QStringLiteral("Calcolo eseguito il %1 alle ore %2 con Velmora %3.");
// The values for the body of an act: %1, %2, %3 as "euro 1.000,00 (mille/00)".
inline const QString kValuesForAct = QStringLiteral(
    "Valore della piena proprietà %1; valore dell'usufrutto %2; valore della nuda proprietà %3.");

// A valuation on the 2016 table for a day outside 2016. %1 the rate of the
// table with its article, %2 the day, %3 the rate in force with its article,
// %4 and %5 the two shares with their articles.
inline const QString kNot2016Table = QStringLiteral(
    "Attenzione: la tabella 2016 (saggio %1) non è quella in vigore il %2: a quella data si "
    "applica il saggio %3, e per questo usufrutto la tabella 2016 dà %4 dove è dovuto %5.");
// The same when the two tables give the same share, %4.
inline const QString kNot2016TableSameShare = QStringLiteral(
    "Attenzione: la tabella 2016 (saggio %1) non è quella in vigore il %2: a quella data si "
    "applica il saggio %3; per questo usufrutto le due tabelle danno la stessa quota, %4.");
// The same when the program knows no rate for that day.
inline const QString kNot2016TableUnknownRate = QStringLiteral(
    "Attenzione: la tabella 2016 (saggio %1) vale per gli atti del 2016 e non è quella in vigore "
    "il %2; il saggio in vigore a quella data non è noto al programma.");

}  // namespace velmora::text
