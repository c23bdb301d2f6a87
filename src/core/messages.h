#pragma once

#include <QString>
#include <QStringList>

// Every window title and every message the program shows, in one place.
// Texts with %1 and %2 are filled with QString::arg.
namespace velmora::text {

// ---- titles ----
// Message boxes that name no title of their own.
inline const QString kApplicationTitle = QStringLiteral("Velmora 2003 by Dovel");
inline const QString kMainWindowTitle = QStringLiteral("Velmora2016 by Dovel");
// Every notice and refusal of the main window.
inline const QString kMainTitle = QStringLiteral("Velmora by Dovel");
// The error trap of the value field.
inline const QString kTrapTitle = QStringLiteral("Velmora By Ostrel Quendari");
inline const QString kTableWindowTitle =
    QStringLiteral("Tabella Usufrutto by ostrel Ilvo Quendari");
inline const QString kPrinterWindowTitle = QStringLiteral("Stampanti");
// A printer setting that failed: "Property: " and the setting's name.
inline const QString kPropertyTitle = QStringLiteral("Property: ");

// ---- the command line, answered before the window opens ----
inline const QString kHelp = QStringLiteral(
    "Uso: velmora [OPZIONE]\n"
    "     velmora vitalizio --valore VALORE --nascita DATA [--data DATA] [--saggio data|2016]\n"
    "                       [--formato testo|json|csv]\n"
    "     velmora tempo-determinato --valore VALORE --anni ANNI [--data DATA]\n"
    "                       [--saggio data|2016] [--formato testo|json|csv]\n"
    "     velmora lotto [FILE|-]\n"
    "Calcola il valore dell'usufrutto vitalizio o a tempo determinato e della nuda\n"
    "proprietà al saggio legale. Senza comando apre la finestra del programma.\n"
    "\n"
    "Comandi:\n"
    "  vitalizio           valuta un usufrutto vitalizio dalla data di nascita\n"
    "                      velmora vitalizio --valore 250.000 --nascita 03/05/1950\n"
    "  tempo-determinato   valuta un usufrutto a tempo determinato da 1 a 30 anni\n"
    "                      velmora tempo-determinato --valore 100000 --anni 10\n"
    "  lotto               valuta i casi di un file CSV (o dello standard input) e\n"
    "                      scrive una riga di risultati per caso\n"
    "                      velmora lotto casi.csv > risultati.csv\n"
    "\n"
    "Opzioni dei comandi:\n"
    "  --valore VALORE     valore della piena proprietà (250000, 250.000,50)\n"
    "  --nascita DATA      data di nascita dell'usufruttuario (03051950, 03/05/1950,\n"
    "                      3 maggio 1950)\n"
    "  --anni ANNI         durata dell'usufrutto in anni interi\n"
    "  --data DATA         data di riferimento (predefinita: oggi)\n"
    "  --saggio data|2016  saggio in vigore alla data di riferimento (predefinito)\n"
    "                      o tabella 2016 allo 0,2%\n"
    "  --formato FORMATO   testo (prospetto di calcolo, predefinito), json o csv\n"
    "\n"
    "Il file del lotto ha i campi separati da \";\" e una riga d'intestazione con le\n"
    "colonne tipo;valore;nascita;anni;data;saggio in qualsiasi ordine (nascita, anni,\n"
    "data e saggio si possono omettere); tipo è vitalizio o tempo-determinato.\n"
    "\n"
    "Altre opzioni:\n"
    "  -h, --help          mostra questo aiuto ed esce\n"
    "  -v, --version       mostra la versione ed esce\n"
    "\n"
    "Stato di uscita:\n"
    "  0  tutti i casi valutati\n"
    "  1  caso rifiutato, o alcune righe del lotto rifiutate; senza comando: lo\n"
    "     schermo grafico non si apre\n"
    "  2  errore negli argomenti\n"
    "  3  file del lotto non leggibile, o risultati non scritti\n"
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
    "comando non riconosciuto: %1 (i comandi sono vitalizio, tempo-determinato e lotto)");
// %1 is the command.
inline const QString kUnknownOption = QStringLiteral("opzione non riconosciuta per %1: %2");
inline const QString kOptionNeedsValue = QStringLiteral("l'opzione %1 richiede un valore");
inline const QString kMissingOption = QStringLiteral("%1 richiede l'opzione %2");
// %3 lists the values allowed.
inline const QString kBadChoice = QStringLiteral("valore non ammesso per %1: %2 (ammessi: %3)");
inline const QString kExtraArgument = QStringLiteral("argomento in più: %1");
// A refused case: the window's message after the program's name.
inline const QString kCaseRefused = QStringLiteral("velmora: %1\n");
// The batch file. %1 is the file's name.
inline const QString kUnreadableFile =
    QStringLiteral("velmora: impossibile leggere il file %1: %2\n");
inline const QString kReadInterrupted =
    QStringLiteral("velmora: lettura del file %1 interrotta da un errore\n");
// Why a file does not open.
inline const QString kNoSuchFile = QStringLiteral("il file non esiste");
inline const QString kNoPermission = QStringLiteral("permesso negato");
inline const QString kIsFolder = QStringLiteral("è una cartella");
inline const QString kSystemError = QStringLiteral("errore di sistema %1");
inline const QString kNoHeader = QStringLiteral(
    "velmora: il file %1 non ha la riga d'intestazione con le colonne tipo e valore\n");
inline const QString kUnknownColumn =
    QStringLiteral("velmora: il file %1 ha una colonna sconosciuta: %2\n");
inline const QString kRepeatedColumn =
    QStringLiteral("velmora: il file %1 ha due volte la colonna %2\n");
inline const QString kStandardInput = QStringLiteral("standard input");
// The results did not all reach standard output (a full disk, say).
inline const QString kOutputFailed =
    QStringLiteral("velmora: impossibile scrivere i risultati sullo standard output\n");
// Where the floor of the rate comes from, in the JSON output.
inline const QString kRateFloorArticle =
    QStringLiteral("art. 46, comma 5-ter, D.P.R. 131/1986, introdotto dal D.Lgs. 139/2024");
// The errore column of a batch row. %1 is the line number.
inline const QString kUnclosedQuote = QStringLiteral("riga %1: virgolette non chiuse");
inline const QString kTextAfterQuote =
    QStringLiteral("riga %1: testo dopo le virgolette di chiusura");
inline const QString kWrongFieldCount =
    QStringLiteral("riga %1: %2 campi invece dei %3 dell'intestazione");
inline const QString kLineTooLong = QStringLiteral("riga %1: riga troppo lunga");
inline const QString kUnknownKind =
    QStringLiteral("tipo non riconosciuto: %1 (vitalizio o tempo-determinato)");
inline const QString kUnknownRate = QStringLiteral("saggio non riconosciuto: %1 (data o 2016)");

// ---- the value field and the dates ----
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
// "Errore n. <number>: <description>" comes before it.
inline const QString kItalianSettings = QStringLiteral(
    "Le impostazioni internazionali in Pannello di Controllo non sono impostate per l'Italia: "
    "provvedere all'aggiornamento !");
inline const QString kDigitsOnly = QStringLiteral(
    " Devi inserire una data con le sole cifre senza separatori!\r"
    " Esempio: 16081946 per 16 agosto 1946");

// ---- the valuations ----
inline const QString kValidDate = QStringLiteral(" Devi inserire una data valida!");
// The reference date takes more forms than the birth date: the message names them.
inline const QString kValidReferenceDate = QStringLiteral(
    " Devi inserire una data di riferimento valida!\r"
    " Esempi: 15062018, 15/06/2018 oppure 15 giugno 2018");
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

// The age band of a lifetime valuation: "da 79 a 82 anni", "da 100 anni".
inline const QString kBandFromTo = QStringLiteral("da %1 a %2 anni");
inline const QString kBandFrom = QStringLiteral("da %1 anni");

// An amount as acts write it: %1 the figures without the euro sign, %2 the words.
inline const QString kEuroInWords = QStringLiteral("euro %1 (%2)");
inline const QString kEuro = QStringLiteral("euro %1");

// ---- the rate ----
// Label2: %1 is the rate with its article, "dello 0,2%".
inline const QString kRateHeading = QStringLiteral(
    "Calcolo dell'usufrutto vitalizio ed a tempo determinato  al saggio d'interesse %1");
inline const QString kRateOfTheDay = QStringLiteral("in vigore alla data di riferimento");
// Label2's tooltip, one line each.
inline const QString kLegalRateTip = QStringLiteral("Saggio degli interessi legali %1: %2.");
inline const QString kRateFloorTip = QStringLiteral(
    "Per l'usufrutto si applica il saggio minimo del %1 (art. 46, comma 5-ter, D.P.R. 131/1986, "
    "introdotto dal D.Lgs. 139/2024).");
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

// ---- the calculation report ----
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

// The report's menu.
inline const QString kSaveReportTitle = QStringLiteral("Salva prospetto PDF");
inline const QString kPdfFilter = QStringLiteral("Documenti PDF (*.pdf)");
// %1 the date of the calculation, yyyy-mm-dd.
inline const QString kReportFileName = QStringLiteral("prospetto-usufrutto-%1.pdf");
// %1 the path chosen.
inline const QString kPdfFolderNotWritable = QStringLiteral(
    "Impossibile salvare il prospetto in \"%1\": nella cartella non si può scrivere.");
inline const QString kPdfWriteFailed = QStringLiteral(
    "Impossibile salvare il prospetto in \"%1\": la scrittura non è riuscita (il disco potrebbe "
    "essere pieno). Nessun file è stato scritto o modificato.");

// ---- documents and tools ----
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

// ---- the table window at the date of the act ----
// The menu command; %1 is the year.
inline const QString kTableOfYear = QStringLiteral("&Tabella Usufrutto vitalizio %1");
inline const QString kSheetTitle = QStringLiteral("Tabella sinottica sul calcolo dell'usufrutto");
inline const QString kSheetHeading = QStringLiteral("PROSPETTO DEI COEFFICIENTI");
// %1 the decree, %2 the rate with its article.
inline const QString kSheetLegalRate = QStringLiteral(
    "Con %1 il saggio degli interessi legali è stato fissato nella misura %2 annuo.");
inline const QString kSheetFloor = QStringLiteral(
    "Per l'usufrutto e le rendite si applica il saggio minimo del %1 (art. 46, comma 5-ter, "
    "D.P.R. 131/1986, introdotto dal D.Lgs. 139/2024).");
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

// ---- printing ----
inline const QString kNoPrinters = QStringLiteral("No printers installed");
inline const QString kMakeCurrentFirst =
    QStringLiteral("Devi impostare la stampante come corrente");
// Conversions of the printer window's field texts.
inline const QString kTypeMismatch = QStringLiteral("Tipo non corrispondente");
inline const QString kOverflow = QStringLiteral("Overflow");
// Failures of the printing service; %1 is the printer's name in quotes.
inline const QString kInvalidValue = QStringLiteral("Valore della proprietà non valido");
inline const QString kNoPaperSize = QStringLiteral("La stampante %1 non ha il formato carta %2");
inline const QString kNoColourMode =
    QStringLiteral("La stampante %1 non stampa in questo modo colore");
inline const QString kNoDuplexMode =
    QStringLiteral("La stampante %1 non stampa fronte-retro in questo modo");
inline const QString kNoResolution = QStringLiteral("La stampante %1 non ha questa risoluzione");
inline const QString kCannotPrint = QStringLiteral("Impossibile stampare con la stampante %1");
inline const QString kPrintFailed = QStringLiteral("La stampa con la stampante %1 non è riuscita");
inline const QString kNoCurrentPrinter = QStringLiteral("Nessuna stampante corrente");
inline const QString kUnreadableSettings =
    QStringLiteral("Impossibile leggere le impostazioni della stampante %1");
inline const QString kUnreadablePaper =
    QStringLiteral("Impossibile leggere il formato carta della stampante %1");
inline const QString kNoCustomPaper =
    QStringLiteral("La stampante %1 non accetta formati carta personalizzati");
inline const QString kPaperOutOfRange =
    QStringLiteral("Formato carta fuori dai limiti della stampante %1");
inline const QString kPaperRefused =
    QStringLiteral("La stampante %1 non accetta il formato carta %2");
inline const QString kNoSuchPrinter = QStringLiteral("Indice non compreso nell'intervallo");

// ---- the paste into the value field ----
// %1 is the start of what the clipboard holds: zero or below.
inline const QString kPastedNoValue = QStringLiteral(
    "Negli appunti c'è \"%1\", che non è un valore della piena proprietà: l'importo deve essere "
    "maggiore di zero. Il valore non è stato inserito.");

}  // namespace velmora::text
