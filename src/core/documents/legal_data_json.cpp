#include "core/documents/legal_data_json.h"

#include <QJsonArray>
#include <QJsonValue>

#include "core/documents/report_texts.h"
#include "core/law/legal_data_file.h"
#include "core/valuation/rates_by_date.h"

namespace velmora {
namespace {

QJsonValue Day(const QDate& day) {
  return day.isValid() ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null);
}

// "incorporati", or the office's file and line.
void PutOrigin(QJsonObject& row, const DataOrigin& origin) {
  row.insert(QStringLiteral("fonte"), origin.BuiltIn() ? text::kBuiltInData : origin.file);
  if (!origin.BuiltIn()) row.insert(QStringLiteral("riga"), origin.line);
}

template <typename Rows, typename Fill>
QJsonArray Listed(const Rows& rows, Fill fill) {
  QJsonArray listed;
  for (const auto& row : rows) {
    QJsonObject object = fill(row);
    PutOrigin(object, row.origin);
    listed.append(object);
  }
  return listed;
}

QJsonObject Schema(const QString& type) {
  return {{QStringLiteral("type"), type}};
}

QJsonObject ListOf(const QJsonObject& properties) {
  QJsonObject withOrigin = properties;
  withOrigin.insert(QStringLiteral("fonte"), Schema(QStringLiteral("string")));
  withOrigin.insert(QStringLiteral("riga"), Schema(QStringLiteral("integer")));
  return {{QStringLiteral("type"), QStringLiteral("array")},
          {QStringLiteral("items"),
           QJsonObject{{QStringLiteral("type"), QStringLiteral("object")},
                       {QStringLiteral("properties"), withOrigin},
                       {QStringLiteral("required"), QJsonArray{QStringLiteral("fonte")}}}}};
}

}  // namespace

QJsonObject LegalDataObject(const MergedLegalData& law) {
  const LegalData& data = law.data;
  QJsonObject object;
  object.insert(QStringLiteral("saggi_legali"), Listed(data.rates, [](const LegalRatePeriod& p) {
                  return QJsonObject{{QStringLiteral("dal"), Day(p.from)},
                                     {QStringLiteral("al"), Day(p.to)},
                                     {QStringLiteral("saggio"), RateText(p.rateHundredths)},
                                     {QStringLiteral("decreto"), p.setBy}};
                }));
  object.insert(QStringLiteral("saggi_minimi"), Listed(data.floors, [](const RateFloor& f) {
                  return QJsonObject{{QStringLiteral("dal"), Day(f.from)},
                                     {QStringLiteral("al"), Day(f.to)},
                                     {QStringLiteral("saggio"), RateText(f.floorHundredths)},
                                     {QStringLiteral("norma"), f.statute}};
                }));
  object.insert(
      QStringLiteral("coefficienti"), Listed(data.coefficients, [](const LifetimeCoefficients& c) {
        QJsonArray bands;
        for (std::size_t i = 0; i < c.coefficientHundredths.size(); ++i)
          bands.append(QJsonObject{
              {QStringLiteral("da_anni"), AgeBands()[i][0]},
              {QStringLiteral("a_anni"), AgeBands()[i][1]},
              {QStringLiteral("coefficiente"), CoefficientText(c.coefficientHundredths[i])}});
        return QJsonObject{{QStringLiteral("anno"), c.year},
                           {QStringLiteral("saggio"), RateText(c.rateHundredths)},
                           {QStringLiteral("saggio_legale"), RateText(c.legalRateHundredths)},
                           {QStringLiteral("decreto"), c.decree},
                           {QStringLiteral("fasce"), bands}};
      }));
  object.insert(QStringLiteral("norme"), Listed(data.statutes, [](const StatutePeriod& s) {
                  return QJsonObject{{QStringLiteral("materia"), s.subject},
                                     {QStringLiteral("dal"), Day(s.from)},
                                     {QStringLiteral("al"), Day(s.to)},
                                     {QStringLiteral("norma"), s.citation}};
                }));
  object.insert(QStringLiteral("file_aggiunti"), QJsonArray::fromStringList(law.files));
  QJsonArray refused;
  for (const DataProblem& p : law.problems) refused.append(ProblemText(p));
  object.insert(QStringLiteral("file_non_usati"), refused);
  return object;
}

QJsonObject LegalDataSchema() {
  const QJsonObject text = Schema(QStringLiteral("string"));
  const QJsonObject day{
      {QStringLiteral("type"), QJsonArray{QStringLiteral("string"), QStringLiteral("null")}}};
  const QJsonObject texts{{QStringLiteral("type"), QStringLiteral("array")},
                          {QStringLiteral("items"), text}};
  const QJsonObject band{
      {QStringLiteral("type"), QStringLiteral("object")},
      {QStringLiteral("properties"),
       QJsonObject{{QStringLiteral("da_anni"), Schema(QStringLiteral("integer"))},
                   {QStringLiteral("a_anni"), Schema(QStringLiteral("integer"))},
                   {QStringLiteral("coefficiente"), text}}}};
  const QJsonObject properties{
      {QStringLiteral("saggi_legali"), ListOf({{QStringLiteral("dal"), day},
                                               {QStringLiteral("al"), day},
                                               {QStringLiteral("saggio"), text},
                                               {QStringLiteral("decreto"), text}})},
      {QStringLiteral("saggi_minimi"), ListOf({{QStringLiteral("dal"), day},
                                               {QStringLiteral("al"), day},
                                               {QStringLiteral("saggio"), text},
                                               {QStringLiteral("norma"), text}})},
      {QStringLiteral("coefficienti"),
       ListOf(
           {{QStringLiteral("anno"), Schema(QStringLiteral("integer"))},
            {QStringLiteral("saggio"), text},
            {QStringLiteral("saggio_legale"), text},
            {QStringLiteral("decreto"), text},
            {QStringLiteral("fasce"), QJsonObject{{QStringLiteral("type"), QStringLiteral("array")},
                                                  {QStringLiteral("items"), band}}}})},
      {QStringLiteral("norme"), ListOf({{QStringLiteral("materia"), text},
                                        {QStringLiteral("dal"), day},
                                        {QStringLiteral("al"), day},
                                        {QStringLiteral("norma"), text}})},
      {QStringLiteral("file_aggiunti"), texts},
      {QStringLiteral("file_non_usati"), texts}};
  return {{QStringLiteral("type"), QStringLiteral("object")},
          {QStringLiteral("properties"), properties},
          {QStringLiteral("required"),
           QJsonArray{QStringLiteral("saggi_legali"), QStringLiteral("saggi_minimi"),
                      QStringLiteral("coefficienti"), QStringLiteral("norme")}}};
}

}  // namespace velmora
