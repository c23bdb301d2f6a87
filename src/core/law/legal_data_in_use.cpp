#include "core/law/legal_data_in_use.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <iterator>
#include <limits>
#include <memory>
#include <variant>

#include "core/law/legal_data_messages.h"
#include "core/law/system_reason.h"

namespace velmora {
namespace {

const QString kEmbedded = QStringLiteral(":/velmora/dati");
const QString kAddedFolder = QStringLiteral("/velmora/dati");
const QString kSuffix = QStringLiteral(".tsv");

struct Embedded {
  LegalData data;
  std::vector<DataProblem> problems;
};

const Embedded& ReadEmbedded() {
  static const Embedded embedded = [] {
    Embedded read;
    QStringList names = QDir(kEmbedded).entryList(QDir::Files);
    std::sort(names.begin(), names.end());
    for (const QString& name : names) {
      QFile file(kEmbedded + u'/' + name);
      file.open(QIODevice::ReadOnly);
      LegalDataFile rows = ReadLegalDataFile(file.readAll(), file.fileName());
      read.problems.insert(read.problems.end(), rows.problems.begin(), rows.problems.end());
      const auto builtIn = [](auto& table) {
        for (auto& row : table) row.origin = DataOrigin();
      };
      builtIn(rows.rows.rates);
      builtIn(rows.rows.coefficients);
      builtIn(rows.rows.floors);
      builtIn(rows.rows.statutes);
      read.data.Append(std::move(rows.rows));
    }
    return read;
  }();
  return embedded;
}

MergedLegalData Merge(const std::vector<AddedFile>& added, std::vector<DataProblem> problems) {
  MergedLegalData law = MergeLegalData(BuiltInLegalData(), added);
  law.problems.insert(law.problems.begin(), problems.begin(), problems.end());
  return law;
}

}  // namespace

const LegalData& BuiltInLegalData() {
  return ReadEmbedded().data;
}

const std::vector<DataProblem>& BuiltInProblems() {
  return ReadEmbedded().problems;
}

QStringList AdditionFolders(const QString& dataHome, const QString& dataDirs, const QString& home) {
  QStringList bases;
  if (QDir::isAbsolutePath(dataHome))
    bases << dataHome;
  else if (QDir::isAbsolutePath(home))
    bases << home + QStringLiteral("/.local/share");
  const QString dirs =
      dataDirs.isEmpty() ? QStringLiteral("/usr/local/share:/usr/share") : dataDirs;
  for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts))
    if (QDir::isAbsolutePath(dir)) bases << dir;
  QStringList folders;
  for (const QString& base : bases) {
    const QString folder = QDir::cleanPath(base + kAddedFolder);
    if (!folders.contains(folder)) folders << folder;
  }
  return folders;
}

QStringList AdditionFolders() {
  return AdditionFolders(qEnvironmentVariable("XDG_DATA_HOME"),
                         qEnvironmentVariable("XDG_DATA_DIRS"), qEnvironmentVariable("HOME"));
}

std::vector<AddedFile> ReadAddedFiles(const QStringList& folders,
                                      std::vector<DataProblem>& problems) {
  std::vector<AddedFile> files;
  for (const QString& folder : folders) {
    // Regular files only: a folder or a pipe named *.tsv is nothing to read.
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.removeIf([](const QString& name) { return !name.endsWith(kSuffix); });
    std::sort(names.begin(), names.end());
    for (const QString& name : names) {
      const QString path = folder + u'/' + name;
      if (!QFileInfo(path).isFile()) continue;
      // One byte past the largest file is enough for the reader to refuse it.
      std::variant<QByteArray, QString> read = ReadFileStart(path, kLargestDataFile + 1);
      if (const QString* reason = std::get_if<QString>(&read)) {
        problems.push_back({path, 0, text::kDataCannotRead.arg(*reason)});
        continue;
      }
      files.push_back({path, std::get<QByteArray>(std::move(read))});
    }
  }
  return files;
}

std::vector<AddedFile> WithAddition(std::vector<AddedFile> added, const AddedFile& file,
                                    const QString& folder) {
  const QString itself = QFileInfo(file.path).canonicalFilePath();
  const auto same = std::find_if(added.begin(), added.end(), [&itself](const AddedFile& a) {
    return !itself.isEmpty() && QFileInfo(a.path).canonicalFilePath() == itself;
  });
  if (same != added.end()) {
    *same = file;
    return added;
  }
  // Copied into the folder: the files there are read in name order, and a
  // file of the same name is replaced.
  const QString name = QFileInfo(file.path).fileName();
  const auto inFolder = [&folder](const AddedFile& a) {
    return QFileInfo(a.path).absolutePath() == folder;
  };
  auto place = std::find_if(added.begin(), added.end(), [&](const AddedFile& a) {
    return inFolder(a) && QFileInfo(a.path).fileName() >= name;
  });
  if (place == added.end()) {
    // After the folder's last file, or first when the folder has none yet.
    const auto last = std::find_if(added.rbegin(), added.rend(), inFolder);
    place = last == added.rend() ? added.begin() : last.base();
  }
  if (place != added.end() && inFolder(*place) && QFileInfo(place->path).fileName() == name)
    *place = file;
  else
    added.insert(place, file);
  return added;
}

