#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <variant>

#include "core/law/legal_data_in_use.h"
#include "core/numbers/decimal.h"
#include "core/valuation/lives.h"

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

// The right valued. Use and habitation are valued exactly as a usufruct: only
// their name changes.
enum class Diritto { Usufrutto, Uso, Abitazione };

// The tax the valuation is for. Under the gift and succession tax a fixed term
// that ends at the beneficiary's death is worth no more than the lifetime
// right at the beneficiary's age.
enum class Imposta { Registro, Successioni };

// The most lives one right may rest on.
inline constexpr int kMaxVite = 10;
// No life is valued at more years than these: an older birth is a typo
// (1026 for 1926), not a person.
inline constexpr int kEtaMassima = 120;

// The inputs as typed, in the window's fields or on the command line.
struct DatiValutazione {
  TipoValutazione tipo = TipoValutazione::Vitalizio;
  Saggio saggio = Saggio::Tabella2016;
  QString valore;       // PP
  QString riferimento;  // D2
  // Lifetime: the birth dates of the lives, D1 alone in the main window.
  // Fixed term: the beneficiary's, for the limit of the gift and succession tax.
  QStringList nascite;
  QString anni;  // Text1, fixed term only
  Diritto diritto = Diritto::Usufrutto;
  Imposta imposta = Imposta::Registro;
  // Several lives: whether the survivors take the whole (diritto di accrescimento).
  std::optional<bool> accrescimento;
};

// The inputs read, by the window's readers or strictly by the command line's:
// what is not a date or a number is none here, and refused in its turn.
struct IngressiLetti {
  TipoValutazione tipo = TipoValutazione::Vitalizio;
  Saggio saggio = Saggio::Tabella2016;
  Diritto diritto = Diritto::Usufrutto;
  Imposta imposta = Imposta::Registro;
  double valore = 0;  // above zero and within the largest amount
  std::optional<QDate> riferimento;
  ListaNascite nascite;        // every one a date
  std::optional<double> anni;  // a fixed term's years, when a number
  std::optional<bool> accrescimento;
};

// The choices of the inputs, which need no reading; the fields are left to
// the reader.
IngressiLetti LeScelte(const DatiValutazione& dati);

// The input a refusal sends the user back to, and why. Each layer words the
// reason for its own reader: the window as a message box, the command line
// as a diagnostic naming the option or the column.
enum class Campo { Valore, Nascita, Riferimento, Anni, Accrescimento };
enum class Motivo {
  ValoreMancante,      // no amount above zero
  ValoreTroppoGrande,  // above the largest amount
  // The strict reader's, for the texts of a case (case_reading.h); the
  // window's typing never gives them.
  ValoreAssente,             // nothing typed for the value
  ImportoNonValido,          // not an amount
  PuntiFuoriPosto,           // full stops that are not thousands separators
  TroppiDecimali,            // more than two decimals
  NascitaAssente,            // a lifetime with no birth date
  AnniNonPrevisti,           // a duration for a lifetime
  AccrescimentoUnaVita,      // an accrual with one life
  AccrescimentoNonPrevisto,  // an accrual for a fixed term
  UnSoloBeneficiario,        // several births for a fixed term
  NascitaSoloSuccessioni,    // a fixed term's birth, which limits only the gift and succession tax
  NascitaNonValida,          // a birth date is no date
  RiferimentoNonValido,      // the reference date is no date
  NascitaDopoRiferimento,    // no age to value before birth
  NascitaTroppoLontana,      // more than kEtaMassima years before the reference date: a typo
  TroppeVite,                // more lives than kMaxVite
  AccrescimentoMancante,     // several lives, and the act must say whether with accrual
  AnniMancanti,              // no duration
  AnniNonInteri,             // not a whole number of years from 1 to 30
  DurataMassima,             // beyond 30 years: the duration is emptied, nothing else changes
  SaggioNonNoto,             // no legal rate known on the reference date
  CoefficientiNonNoti,       // no lifetime coefficients for the year of the reference date
  NormaNonNota,              // no statute known for the tax or the rule on that day
};
struct Rifiuto {
  Campo campo;
  Motivo motivo;
  // SaggioNonNoto: the first and last days with a legal rate.
  // CoefficientiNonNoti: the first and last years with coefficients, and the year asked.
  QDate primo;
  QDate ultimo;
  int anno = 0;
  QDate giorno;   // the reference date, where it was read
  int vita = -1;  // the life a birth date refusal is about, from 0
};

