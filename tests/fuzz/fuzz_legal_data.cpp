// Feeds arbitrary bytes to the reader of the legal data files, alone and
// added to the built-in data, and checks what the valuations rely on: the
// reader never crashes or hangs, gives a whole file or nothing, and no added
// file changes a built-in row.

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/law/legal_data_file.h"
#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"

using namespace velmora;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

#define CHECK(condition)                \
  do {                                  \
    if (!(condition)) Fail(#condition); \
  } while (false)

const QString kName = QStringLiteral("/dati/prova.tsv");

bool Period(const QDate& from, const QDate& to, bool open) {
  return from.isValid() && (to.isValid() ? from <= to : open);
}

void CheckRows(const LegalData& rows, int lines) {
  const auto line = [lines](const DataOrigin& o) {
    return o.file == kName && o.line >= 1 && o.line <= lines;
  };
  for (const LegalRatePeriod& p : rows.rates) {
    CHECK(Period(p.from, p.to, false) && line(p.origin) && !p.setBy.isEmpty());
    CHECK(p.rateHundredths > 0 && p.rateHundredths < 10000);
  }
  for (const LifetimeCoefficients& c : rows.coefficients) {
    CHECK(c.year >= 0 && c.year <= 9999 && line(c.origin) && !c.decree.isEmpty());
    CHECK(c.rateHundredths > 0 && c.rateHundredths < 10000);
    CHECK(c.legalRateHundredths > 0 && c.legalRateHundredths <= c.rateHundredths);
    for (std::size_t band = 0; band < c.coefficientHundredths.size(); ++band) {
      CHECK(c.coefficientHundredths[band] > 0);
      CHECK(qint64(c.coefficientHundredths[band]) * c.rateHundredths <= 100LL * 10000);
      CHECK(band == 0 || c.coefficientHundredths[band] < c.coefficientHundredths[band - 1]);
    }
  }
  for (const RateFloor& f : rows.floors) {
    CHECK(Period(f.from, f.to, true) && line(f.origin) && !f.statute.isEmpty());
    CHECK(f.statute.size() <= kLongestCitation);
    CHECK(f.floorHundredths > 0 && f.floorHundredths < 10000);
  }
  for (const StatutePeriod& s : rows.statutes) {
    CHECK(Period(s.from, s.to, true) && line(s.origin) && !s.citation.isEmpty());
    CHECK(s.citation.size() <= kLongestCitation);
    CHECK(std::find(kStatuteSubjects.begin(), kStatuteSubjects.end(), s.subject) !=
          kStatuteSubjects.end());
  }
}

// The built-in rows are all there, unchanged, and the rate periods follow one
// another without a gap.
void CheckMerged(const MergedLegalData& merged) {
  const LegalData& builtIn = BuiltInLegalData();
  const std::vector<LegalRatePeriod>& rates = merged.data.rates;
  CHECK(rates.size() >= builtIn.rates.size());
  for (std::size_t i = 0; i < builtIn.rates.size(); ++i) {
    CHECK(rates[i].from == builtIn.rates[i].from && rates[i].to == builtIn.rates[i].to);
    CHECK(rates[i].rateHundredths == builtIn.rates[i].rateHundredths);
    CHECK(rates[i].setBy == builtIn.rates[i].setBy && rates[i].origin.BuiltIn());
  }
  for (std::size_t i = 1; i < rates.size(); ++i) CHECK(rates[i].from == rates[i - 1].to.addDays(1));
  const std::vector<LifetimeCoefficients>& years = merged.data.coefficients;
  CHECK(years.size() >= builtIn.coefficients.size());
  for (std::size_t i = 0; i < builtIn.coefficients.size(); ++i) {
    CHECK(years[i].year == builtIn.coefficients[i].year && years[i].origin.BuiltIn());
    CHECK(years[i].coefficientHundredths == builtIn.coefficients[i].coefficientHundredths);
  }
  for (std::size_t i = builtIn.coefficients.size(); i < years.size(); ++i)
    CHECK(years[i].year == years[i - 1].year + 1 && !years[i].origin.BuiltIn());
  for (const RateFloor& f : merged.data.floors)
    CHECK(f.origin.BuiltIn() || f.from > merged.builtInUntil);
  for (const StatutePeriod& s : merged.data.statutes)
    CHECK(s.origin.BuiltIn() || s.from > merged.builtInUntil);
  for (const DataProblem& p : merged.problems) CHECK(!p.reason.isEmpty() && p.line >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const int lines = int(bytes.count('\n')) + 1;

  const LegalDataFile file = ReadLegalDataFile(bytes, kName);
  if (file.Good()) {
    CHECK(file.form.has_value());
    CheckRows(file.rows, lines);
  } else {
    CHECK(file.rows.Empty() && file.problems.size() <= 101);
    for (const DataProblem& p : file.problems)
      CHECK(p.file == kName && !p.reason.isEmpty() && p.line >= 0 && p.line <= lines);
  }

  const AddedFile added{kName, bytes};
  const MergedLegalData merged = MergeLegalData(BuiltInLegalData(), {&added, 1});
  CheckMerged(merged);
  CHECK(merged.files.size() <= 1 && (merged.files.isEmpty() || file.Good()));

  // The same file twice adds nothing more.
  const AddedFile twice[] = {added, {kName + QStringLiteral(".copia"), bytes}};
  const MergedLegalData again = MergeLegalData(BuiltInLegalData(), twice);
  CHECK(again.files == merged.files);
  CHECK(again.data.rates.size() == merged.data.rates.size());
  CHECK(again.data.coefficients.size() == merged.data.coefficients.size());
  return 0;
}
