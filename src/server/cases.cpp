#include "server/cases.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

#include "cli/batch.h"
#include "cli/case_reading.h"
#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/data_listing.h"
#include "cli/mcp_legal_data.h"
#include "cli/valuation_output.h"
#include "core/law/legal_data_in_use.h"
#include "server/server_texts.h"

namespace velmora::server {
namespace {

// The command line's words with the JSON fields in place of its options.
const cli::NomiIngressi& FieldNames() {
  static const cli::NomiIngressi names{QStringLiteral("valore"),        QStringLiteral("nascite"),
                                       QStringLiteral("anni"),          QStringLiteral("data"),
                                       QStringLiteral("accrescimento"), QStringLiteral("imposta")};
  return names;
}

struct Reason {
  const QString& words;
  const char* motivo;
  const char* forma;
};

// The reasons of the strict reader, each with its code and the form wanted;
// a reason is known by its words up to its first argument.
const std::vector<Reason>& Reasons() {
  static const std::vector<Reason> reasons{
      {velmora::text::kNotAnAmount, "importo_non_valido", "250.000,50"},
      {velmora::text::kStrayFullStops, "punti_fuori_posto", "250.000,50"},
      {velmora::text::kTooManyDecimals, "troppi_decimali", "250.000,50"},
      {velmora::text::kNotAboveZero, "importo_non_positivo", "250.000,50"},
      {velmora::text::kAboveLargest, "importo_troppo_grande", ""},
      {velmora::text::kNotADate, "data_non_valida", "03/05/1950"},
      {velmora::text::kNoValue, "valore_mancante", "250.000,50"},
      {velmora::text::kNoBirthDate, "nascita_mancante", "03/05/1950"},
      {velmora::text::kNoYears, "anni_mancanti", "10"},
      {velmora::text::kBornAfter, "nascita_dopo_data", ""},
      {velmora::text::kBornTooLongAgo, "nascita_troppo_lontana", ""},
      {velmora::text::kNotWholeYears, "anni_non_interi", "10"},
      {velmora::text::kBeyondLongest, "durata_massima", "30"},
      {velmora::text::kNoRateKnown, "saggio_non_noto", ""},
      {velmora::text::kPastTheRates, "saggio_non_noto", ""},
      {velmora::text::kNoCoefficientsKnown, "coefficienti_non_noti", ""},
      {velmora::text::kPastTheCoefficients, "coefficienti_non_noti", ""},
      {velmora::text::kYearsOnlyForFixedTerm, "non_previsto", ""},
      {velmora::text::kAccrualOfOneLife, "non_previsto", ""},
      {velmora::text::kAccrualOnlyForLifetime, "non_previsto", ""},
      {velmora::text::kOneBeneficiary, "non_previsto", ""},
      {velmora::text::kLimitOnlyForSuccession, "non_previsto", ""},
      {velmora::text::kNoAccrual, "accrescimento_mancante", "true"},
      {velmora::text::kTooManyLives, "troppe_vite", ""},
      {velmora::text::kNoStatuteKnown, "norma_non_nota", ""},
  };
  return reasons;
}

// The refusal's field, code and form, read back from its one line: "campo
// «valore»: motivo" or "campo: motivo".
CasoRifiutato Refusal(const QString& line) {
  CasoRifiutato refused{{}, QStringLiteral("rifiutato"), line, {}};
  const auto& names = FieldNames();
  for (const QString* name : {&names.valore, &names.nascita, &names.anni, &names.data,
                              &names.accrescimento, &names.imposta}) {
    if (line.startsWith(*name + QStringLiteral(" «")) || line.startsWith(*name + u':')) {
      refused.campo = *name;
      break;
    }
  }
  const qsizetype colon = line.indexOf(QStringLiteral(": "));
  // The value as given may hold ": " too: the reason follows the value's
  // closing mark when there is one.
  const qsizetype closing = line.indexOf(QStringLiteral("»: "));
  const QString reason = closing >= 0 ? line.mid(closing + 3) : line.mid(colon + 2);
  for (const Reason& known : Reasons()) {
    const qsizetype argument = known.words.indexOf(u'%');
    const QString start = argument < 0 ? known.words : known.words.left(argument);
    if (!start.isEmpty() && reason.startsWith(start)) {
      refused.motivo = QLatin1StringView(known.motivo);
      refused.forma = QLatin1StringView(known.forma);
      break;
    }
  }
  return refused;
}

}  // namespace

std::optional<TipoValutazione> KindNamed(QStringView word) {
  return velmora::KindNamed(word);
}
std::optional<Diritto> RightNamed(QStringView word) {
  return velmora::RightNamed(word);
}
std::optional<Imposta> TaxNamed(QStringView word) {
  return velmora::TaxNamed(word);
}

EsitoCaso ValueCase(const DatiValutazione& dati, const DatiLegali& law) {
  cli::Esito esito = cli::ValutaDigitati(dati, FieldNames(), law);
  if (auto* record = std::get_if<RecordValutazione>(&esito)) return std::move(*record);
  return Refusal(std::get<QString>(esito));
}

QByteArray CaseJson(const RecordValutazione& record) {
  return cli::JsonDocument(record);
}

EsitoLotto RunBatchOver(const QByteArray& body, const QDate& today, const DatiLegali& law,
                        const std::function<void(std::string_view)>& output) {
  EsitoLotto esito;
  qsizetype at = 0;
  cli::BatchIo io;
  io.input = [&body, &at](char* buffer, std::size_t size) -> std::ptrdiff_t {
    const qsizetype count = std::min(qsizetype(size), body.size() - at);
    std::memcpy(buffer, body.constData() + at, std::size_t(count));
    at += count;
    return std::ptrdiff_t(count);
  };
  io.output = [&](std::string_view block) {
    esito.written = true;
    output(block);
  };
  // The file's messages (its encoding, a missing header) say nothing of a
  // case; the one that stops the batch is the answer.
  io.error = [&esito](const QString& message) {
    if (!esito.written) esito.refusal += cli::OneLine(message);
  };
  io.inputName = text::kBatchInputName;
  io.today = today;
  const int status = cli::RunBatch(io, law);
  if (status != 3 || esito.written) esito.refusal.clear();
  return esito;
}

QJsonObject LegalDataJson(const DatiLegali& law) {
  return cli::LegalDataObject(law.Merged());
}

QString RefusedDataFiles(const DatiLegali& law) {
  return cli::RefusedFilesText(law.Merged());
}

}  // namespace velmora::server
