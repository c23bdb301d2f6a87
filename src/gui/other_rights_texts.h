#pragma once

#include <QString>

// The captions of the dialog for the rights of use and habitation and for
// several lives. What it shows of a valuation comes from the record and from
// the report's words, not from here.
namespace velmora::text {

inline const QString kOtherRightsMenu = QStringLiteral("&Altri diritti");
inline const QString kOtherRightsCommand = QStringLiteral("&Altri diritti e più usufruttuari…");
inline const QString kOtherRightsTitle = QStringLiteral("Altri diritti e più usufruttuari");
inline const QString kInputsGroup = QStringLiteral("Dati");
inline const QString kRightLabel = QStringLiteral("&Diritto:");
inline const QString kTaxLabel = QStringLiteral("&Imposta:");
inline const QString kRegistrationTax = QStringLiteral("di registro");
inline const QString kSuccessionTax = QStringLiteral("sulle successioni e donazioni");
inline const QString kKindLabel = QStringLiteral("Durata:");
inline const QString kLifetime = QStringLiteral("&Vitalizio");
inline const QString kFixedTerm = QStringLiteral("A &tempo determinato");
inline const QString kYearsLabel = QStringLiteral("&Anni:");
inline const QString kValueLabel = QStringLiteral("Valore della &piena proprietà:");
inline const QString kReferenceLabel = QStringLiteral("Data di &riferimento:");
inline const QString kRateLabel = QStringLiteral("Saggio d'i&nteresse:");
inline const QString kRateAtDate = QStringLiteral("in vigore alla data di riferimento");
inline const QString kRate2016 = QStringLiteral("tabella 2016 (0,2%)");
inline const QString kRateTip = QStringLiteral(
    "Il saggio legale e i coefficienti in vigore alla data di riferimento (dal 2025 almeno il "
    "2,5%), o la tabella del 2016 allo 0,2%. La scelta è di questa finestra: il menu Saggio "
    "della finestra principale non la cambia.");
inline const QString kLivesGroup = QStringLiteral("Titolari e date di nascita");
// %1 the row's number from 1: its own access key up to 9, and 0 for the tenth.
inline const QString kLifeLabel = QStringLiteral("Titolare &%1:");
inline const QString kTenthLifeLabel = QStringLiteral("Titolare 1&0:");
inline const QString kAddLife = QStringLiteral("A&ggiungi titolare");
inline const QString kRemoveLife = QStringLiteral("Ri&muovi l'ultimo");
inline const QString kAccrualLabel = QStringLiteral("Accr&escimento:");
inline const QString kAccrualUnset = QStringLiteral("da indicare");
inline const QString kWithAccrual = QStringLiteral("sì, tra i titolari");
inline const QString kWithoutAccrual = QStringLiteral("no");
inline const QString kLivesNote = QStringLiteral(
    "Vitalizio: con più titolari conta l'età del più anziano o, con accrescimento, del più "
    "giovane; l'atto dice se c'è accrescimento.\n"
    "A tempo determinato: la data di nascita del titolare 1, il beneficiario, vale solo per "
    "l'imposta sulle successioni e donazioni, per il limite del valore vitalizio; senza di "
    "essa il limite non si applica.");
inline const QString kResultGroup = QStringLiteral("Risultato");
inline const QString kValueButton = QStringLiteral("&Calcola");
inline const QString kClose = QStringLiteral("Chi&udi");
inline const QString kCopyReport = QStringLiteral("Copia pro&spetto");
inline const QString kCopyValues = QStringLiteral("Copia va&lori per l'atto");
inline const QString kSavePdf = QStringLiteral("Salva prospetto PD&F…");
// On the printer chosen in the printer window, with no dialog: no "…".
inline const QString kPrintReport = QStringLiteral("Stampa pr&ospetto");
// %1 the text as typed or pasted, cut to a line.
inline const QString kValueNotAnAmount = QStringLiteral(
    "\"%1\" non è un importo nella forma attesa: 1.234.567,89 (il punto solo tra gruppi di tre "
    "cifre, la virgola prima dei decimali, al più due decimali).");
inline const QString kDateNotInForm = QStringLiteral(
    "\"%1\" non è una data nella forma attesa: 03/05/1950, 03051950 o 3 maggio 1950 (il giorno "
    "prima del mese, l'anno di quattro cifre).");

}  // namespace velmora::text
