#include "core/valuation/rates_by_date.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "core/law/legal_data_in_use.h"
#include "core/numbers/number_text.h"

namespace velmora {
namespace {

constexpr int kLongestTerm = 30;
constexpr qint64 kOpenEnd = std::numeric_limits<qint64>::max();

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

// A period as day numbers: a batch looks up a rate for every case, with a
// binary search over these.
template <typename Row>
struct Days {
  qint64 from;
  qint64 to;  // kOpenEnd for a period without a last day
  const Row* row;
};

template <typename Row>
std::vector<Days<Row>> DaysOf(const std::vector<Row>& rows) {
  std::vector<Days<Row>> made;
  for (const Row& r : rows)
    made.push_back({r.from.toJulianDay(), r.to.isValid() ? r.to.toJulianDay() : kOpenEnd, &r});
  std::sort(made.begin(), made.end(),
            [](const Days<Row>& a, const Days<Row>& b) { return a.from < b.from; });
  return made;
}

// The last period that starts on or before the day, if the day is in it.
template <typename Row>
const Row* On(const std::vector<Days<Row>>& periods, qint64 day) {
  const auto after = std::upper_bound(periods.begin(), periods.end(), day,
                                      [](qint64 d, const Days<Row>& p) { return d < p.from; });
  if (after == periods.begin() || day > std::prev(after)->to) return nullptr;
  return std::prev(after)->row;
}

// The legal data in use made ready for lookups, once for each data put in use.
struct Prepared {
  explicit Prepared(const MergedLegalData& data)
      : law(&data), periods(DaysOf(data.data.rates)), floors(DaysOf(data.data.floors)) {
    const std::vector<LifetimeCoefficients>& all = data.data.coefficients;
    if (all.empty()) return;
    firstYear = all.front().year;
    lastYear = all.back().year;
    // A year without coefficients of its own uses the last earlier one.
    std::size_t row = 0;
    for (int year = firstYear; year <= lastYear; ++year) {
      while (row + 1 < all.size() && all[row + 1].year <= year) ++row;
      byYear.push_back({&all[row], row});
    }
  }

  // The lifetime tables of every year with coefficients, made at the first
  // lifetime valuation: a rate alone needs none.
  const TabellaVitalizio& Table(std::size_t row) const {
    std::call_once(tablesMade, [this] {
      for (const LifetimeCoefficients& c : law->data.coefficients)
        tables.push_back(LifetimeTableOf(c));
    });
    return tables[row];
  }

  const MergedLegalData* law;
  std::vector<Days<LegalRatePeriod>> periods;
  std::vector<Days<RateFloor>> floors;
  int firstYear = 0;
  int lastYear = 0;
  // For each year from the first: its coefficients and their row.
  std::vector<std::pair<const LifetimeCoefficients*, std::size_t>> byYear;

 private:
  mutable std::once_flag tablesMade;
  mutable std::vector<TabellaVitalizio> tables;
};

std::mutex preparing;
std::vector<std::unique_ptr<const Prepared>> keptPrepared;
std::atomic<const Prepared*> prepared{nullptr};

const Prepared& Current() {
  const MergedLegalData& law = LawInUse();
  const Prepared* ready = prepared.load(std::memory_order_acquire);
  if (ready && ready->law == &law) return *ready;
  const std::lock_guard lock(preparing);
  ready = prepared.load(std::memory_order_acquire);
  if (ready && ready->law == &law) return *ready;
  keptPrepared.push_back(std::make_unique<const Prepared>(law));
  prepared.store(keptPrepared.back().get(), std::memory_order_release);
  return *keptPrepared.back();
}

const std::pair<const LifetimeCoefficients*, std::size_t>* YearIn(const Prepared& p, int year) {
  if (p.byYear.empty() || year < p.firstYear || year > p.lastYear) return nullptr;
  return &p.byYear[std::size_t(year - p.firstYear)];
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

std::optional<RateInForce> RateOn(const QDate& day) {
  if (!day.isValid()) return std::nullopt;
  const Prepared& p = Current();
  const qint64 n = day.toJulianDay();
  const LegalRatePeriod* period = On(p.periods, n);
  if (!period) return std::nullopt;
  // Made in place: a batch looks up a rate for every case.
  const RateFloor* floor = On(p.floors, n);
  return RateInForce{RateUsedHundredths(period->rateHundredths, floor),
                     period->rateHundredths,
                     period->setBy,
                     floor ? floor->floorHundredths : 0,
                     floor ? floor->statute : QString(),
                     period->origin,
                     floor ? floor->origin : DataOrigin()};
}

QDate FirstDayWithRate() {
  const Prepared& p = Current();
  return p.periods.empty() ? QDate() : p.periods.front().row->from;
}

QDate LastDayWithRate() {
  const Prepared& p = Current();
  return p.periods.empty() ? QDate() : p.periods.back().row->to;
}

const StatutePeriod* StatuteOn(QLatin1StringView subject, const QDate& day) {
  if (!day.isValid()) return nullptr;
  // A handful of rows, looked up once for a report: no need to prepare them.
  for (const StatutePeriod& s : Current().law->data.statutes) {
    if (s.subject == subject && s.from <= day && (!s.to.isValid() || day <= s.to)) return &s;
  }
  return nullptr;
}

const TabellaVitalizio* LifetimeTableFor(int year) {
  const Prepared& p = Current();
  const auto* found = YearIn(p, year);
  return found ? &p.Table(found->second) : nullptr;
}

const LifetimeCoefficients* LifetimeCoefficientsFor(int year) {
  const auto* found = YearIn(Current(), year);
  return found ? found->first : nullptr;
}

QString LifetimeDecreeFor(int year) {
  const LifetimeCoefficients* c = LifetimeCoefficientsFor(year);
  return c ? c->decree : QString();
}

int FirstYearWithCoefficients() {
  return Current().firstYear;
}

int LastYearWithCoefficients() {
  return Current().lastYear;
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
