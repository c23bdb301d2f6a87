#include "core/documents/data_listing.h"

#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <vector>

#include "core/documents/listing_texts.h"
#include "core/documents/report_texts.h"
#include "core/numbers/date_text.h"
#include "core/valuation/rates_by_date.h"

namespace velmora {
namespace {

const QString kIndent = QStringLiteral("  ");
const QString kGap = QStringLiteral("  ");

// Which rows a section shows: all of them, or those of one file.
using Shown = std::function<bool(const DataOrigin&)>;

QString Day(const QDate& day) {
  return day.isValid() ? SlashedDate(day) : text::kDataOpenEnd;
}

// The long texts go last, so that the columns before them stay aligned.
QString Origin(const DataOrigin& origin) {
  return origin.BuiltIn() ? text::kBuiltInData : text::kDataAdded;
}

// A table for a terminal: the header, then the rows, each a line of cells
// aligned in columns with any lines of details below it.
struct Table {
  QStringList header;
  std::vector<QStringList> rows;
  std::vector<QStringList> details;  // one list per row

  void Add(QStringList cells, const DataOrigin& origin, QStringList more = {}) {
    rows.push_back(std::move(cells));
    if (!origin.BuiltIn())
      more << text::kDataAddedAt.arg(origin.file, QString::number(origin.line));
    details.push_back(std::move(more));
  }
};

QString Section(const QString& title, const Table& table) {
  QString out = title + u'\n';
  if (table.rows.empty()) return out + kIndent + text::kDataNone + u'\n';
  std::vector<qsizetype> widths(std::size_t(table.header.size()), 0);
  const auto measure = [&widths](const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i)
      widths[std::size_t(i)] = std::max(widths[std::size_t(i)], cells[i].size());
  };
  measure(table.header);
  for (const QStringList& row : table.rows) measure(row);
  const auto line = [&widths](const QStringList& cells) {
    QString written = kIndent;
    for (qsizetype i = 0; i < cells.size(); ++i)
      written +=
          i + 1 < cells.size() ? cells[i].leftJustified(widths[std::size_t(i)]) + kGap : cells[i];
    while (written.endsWith(u' ')) written.chop(1);
    return written + u'\n';
  };
  out += line(table.header);
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    out += line(table.rows[i]);
    for (const QString& detail : table.details[i])
      out += kIndent + QString(widths[0], u' ') + kGap + detail + u'\n';
  }
  return out;
}

Table Rates(const LegalData& data, const Shown& shown) {
  Table table{
      {text::kDataFrom, text::kDataTo, text::kDataRate, text::kDataOrigin, text::kDataDecree},
      {},
      {}};
  for (const LegalRatePeriod& p : data.rates)
    if (shown(p.origin))
      table.Add({Day(p.from), Day(p.to), RateText(p.rateHundredths), Origin(p.origin), p.setBy},
                p.origin);
  return table;
}

Table Floors(const LegalData& data, const Shown& shown) {
  Table table{
      {text::kDataFrom, text::kDataTo, text::kDataRate, text::kDataOrigin, text::kDataCitation},
      {},
      {}};
  for (const RateFloor& f : data.floors)
    if (shown(f.origin))
      table.Add({Day(f.from), Day(f.to), RateText(f.floorHundredths), Origin(f.origin), f.statute},
                f.origin);
  return table;
}

// Each year with its rate and decree, and its eighteen coefficients below.
Table Coefficients(const LegalData& data, const Shown& shown) {
  Table table{{text::kDataYear, text::kDataRate, text::kDataOrigin, text::kDataDecree}, {}, {}};
  for (const LifetimeCoefficients& c : data.coefficients) {
    if (!shown(c.origin)) continue;
    const QString rate =
        c.rateHundredths == c.legalRateHundredths
            ? RateText(c.rateHundredths)
            : text::kDataFloored.arg(RateText(c.rateHundredths), RateText(c.legalRateHundredths));
    QStringList figures;
    for (int hundredths : c.coefficientHundredths) figures << CoefficientText(hundredths);
    table.Add({QString::number(c.year), rate, Origin(c.origin), c.decree}, c.origin,
              {figures.join(u' ')});
  }
  return table;
}

Table Statutes(const LegalData& data, const Shown& shown) {
  Table table{
      {text::kDataSubject, text::kDataFrom, text::kDataTo, text::kDataOrigin, text::kDataCitation},
      {},
      {}};
  // By subject, then by day: the subjects in the order the program knows them.
  for (QLatin1StringView subject : kStatuteSubjects)
    for (const StatutePeriod& s : data.statutes)
      if (s.subject == subject && shown(s.origin))
        table.Add({s.subject, Day(s.from), Day(s.to), Origin(s.origin), s.citation}, s.origin);
  return table;
}

