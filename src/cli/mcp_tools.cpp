#include "cli/mcp_tools.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <variant>

#include "cli/mcp_arguments.h"
#include "cli/mcp_texts.h"
#include "core/documents/calculation_report.h"
#include "core/documents/data_listing.h"
#include "core/documents/legal_data_json.h"
#include "core/documents/valuation_output.h"
#include "core/documents/version.h"
#include "core/law/legal_data_in_use.h"
#include "core/numbers/date_text.h"

namespace velmora::cli {
namespace {

const QString kLifetime = QStringLiteral("valuta_vitalizio");
const QString kFixedTerm = QStringLiteral("valuta_tempo_determinato");
const QString kLegalData = QStringLiteral("dati_legali");

QJsonObject Described(QJsonObject schema, const QString& description) {
  schema.insert(QStringLiteral("description"), description);
  return schema;
}

QJsonObject Words(std::initializer_list<QString> words, const QString& description) {
  QJsonArray allowed;
  for (const QString& word : words) allowed.append(word);
  return Described(
      {{QStringLiteral("type"), QStringLiteral("string")}, {QStringLiteral("enum"), allowed}},
      description);
}

QJsonObject Dates(int most, const QString& description) {
  return Described({{QStringLiteral("type"), QStringLiteral("array")},
                    {QStringLiteral("items"), QJsonObject{{QStringLiteral("type"), "string"}}},
                    {QStringLiteral("minItems"), 1},
                    {QStringLiteral("maxItems"), most}},
                   description);
}

QJsonObject ObjectSchema(const QJsonObject& properties, const QJsonArray& required) {
  return {{QStringLiteral("type"), QStringLiteral("object")},
          {QStringLiteral("properties"), properties},
          {QStringLiteral("required"), required},
          {QStringLiteral("additionalProperties"), false}};
}

// The properties both valuations take.
QJsonObject CommonProperties() {
  const QJsonObject text{{QStringLiteral("type"), QStringLiteral("string")}};
  return {
      {QStringLiteral("valore"),
       Described({{QStringLiteral("type"), QJsonArray{QStringLiteral("number"), "string"}}},
                 text::kPropValue)},
      {QStringLiteral("diritto"),
       Words({QStringLiteral("usufrutto"), QStringLiteral("uso"), QStringLiteral("abitazione")},
             text::kPropRight)},
      {QStringLiteral("imposta"),
       Words({QStringLiteral("registro"), QStringLiteral("successioni")}, text::kPropTax)},
      {QStringLiteral("data"), Described(text, text::kPropDate)},
      {QStringLiteral("saggio"),
       Words({QStringLiteral("data"), QStringLiteral("2016")}, text::kPropRate)},
  };
}

QJsonObject LifetimeInput() {
  QJsonObject properties = CommonProperties();
  properties.insert(QStringLiteral("nascite"), Dates(kMaxVite, text::kPropBirths));
  properties.insert(
      QStringLiteral("accrescimento"),
      Described({{QStringLiteral("type"), QStringLiteral("boolean")}}, text::kPropAccrual));
  return ObjectSchema(properties, {QStringLiteral("valore"), QStringLiteral("nascite")});
}

QJsonObject FixedTermInput() {
  QJsonObject properties = CommonProperties();
  properties.insert(QStringLiteral("anni"),
                    Described({{QStringLiteral("type"), QJsonArray{"integer", "string"}},
                               {QStringLiteral("minimum"), 1},
                               {QStringLiteral("maximum"), 30}},
                              text::kPropYears));
  properties.insert(QStringLiteral("nascite"), Dates(1, text::kPropBeneficiary));
  return ObjectSchema(properties, {QStringLiteral("valore"), QStringLiteral("anni")});
}

// What JsonDocument writes: the fields every valuation has, typed; the rest
// (ages, bands, the limit) as it comes.
QJsonObject ValuationOutput() {
  const QJsonObject text{{QStringLiteral("type"), QStringLiteral("string")}};
  const QJsonObject share{
      {QStringLiteral("type"), QStringLiteral("object")},
      {QStringLiteral("properties"), QJsonObject{{QStringLiteral("percentuale"), text},
                                                 {QStringLiteral("importo"), text},
                                                 {QStringLiteral("testo"), text},
                                                 {QStringLiteral("lettere"), text}}},
      {QStringLiteral("required"), QJsonArray{"percentuale", "importo", "testo", "lettere"}}};
  const QJsonObject properties{
      {QStringLiteral("tipo"),
       Words({QStringLiteral("vitalizio"), QStringLiteral("tempo-determinato")},
             QStringLiteral("tipo di valutazione"))},
      {QStringLiteral("valore"), text},
      {QStringLiteral("valore_testo"), text},
      {QStringLiteral("data"), text},
      {QStringLiteral("saggio"), text},
      {QStringLiteral("modo_saggio"), text},
      {QStringLiteral("minimo"), QJsonObject{{QStringLiteral("type"), QStringLiteral("boolean")}}},
      {QStringLiteral("usufrutto"), share},
      {QStringLiteral("nuda_proprieta"), share},
      {QStringLiteral("diritto"), text},
      {QStringLiteral("imposta"), text},
      {QStringLiteral("norma"), text},
      {QStringLiteral("fonte_dati"), text}};
  QJsonArray required;
  for (auto it = properties.begin(); it != properties.end(); ++it) required.append(it.key());
  return {{QStringLiteral("type"), QStringLiteral("object")},
          {QStringLiteral("properties"), properties},
          {QStringLiteral("required"), required}};
}

QJsonObject Tool(const QString& name, const QString& title, const QString& description,
                 const QJsonObject& input, const QJsonObject& output, bool structured) {
  QJsonObject tool{
      {QStringLiteral("name"), name},
      {QStringLiteral("title"), title},
      {QStringLiteral("description"), description},
      {QStringLiteral("inputSchema"), input},
      {QStringLiteral("annotations"), QJsonObject{{QStringLiteral("readOnlyHint"), true},
                                                  {QStringLiteral("openWorldHint"), false}}}};
  if (structured) tool.insert(QStringLiteral("outputSchema"), output);
  return tool;
}

QJsonObject TextContent(const QString& text) {
  return {{QStringLiteral("type"), QStringLiteral("text")}, {QStringLiteral("text"), text}};
}

QJsonObject Refused(const QString& message) {
  return {{QStringLiteral("content"), QJsonArray{TextContent(message)}},
          {QStringLiteral("isError"), true}};
}

// The report to quote whole, and the record: as structured content where the
// protocol has it, else as a second text.
QJsonObject Answered(const QString& report, const QJsonObject& object, bool structured) {
  QJsonArray content{TextContent(report)};
  QJsonObject result;
  if (structured) {
    result.insert(QStringLiteral("structuredContent"), object);
  } else {
    content.append(
        TextContent(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented))));
  }
  result.insert(QStringLiteral("content"), content);
  result.insert(QStringLiteral("isError"), false);
  return result;
}