// A fixed term for the gift and succession tax, set beside the lifetime right
// at the beneficiary's age: the lower of the two is due. The shares decide,
// not their amounts rounded to the cent.
struct LimiteTempoDeterminato {
  QString percTempo;      // the fixed term's share, "52,33%"
  qint64 quotaTempo = 0;  // the same in millionths
  Decimal usufruttoTempo;
  QString usufruttoTempoTesto;
  // The lifetime share at the beneficiary's age, "20%", and its millionths;
  // none from 100 years, where the tables give the lifetime right no value
  // and so set no limit.
  QString percVitalizio;
  std::optional<qint64> quotaVitalizio;
  Decimal usufruttoVitalizio;
  QString usufruttoVitalizioTesto;
  QString fascia;          // the beneficiary's band
  bool applicato = false;  // the lifetime share is the lower, and is due
};

// The day within 60 days after the reference date on which the life that
// counts reaches an age of another band.
struct ProssimaFascia {
  QDate data;
  int anni = 0;
  QString percUsufrutto;  // from that day
  // The coefficients of the year of that day are not yet known: the share is
  // that of the coefficients of the reference date's year, which hold for
  // that day only if its rate is the same (for coefficients made at the
  // floor: if its legal rate does not pass the floor).
  bool provvisoria = false;
  int annoCoefficienti = 0;             // the year whose coefficients give the share
  int saggioCoefficientiCentesimi = 0;  // the rate they were made for
  bool coefficientiAlMinimo = false;    // that rate is the floor, above the legal rate
};

// The 2016 table used for an act of another year: what the rate in force on
// the reference date gives for the same inputs, valued once with them.
struct AllaDataInVigore {
  bool noto = false;            // the rate and coefficients of that day are known
  int saggioCentesimi = 0;      // the rate used on that day
  std::optional<qint64> quota;  // its share in millionths; none from 100 years
  QString percUsufrutto;        // for display
  bool diversa = false;         // the share differs from the 2016 table's
};

struct RecordValutazione {
  TipoValutazione tipo = TipoValutazione::Vitalizio;
  Saggio saggio = Saggio::Tabella2016;
  Diritto diritto = Diritto::Usufrutto;
  Imposta imposta = Imposta::Registro;

  Decimal valore;     // the full value to the cent, as its money text shows it
  QDate riferimento;  // invalid only for a fixed term on the 2016 table, which needs no date

  // Lifetime: the age of the life that counts, its band and the coefficient.
  QDate nascita;
  int etaAnni = 0;
  int etaMesi = 0;
  int etaGiorni = 0;
  QString fascia;                            // "da 79 a 82 anni", "da 100 anni"
  std::optional<int> coefficienteCentesimi;  // none from 100 years: no usufruct
  int saggioCoefficienteCentesimi = 0;       // the rate the coefficients were made for
  int annoCoefficienti = 0;                  // the year of the table applied
  QString decretoCoefficienti;
  // Every life with its age, in the order given, and whose age counts: one
  // life for a single usufructuary and for the fixed term's beneficiary.
  Vite vite;
  std::optional<ProssimaFascia> prossimaFascia;

  // Fixed term: the years and the share 1 - (1 + r)^-n to four decimals.
  int anni = 0;
  int quotaDiecimillesimi = 0;
  QString quotaTesto;  // "0,2188"
  std::optional<LimiteTempoDeterminato> limite;

  // The rate used, the legal rate on the day and what sets it; from 2025 the
  // rate used may be the floor of 2,5 % (D.Lgs. 139/2024), cited for the tax.
  int saggioCentesimi = 0;
  int saggioLegaleCentesimi = 0;
  QString decretoSaggioLegale;
  bool minimo = false;

  // The statutes cited, from the legal data: the basis under the tax, the
  // floor where it applied, and the rules of the right, the lives and the
  // limit where they applied (empty otherwise).
  QString normaBase;
  QString normaMinimo;
  QString normaDiritto;
  QString normaVite;
  QString normaLimite;
  std::optional<AllaDataInVigore> allaData;
  // The files an office added that the figures rest on; empty when they rest
  // on the data built into the program alone.
  QStringList datiAggiunti;

  // The figures, as the window writes them: the money texts are written when
  // asked for, since a batch never shows them.
  QString percUsufrutto;
  QString percNudaProprieta;
  std::optional<qint64> quota;  // the share applied, in millionths; none: no usufruct
  Decimal usufrutto;
  Decimal nudaProprieta;
  QString ValoreTesto() const;
  QString UsufruttoTesto() const;
  QString NudaProprietaTesto() const;
};

// Why a value typed is no amount to value, or nothing when it is one.
std::optional<Motivo> ValueRefusal(QStringView valore);

// Reads the inputs as the window reads them, checks them and values them with
// the legal data given. Every check of a valuation lives here and in
// ValutaLetti; the window only tells the user, moves the focus and parks the
// option group on a refusal.
std::variant<RecordValutazione, Rifiuto> Valuta(const DatiValutazione& dati, const DatiLegali& law);
// Values inputs already read (the command line reads them strictly): the one
// path every figure takes.
std::variant<RecordValutazione, Rifiuto> ValutaLetti(const IngressiLetti& letti,
                                                     const DatiLegali& law);

}  // namespace velmora