MergedLegalData MergeWithAddition(const AddedFile& file, const QStringList& folders) {
  std::vector<DataProblem> problems = BuiltInProblems();
  std::vector<AddedFile> added = ReadAddedFiles(folders, problems);
  // The file it would replace cannot be read: that is no problem of the check.
  const QString replaced =
      folders.isEmpty() ? QString() : folders.first() + u'/' + QFileInfo(file.path).fileName();
  std::erase_if(problems, [&replaced](const DataProblem& p) { return p.file == replaced; });
  return Merge(WithAddition(std::move(added), file, folders.value(0)), std::move(problems));
}

template <typename Row>
std::vector<DatiLegali::Days<Row>> DatiLegali::DaysOf(const std::vector<Row>& rows) {
  constexpr qint64 kOpenEnd = std::numeric_limits<qint64>::max();
  std::vector<Days<Row>> made;
  for (const Row& r : rows)
    made.push_back({r.from.toJulianDay(), r.to.isValid() ? r.to.toJulianDay() : kOpenEnd, &r});
  std::sort(made.begin(), made.end(),
            [](const Days<Row>& a, const Days<Row>& b) { return a.from < b.from; });
  return made;
}

// The last period that starts on or before the day, if the day is in it: a
// batch looks up a rate for every case.
template <typename Row>
const Row* DatiLegali::On(const std::vector<Days<Row>>& periods, const QDate& day) {
  if (!day.isValid()) return nullptr;
  const qint64 n = day.toJulianDay();
  const auto after = std::upper_bound(periods.begin(), periods.end(), n,
                                      [](qint64 d, const Days<Row>& p) { return d < p.from; });
  if (after == periods.begin() || n > std::prev(after)->to) return nullptr;
  return std::prev(after)->row;
}

DatiLegali::DatiLegali(MergedLegalData law)
    : law_(std::move(law)), periods_(DaysOf(law_.data.rates)), floors_(DaysOf(law_.data.floors)) {
  const std::vector<LifetimeCoefficients>& all = law_.data.coefficients;
  if (all.empty()) return;
  firstYear_ = all.front().year;
  lastYear_ = all.back().year;
  std::size_t row = 0;
  for (int year = firstYear_; year <= lastYear_; ++year) {
    while (row + 1 < all.size() && all[row + 1].year <= year) ++row;
    byYear_.push_back(&all[row]);
  }
}

const LegalRatePeriod* DatiLegali::RatePeriodOn(const QDate& day) const {
  return On(periods_, day);
}

const RateFloor* DatiLegali::FloorOn(const QDate& day) const {
  return On(floors_, day);
}

const StatutePeriod* DatiLegali::StatuteOn(QLatin1StringView subject, const QDate& day) const {
  if (!day.isValid()) return nullptr;
  // A handful of rows, looked up once for a valuation.
  for (const StatutePeriod& s : law_.data.statutes) {
    if (s.subject == subject && s.from <= day && (!s.to.isValid() || day <= s.to)) return &s;
  }
  return nullptr;
}

QDate DatiLegali::FirstDayWithRate() const {
  return periods_.empty() ? QDate() : periods_.front().row->from;
}

QDate DatiLegali::LastDayWithRate() const {
  return periods_.empty() ? QDate() : periods_.back().row->to;
}

const LifetimeCoefficients* DatiLegali::CoefficientsFor(int year) const {
  if (byYear_.empty() || year < firstYear_ || year > lastYear_) return nullptr;
  return byYear_[std::size_t(year - firstYear_)];
}

DatiLegaliCondivisi DatiLegaliDa(MergedLegalData law) {
  return std::make_shared<const DatiLegali>(std::move(law));
}

DatiLegaliCondivisi LeggiDatiLegali(const QStringList& folders) {
  std::vector<DataProblem> problems = BuiltInProblems();
  const std::vector<AddedFile> added = ReadAddedFiles(folders, problems);
  return DatiLegaliDa(Merge(added, std::move(problems)));
}

}  // namespace velmora
