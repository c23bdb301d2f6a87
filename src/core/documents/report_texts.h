#pragma once

#include <QString>

// The texts of the calculation report and of the values for an act. Texts
// with %1 and %2 are filled with QString::arg.
namespace velmora::text {

inline const QString kReportTitle = QStringLiteral("Prospetto di calcolo");
// %1 the right and its kind, %2 the rate as the heading states it.
inline const QString kReportHeading = QStringLiteral("%1 al saggio d'interesse %2");
// %1 the right, capitalised: "Usufrutto", "Diritto di abitazione".
inline const QString kReportLifetime = QStringLiteral("%1 vitalizio");
inline const QString kReportFixedTerm = QStringLiteral("%1 a tempo determinato");
// The words of each right, as the report and the act put them.
struct ParoleDiritto {
  QString nome;         // "usufrutto"
  QString maiuscolo;    // "Usufrutto"
  QString conArticolo;  // "L'usufrutto", at the start of a sentence
  QString del;          // "dell'usufrutto"
  QString al;           // "all'usufrutto"
  QString titolare;     // "l'usufruttuario"
  QString delTitolare;  // "dell'usufruttuario"
};
inline const ParoleDiritto kUsufrutto{
    QStringLiteral("usufrutto"),         QStringLiteral("Usufrutto"),
    QStringLiteral("L'usufrutto"),       QStringLiteral("dell'usufrutto"),
    QStringLiteral("all'usufrutto"),     QStringLiteral("l'usufruttuario"),
    QStringLiteral("dell'usufruttuario")};
inline const ParoleDiritto kUso{QStringLiteral("diritto d'uso"),
                                QStringLiteral("Diritto d'uso"),
                                QStringLiteral("Il diritto d'uso"),
                                QStringLiteral("del diritto d'uso"),
                                QStringLiteral("al diritto d'uso"),
                                QStringLiteral("il titolare del diritto d'uso"),
                                QStringLiteral("del titolare del diritto d'uso")};
inline const ParoleDiritto kAbitazione{QStringLiteral("diritto di abitazione"),
                                       QStringLiteral("Diritto di abitazione"),
                                       QStringLiteral("Il diritto di abitazione"),
                                       QStringLiteral("del diritto di abitazione"),
                                       QStringLiteral("al diritto di abitazione"),
                                       QStringLiteral("il titolare del diritto di abitazione"),
                                       QStringLiteral("del titolare del diritto di abitazione")};
// %1 the rate with its article.
inline const QString kReportRate2016 = QStringLiteral("%1 (tabella 2016)");
inline const QString kReportRateAtDate = QStringLiteral("%1 in vigore alla data di riferimento");
inline const QString kReportInputs = QStringLiteral("Dati del calcolo");
inline const QString kReportFullValue = QStringLiteral("Valore della piena proprietà");
inline const QString kReportReference = QStringLiteral("Data di riferimento");
// %1 "dell'usufruttuario", "del beneficiario".
inline const QString kReportBirth = QStringLiteral("Data di nascita %1");
inline const QString kOfBeneficiary = QStringLiteral("del beneficiario");
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
// %1 "all'usufrutto".
inline const QString kReportNoCoefficient =
    QStringLiteral("nessuno: dai 100 anni %1 non si dà valore");
// %1 "dell'usufrutto".
inline const QString kReportDuration = QStringLiteral("Durata %1");
inline const QString kReportShare = QStringLiteral("Quota %1");
// %1 the share to four decimals, %2 as a percentage.
inline const QString kReportShareValue = QStringLiteral("%1 (%2)");
inline const QString kReportRateUsed = QStringLiteral("Saggio applicato");
inline const QString kReportBasis = QStringLiteral("Riferimenti normativi");
// The tax, stated when it is the gift and succession tax.
inline const QString kReportTax = QStringLiteral("Imposta");
inline const QString kReportSuccessionTax = QStringLiteral("imposta sulle successioni e donazioni");
// %1 "diritto d'uso", %2 the statute.
inline const QString kReportValuedAsUsufruct =
    QStringLiteral("il %1 si valuta come l'usufrutto: %2");
// %1 the legal rate with its article, %2 the decree.
inline const QString kReportLegalRate2016 =
    QStringLiteral("saggio degli interessi legali %1, per gli atti dal 1° gennaio 2016: %2");
// %1 the legal rate with its article, %2 the day, %3 the decree.
inline const QString kReportLegalRate =
    QStringLiteral("saggio degli interessi legali %1 in vigore il %2: %3");
// %1 the floor, %2 its statute.
inline const QString kReportFloor = QStringLiteral("saggio minimo del %1 per l'usufrutto: %2");
// %1 the year of the acts, %2 the decree.
inline const QString kReportCoefficients =
    QStringLiteral("coefficienti dell'usufrutto vitalizio per gli atti del %1: %2");
// %1 the formula, %2 "dell'usufrutto", %3 the rate, %4 the years, %5 the share.
inline const QString kReportFormula = QStringLiteral(
    "quota %2 a tempo determinato %1, con r = %3 e n = %4, arrotondata a quattro decimali: %5");
inline const QString kReportFormulaText = QStringLiteral("1 − (1 + r)^−n");
inline const QString kReportFormulaHtml = QStringLiteral("1 − (1 + r)<sup>−n</sup>");
inline const QString kReportResult = QStringLiteral("Risultato");
inline const QString kReportBareOwnership = QStringLiteral("Nuda proprietà");
// %1 the share, %2 the amount, %3 its words.
inline const QString kReportAmount = QStringLiteral("%1 – %2 (%3)");
// %1 "L'usufrutto".
inline const QString kReportRounding = QStringLiteral(
    "%1 è il valore della piena proprietà per la quota, arrotondato al centesimo (il mezzo "
    "centesimo al centesimo pari); la nuda proprietà è la differenza, così che le due somme danno "
    "il valore della piena proprietà.");
// %1 the day, %2 the hour, %3 the version.
inline const QString kReportMade =
    QStringLiteral("Calcolo eseguito il %1 alle ore %2 con Velmora %3.");
// The values for the body of an act: %1, %3, %4 as "euro 1.000,00
// (mille/00)", %2 "dell'usufrutto".
inline const QString kValuesForAct = QStringLiteral(
    "Valore della piena proprietà %1; valore %2 %3; valore della nuda proprietà %4.");

// ---- several lives ----
// %1 the person's number, from 1.
inline const QString kReportPerson = QStringLiteral("Titolare %1");
// %1 the birth date, %2 the age.
inline const QString kReportPersonValue = QStringLiteral("nascita %1, età %2");
inline const QString kReportAgeThatCounts = QStringLiteral("Età che conta");
// %1 the person's number, %2 the statute.
inline const QString kReportOldest = QStringLiteral(
    "quella del più anziano (titolare %1): il diritto si estingue alla morte del primo dei "
    "titolari (%2)");
inline const QString kReportYoungest = QStringLiteral(
    "quella del più giovane (titolare %1): tra i titolari c'è diritto di accrescimento (%2)");
// The basis line: %1 the statute.
inline const QString kReportLivesBasis = QStringLiteral(
    "diritto su più vite, all'età del più anziano o, con accrescimento, del più "
    "giovane: %1");

// ---- the limit of a fixed term for the gift and succession tax ----
inline const QString kReportLimitFixed = QStringLiteral("Valore a tempo determinato");
inline const QString kReportLimitLifetime =
    QStringLiteral("Valore vitalizio all'età del beneficiario");
// The basis line: %1 the statute.
inline const QString kReportLimitBasis = QStringLiteral(
    "diritto a termine che si estingue alla morte del beneficiario, non superiore al diritto "
    "vitalizio: %1");
// %1 the share, %2 the amount, %3 the band.
inline const QString kReportLimitLifetimeValue = QStringLiteral("%1 – %2 (fascia %3)");
inline const QString kReportLimitApplies = QStringLiteral("Si applica");
// %1 the statute.
inline const QString kReportLimitApplied = QStringLiteral(
    "il valore vitalizio, minore: il diritto a termine, che si estingue alla morte del "
    "beneficiario, non vale più di quello vitalizio (%1)");
// From 100 years: %1 the band, %2 the statute.
inline const QString kReportLimitNoLifetimeValue =
    QStringLiteral("nessuno: le tabelle non danno valore al diritto vitalizio (fascia %1)");
inline const QString kReportLimitNotAppliedAt100 = QStringLiteral(
    "il valore a tempo determinato: le tabelle non hanno una fascia oltre i 99 anni, e senza un "
    "valore vitalizio il limite non si applica (%1)");
inline const QString kReportLimitNotApplied =
    QStringLiteral("il valore a tempo determinato, che non supera quello vitalizio (%1)");

// ---- the next change of band ----
// %1 the day, %2 who, %3 the age, %4 the right with its article, %5 the share
// with its article.
inline const QString kReportNextBand =
    QStringLiteral("Dal %1 %2 compie %3 anni: da quel giorno %4 vale %5.");
// A day in a year whose coefficients are not yet known: the sentence above
// without its full stop, then: %1 the year of the coefficients used, %2 the
// year of the day, %3 the floor.
inline const QString kReportNextBandAtFloor = QStringLiteral(
    " con i coefficienti del %1, perché quelli del %2 non sono ancora noti: la quota vale solo "
    "se il saggio legale del %2 non supera il saggio minimo del %3.");
// The same for coefficients made at a legal rate above any floor: %3 that rate.
inline const QString kReportNextBandAtRate = QStringLiteral(
    " con i coefficienti del %1, perché quelli del %2 non sono ancora noti: la quota vale solo "
    "se il saggio del %2 resta del %3.");
inline const QString kOldestOfThem = QStringLiteral("il più anziano dei titolari");
inline const QString kYoungestOfThem = QStringLiteral("il più giovane dei titolari");

// ---- where the data came from ----
// %1 the files, joined by "; ".
inline const QString kReportAddedData = QStringLiteral("dati aggiunti: %1");
inline const QString kBuiltInData = QStringLiteral("incorporati");

// A valuation on the 2016 table for a day outside 2016. %1 the rate of the
// table with its article, %2 the day, %3 the rate in force with its article,
// %4 and %5 the two shares with their articles.
inline const QString kNot2016Table = QStringLiteral(
    "Attenzione: la tabella 2016 (saggio %1) non è quella in vigore il %2: a quella data si "
    "applica il saggio %3, e per questo %6 la tabella 2016 dà %4 dove è dovuto %5.");
// The same when the two tables give the same share, %4.
inline const QString kNot2016TableSameShare = QStringLiteral(
    "Attenzione: la tabella 2016 (saggio %1) non è quella in vigore il %2: a quella data si "
    "applica il saggio %3; per questo %5 le due tabelle danno la stessa quota, %4.");
// The same when the program knows no rate for that day.
inline const QString kNot2016TableUnknownRate = QStringLiteral(
    "Attenzione: la tabella 2016 (saggio %1) vale per gli atti del 2016 e non è quella in vigore "
    "il %2; il saggio in vigore a quella data non è noto al programma.");

}  // namespace velmora::text