// The four tables, those without a row left out when `skipEmpty`.
QString Tables(const LegalData& data, const Shown& shown, bool skipEmpty) {
  const std::pair<QString, Table> tables[] = {
      {text::kDataRatesTitle, Rates(data, shown)},
      {text::kDataFloorsTitle, Floors(data, shown)},
      {text::kDataCoefficientsTitle, Coefficients(data, shown)},
      {text::kDataStatutesTitle, Statutes(data, shown)},
  };
  QStringList sections;
  for (const auto& [title, table] : tables)
    if (!skipEmpty || !table.rows.empty()) sections << Section(title, table);
  return sections.join(u'\n');
}

QString List(const QString& title, const QStringList& items) {
  QString out = title + u'\n';
  if (items.isEmpty()) return out + kIndent + text::kDataNone + u'\n';
  for (const QString& item : items) out += kIndent + item + u'\n';
  return out;
}

QStringList ProblemLines(const std::vector<DataProblem>& problems) {
  QStringList lines;
  for (const DataProblem& p : problems) lines << ProblemText(p);
  return lines;
}

// A problem of the file checked, which needs no name: "riga 4: why".
QString OwnProblem(const DataProblem& problem) {
  if (problem.line <= 0) return problem.reason;
  return text::kLine.arg(problem.line) + QStringLiteral(": ") + problem.reason;
}

bool SameFile(const QString& a, const QString& b) {
  if (a == b) return true;
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString DataListing(const MergedLegalData& law, const QStringList& folders) {
  const Shown all = [](const DataOrigin&) { return true; };
  return Tables(law.data, all, false) + u'\n' + List(text::kDataFoldersTitle, folders) + u'\n' +
         List(text::kDataFilesTitle, law.files) + u'\n' +
         List(text::kDataRedundantTitle, ProblemLines(law.redundant)) + u'\n' +
         List(text::kDataRefusedTitle, ProblemLines(law.problems));
}

// The files in use now that would not be with the file checked, each with
// why.
QStringList LeftOut(const MergedLegalData& merged, const QString& path, const QStringList& folders,
                    const QStringList& usedNow) {
  QStringList lines;
  for (const QString& file : usedNow) {
    if (merged.files.contains(file) || SameFile(file, path)) continue;
    QStringList reasons;
    for (const DataProblem& p : merged.problems)
      if (p.file == file) reasons << ProblemText(p);
    const bool replaced = !folders.isEmpty() &&
                          QFileInfo(file).fileName() == QFileInfo(path).fileName() &&
                          SameFile(QFileInfo(file).absolutePath(), folders.first());
    if (replaced)
      lines << text::kDataReplaced.arg(file);
    else if (reasons.isEmpty())
      lines << text::kDataNoLongerNeeded.arg(file);
    else
      lines << reasons;
  }
  return lines;
}

QString VerificationText(const MergedLegalData& merged, const QString& path,
                         const QStringList& folders, const QStringList& usedNow, bool& used) {
  const auto own = [&path](const DataProblem& p) { return p.file == path; };
  QStringList reasons;
  for (const DataProblem& p : merged.problems)
    if (own(p)) reasons << OwnProblem(p);
  QStringList notes;
  for (const DataProblem& p : merged.redundant)
    if (own(p)) notes << OwnProblem(p);

  used = reasons.isEmpty();
  const QStringList leftOut = LeftOut(merged, path, folders, usedNow);
  QString out;
  if (!used) {
    out =
        List((leftOut.isEmpty() ? text::kDataWouldBeRefused : text::kDataWouldNotBeUsed).arg(path),
             reasons);
  } else {
    const Shown fromFile = [&path](const DataOrigin& o) { return o.file == path; };
    const QString added = Tables(merged.data, fromFile, true);
    if (added.isEmpty()) {
      out = text::kDataAddsNothing.arg(path) + u'\n';
    } else {
      out = text::kDataWouldBeUsed.arg(path) + QStringLiteral("\n\n") + added;
    }
    if (!notes.isEmpty()) out += u'\n' + List(text::kDataRedundantTitle, notes);
    const QString folder = QFileInfo(path).absolutePath();
    const bool inPlace = std::any_of(folders.begin(), folders.end(),
                                     [&folder](const QString& f) { return SameFile(f, folder); });
    if (!added.isEmpty() && !inPlace && !folders.isEmpty())
      out += u'\n' + text::kDataCopyInto.arg(folders.first()) + u'\n';
  }
  if (!leftOut.isEmpty()) out += u'\n' + List(text::kDataOthersLeftOut, leftOut);
  if (!path.endsWith(QStringLiteral(".tsv"))) out += u'\n' + text::kDataNotTsv + u'\n';
  return out;
}

QString RefusedFilesText(const MergedLegalData& law) {
  QString out;
  for (const DataProblem& p : law.problems)
    out += text::kDiagnostic.arg(text::kDataFileNotUsed.arg(ProblemText(p)));
  return out;
}

}  // namespace velmora
