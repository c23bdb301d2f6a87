#include "core/rates_by_date.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <mutex>
#include <vector>

#include "core/legal_rate_data.h"

namespace velmora {
namespace {

// Art. 46 c. 5-ter DPR 131/1986 (D.Lgs. 139/2024): for acts from 1 January
// 2025 usufructs and annuities are valued at no less than 2,5 %.
constexpr int kFloorHundredths = 250;
const QDate kFloorFrom(2025, 1, 1);

constexpr int kLongestTerm = 30;

QDate DateOf(const CivilDate& d) {
  return QDate(d.year, d.month, d.day);
}

// value / 10^scale with a decimal comma, trailing zeros dropped unless
// `places` asks for a fixed number of decimals.
QString Scaled(long long value, int scale, int places = -1) {
  long long unit = 1;
  for (int i = 0; i < scale; ++i) unit *= 10;
  QString fraction = QString::number(value % unit).rightJustified(scale, u'0');
  if (places < 0) {
    while (fraction.endsWith(u'0')) fraction.chop(1);
  } else {
    fraction.truncate(places);
  }
  const QString whole = QString::number(value / unit);
  return fraction.isEmpty() ? whole : whole + u',' + fraction;
}

QString Percent(long long value, int scale, int places = -1) {
  return Scaled(value, scale, places) + u'%';
}

const LifetimeCoefficients* CoefficientsFor(int year) {
  const LifetimeCoefficients* found = nullptr;
  for (const LifetimeCoefficients& table : LifetimeCoefficientTables())
    if (table.year <= year) found = &table;
  return year <= LastYearWithCoefficients() ? found : nullptr;
}

TabellaVitalizio MakeLifetimeTable(const LifetimeCoefficients& c) {
  // Coefficient and rate in hundredths: their product is the percentage in
  // ten-thousandths, exact.
  constexpr long long kWhole = 100LL * 10000;
  std::vector<RigaVitalizio> rows;
  for (int band = 0; band < kAgeBands; ++band) {
    const long long usufruct = 1LL * c.coefficientHundredths[std::size_t(band)] * c.rateHundredths;
    rows.push_back({AgeBands()[std::size_t(band)][0], AgeBands()[std::size_t(band)][1],
                    double(usufruct) / double(kWhole), Percent(usufruct, 4),
                    Percent(kWhole - usufruct, 4)});
  }
  rows.push_back({AgeBands().back()[1] + 1, std::numeric_limits<int>::max(), std::nullopt,
                  QStringLiteral("0%"), QStringLiteral("100%")});
  return TabellaVitalizio(std::move(rows));
}

TabellaTempoDeterminato MakeFixedTermTable(int rateHundredths) {
  std::vector<RigaTempoDeterminato> rows;
  const long double step = 1.0L + rateHundredths / 10000.0L;
  for (int years = 1; years <= kLongestTerm; ++years) {
    // Ten-thousandths of the full value, a half going up.
    const long long share = std::llround((1.0L - std::pow(step, -years)) * 10000.0L);
    rows.push_back({years, double(share) / 10000.0, int(share), Scaled(share, 4, 4),
                    Percent(share, 2, 2), Percent(10000 - share, 2, 2)});
  }
  return TabellaTempoDeterminato(std::move(rows));
}

}  // namespace

std::optional<RateInForce> RateOn(const QDate& day) {
  // The periods as day numbers, with their decrees as texts, made once: a
  // batch looks up a rate for every case.
  struct Period {
    qint64 from;
    qint64 to;
    int hundredths;
    QString setBy;
  };
  static const std::vector<Period> periods = [] {
    std::vector<Period> made;
    for (const LegalRatePeriod& p : LegalRatePeriods()) {
      made.push_back({DateOf(p.from).toJulianDay(), DateOf(p.to).toJulianDay(), p.rateHundredths,
                      QString::fromUtf8(p.setBy)});
    }
    std::sort(made.begin(), made.end(),
              [](const Period& a, const Period& b) { return a.from < b.from; });
    return made;
  }();
  if (!day.isValid()) return std::nullopt;
  const qint64 n = day.toJulianDay();
  // The last period that starts on or before the day, if the day is in it.
  const auto after = std::upper_bound(periods.begin(), periods.end(), n,
                                      [](qint64 d, const Period& p) { return d < p.from; });
  if (after == periods.begin() || n > std::prev(after)->to) return std::nullopt;
  const Period& period = *std::prev(after);
  RateInForce rate{period.hundredths, period.hundredths, period.setBy};
  if (day >= kFloorFrom && rate.hundredths < kFloorHundredths) rate.hundredths = kFloorHundredths;
  return rate;
}

QDate FirstDayWithRate() {
  return DateOf(LegalRatePeriods().front().from);
}

QDate LastDayWithRate() {
  return DateOf(LegalRatePeriods().back().to);
}

const TabellaVitalizio* LifetimeTableFor(int year) {
  static const std::map<int, TabellaVitalizio> tables = [] {
    std::map<int, TabellaVitalizio> built;
    for (const LifetimeCoefficients& c : LifetimeCoefficientTables())
      built.emplace(c.year, MakeLifetimeTable(c));
    return built;
  }();
  const LifetimeCoefficients* c = CoefficientsFor(year);
  return c ? &tables.at(c->year) : nullptr;
}

const LifetimeCoefficients* LifetimeCoefficientsFor(int year) {
  return CoefficientsFor(year);
}

QString LifetimeDecreeFor(int year) {
  const LifetimeCoefficients* c = CoefficientsFor(year);
  return c ? QString::fromUtf8(c->decree) : QString();
}

int FirstYearWithCoefficients() {
  return LifetimeCoefficientTables().front().year;
}

int LastYearWithCoefficients() {
  return LifetimeCoefficientTables().back().year;
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
  return *LifetimeTableFor(2016);
}

const TabellaTempoDeterminato& TabellaTempoDeterminato2016() {
  return FixedTermTableAt(CoefficientsFor(2016)->rateHundredths);
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
