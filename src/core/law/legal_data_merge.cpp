#include "core/law/legal_data_merge.h"

#include <algorithm>
#include <optional>

#include "core/law/legal_data_messages.h"
#include "core/numbers/date_text.h"

namespace velmora {
namespace {

// An added file on its way in: the rows it adds, and its rows not needed.
struct Candidate {
  QString path;
  LegalData rows;
  std::vector<DataProblem> notes;
  bool refused = false;
};

struct BuiltIn {
  const LegalData& data;
  QDate until;       // the last day of the legal rates
  int lastYear = 0;  // of the coefficients
};

// The same row: the same days or year, the same figures, the same decree as
// the user reads it (where each file found it does not count).
bool Same(const LegalRatePeriod& a, const LegalRatePeriod& b) {
  return a.from == b.from && a.to == b.to && a.rateHundredths == b.rateHundredths &&
         a.setBy == b.setBy;
}
bool Same(const LifetimeCoefficients& a, const LifetimeCoefficients& b) {
  return a.year == b.year && a.rateHundredths == b.rateHundredths &&
         a.legalRateHundredths == b.legalRateHundredths && a.decree == b.decree &&
         a.coefficientHundredths == b.coefficientHundredths;
}
bool Same(const RateFloor& a, const RateFloor& b) {
  return a.from == b.from && a.to == b.to && a.floorHundredths == b.floorHundredths &&
         a.statute == b.statute;
}
bool Same(const StatutePeriod& a, const StatutePeriod& b) {
  return a.from == b.from && a.to == b.to && a.subject == b.subject && a.citation == b.citation;
}

// What a row holds, as a redundant row names the built-in one it repeats.
QString RowText(const LegalRatePeriod& row) {
  return text::kDataRateRow.arg(PeriodText(row.from, row.to), row.setBy);
}
QString RowText(const LifetimeCoefficients& row) {
  return text::kDataCoefficientsRow.arg(QString::number(row.year), row.decree);
}
QString RowText(const RateFloor& row) {
  return text::kDataFloorRow.arg(PeriodText(row.from, row.to));
}
QString RowText(const StatutePeriod& row) {
  return text::kDataStatuteRow.arg(row.subject, PeriodText(row.from, row.to));
}

// Two periods share a day. One without a last day ends where a later one
// begins, so it shares a day only with a period that begins with it or that
// holds its first day.
bool Overlap(const QDate& aFrom, const QDate& aTo, const QDate& bFrom, const QDate& bTo) {
  if (aFrom == bFrom) return true;
  return aFrom < bFrom ? aTo.isValid() && bFrom <= aTo : bTo.isValid() && aFrom <= bTo;
}

// Two rows would say different things for one day or year.
bool Clash(const LegalRatePeriod& a, const LegalRatePeriod& b) {
  return Overlap(a.from, a.to, b.from, b.to);
}
bool Clash(const LifetimeCoefficients& a, const LifetimeCoefficients& b) {
  return a.year == b.year;
}
bool Clash(const RateFloor& a, const RateFloor& b) {
  return Overlap(a.from, a.to, b.from, b.to);
}
bool Clash(const StatutePeriod& a, const StatutePeriod& b) {
  return a.subject == b.subject && Overlap(a.from, a.to, b.from, b.to);
}

// Why an added row would change what the built-in data cover; nothing when it
// only extends them.
std::optional<QString> ChangesBuiltIn(const LegalRatePeriod& row, const BuiltIn& builtIn) {
  if (!builtIn.until.isValid() || row.from > builtIn.until) return std::nullopt;
  const LegalRatePeriod* covered = nullptr;
  for (const LegalRatePeriod& p : builtIn.data.rates)
    if (!covered && Clash(row, p)) covered = &p;
  // Before the first built-in day: what the program values starts there.
  if (!covered) covered = &builtIn.data.rates.front();
  return text::kDataChangesRate.arg(PeriodText(row.from, row.to),
                                    PeriodText(covered->from, covered->to), covered->setBy);
}
std::optional<QString> ChangesBuiltIn(const LifetimeCoefficients& row, const BuiltIn& builtIn) {
  if (row.year > builtIn.lastYear) return std::nullopt;
  return text::kDataChangesCoefficients.arg(QString::number(row.year),
                                            QString::number(builtIn.lastYear));
}
std::optional<QString> ChangesBuiltIn(const RateFloor& row, const BuiltIn& builtIn) {
  if (!builtIn.until.isValid() || row.from > builtIn.until) return std::nullopt;
  return text::kDataStartsTooEarly.arg(text::kDataFloorSubject, SlashedDate(builtIn.until));
}
std::optional<QString> ChangesBuiltIn(const StatutePeriod& row, const BuiltIn& builtIn) {
  if (!builtIn.until.isValid() || row.from > builtIn.until) return std::nullopt;
  return text::kDataStartsTooEarly.arg(text::kDataStatuteSubject.arg(row.subject),
                                       SlashedDate(builtIn.until));
}

// Takes the rows of one table of a file that was read well: a row the
// built-in data or an earlier file already hold is noted and left out; a row
// that would change the built-in data or disagrees with an earlier file is a
// reason to refuse the file.
template <typename Row>
void Sift(std::vector<Row> LegalData::*table, const LegalData& read, const BuiltIn& builtIn,
          const std::vector<Candidate>& accepted, Candidate& into,
          std::vector<DataProblem>& refusals) {
  for (const Row& row : read.*table) {
    const auto problem = [&](const QString& reason) {
      return DataProblem{into.path, row.origin.line, reason};
    };
    const auto& builtInRows = builtIn.data.*table;
    if (std::any_of(builtInRows.begin(), builtInRows.end(),
                    [&row](const Row& other) { return Same(row, other); })) {
      into.notes.push_back(problem(text::kDataRepeatsBuiltIn.arg(RowText(row))));
      continue;
    }
    if (const std::optional<QString> why = ChangesBuiltIn(row, builtIn)) {
      refusals.push_back(problem(*why));
      continue;
    }
    bool clashes = false;
    for (const Candidate& other : accepted) {
      for (const Row& theirs : other.rows.*table) {
        if (!Clash(row, theirs)) continue;
        const QString line = QString::number(theirs.origin.line);
        if (Same(row, theirs))
          into.notes.push_back(problem(text::kDataRepeatsFile.arg(line, other.path)));
        else
          refusals.push_back(problem(text::kDataDisagrees.arg(line, other.path)));
        clashes = true;
        break;
      }
      if (clashes) break;
    }
    if (!clashes) (into.rows.*table).push_back(row);
  }
}

// The rows of one table in the files still in, each with its file.
template <typename Row>
struct Owned {
  const Row* row;
  Candidate* owner;
};

template <typename Row, typename Less>
std::vector<Owned<Row>> RowsInUse(std::vector<Candidate>& candidates,
                                  std::vector<Row> LegalData::*table, Less less) {
  std::vector<Owned<Row>> rows;
  for (Candidate& c : candidates) {
    if (c.refused) continue;
    for (const Row& row : c.rows.*table) rows.push_back({&row, &c});
  }
  std::sort(rows.begin(), rows.end(),
            [&less](const Owned<Row>& a, const Owned<Row>& b) { return less(*a.row, *b.row); });
  return rows;
}

template <typename Row>
bool ByDay(const Row& a, const Row& b) {
  return a.from < b.from;
}

void Refuse(Candidate& c, int line, const QString& reason, std::vector<DataProblem>& problems) {
  c.refused = true;
  problems.push_back({c.path, line, reason});
}

// "2,5%", "1,25%".
QString Percent(int hundredths) {
  QString text = QString::number(hundredths / 100);
  if (const int cents = hundredths % 100)
    text += u',' + QString::number(cents).rightJustified(2, u'0');
  while (text.contains(u',') && text.endsWith(u'0')) text.chop(1);
  return text + u'%';
}

// The row in force on the day among the built-in rows and those of the files
// in use: the last to begin by then, unless it ended before.
template <typename Row>
const Row* InForce(const std::vector<Row>& builtIn, std::vector<Candidate>& candidates,
                   std::vector<Row> LegalData::*table, const QDate& day) {
  const Row* found = nullptr;
  const auto consider = [&](const Row& row) {
    if (row.from <= day && (!found || row.from > found->from)) found = &row;
  };
  for (const Row& row : builtIn) consider(row);
  for (const auto& owned : RowsInUse(candidates, table, ByDay<Row>)) consider(*owned.row);
  return found && found->to.isValid() && found->to < day ? nullptr : found;
}

// The rate a year's coefficients are made for, and the legal rate below it
// where the floor raised it: "2,5% (saggio minimo; saggio legale 1,2%)".
QString RateMadeFor(int rate, int legal) {
  return rate == legal ? Percent(rate) : text::kDataFlooredRate.arg(Percent(rate), Percent(legal));
}

// Added coefficients are tied to the rate applied in their year: the legal
// rate on 1 January, raised to the floor where it binds. Coefficients made
// at another rate would put a product at one rate under the heading of
// another. A year with no legal rate known yet is checked once it has one.
bool RefuseCoefficientsOffTheRate(std::vector<Candidate>& candidates, const BuiltIn& builtIn,
                                  std::vector<DataProblem>& problems) {
  const auto byYear = [](const LifetimeCoefficients& a, const LifetimeCoefficients& b) {
    return a.year < b.year;
  };
  for (const auto& [row, owner] : RowsInUse(candidates, &LegalData::coefficients, byYear)) {
    const QDate day(row->year, 1, 1);
    const LegalRatePeriod* legal = InForce(builtIn.data.rates, candidates, &LegalData::rates, day);
    if (!legal) continue;
    const RateFloor* floor = InForce(builtIn.data.floors, candidates, &LegalData::floors, day);
    const int applied =
        floor ? std::max(legal->rateHundredths, floor->floorHundredths) : legal->rateHundredths;
    if (row->rateHundredths == applied && row->legalRateHundredths == legal->rateHundredths)
      continue;
    Refuse(*owner, row->origin.line,
           text::kDataOffTheRate.arg(QString::number(row->year),
                                     RateMadeFor(row->rateHundredths, row->legalRateHundredths),
                                     RateMadeFor(applied, legal->rateHundredths)),
           problems);
    return true;
  }
  return false;
}

// The first added period or year that does not follow the one before, or
// the first coefficients made at a rate not applied in their year: its file
// is refused. True when one was.
bool RefuseOneAfterAGap(std::vector<Candidate>& candidates, const BuiltIn& builtIn,
                        std::vector<DataProblem>& problems) {
  QDate last = builtIn.until;
  for (const auto& [row, owner] :
       RowsInUse(candidates, &LegalData::rates, ByDay<LegalRatePeriod>)) {
    if (last.isValid() && row->from != last.addDays(1)) {
      Refuse(*owner, row->origin.line,
             text::kDataRateAfterGap.arg(SlashedDate(row->from), SlashedDate(last),
                                         SlashedDate(last.addDays(1)),
                                         SlashedDate(row->from.addDays(-1))),
             problems);
      return true;
    }
    last = row->to;
  }

  int year = builtIn.lastYear;
  const auto byYear = [](const LifetimeCoefficients& a, const LifetimeCoefficients& b) {
    return a.year < b.year;
  };
  for (const auto& [row, owner] : RowsInUse(candidates, &LegalData::coefficients, byYear)) {
    if (year != 0 && row->year != year + 1) {
      Refuse(*owner, row->origin.line,
             text::kDataYearAfterGap.arg(QString::number(row->year), QString::number(year)),
             problems);
      return true;
    }
    year = row->year;
  }

  // A floor or a statute may begin on any day after the built-in legal
  // rates; from then on, each period of its table follows the one before.
  const auto followsTheOneBefore = [&](const auto& rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
      const auto& before = *rows[i - 1].row;
      const auto& row = *rows[i].row;
      if (before.to.isValid() && row.from != before.to.addDays(1)) {
        Refuse(*rows[i].owner, row.origin.line,
               text::kDataPeriodAfterGap.arg(SlashedDate(row.from), SlashedDate(before.to)),
               problems);
        return false;
      }
    }
    return true;
  };
  if (!followsTheOneBefore(RowsInUse(candidates, &LegalData::floors, ByDay<RateFloor>)))
    return true;
  for (QLatin1StringView subject : kStatuteSubjects) {
    auto rows = RowsInUse(candidates, &LegalData::statutes, ByDay<StatutePeriod>);
    std::erase_if(rows,
                  [subject](const Owned<StatutePeriod>& o) { return o.row->subject != subject; });
    if (!followsTheOneBefore(rows)) return true;
  }
  return RefuseCoefficientsOffTheRate(candidates, builtIn, problems);
}

// The release cites rows for days after the law it vouches for (the
// consolidated code from 2027) only until the office has the exact article:
// an added statute replaces the built-in rows of its subject from its day.
void GiveWayTo(const StatutePeriod& added, const QDate& until, std::vector<StatutePeriod>& rows) {
  std::erase_if(rows, [&](const StatutePeriod& row) {
    return row.origin.BuiltIn() && row.subject == added.subject && row.from > until &&
           row.from >= added.from;
  });
  for (StatutePeriod& row : rows) {
    if (row.origin.BuiltIn() && row.subject == added.subject && row.from > until &&
        row.to.isValid() && row.to >= added.from)
      row.to = added.from.addDays(-1);
  }
}

// A period without a last day ends the day before the next one of its table.
template <typename Row, typename SameTable>
void CloseOpenPeriods(std::vector<Row>& rows, SameTable sameTable) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].to.isValid()) continue;
    for (std::size_t next = i + 1; next < rows.size(); ++next) {
      if (sameTable(rows[i], rows[next]) && rows[next].from > rows[i].from) {
        rows[i].to = rows[next].from.addDays(-1);
        break;
      }
    }
  }
}

}  // namespace

