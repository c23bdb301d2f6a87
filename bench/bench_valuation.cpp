// Valuations per second of the two calculations over many amounts in whole cents,
// counted in the processor time of this thread, so that other programs on a
// shared machine do not change the figure.
#include <QtGlobal>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation.h"

using namespace velmora;

namespace {

constexpr int kAmounts = 1000000;
constexpr int kRounds = 3;

std::vector<double> Amounts() {
  std::mt19937_64 random(42);
  std::uniform_int_distribution<qint64> cents(0, 99999999999);  // up to a billion euro
  std::vector<double> amounts(kAmounts);
  for (double& amount : amounts) amount = double(cents(random)) / 100;
  return amounts;
}

qint64 ThreadNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

template <typename Valuation>
void Measure(const char* name, const std::vector<double>& amounts, Valuation valuation) {
  double sink = 0;
  qint64 count = 0;
  const qint64 start = ThreadNanoseconds();
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t i = 0; i < amounts.size(); ++i) {
      const auto result = valuation(amounts[i], int(i % 30));
      if (result) sink += result->usufrutto.ToDouble().value_or(0);
      ++count;
    }
  }
  const qint64 nanoseconds = ThreadNanoseconds() - start;
  std::printf("%s: %.0f valuations/s (%lld in %.3f s of processor time, usufruct total %.2f)\n",
              name, double(count) * 1e9 / double(nanoseconds), static_cast<long long>(count),
              double(nanoseconds) / 1e9, sink);
}

}  // namespace

int main() {
  const std::vector<double> amounts = Amounts();
  // Ages 0 to 116 touch every band, durations 1 to 30 every row.
  Measure("ValutaVitalizio", amounts, [](double amount, int k) {
    return ValutaVitalizio(amount, k * 4, TabellaVitalizio2016());
  });
  Measure("ValutaTempoDeterminato", amounts, [](double amount, int k) {
    return ValutaTempoDeterminato(amount, double(k + 1), TabellaTempoDeterminato2016());
  });
  return 0;
}
