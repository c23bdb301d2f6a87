#include "core/valuation/valuation_record.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation.h"
#include "core/valuation/valuation_texts.h"

namespace velmora {
namespace {

constexpr double kMaxYears = 30;
// How far ahead the report looks for the next change of band.
constexpr int kNextBandDays = 60;

Rifiuto Refuse(Campo campo, Motivo motivo, int vita = -1) {
  return Rifiuto{campo, motivo, {}, {}, 0, {}, vita};
}

Rifiuto NoRate(const DatiLegali& law, const QDate& day) {
  return Rifiuto{Campo::Riferimento,
                 Motivo::SaggioNonNoto,
                 law.FirstDayWithRate(),
                 law.LastDayWithRate(),
                 0,
                 day,
                 -1};
}

Rifiuto NoCoefficients(const DatiLegali& law, const QDate& day) {
  return Rifiuto{Campo::Riferimento,
                 Motivo::CoefficientiNonNoti,
                 QDate(law.FirstYearWithCoefficients(), 1, 1),
                 QDate(law.LastYearWithCoefficients(), 12, 31),
                 day.year(),
                 day,
                 -1};
}

QString Band(const RigaVitalizio& row) {
  if (row.ageTo == std::numeric_limits<int>::max())
    return text::kBandFrom.arg(QString::number(row.ageFrom));
  return text::kBandFromTo.arg(QString::number(row.ageFrom), QString::number(row.ageTo));
}

// Every year's table has the same bands: their texts are written once, not
// at every valuation of a batch.
const QString& BandText(const TabellaVitalizio& table, const RigaVitalizio& row) {
  static const std::vector<QString> texts = [&table] {
    std::vector<QString> written;
    for (const RigaVitalizio& r : table.Righe()) written.push_back(Band(r));
    return written;
  }();
  return texts.at(std::size_t(&row - table.Righe().data()));
}

// The figures rest on a file an office added: the record names it.
void Note(RecordValutazione& r, const DataOrigin& origin) {
  if (!origin.BuiltIn() && !r.datiAggiunti.contains(origin.file)) r.datiAggiunti << origin.file;
}

// The rate used, the legal rate and its decree, and the floor where it applied.
void SetRate(RecordValutazione& r, const RateInForce& rate) {
  r.saggioCentesimi = rate.hundredths;
  r.saggioLegaleCentesimi = rate.legalHundredths;
  r.decretoSaggioLegale = rate.setBy;
  r.minimo = rate.Floored();
  Note(r, rate.rateOrigin);
  if (r.minimo) {
    r.normaMinimo = rate.floorStatute;
    Note(r, rate.floorOrigin);
  }
}

QLatin1StringView BaseSubject(Imposta imposta) {
  switch (imposta) {
    case Imposta::Registro:
      return kSubjectBaseRegistro;
    case Imposta::Successioni:
      return kSubjectBaseSuccessioni;
  }
  return {};
}

QLatin1StringView RightSubject(Imposta imposta) {
  switch (imposta) {
    case Imposta::Registro:
      return kSubjectUsoAbitazioneRegistro;
    case Imposta::Successioni:
      return kSubjectUsoAbitazioneSuccessioni;
  }
  return {};
}

// Several lives and the floor are different articles under each tax.
QLatin1StringView LivesSubject(Imposta imposta) {
  switch (imposta) {
    case Imposta::Registro:
      return kSubjectPiuViteRegistro;
    case Imposta::Successioni:
      return kSubjectPiuViteSuccessioni;
  }
  return {};
}

QLatin1StringView FloorSubject(Imposta imposta) {
  switch (imposta) {
    case Imposta::Registro:
      return kSubjectMinimoRegistro;
    case Imposta::Successioni:
      return kSubjectMinimoSuccessioni;
  }
  return {};
}

bool ValuedAsUsufruct(Diritto diritto) {
  switch (diritto) {
    case Diritto::Usufrutto:
      return false;
    case Diritto::Uso:
    case Diritto::Abitazione:
      return true;
  }
  return false;
}

// The statutes the valuation rests on, on the day whose law it applies (the
// 2016 table's in that mode): the basis under its tax, the floor where it
// applied and the rules that applied. A day none of them covers is refused.
std::optional<Rifiuto> Cite(RecordValutazione& r, const DatiLegali& law, const QDate& day) {
  auto cite = [&](QLatin1StringView subject, QString& into) {
    const StatutePeriod* statute = law.StatuteOn(subject, day);
    if (!statute) return false;
    into = statute->citation;
    Note(r, statute->origin);
    return true;
  };
  // The floor's article under the tax; without a row for it, the statute of
  // the floor's own row (SetRate) stays, as an office's older files give it.
  if (r.minimo) cite(FloorSubject(r.imposta), r.normaMinimo);
  const bool known =
      cite(BaseSubject(r.imposta), r.normaBase) &&
      (!ValuedAsUsufruct(r.diritto) || cite(RightSubject(r.imposta), r.normaDiritto)) &&
      (r.vite.regola == RegolaEta::UnaVita || cite(LivesSubject(r.imposta), r.normaVite)) &&
      (!r.limite || cite(kSubjectLimiteTempoDeterminato, r.normaLimite));
  if (known) return std::nullopt;
  Rifiuto refusal = Refuse(Campo::Riferimento, Motivo::NormaNonNota);
  refusal.giorno = day;
  return refusal;
}

// Before birth there is no age to value, and a birth more than kEtaMassima
// years before the act is a typo, not a person.
std::optional<Rifiuto> BirthsOutOfRange(const ListaNascite& births, const QDate& reference) {
  for (qsizetype i = 0; i < births.size(); ++i) {
    const QDate& birth = births[i];
    if (birth <= reference && birth.addYears(kEtaMassima) >= reference) continue;
    Rifiuto refusal = Refuse(
        Campo::Nascita,
        birth > reference ? Motivo::NascitaDopoRiferimento : Motivo::NascitaTroppoLontana, int(i));
    refusal.giorno = reference;
    return refusal;
  }
  return std::nullopt;
}

void SetKind(RecordValutazione& r, const IngressiLetti& in) {
  r.tipo = in.tipo;
  r.saggio = in.saggio;
  r.diritto = in.diritto;
  r.imposta = in.imposta;
}

// The lifetime table of the day of a valuation; the 2016 table in that mode.
std::optional<TabellaVitalizio> LifetimeTableOn(const DatiLegali& law, Saggio saggio,
                                                const QDate& day) {
  switch (saggio) {
    case Saggio::Tabella2016:
      return TabellaVitalizio2016();
    case Saggio::AllaData:
      return LifetimeTableFor(law, day.year());
  }
  return std::nullopt;
}

// The life that counts and the coefficients its share comes from: the same
// fields for a lifetime right and for a fixed term's limit.
void SetLife(RecordValutazione& r, Vite lives, const LifetimeCoefficients& coefficients) {
  const Vita& counted = lives.vite[qsizetype(lives.conta)];
  r.nascita = counted.nascita;
  r.etaAnni = counted.anni;
  r.etaMesi = counted.mesi;
  r.etaGiorni = counted.giorni;
  r.vite = std::move(lives);
  r.saggioCoefficienteCentesimi = coefficients.rateHundredths;
  r.annoCoefficienti = coefficients.year;
  r.decretoCoefficienti = coefficients.decree;
}

// The next birthday of the life that counts, when it brings another band
// within kNextBandDays, with the share of that day. At the date of the act a
// birthday in a year whose coefficients are known takes them, and the record
// names their data; in a year not yet known the share is that of the
// reference date's coefficients, said to be provisional.
void NextBand(RecordValutazione& r, const DatiLegali& law, const Vita& counted,
              const RigaVitalizio& row) {
  // A year older within the band changes nothing.
  if (counted.anni < row.ageTo) return;
  const QDate day = ProssimoCompleanno(counted.nascita, r.riferimento);
  if (!day.isValid() || r.riferimento.daysTo(day) > kNextBandDays) return;
  ProssimaFascia next;
  next.data = day;
  next.anni = counted.anni + 1;
  std::optional<TabellaVitalizio> table = TabellaVitalizio2016();
  switch (r.saggio) {
    case Saggio::Tabella2016:
      next.annoCoefficienti = r.annoCoefficienti;
      break;
    case Saggio::AllaData: {
      const std::optional<RateInForce> rate = RateOn(law, day);
      const LifetimeCoefficients* known = rate ? law.CoefficientsFor(day.year()) : nullptr;
      const LifetimeCoefficients* used = known ? known : law.CoefficientsFor(r.riferimento.year());
      table = LifetimeTableFor(law, known ? day.year() : r.riferimento.year());
      if (!used || !table) return;
      if (known) {
        Note(r, rate->rateOrigin);
        if (rate->Floored()) Note(r, rate->floorOrigin);
        Note(r, known->origin);
      }
      next.provvisoria = !known;
      next.annoCoefficienti = known ? day.year() : r.riferimento.year();
      next.saggioCoefficientiCentesimi = used->rateHundredths;
      next.coefficientiAlMinimo = used->rateHundredths != used->legalRateHundredths;
      break;
    }
  }
  const RigaVitalizio* reached = table->RigaPerEta(next.anni);
  if (!reached || reached->ageFrom == row.ageFrom) return;
  next.percUsufrutto = reached->percUsufrutto;
  r.prossimaFascia = std::move(next);
}

std::variant<RecordValutazione, Rifiuto> Lifetime(const IngressiLetti& in, const DatiLegali& law) {
  if (!in.riferimento) return Refuse(Campo::Riferimento, Motivo::RiferimentoNonValido);
  const QDate& reference = *in.riferimento;
  if (in.nascite.empty()) return Refuse(Campo::Nascita, Motivo::NascitaNonValida, 0);
  if (in.nascite.size() > kMaxVite) return Refuse(Campo::Nascita, Motivo::TroppeVite);
  if (const auto refusal = BirthsOutOfRange(in.nascite, reference)) return *refusal;
  if (in.nascite.size() > 1 && !in.accrescimento)
    return Refuse(Campo::Accrescimento, Motivo::AccrescimentoMancante);

  const QDate rateDay = RateDay(in.saggio, reference);
  const std::optional<RateInForce> rate = RateOn(law, rateDay);
  if (!rate) return NoRate(law, reference);
  const std::optional<TabellaVitalizio> table = LifetimeTableFor(law, rateDay.year());
  const LifetimeCoefficients* coefficients = law.CoefficientsFor(rateDay.year());
  if (!table || !coefficients) return NoCoefficients(law, reference);

  std::optional<Vite> lives = ViteAl(in.nascite, reference, in.accrescimento);
  if (!lives) return Refuse(Campo::Accrescimento, Motivo::AccrescimentoMancante);
  const Vita counted = lives->vite[qsizetype(lives->conta)];
  const RigaVitalizio* row = table->RigaPerEta(counted.anni);
  std::optional<RecordValutazione> figures = ValutaVitalizio(in.valore, counted.anni, *table);
  if (!row || !figures) return Refuse(Campo::Valore, Motivo::ValoreTroppoGrande);

  RecordValutazione& r = *figures;
  SetKind(r, in);
  r.riferimento = reference;
  SetLife(r, std::move(*lives), *coefficients);
  r.fascia = BandText(*table, *row);
  const auto band = std::size_t(row - table->Righe().data());
  if (band < coefficients->coefficientHundredths.size())
    r.coefficienteCentesimi = coefficients->coefficientHundredths[band];
  SetRate(r, *rate);
  Note(r, coefficients->origin);
  if (const auto refusal = Cite(r, law, rateDay)) return *refusal;
  NextBand(r, law, counted, *row);
  return std::move(r);
}

// The gift and succession tax: a fixed term that ends at the beneficiary's
// death is worth no more than the lifetime right at the beneficiary's age.
std::optional<Rifiuto> Limit(RecordValutazione& r, const IngressiLetti& in, const DatiLegali& law,
                             const QDate& rateDay, qint64 fixedShare) {
  if (!in.riferimento) return Refuse(Campo::Riferimento, Motivo::RiferimentoNonValido);
  if (in.nascite.size() > 1) return Refuse(Campo::Nascita, Motivo::TroppeVite);
  if (const auto refusal = BirthsOutOfRange(in.nascite, *in.riferimento)) return *refusal;
  const std::optional<TabellaVitalizio> table = LifetimeTableOn(law, in.saggio, rateDay);
  const LifetimeCoefficients* coefficients = law.CoefficientsFor(rateDay.year());
  if (!table || !coefficients) return NoCoefficients(law, *in.riferimento);
  std::optional<Vite> lives = ViteAl(in.nascite, *in.riferimento, std::nullopt);
  const RigaVitalizio* row = lives ? table->RigaPerEta(lives->vite.front().anni) : nullptr;
  const std::optional<Ripartizione> lifetime =
      row ? Ripartisci(in.valore, row->share) : std::nullopt;
  if (!lifetime) return Refuse(Campo::Valore, Motivo::ValoreTroppoGrande);

  LimiteTempoDeterminato limit;
  limit.percTempo = r.percUsufrutto;
  limit.quotaTempo = fixedShare;
  limit.usufruttoTempo = r.usufrutto;
  limit.usufruttoTempoTesto = r.UsufruttoTesto();
  limit.percVitalizio = row->percUsufrutto;
  limit.quotaVitalizio = row->share;
  limit.usufruttoVitalizio = lifetime->usufrutto;
  limit.usufruttoVitalizioTesto = MoneyText(lifetime->usufrutto);
  limit.fascia = BandText(*table, *row);
  // The shares decide: two amounts rounded to the same cent may come from
  // different shares. From 100 years the tables give no lifetime value, and
  // no limit.
  limit.applicato = row->share && *row->share < fixedShare;
  if (limit.applicato) {
    ScriviCifre(r, *lifetime, row->percUsufrutto, row->percNudaProprieta);
    r.quota = row->share;
  }
  r.limite = std::move(limit);
  SetLife(r, std::move(*lives), *coefficients);
  if (in.saggio == Saggio::AllaData) Note(r, coefficients->origin);
  return std::nullopt;
}

std::variant<RecordValutazione, Rifiuto> FixedTerm(const IngressiLetti& in, const DatiLegali& law) {
  if (in.saggio == Saggio::AllaData && !in.riferimento)
    return Refuse(Campo::Riferimento, Motivo::RiferimentoNonValido);
  // The 2016 table needs no date, so an unreadable one is no reason to refuse it.
  const QDate rateDay = RateDay(in.saggio, in.riferimento.value_or(QDate()));
  const std::optional<RateInForce> rate = RateOn(law, rateDay);
  if (!rate) return NoRate(law, in.riferimento.value_or(QDate()));
  const TabellaTempoDeterminato& table = in.saggio == Saggio::Tabella2016
                                             ? TabellaTempoDeterminato2016()
                                             : FixedTermTableAt(rate->hundredths);

  const RigaTempoDeterminato* row = in.anni ? table.RigaPerDurata(*in.anni) : nullptr;
  if (!row) {
    if (in.anni && *in.anni > kMaxYears) return Refuse(Campo::Anni, Motivo::DurataMassima);
    // Zero, negative, a fraction or no number at all: nothing to look up.
    return Refuse(Campo::Anni, Motivo::AnniNonInteri);
  }
  std::optional<RecordValutazione> figures = ValutaTempoDeterminato(in.valore, *in.anni, table);
  if (!figures) return Refuse(Campo::Valore, Motivo::ValoreTroppoGrande);

  RecordValutazione& r = *figures;
  SetKind(r, in);
  r.riferimento = in.riferimento.value_or(QDate());
  SetRate(r, *rate);
  switch (in.imposta) {
    case Imposta::Registro:
      break;
    case Imposta::Successioni:
      if (in.nascite.empty()) break;
      if (const auto refusal = Limit(r, in, law, rateDay, row->Share())) return *refusal;
      break;
  }
  if (const auto refusal = Cite(r, law, rateDay)) return *refusal;
  return std::move(r);
}

std::variant<RecordValutazione, Rifiuto> Kind(const IngressiLetti& in, const DatiLegali& law) {
  switch (in.tipo) {
    case TipoValutazione::Vitalizio:
      return Lifetime(in, law);
    case TipoValutazione::TempoDeterminato:
      return FixedTerm(in, law);
  }
  return Refuse(Campo::Valore, Motivo::ValoreMancante);
}

}  // namespace

QString RecordValutazione::ValoreTesto() const {
  return MoneyText(valore);
}

QString RecordValutazione::UsufruttoTesto() const {
  return MoneyText(usufrutto);
}

QString RecordValutazione::NudaProprietaTesto() const {
  return MoneyText(nudaProprieta);
}

std::optional<Motivo> ValueRefusal(QStringView valore) {
  const std::optional<double> value = ReadNumber(valore);
  // A text read as less than 10^12 cannot round above the largest amount.
  if ((!value || *value >= 1e12) && AboveLargestAmount(valore)) return Motivo::ValoreTroppoGrande;
  // An amount of zero or below, or no number at all, is no value to split.
  if (!value || !(*value > 0)) return Motivo::ValoreMancante;
  return std::nullopt;
}

IngressiLetti LeScelte(const DatiValutazione& dati) {
  IngressiLetti in;
  in.tipo = dati.tipo;
  in.saggio = dati.saggio;
  in.diritto = dati.diritto;
  in.imposta = dati.imposta;
  in.accrescimento = dati.accrescimento;
  return in;
}

std::variant<RecordValutazione, Rifiuto> Valuta(const DatiValutazione& dati,
                                                const DatiLegali& law) {
  if (const auto refusal = ValueRefusal(dati.valore)) return Refuse(Campo::Valore, *refusal);
  IngressiLetti in = LeScelte(dati);
  in.valore = *ReadNumber(dati.valore);
  // The reference date is typed freely: the birth date's form, or any other.
  in.riferimento = ReadDateOrDigits(dati.riferimento);
  auto readBirths = [&dati, &in]() -> std::optional<Rifiuto> {
    for (qsizetype i = 0; i < dati.nascite.size(); ++i) {
      const std::optional<QDate> birth = ReadDate(dati.nascite[i]);
      if (!birth) return Refuse(Campo::Nascita, Motivo::NascitaNonValida, int(i));
      in.nascite.append(*birth);
    }
    return std::nullopt;
  };
  switch (dati.tipo) {
    case TipoValutazione::Vitalizio:
      if (dati.nascite.isEmpty()) return Refuse(Campo::Nascita, Motivo::NascitaNonValida, 0);
      if (const auto refusal = readBirths()) return *refusal;
      break;
    case TipoValutazione::TempoDeterminato:
      if (dati.anni.isEmpty()) return Refuse(Campo::Anni, Motivo::AnniMancanti);
      in.anni = ReadYears(dati.anni);
      // The beneficiary's age limits a fixed term for the gift and succession tax only.
      if (dati.imposta == Imposta::Successioni) {
        if (const auto refusal = readBirths()) return *refusal;
      }
      break;
  }
  return ValutaLetti(in, law);
}

std::variant<RecordValutazione, Rifiuto> ValutaLetti(const IngressiLetti& letti,
                                                     const DatiLegali& law) {
  std::variant<RecordValutazione, Rifiuto> valued = Kind(letti, law);
  auto* r = std::get_if<RecordValutazione>(&valued);
  if (r && r->saggio == Saggio::Tabella2016 && r->riferimento.isValid() &&
      r->riferimento.year() != 2016) {
    // The 2016 table for an act of another year: what the rate in force on
    // its day gives, for the report to set beside it.
    IngressiLetti atTheDate = letti;
    atTheDate.saggio = Saggio::AllaData;
    const std::variant<RecordValutazione, Rifiuto> due = Kind(atTheDate, law);
    AllaDataInVigore inForce;
    if (const auto* d = std::get_if<RecordValutazione>(&due)) {
      inForce.noto = true;
      inForce.saggioCentesimi = d->saggioCentesimi;
      inForce.quota = d->quota;
      inForce.percUsufrutto = d->percUsufrutto;
      inForce.diversa = d->quota != r->quota;
    }
    r->allaData = std::move(inForce);
  }
  return valued;
}

}  // namespace velmora
