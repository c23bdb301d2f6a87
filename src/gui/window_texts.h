#pragma once

#include <QString>
#include <QStringList>

// The main window's and the table window's captions and messages. Texts with
// %1 and %2 are filled with QString::arg.
namespace velmora::text {

inline const QString kMainWindowTitle = QStringLiteral("Velmora2016 by Dovel");
// Every notice and refusal of the main window.
inline const QString kMainTitle = QStringLiteral("Velmora by Dovel");
inline const QString kTableWindowTitle =
    QStringLiteral("Tabella Usufrutto by ostrel Ilvo Quendari");
inline const QString kValueFirst =
    QStringLiteral("Devi innanzi tutto inserire il valore della piena proprietà!");
inline const QString kImported = QStringLiteral("Valutazione automatica inserita!");
// %1 is the start of what the clipboard holds.
inline const QString kPastedNotAnAmount = QStringLiteral(
    "Negli appunti c'è \"%1\", che non è un importo nella forma attesa: 1.234.567,89 (il punto "
    "solo tra gruppi di tre cifre, la virgola prima dei decimali). Il valore non è stato "
    "inserito.");
// %1 is the largest amount as a money text.
inline const QString kLargestAmount =
    QStringLiteral("L'importo massimo per il calcolo è di %1: il valore non è stato preso.");
inline const QString kDigitsOnly = QStringLiteral(
    " Devi inserire una data con le sole cifre senza separatori!\r"
    " Esempio: 16081946 per 16 agosto 1946");
inline const QString kValidDate = QStringLiteral(" Devi inserire una data valida!");
// The reference date takes more forms than the birth date: the message names them.
inline const QString kValidReferenceDate = QStringLiteral(
    " Devi inserire una data di riferimento valida!\r"
    " Esempi: 15062018, 15/06/2018 oppure 15 giugno 2018");
// %1 the most years a life is valued at.
inline const QString kBirthTooLongAgo = QStringLiteral(
    "La data di nascita è di più di %1 anni prima della data di riferimento: controllare l'anno.");
inline const QString kBirthAfterReference =
    QStringLiteral("La data di nascita è successiva alla data di riferimento!");
inline const QString kDurationFirst =
    QStringLiteral(" Devi inserire il numero di anni di durata dell'usufrutto");
inline const QString kWholeYears =
    QStringLiteral(" Devi inserire un numero intero di anni da 1 a 30");
inline const QString kLongestDuration =
    QStringLiteral("La durata massima per il calcolo è di anni 30");
// Text1 is disabled once a birth date has been entered; the reset on PP frees it.
inline const QString kDurationLocked = QStringLiteral(
    " Per il calcolo a tempo determinato fare doppio click sul valore della piena proprietà: i "
    "campi si azzerano e la durata torna disponibile");
// Label2: %1 is the rate with its article, "dello 0,2%".
inline const QString kRateHeading = QStringLiteral(
    "Calcolo dell'usufrutto vitalizio ed a tempo determinato  al saggio d'interesse %1");
inline const QString kRateOfTheDay = QStringLiteral("in vigore alla data di riferimento");
// Label2's tooltip, one line each.
inline const QString kLegalRateTip = QStringLiteral("Saggio degli interessi legali %1: %2.");
// %1 the floor, %2 its statute.
inline const QString kRateFloorTip =
    QStringLiteral("Per l'usufrutto si applica il saggio minimo del %1 (%2).");
inline const QString kCoefficientsTip =
    QStringLiteral("Coefficienti dell'usufrutto vitalizio: %1.");
inline const QString kNoCoefficientsTip =
    QStringLiteral("Coefficienti dell'usufrutto vitalizio non disponibili per il %1.");
inline const QString kRatesKnownTip =
    QStringLiteral("Saggio degli interessi legali noto dal %1 al %2.");
// %1 is the settings file.
inline const QString kChoiceNotKept = QStringLiteral(
    "Impossibile scrivere il file delle impostazioni \"%1\": la scelta del saggio vale per "
    "questa sessione ma non sarà ricordata al prossimo avvio.");
// Refusals at the date of the act.
inline const QString kNoRateOnDate = QStringLiteral(
    "Per la data di riferimento non è noto il saggio degli interessi legali: il calcolo al saggio "
    "in vigore copre le date dal %1 al %2.");
inline const QString kNoCoefficientsInYear = QStringLiteral(
    "Per il %1 non sono noti i coefficienti dell'usufrutto vitalizio: il calcolo al saggio in "
    "vigore li applica agli atti dal %2 al %3.");
// After either, for a day past the data: %1 the day, %2 the last day of the
// data, %3 the office's folder.
inline const QString kAddTheDecree = QStringLiteral(
    " Il %1 è dopo l'ultimo giorno dei dati del programma (%2). Per aggiungere il decreto, "
    "scriverlo in un file .tsv nella cartella %3: il comando velmora dati --verifica FILE lo "
    "controlla, velmora dati mostra i dati in uso.");
// At start-up, when an office's data files are not used: %1 each file, line
// and reason, one a line.
inline const QString kDataFilesNotUsed = QStringLiteral(
    "Alcuni file di dati aggiunti nella cartella dello studio non sono usati: i calcoli "
    "proseguono con i dati del programma e con gli altri file.\r\r%1\r\rCorretto un file, il "
    "comando velmora dati --verifica FILE lo controlla.");
// %1 how many more reasons.
inline const QString kMoreDataProblems =
    QStringLiteral("… e altri %1 motivi: il comando velmora dati li elenca tutti.");
// After the decree or the statute in the rate heading's tip: %1 the file.
inline const QString kAddedDataTip = QStringLiteral(", dati aggiunti: %1");
// %1 the most lives.
inline const QString kTooManyHolders = QStringLiteral("Si possono indicare al più %1 titolari.");
inline const QString kAccrualFirst = QStringLiteral(
    "Con più titolari l'atto deve dire se tra loro c'è diritto di accrescimento: indicarlo "
    "prima del calcolo.");
inline const QString kNoStatute = QStringLiteral(
    "Per la data di riferimento non è noto il riferimento normativo dell'imposta o del diritto "
    "da valutare.");
// The report's menu.
inline const QString kSaveReportTitle = QStringLiteral("Salva prospetto PDF");
inline const QString kPdfFilter = QStringLiteral("Documenti PDF (*.pdf)");
// %1 the date of the calculation, yyyy-mm-dd.
inline const QString kReportFileName = QStringLiteral("prospetto-usufrutto-%1.pdf");
// A paste into the value field of zero or below; %1 is the start of what the
// clipboard holds.
inline const QString kPastedNoValue = QStringLiteral(
    "Negli appunti c'è \"%1\", che non è un valore della piena proprietà: l'importo deve essere "
    "maggiore di zero. Il valore non è stato inserito.");
// After the warning that the 2016 table is not the one in force.
inline const QString kCopyAnyway = QStringLiteral("Copiare comunque i valori per l'atto?");
// %1 the path chosen.
inline const QString kPdfFolderNotWritable = QStringLiteral(
    "Impossibile salvare il prospetto in \"%1\": nella cartella non si può scrivere.");
inline const QString kPdfWriteFailed = QStringLiteral(
    "Impossibile salvare il prospetto in \"%1\": la scrittura non è riuscita (il disco potrebbe "
    "essere pieno). Nessun file è stato scritto o modificato.");
inline const QString kWorkbookRefused = QStringLiteral(
    "Errore n. 51: Impossibile eseguire il file \"%1\".\r\nCodice di errore di ShellExecute: %2.");
inline const QString kInstructionsRefused =
    QStringLiteral("Impossibile aprire le istruzioni \"%1\".\rCodice di errore: %2.");
// A page of the help menu or of the tables, or the home page.
inline const QString kPageRefused = QStringLiteral("Impossibile aprire la pagina \"%1\".");
inline const QString kNoCalculator =
    QStringLiteral("Impossibile avviare la calcolatrice: nessuna calcolatrice trovata.");
inline const QString kCalculatorRefused =
    QStringLiteral("Impossibile avviare la calcolatrice: il programma \"%1\" non si avvia.");
// The menu command; %1 is the year.
inline const QString kTableOfYear = QStringLiteral("&Tabella Usufrutto vitalizio %1");
inline const QString kSheetTitle = QStringLiteral("Tabella sinottica sul calcolo dell'usufrutto");
inline const QString kSheetHeading = QStringLiteral("PROSPETTO DEI COEFFICIENTI");
// %1 the decree, %2 the rate with its article.
inline const QString kSheetLegalRate = QStringLiteral(
    "Con %1 il saggio degli interessi legali è stato fissato nella misura %2 annuo.");
// %1 the floor, %2 the statute that sets it, from the legal data.
inline const QString kSheetFloor =
    QStringLiteral("Per l'usufrutto e le rendite si applica il saggio minimo del %1 (%2).");
// %1 the decree, %2 the year from which it applies.
inline const QString kSheetCoefficients = QStringLiteral(
    "Con %1 sono stati adeguati i coefficienti per la determinazione dei diritti di usufrutto a "
    "vita e delle rendite o pensioni vitalizie, di cui al prospetto allegato al D.P.R. 26 aprile "
    "1986, n. 131, per gli atti a decorrere dal 1° gennaio %2.");
inline const QString kSheetSameAs =
    QStringLiteral("Per gli atti del %1 valgono i coefficienti del %2.");
// %1 the rate with its article.
inline const QString kSheetRate = QStringLiteral("al tasso di interesse %1");
inline const QString kSheetBand = QStringLiteral("da %1 a %2");
// %1 the year asked for, %2 and %3 the first and last years with coefficients.
inline const QString kSheetNoCoefficients = QStringLiteral(
    "Per il %1 non sono noti i coefficienti dell'usufrutto vitalizio. Sono noti per gli atti "
    "degli anni dal %2 al %3, ai saggi qui sotto.");
inline const QString kSheetYearsHeading = QStringLiteral("ANNI CON I COEFFICIENTI");
inline const QStringList kSheetColumns = {
    QStringLiteral("Età del beneficiario"), QStringLiteral("Coefficiente"),
    QStringLiteral("Valore Usufrutto\n(%)"), QStringLiteral("Valore N. Proprietà\n(%)")};
inline const QStringList kSheetYearColumns = {QStringLiteral("Anno"), QStringLiteral("Saggio"),
                                              QStringLiteral("Decreto dei coefficienti")};

// The main window's captions, menus and tooltips, as the window shows them.
inline const QString kFixedTermFrame = QStringLiteral("Usufrutto a tempo determinato");
inline const QString kYearsCaption = QStringLiteral("inserire n. anni di durata");
inline const QString kLifetimeFrame = QStringLiteral("Usufrutto Vitalizio");
inline const QString kReferenceCaption = QStringLiteral("data odierna o inserire altra data");
inline const QString kBirthCaption =
    QStringLiteral("inserire data di nascita nel formato:  16081946");
inline const QString kLifetimeOption = QStringLiteral("usufrutto vitalizio");
inline const QString kFixedTermOption = QStringLiteral("usufrutto a tempo determinato");
inline const QString kPrintOption = QStringLiteral("stampa");
inline const QString kParkingOption = QStringLiteral("parcheggio");
inline const QString kWorkbookOption = QStringLiteral("valutazione automatica");
inline const QString kPercentSign = QStringLiteral("%");
inline const QString kEuroCaption = QStringLiteral("Euro");
inline const QString kMonthsCaption = QStringLiteral("mesi:");
inline const QString kDaysCaption = QStringLiteral("giorni:");
inline const QString kValueCaption = QStringLiteral("inserire valore piena proprietà");
inline const QString kYearsOfAgeCaption = QStringLiteral("Età  anni:");
inline const QString kBareOwnershipCaption = QStringLiteral("VALORE NUDA PROPRIETÀ");
inline const QString kUsufructCaption = QStringLiteral("VALORE USUFRUTTO");
inline const QString kYearsTip = QStringLiteral("Su doppio click si azzerano tutti i campi");
inline const QString kBirthTip =
    QStringLiteral("Inserire solo i dati numerici senza separatori (per l'anno quattro cifre)");
inline const QString kBirthCaptionTip = QStringLiteral(
    "è ammesso il solo formato numerico (l'anno va indicato per intero); esempio 16081946 per 16 "
    "agosto 1946");
inline const QString kValueTip = QStringLiteral("Doppio Click per azzerare");
inline const QString kLifetimeTip = QStringLiteral(
    "calcola previo inserimento del valore della piena proprietà e dell'età dell'usufruttuario ");
inline const QString kFixedTermTip = QStringLiteral(
    "calcola previo inserimento del valore della piena proprietà e del numero di anni di durata "
    "dell'usufrutto");
inline const QString kWorkbookTip = QStringLiteral(
    "apre la relativa cartella di Excel, copia il valore calcolato  in appunti di Windows per "
    "incollarlo (tasto destro mouse) nella casella dellla piena proprietà");
inline const QString kResetTip = QStringLiteral("su doppio click si azzerano tutti i campi");
inline const QString kCalculatorTip = QStringLiteral("attiva la calcolatrice, utility di Windows");
inline const QString kValueCaptionTip = QStringLiteral(
    "se è stato copiato negli appunti di windows il totale della valutazione automatica viene "
    "inserito non appena ci si posiziona con il cursore");
inline const QString kCurrentTableMenu = QStringLiteral("&Tabella Usufrutto vitalizio 2016");
inline const QString kLifetimeTablesMenu = QStringLiteral("&Tabelle Usufrutto vitalizio");
inline const QString kFixedTermTablesMenu =
    QStringLiteral("&Tabelle Usufrutto a tempo determinato");
inline const QString kHelpMenu = QStringLiteral("&?");
inline const QString kInstructionsMenu = QStringLiteral("&Istruzioni");
inline const QString kLegislationMenu = QStringLiteral("&Normativa");
inline const QString kHomePageMenu = QStringLiteral("&Visita Home Page");
inline const QString kRateMenu = QStringLiteral("&Saggio");
inline const QString kRate2016Menu = QStringLiteral("Saggio dello 0,2% (tabella 2016)");
inline const QString kRateAtDateMenu = QStringLiteral("Saggio in vigore alla data di riferimento");
inline const QString kReportMenu = QStringLiteral("&Prospetto");
inline const QString kCopyReportMenu = QStringLiteral("Copia prospetto");
inline const QString kCopyValuesMenu = QStringLiteral("Copia valori per l'atto");
inline const QString kSavePdfMenu = QStringLiteral("Salva prospetto PDF…");
inline const QString kPrintReportMenu = QStringLiteral("Stampa prospetto…");

}  // namespace velmora::text
