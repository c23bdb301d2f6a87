#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "core/law/legal_data_file.h"
#include "core/law/legal_rate_data.h"

// The built-in legal data with the files an office added. An addition may
// only extend the built-in data: a legal-rate period from the day after the
// last one, the coefficients of the years after the last built-in year, a
// floor or a statute from a day after the last day of the built-in legal
// rates. A file with a row that would change what the built-in data cover is
// not used at all, and the built-in row holds.
namespace velmora {

// A file the office added: its path and its bytes.
struct AddedFile {
  QString path;
  QByteArray bytes;
};

struct MergedLegalData {
  // Every table ordered by its first day or year. A period without a last day
  // ends the day before the next one of its table begins.
  LegalData data;
  // The last day of the built-in legal rates: the law this release vouches for.
  QDate builtInUntil;
  // The added files with rows in use, in the order read.
  QStringList files;
  // The files not used, each reason with its line.
  std::vector<DataProblem> problems;
  // Added rows that repeat a built-in row or one of a file read before: not
  // needed, not refused.
  std::vector<DataProblem> redundant;
};

// Reads the added files in the order given and adds the good ones to the
// built-in data. Where two added files disagree, the one read later is not
// used. Whether an added period or year follows the last one is checked once
// every file is in, so that the files' order does not matter there.
MergedLegalData MergeLegalData(const LegalData& builtIn, std::span<const AddedFile> additions);

}  // namespace velmora
