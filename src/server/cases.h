#pragma once

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <string_view>
#include <variant>

#include "core/law/legal_data_in_use.h"
#include "core/valuation/valuation_record.h"

// What the service asks of the core's strict reader and writers, the ones the
// command line uses: the one place that names them, so that the service
// answers as "velmora vitalizio ... --formato json" and "velmora lotto" do.
namespace velmora::server {

// The words of the kinds, the rights and the taxes.
std::optional<TipoValutazione> KindNamed(QStringView word);
std::optional<Diritto> RightNamed(QStringView word);
std::optional<Imposta> TaxNamed(QStringView word);

// A case refused by the strict reader: the JSON field, a reason code, the
// command line's words with the field's name, the form wanted.
struct CasoRifiutato {
  QString campo;
  QString motivo;
  QString messaggio;
  QString forma;
};
using EsitoCaso = std::variant<RecordValutazione, CasoRifiutato>;

// Reads and values the texts of a case as the command line does; its
// reference date must be given.
EsitoCaso ValueCase(const DatiValutazione& dati, const DatiLegali& law);

// The JSON object the command line writes for the record.
QByteArray CaseJson(const RecordValutazione& record);

// The batch over a body: its result in blocks to `output`; the refusal of the
// file as a whole when nothing could be valued (no header, say).
struct EsitoLotto {
  bool written = false;  // some result went out
  QString refusal;       // why nothing could be valued
};
EsitoLotto RunBatchOver(const QByteArray& body, const QDate& today, const DatiLegali& law,
                        const std::function<void(std::string_view)>& output);

// The legal data in use as JSON, as the MCP tool dati_legali gives them.
QJsonObject LegalDataJson(const DatiLegali& law);
// The office's files refused at start-up, one line each; empty when none.
QString RefusedDataFiles(const DatiLegali& law);

}  // namespace velmora::server