QJsonObject Valuation(TipoValutazione tipo, const QJsonObject& arguments, bool structured,
                      const McpClock& clock, const DatiLegali& law) {
  const QDateTime now = clock.now();
  const ArgomentiLetti read = McpArguments(tipo, arguments, SlashedDate(now.date()));
  if (const auto* refusal = std::get_if<QString>(&read)) return Refused(*refusal);
  const Esito esito = ValutaInParole(std::get<DatiValutazione>(read), McpPropertyNames(), law);
  if (const auto* refusal = std::get_if<QString>(&esito)) return Refused(OneLine(*refusal));
  const auto& record = std::get<RecordValutazione>(esito);
  // The object the command line writes with --formato json, read back.
  const QJsonObject object = QJsonDocument::fromJson(JsonDocument(record)).object();
  return Answered(ProspettoTesto(record, {now, ProgramVersion()}), object, structured);
}

}  // namespace

QJsonArray McpTools(bool structured) {
  return {Tool(kLifetime, text::kToolLifetimeTitle, text::kToolLifetime, LifetimeInput(),
               ValuationOutput(), structured),
          Tool(kFixedTerm, text::kToolFixedTermTitle, text::kToolFixedTerm, FixedTermInput(),
               ValuationOutput(), structured),
          Tool(kLegalData, text::kToolDataTitle, text::kToolData, ObjectSchema({}, {}),
               LegalDataSchema(), structured)};
}

std::optional<QJsonObject> CallMcpTool(const QString& name, const QJsonObject& arguments,
                                       bool structured, const McpClock& clock,
                                       const McpLaw& inUse) {
  if (name == kLifetime)
    return Valuation(TipoValutazione::Vitalizio, arguments, structured, clock, *inUse.law);
  if (name == kFixedTerm)
    return Valuation(TipoValutazione::TempoDeterminato, arguments, structured, clock, *inUse.law);
  if (name != kLegalData) return std::nullopt;
  if (!arguments.isEmpty()) return Refused(text::kMcpUnknownProperty.arg(arguments.begin().key()));
  const MergedLegalData& law = inUse.law->Merged();
  return Answered(DataListing(law, inUse.folders), LegalDataObject(law), structured);
}

}  // namespace velmora::cli
