#include "gui/coefficient_sheet.h"

#include <QDate>

#include "core/law/legal_rate_data.h"
#include "core/valuation/rates_by_date.h"
#include "gui/window_texts.h"

namespace velmora {
namespace {

QString WithoutPercent(QString text) {
  if (text.endsWith(u'%')) text.chop(1);
  return text;
}

QString Paragraph(const DatiLegali& law, int year, const LifetimeCoefficients& c) {
  QStringList sentences;
  // The legal rate of the first day of the year, and the floor from 2025.
  if (const std::optional<RateInForce> rate = RateOn(law, QDate(year, 1, 1))) {
    sentences << text::kSheetLegalRate.arg(rate->setBy, RateWithArticle(rate->legalHundredths));
    if (rate->Floored())
      sentences << text::kSheetFloor.arg(RateText(rate->hundredths), rate->floorStatute);
  }
  sentences << text::kSheetCoefficients.arg(c.decree, QString::number(c.year));
  if (c.year != year)
    sentences << text::kSheetSameAs.arg(QString::number(year), QString::number(c.year));
  return sentences.join(u' ');
}

}  // namespace

ProspettoCoefficienti ProspettoPerAnno(const DatiLegali& law, int year) {
  ProspettoCoefficienti sheet;
  sheet.anno = year;
  const LifetimeCoefficients* c = law.CoefficientsFor(year);
  if (!c) {
    sheet.paragrafo = text::kSheetNoCoefficients.arg(
        QString::number(year), QString::number(law.FirstYearWithCoefficients()),
        QString::number(law.LastYearWithCoefficients()));
    // Every covered year, those that keep an earlier year's coefficients too.
    for (int covered = law.FirstYearWithCoefficients(); covered <= law.LastYearWithCoefficients();
         ++covered) {
      const LifetimeCoefficients& c = *law.CoefficientsFor(covered);
      sheet.anniCoperti.push_back({QString::number(covered), RateText(c.rateHundredths), c.decree});
    }
    return sheet;
  }
  sheet.paragrafo = Paragraph(law, year, *c);
  sheet.tasso = text::kSheetRate.arg(RateWithArticle(c->rateHundredths));
  const TabellaVitalizio table = LifetimeTableOf(*c);
  for (int band = 0; band < kAgeBands; ++band) {
    const RigaVitalizio& row = table.Righe()[std::size_t(band)];
    sheet.righe.push_back({text::kSheetBand.arg(row.ageFrom).arg(row.ageTo),
                           CoefficientText(c->coefficientHundredths[std::size_t(band)]),
                           WithoutPercent(row.percUsufrutto),
                           WithoutPercent(row.percNudaProprieta)});
  }
  return sheet;
}

}  // namespace velmora
