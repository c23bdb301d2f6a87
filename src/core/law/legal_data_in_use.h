#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "core/law/legal_data_file.h"
#include "core/law/legal_data_merge.h"
#include "core/law/legal_rate_data.h"

// The legal data a valuation uses: the files of resources/data, embedded in
// the program, with the files an office adds under velmora/dati in the XDG
// data folders. Built once where the program starts and handed down as an
// immutable value: concurrent valuations share it without a lock.
namespace velmora {

// The built-in data, read from the program's resources at first use: nothing
// is read from disk, so a damaged install still values.
const LegalData& BuiltInLegalData();
// What was wrong with the embedded files; nothing in a good build.
const std::vector<DataProblem>& BuiltInProblems();

// The folders of the added files: velmora/dati under the data home ($XDG_DATA_HOME,
// by default ~/.local/share), then under each of $XDG_DATA_DIRS (by default
// /usr/local/share:/usr/share). Relative folders are ignored; each folder once.
QStringList AdditionFolders(const QString& dataHome, const QString& dataDirs, const QString& home);
// The same, from the environment.
QStringList AdditionFolders();

// The regular files ending in .tsv of the folders, in name order, folder after
// folder; a file that cannot be read is a problem, a missing folder none.
std::vector<AddedFile> ReadAddedFiles(const QStringList& folders,
                                      std::vector<DataProblem>& problems);

// The added files with one more, as if copied into `folder` (the first of
// the addition folders) under its name: a file that is already one of them
// keeps its place, any other takes the place of its name among the files of
// the folder, and replaces a file of the same name there.
std::vector<AddedFile> WithAddition(std::vector<AddedFile> added, const AddedFile& file,
                                    const QString& folder);
// The built-in data with the added files of the folders and one more, placed
// by WithAddition.
MergedLegalData MergeWithAddition(const AddedFile& file, const QStringList& folders);

// The legal data in use, ready for lookups by day and by year. It never
// changes once made, and points into itself: it is shared, never copied.
class DatiLegali {
 public:
  explicit DatiLegali(MergedLegalData law);
  DatiLegali(const DatiLegali&) = delete;
  DatiLegali& operator=(const DatiLegali&) = delete;

  const MergedLegalData& Merged() const { return law_; }
  const LegalData& Data() const { return law_.data; }

  // The rows in force on the day; nothing outside their periods.
  const LegalRatePeriod* RatePeriodOn(const QDate& day) const;
  const RateFloor* FloorOn(const QDate& day) const;
  const StatutePeriod* StatuteOn(QLatin1StringView subject, const QDate& day) const;
  QDate FirstDayWithRate() const;
  QDate LastDayWithRate() const;
  // The coefficients for acts of the year: a year without its own uses the
  // last earlier one (2012's serves 2013); nothing outside the known years.
  const LifetimeCoefficients* CoefficientsFor(int year) const;
  int FirstYearWithCoefficients() const { return firstYear_; }
  int LastYearWithCoefficients() const { return lastYear_; }

 private:
  template <typename Row>
  struct Days {
    qint64 from;
    qint64 to;
    const Row* row;
  };
  template <typename Row>
  static std::vector<Days<Row>> DaysOf(const std::vector<Row>& rows);
  template <typename Row>
  static const Row* On(const std::vector<Days<Row>>& periods, const QDate& day);

  const MergedLegalData law_;
  std::vector<Days<LegalRatePeriod>> periods_;
  std::vector<Days<RateFloor>> floors_;
  int firstYear_ = 0;
  int lastYear_ = 0;
  std::vector<const LifetimeCoefficients*> byYear_;  // for each year from the first
};

using DatiLegaliCondivisi = std::shared_ptr<const DatiLegali>;

// Merged data (MergeLegalData) made ready for lookups, as a shared value.
DatiLegaliCondivisi DatiLegaliDa(MergedLegalData law);
// The built-in data with the files of the folders (AdditionFolders()), read
// now: the one read of the disk a program makes for its legal data.
DatiLegaliCondivisi LeggiDatiLegali(const QStringList& folders);

}  // namespace velmora
