#include "core/valuation/case_reading.h"

#include <algorithm>
#include <optional>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"

namespace velmora {
namespace {

Rifiuto Refused(Campo campo, Motivo motivo, int vita = -1) {
  return Rifiuto{campo, motivo, {}, {}, 0, {}, vita};
}

std::optional<Motivo> AmountFault(Incollato esito) {
  switch (esito) {
    case Incollato::Importo:
      return std::nullopt;
    case Incollato::NessunNumero:
      return Motivo::ImportoNonValido;
    case Incollato::PuntiFuoriPosto:
      return Motivo::PuntiFuoriPosto;
    case Incollato::TroppiDecimali:
      return Motivo::TroppiDecimali;
    case Incollato::Zero:
      return Motivo::ValoreMancante;
    case Incollato::TroppoGrande:
      return Motivo::ValoreTroppoGrande;
  }
  return Motivo::ImportoNonValido;
}

// An input the kind of valuation has no use for.
std::optional<Rifiuto> NotTaken(const DatiValutazione& dati) {
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      if (!dati.anni.trimmed().isEmpty()) return Refused(Campo::Anni, Motivo::AnniNonPrevisti);
      // The act says whether the survivors take the whole; one life has none.
      if (dati.accrescimento && dati.nascite.size() == 1)
        return Refused(Campo::Accrescimento, Motivo::AccrescimentoUnaVita);
      break;
    case TipoValutazione::TempoDeterminato:
      if (dati.accrescimento)
        return Refused(Campo::Accrescimento, Motivo::AccrescimentoNonPrevisto);
      if (dati.nascite.size() > 1) return Refused(Campo::Nascita, Motivo::UnSoloBeneficiario);
      // The beneficiary's birth limits a fixed term for the gift and
      // succession tax only.
      if (!dati.nascite.isEmpty() && dati.imposta != Imposta::Successioni)
        return Refused(Campo::Nascita, Motivo::NascitaSoloSuccessioni);
      break;
  }
  return std::nullopt;
}

// The reference date, read strictly; read once while a batch's rows repeat it.
std::optional<QDate> ReferenceDate(const QString& typed, UltimoRiferimento* ultimo) {
  if (!ultimo) return ReadStrictDate(typed);
  if (!ultimo->noto || typed != ultimo->testo) {
    ultimo->letto = ReadStrictDate(typed);
    // A copy of its own: sharing the batch's text would make the batch copy
    // it at the next row.
    ultimo->testo = QString(typed.constData(), typed.size());
    ultimo->noto = true;
  }
  return ultimo->letto;
}

}  // namespace

std::variant<IngressiLetti, Rifiuto> LeggiDigitati(const DatiValutazione& dati,
                                                   UltimoRiferimento* ultimo) {
  if (const auto refusal = NotTaken(dati)) return *refusal;
  if (dati.valore.trimmed().isEmpty()) return Refused(Campo::Valore, Motivo::ValoreAssente);
  const ImportoIncollato amount = ReadStrictAmount(dati.valore);
  if (const auto fault = AmountFault(amount.esito)) return Refused(Campo::Valore, *fault);

  IngressiLetti in = LeScelte(dati);
  in.valore = amount.valore;
  in.riferimento = ReferenceDate(dati.riferimento, ultimo);
  if (!in.riferimento) return Refused(Campo::Riferimento, Motivo::RiferimentoNonValido);
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      if (std::all_of(dati.nascite.begin(), dati.nascite.end(),
                      [](const QString& birth) { return QStringView(birth).trimmed().isEmpty(); }))
        return Refused(Campo::Nascita, Motivo::NascitaAssente);
      break;
    case TipoValutazione::TempoDeterminato:
      if (dati.anni.trimmed().isEmpty()) return Refused(Campo::Anni, Motivo::AnniMancanti);
      in.anni = ReadYears(dati.anni);
      break;
  }
  for (qsizetype i = 0; i < dati.nascite.size(); ++i) {
    const std::optional<QDate> birth = ReadStrictDate(dati.nascite[i]);
    if (!birth) return Refused(Campo::Nascita, Motivo::NascitaNonValida, int(i));
    in.nascite.append(*birth);
  }
  return in;
}

std::variant<RecordValutazione, Rifiuto> ValutaDigitati(const DatiValutazione& dati,
                                                        const DatiLegali& law,
                                                        UltimoRiferimento* ultimo) {
  auto read = LeggiDigitati(dati, ultimo);
  if (auto* refusal = std::get_if<Rifiuto>(&read)) return *refusal;
  return ValutaLetti(std::get<IngressiLetti>(read), law);
}

}  // namespace velmora
