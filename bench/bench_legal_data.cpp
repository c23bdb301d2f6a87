// What reading the legal data costs: the first rate looked up in a fresh
// process (the built-in files, the office's folders, the merge, the periods
// made ready), the first lifetime table, then each step again, as medians
// over many runs. Build Release for figures that mean something.
//
// bench_legal_data [RUNS]
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/law/legal_data_file.h"
#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"
#include "core/valuation/rates_by_date.h"

using namespace velmora;

namespace {

template <typename Step>
double MedianMicroseconds(int runs, Step step) {
  std::vector<qint64> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    step();
    times.push_back(timer.nsecsElapsed());
  }
  std::sort(times.begin(), times.end());
  return double(times[times.size() / 2]) / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

  QElapsedTimer first;
  first.start();
  const DatiLegaliCondivisi law = LeggiDatiLegali(AdditionFolders());
  const bool known = RateOn(*law, QDate(2026, 6, 1)).has_value();
  const double firstUse = double(first.nsecsElapsed()) / 1000.0;
  std::printf("first rate looked up, everything read: %8.1f us (%s)\n", firstUse,
              known ? "found" : "NOT FOUND");
  first.restart();
  const bool table = LifetimeTableFor(*law, 2026).has_value();
  std::printf("then the first lifetime table, all made: %6.1f us (%s)\n",
              double(first.nsecsElapsed()) / 1000.0, table ? "found" : "NOT FOUND");

  std::vector<QByteArray> embedded;
  for (const QString& name : QDir(QStringLiteral(":/velmora/dati")).entryList(QDir::Files)) {
    QFile file(QStringLiteral(":/velmora/dati/") + name);
    if (file.open(QIODevice::ReadOnly)) embedded.push_back(file.readAll());
  }
  std::printf("reading the %zu built-in files:        %8.1f us (median of %d)\n", embedded.size(),
              MedianMicroseconds(runs,
                                 [&] {
                                   for (const QByteArray& bytes : embedded)
                                     (void)ReadLegalDataFile(bytes, QStringLiteral("x"));
                                 }),
              runs);
  std::printf("looking in the office's folders:       %8.1f us\n", MedianMicroseconds(runs, [] {
                std::vector<DataProblem> problems;
                (void)ReadAddedFiles(AdditionFolders(), problems);
              }));
  std::printf("merging with no addition:              %8.1f us\n",
              MedianMicroseconds(runs, [] { (void)MergeLegalData(BuiltInLegalData(), {}); }));
  std::printf("a rate looked up, once read:           %8.3f us\n",
              MedianMicroseconds(runs, [&law] { (void)RateOn(*law, QDate(2026, 6, 1)); }));
  return 0;
}
