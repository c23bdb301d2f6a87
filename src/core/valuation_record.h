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

enum class Usufrutto { Vitalizio, TempoDeterminato };

// The rate of the valuation: the 2016 table at 0,2 %, or the rate and the
// coefficients in force on the reference date.
enum class Saggio { Tabella2016, AllaData };

// The inputs as typed, in the window's fields or on the command line.
struct DatiValutazione {
  Usufrutto tipo = Usufrutto::Vitalizio;
  Saggio saggio = Saggio::Tabella2016;
  QString valore;       // PP
  QString riferimento;  // D2
  QString nascita;      // D1, lifetime only
  QString anni;         // Text1, fixed term only
};

// The input a refusal sends the user back to, and what the user is told.
enum class Campo { Valore, Nascita, Riferimento, Anni };
struct Rifiuto {
  Campo campo;
  QString messaggio;  // from messages.h, as the window shows it
  // A duration beyond the longest is emptied, not typed over: the user is
  // told, and nothing else changes.
  bool svuota = false;
};

struct RecordValutazione {
  Usufrutto tipo = Usufrutto::Vitalizio;
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

// Why a value typed is no amount to value (the window's message), or nothing
// when it is one.
std::optional<QString> ValueRefusal(QStringView valore);

// Reads and checks the inputs as the window does, with its messages, and
// values them. Every check of a valuation lives here; the window only moves
// the focus and parks the option group on a refusal.
std::variant<RecordValutazione, Rifiuto> Valuta(const DatiValutazione& dati);

}  // namespace velmora
