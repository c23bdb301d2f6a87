#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

#include "core/law/legal_rate_data.h"

// The reader of one legal data file: tab-separated UTF-8, '#' comment lines,
// one header line that names the form, then the rows. A whole file or
// nothing: a file with any bad row gives no rows at all.
namespace velmora {

// A data file grows by a line a year: a larger file is refused unread.
inline constexpr qsizetype kLargestDataFile = 1 << 20;
// A decree or a citation is a line of a report and of a tooltip: the longest
// article cited with its law is well under this many characters.
inline constexpr qsizetype kLongestCitation = 400;

enum class DataForm { LegalRates, LifetimeCoefficients, RateFloors, Statutes };

// Something wrong with a file or one of its lines, said in Italian.
struct DataProblem {
  QString file;
  int line = 0;  // 0: the file as a whole
  QString reason;
};

// "FILE, riga 4: reason", or "FILE: reason" for the file as a whole.
QString ProblemText(const DataProblem& problem);

struct LegalDataFile {
  std::optional<DataForm> form;  // none when the header is not that of a form
  LegalData rows;                // every row, with the file and line it came from
  std::vector<DataProblem> problems;
  bool Good() const { return problems.empty(); }
};

// Reads the bytes of the file `name` (any bytes: a refusal, never a crash).
// Rows carry `name` as their origin. When any problem is found, `rows` is
// empty and `problems` lists them all, in line order.
LegalDataFile ReadLegalDataFile(QByteArrayView bytes, const QString& name);

// The header line of a form, columns separated by tabs.
QString DataHeader(DataForm form);

}  // namespace velmora
