#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>
#include <variant>

#include "core/decimal.h"

// One valuation as a record: what the window shows, and everything the figures
// rest on. The window's fields, the calculation report and the command line
// all read this record; no figure is computed anywhere else.
namespace velmora {

// The kinds of valuation. Every place that treats the kinds differently does
// so in a switch without a default, so that the compiler names each place a
// new kind must reach.
enum class TipoValutazione { Vitalizio, TempoDeterminato };

// The rate of the valuation: the 2016 table at 0,2 %, or the rate and the
// coefficients in force on the reference date.
enum class Saggio { Tabella2016, AllaData };

// The inputs as typed, in the window's fields or on the command line.
struct DatiValutazione {
  TipoValutazione tipo = TipoValutazione::Vitalizio;
  Saggio saggio = Saggio::Tabella2016;
  QString valore;       // PP
  QString riferimento;  // D2
  QString nascita;      // D1, lifetime only
  QString anni;         // Text1, fixed term only
};

// The input a refusal sends the user back to, and why. Each layer words the
// reason for its own reader: the window as a message box, the command line
// as a diagnostic naming the option or the column.
enum class Campo { Valore, Nascita, Riferimento, Anni };
enum class Motivo {
  ValoreMancante,          // no amount above zero
  ValoreTroppoGrande,      // above the largest amount
  NascitaNonValida,        // the birth date is no date
  RiferimentoNonValido,    // the reference date is no date
  NascitaDopoRiferimento,  // no age to value before birth
  AnniMancanti,            // no duration
  AnniNonInteri,           // not a whole number of years from 1 to 30
  DurataMassima,           // beyond 30 years: the duration is emptied, nothing else changes
  SaggioNonNoto,           // no legal rate known on the reference date
  CoefficientiNonNoti,     // no lifetime coefficients for the year of the reference date
};
struct Rifiuto {
  Campo campo;
  Motivo motivo;
  // SaggioNonNoto: the first and last days with a legal rate.
  // CoefficientiNonNoti: the first and last years with coefficients, and the year asked.
  QDate primo;
  QDate ultimo;
  int anno = 0;
};

struct RecordValutazione {
  TipoValutazione tipo = TipoValutazione::Vitalizio;
  Saggio saggio = Saggio::Tabella2016;

  Decimal valore;  // the full value to the cent, as its money text shows it
  QString valoreTesto;
  QDate riferimento;  // invalid only for a fixed term on the 2016 table, which needs no date

  // Lifetime: the age from the birth date, its band and the coefficient.
  QDate nascita;
  int etaAnni = 0;
  int etaMesi = 0;
  int etaGiorni = 0;
  QString fascia;                            // "da 79 a 82 anni", "da 100 anni"
  std::optional<int> coefficienteCentesimi;  // none from 100 years: no usufruct
  int saggioCoefficienteCentesimi = 0;       // the rate the coefficients were made for
  int annoCoefficienti = 0;                  // the year of the table applied
  QString decretoCoefficienti;

  // Fixed term: the years and the share 1 - (1 + r)^-n to four decimals.
  int anni = 0;
  int quotaDiecimillesimi = 0;
  QString quotaTesto;  // "0,2188"

  // The rate used, the legal rate on the day and what sets it; from 2025 the
  // rate used may be the floor of 2,5 % (art. 46 c. 5-ter DPR 131/1986).
  int saggioCentesimi = 0;
  int saggioLegaleCentesimi = 0;
  QString decretoSaggioLegale;
  bool minimo = false;

  // The figures, as the window writes them.
  QString percUsufrutto;
  QString percNudaProprieta;
  Decimal usufrutto;
  Decimal nudaProprieta;
  QString usufruttoTesto;
  QString nudaProprietaTesto;
};

// Why a value typed is no amount to value, or nothing when it is one.
std::optional<Motivo> ValueRefusal(QStringView valore);

// Reads and checks the inputs as the window does, and values them. Every
// check of a valuation lives here; the window only tells the user, moves the
// focus and parks the option group on a refusal.
std::variant<RecordValutazione, Rifiuto> Valuta(const DatiValutazione& dati);

}  // namespace velmora
