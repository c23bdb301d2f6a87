#include "server/cases.h"

#include <algorithm>
#include <cstring>

#include "core/documents/batch.h"
#include "core/documents/data_listing.h"
#include "core/documents/legal_data_json.h"
#include "core/documents/valuation_output.h"
#include "core/law/legal_data_in_use.h"
#include "core/valuation/case_reading.h"
#include "core/valuation/case_words.h"
#include "core/valuation/refusal_words.h"
#include "server/server_texts.h"

namespace velmora::server {
namespace {

// The command line's words with the JSON fields in place of its options.
const NomiIngressi& FieldNames() {
  static const NomiIngressi names{QStringLiteral("valore"),        QStringLiteral("nascite"),
                                  QStringLiteral("anni"),          QStringLiteral("data"),
                                  QStringLiteral("accrescimento"), QStringLiteral("imposta")};
  return names;
}

QString FieldName(Campo campo) {
  const NomiIngressi& names = FieldNames();
  switch (campo) {
    case Campo::Valore:
      return names.valore;
    case Campo::Nascita:
      return names.nascita;
    case Campo::Riferimento:
      return names.data;
    case Campo::Anni:
      return names.anni;
    case Campo::Accrescimento:
      return names.accrescimento;
  }
  return {};
}

// The reason's code in the API: what an office's software branches on.
QString ReasonCode(Motivo motivo) {
  switch (motivo) {
    case Motivo::ImportoNonValido:
      return QStringLiteral("importo_non_valido");
    case Motivo::PuntiFuoriPosto:
      return QStringLiteral("punti_fuori_posto");
    case Motivo::TroppiDecimali:
      return QStringLiteral("troppi_decimali");
    case Motivo::ValoreMancante:
      return QStringLiteral("importo_non_positivo");
    case Motivo::ValoreTroppoGrande:
      return QStringLiteral("importo_troppo_grande");
    case Motivo::NascitaNonValida:
    case Motivo::RiferimentoNonValido:
      return QStringLiteral("data_non_valida");
    case Motivo::ValoreAssente:
      return QStringLiteral("valore_mancante");
    case Motivo::NascitaAssente:
      return QStringLiteral("nascita_mancante");
    case Motivo::AnniMancanti:
      return QStringLiteral("anni_mancanti");
    case Motivo::NascitaDopoRiferimento:
      return QStringLiteral("nascita_dopo_data");
    case Motivo::NascitaTroppoLontana:
      return QStringLiteral("nascita_troppo_lontana");
    case Motivo::AnniNonInteri:
      return QStringLiteral("anni_non_interi");
    case Motivo::DurataMassima:
      return QStringLiteral("durata_massima");
    case Motivo::SaggioNonNoto:
      return QStringLiteral("saggio_non_noto");
    case Motivo::CoefficientiNonNoti:
      return QStringLiteral("coefficienti_non_noti");
    case Motivo::AnniNonPrevisti:
    case Motivo::AccrescimentoUnaVita:
    case Motivo::AccrescimentoNonPrevisto:
    case Motivo::UnSoloBeneficiario:
    case Motivo::NascitaSoloSuccessioni:
      return QStringLiteral("non_previsto");
    case Motivo::AccrescimentoMancante:
      return QStringLiteral("accrescimento_mancante");
    case Motivo::TroppeVite:
      return QStringLiteral("troppe_vite");
    case Motivo::NormaNonNota:
      return QStringLiteral("norma_non_nota");
  }
  return {};
}

// The form wanted: the reader's, and a JSON boolean for the accrual.
QString FormWanted(Motivo motivo) {
  if (motivo == Motivo::AccrescimentoMancante) return QStringLiteral("true");
  return FormaAttesa(motivo);
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
  auto valued = ValutaDigitati(dati, law);
  if (auto* record = std::get_if<RecordValutazione>(&valued)) return std::move(*record);
  const Rifiuto& refusal = std::get<Rifiuto>(valued);
  return CasoRifiutato{FieldName(refusal.campo), ReasonCode(refusal.motivo),
                       RifiutoInParole(refusal, dati, FieldNames()), FormWanted(refusal.motivo)};
}

QByteArray CaseJson(const RecordValutazione& record) {
  return JsonDocument(record);
}

EsitoLotto RunBatchOver(const QByteArray& body, const QDate& today, const DatiLegali& law,
                        const std::function<void(std::string_view)>& output) {
  EsitoLotto esito;
  qsizetype at = 0;
  BatchIo io;
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
    if (!esito.written) esito.refusal += OneLine(message);
  };
  io.inputName = text::kBatchInputName;
  io.today = today;
  const int status = RunBatch(io, law);
  if (status != 3 || esito.written) esito.refusal.clear();
  return esito;
}

QJsonObject LegalDataJson(const DatiLegali& law) {
  return LegalDataObject(law.Merged());
}

QString RefusedDataFiles(const DatiLegali& law) {
  return RefusedFilesText(law.Merged());
}

}  // namespace velmora::server