MergedLegalData MergeLegalData(const LegalData& builtInData, std::span<const AddedFile> additions) {
  MergedLegalData merged;
  BuiltIn builtIn{builtInData, QDate(), 0};
  for (const LegalRatePeriod& p : builtInData.rates)
    if (!builtIn.until.isValid() || p.to > builtIn.until) builtIn.until = p.to;
  for (const LifetimeCoefficients& c : builtInData.coefficients)
    builtIn.lastYear = std::max(builtIn.lastYear, c.year);
  merged.builtInUntil = builtIn.until;

  // Each file read once; the good ones are sifted again whenever a file is
  // refused, since only files in use may make another's row redundant or
  // disagree with it.
  std::vector<std::vector<DataProblem>> fileProblems(additions.size());
  std::vector<std::optional<LegalData>> good(additions.size());
  for (std::size_t i = 0; i < additions.size(); ++i) {
    LegalDataFile read = ReadLegalDataFile(additions[i].bytes, additions[i].path);
    if (read.Good())
      good[i] = std::move(read.rows);
    else
      fileProblems[i] = std::move(read.problems);
  }
  std::vector<bool> refusedLater(additions.size(), false);
  std::vector<DataProblem> laterProblems;
  std::vector<Candidate> candidates;
  std::vector<std::size_t> fileOf;
  for (;;) {
    candidates.clear();
    fileOf.clear();
    std::vector<std::vector<DataProblem>> sifted(additions.size());
    for (std::size_t i = 0; i < additions.size(); ++i) {
      if (!good[i] || refusedLater[i]) continue;
      Candidate c{additions[i].path, {}, {}, false};
      std::vector<DataProblem>& refusals = sifted[i];
      Sift(&LegalData::rates, *good[i], builtIn, candidates, c, refusals);
      Sift(&LegalData::coefficients, *good[i], builtIn, candidates, c, refusals);
      Sift(&LegalData::floors, *good[i], builtIn, candidates, c, refusals);
      Sift(&LegalData::statutes, *good[i], builtIn, candidates, c, refusals);
      if (!refusals.empty()) {
        std::stable_sort(
            refusals.begin(), refusals.end(),
            [](const DataProblem& a, const DataProblem& b) { return a.line < b.line; });
        continue;
      }
      candidates.push_back(std::move(c));
      fileOf.push_back(i);
    }
    std::vector<DataProblem> refusal;
    if (!RefuseOneAfterAGap(candidates, builtIn, refusal)) {
      for (std::size_t i = 0; i < additions.size(); ++i) {
        if (good[i] && !refusedLater[i]) fileProblems[i] = std::move(sifted[i]);
      }
      break;
    }
    for (std::size_t k = 0; k < candidates.size(); ++k)
      if (candidates[k].refused) refusedLater[fileOf[k]] = true;
    laterProblems.insert(laterProblems.end(), refusal.begin(), refusal.end());
  }
  for (std::vector<DataProblem>& own : fileProblems)
    merged.problems.insert(merged.problems.end(), own.begin(), own.end());
  merged.problems.insert(merged.problems.end(), laterProblems.begin(), laterProblems.end());

  merged.data = builtInData;
  for (Candidate& c : candidates) {
    merged.redundant.insert(merged.redundant.end(), c.notes.begin(), c.notes.end());
    if (c.rows.Empty()) continue;
    merged.files << c.path;
    for (const StatutePeriod& added : c.rows.statutes)
      GiveWayTo(added, builtIn.until, merged.data.statutes);
    merged.data.Append(std::move(c.rows));
  }
  std::stable_sort(merged.data.rates.begin(), merged.data.rates.end(), ByDay<LegalRatePeriod>);
  std::stable_sort(
      merged.data.coefficients.begin(), merged.data.coefficients.end(),
      [](const LifetimeCoefficients& a, const LifetimeCoefficients& b) { return a.year < b.year; });
  std::stable_sort(merged.data.floors.begin(), merged.data.floors.end(), ByDay<RateFloor>);
  std::stable_sort(merged.data.statutes.begin(), merged.data.statutes.end(), ByDay<StatutePeriod>);
  CloseOpenPeriods(merged.data.floors, [](const RateFloor&, const RateFloor&) { return true; });
  CloseOpenPeriods(merged.data.statutes, [](const StatutePeriod& a, const StatutePeriod& b) {
    return a.subject == b.subject;
  });
  return merged;
}

}  // namespace velmora
