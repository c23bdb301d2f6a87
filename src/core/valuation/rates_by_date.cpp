#include "core/valuation/rates_by_date.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <vector>

#include "core/law/legal_data_in_use.h"
#include "core/numbers/number_text.h"

namespace velmora {
namespace {

constexpr int kLongestTerm = 30;

QString Percent(long long value, int scale, int places = -1) {
  return Scaled(value, scale, places) + u'%';
}

}  // namespace

TabellaVitalizio LifetimeTableOf(const LifetimeCoefficients& c) {
  // Coefficient and rate in hundredths: their product is the share in
  // millionths of the whole, exact.
  constexpr long long kWhole = kQuotaIntera;
  std::vector<RigaVitalizio> rows;
  for (int band = 0; band < kAgeBands; ++band) {
    const long long usufruct = 1LL * c.coefficientHundredths[std::size_t(band)] * c.rateHundredths;
    rows.push_back({AgeBands()[std::size_t(band)][0], AgeBands()[std::size_t(band)][1], usufruct,
                    Percent(usufruct, 4), Percent(kWhole - usufruct, 4)});
  }
  rows.push_back({AgeBands().back()[1] + 1, std::numeric_limits<int>::max(), std::nullopt,
                  QStringLiteral("0%"), QStringLiteral("100%")});
  return TabellaVitalizio(std::move(rows));
}

int RateUsedHundredths(int legalHundredths, const RateFloor* floor) {
  return floor ? std::max(legalHundredths, floor->floorHundredths) : legalHundredths;
}

namespace {

TabellaTempoDeterminato MakeFixedTermTable(int rateHundredths) {
  std::vector<RigaTempoDeterminato> rows;
  const long double step = 1.0L + rateHundredths / 10000.0L;
  for (int years = 1; years <= kLongestTerm; ++years) {
    // Ten-thousandths of the full value, a half going up.
    const long long share = std::llround((1.0L - std::pow(step, -years)) * 10000.0L);
    rows.push_back({years, int(share), Scaled(share, 4, 4), Percent(share, 2, 2),
                    Percent(10000 - share, 2, 2)});
  }
  return TabellaTempoDeterminato(std::move(rows));
}

// The default mode's coefficients: 2016's of the built-in data.
const LifetimeCoefficients* BuiltIn2016() {
  static const LifetimeCoefficients* const found = []() -> const LifetimeCoefficients* {
    for (const LifetimeCoefficients& c : BuiltInLegalData().coefficients)
      if (c.year == 2016) return &c;
    return nullptr;
  }();
  return found;
}

}  // namespace

std::optional<RateInForce> RateOn(const DatiLegali& law, const QDate& day) {
  const LegalRatePeriod* period = law.RatePeriodOn(day);
  if (!period) return std::nullopt;
  const RateFloor* floor = law.FloorOn(day);
  return RateInForce{RateUsedHundredths(period->rateHundredths, floor),
                     period->rateHundredths,
                     period->setBy,
                     floor ? floor->floorHundredths : 0,
                     floor ? floor->statute : QString(),
                     period->origin,
                     floor ? floor->origin : DataOrigin()};
}

std::optional<TabellaVitalizio> LifetimeTableFor(const DatiLegali& law, int year) {
  const LifetimeCoefficients* c = law.CoefficientsFor(year);
  if (!c) return std::nullopt;
  return LifetimeTableOf(*c);
}

QString LifetimeDecreeFor(const DatiLegali& law, int year) {
  const LifetimeCoefficients* c = law.CoefficientsFor(year);
  return c ? c->decree : QString();
}

QDate RateDay(Saggio saggio, const QDate& reference) {
  switch (saggio) {
    case Saggio::Tabella2016:
      return QDate(2016, 1, 1);
    case Saggio::AllaData:
      return reference;
  }
  return reference;
}

const TabellaTempoDeterminato& FixedTermTableAt(int rateHundredths) {
  static std::mutex guard;
  static std::map<int, TabellaTempoDeterminato> tables;
  const std::lock_guard lock(guard);
  auto found = tables.find(rateHundredths);
  if (found == tables.end())
    found = tables.emplace(rateHundredths, MakeFixedTermTable(rateHundredths)).first;
  return found->second;
}

const TabellaVitalizio& TabellaVitalizio2016() {
  static const TabellaVitalizio table = [] {
    const LifetimeCoefficients* c = BuiltIn2016();
    return c ? LifetimeTableOf(*c) : TabellaVitalizio({});
  }();
  return table;
}

const TabellaTempoDeterminato& TabellaTempoDeterminato2016() {
  const LifetimeCoefficients* c = BuiltIn2016();
  return FixedTermTableAt(c ? c->rateHundredths : 0);
}

QString RateText(int hundredths) {
  return Percent(hundredths, 2);
}

QString CoefficientText(int hundredths) {
  return Scaled(hundredths, 2);
}

QString RateWithArticle(int hundredths) {
  // The article goes with the first word read aloud: "zero", "uno", "otto",
  // "undici" and "ottanta..." take "dello" or "dell'".
  const int whole = hundredths / 100;
  if (whole == 0) return QStringLiteral("dello ") + RateText(hundredths);
  if (whole == 1 || whole == 8 || whole == 11 || (whole >= 80 && whole <= 89))
    return QStringLiteral("dell'") + RateText(hundredths);
  return QStringLiteral("del ") + RateText(hundredths);
}

}  // namespace velmora
