#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <string_view>

#include "core/documents/csv_reader.h"
#include "core/law/legal_data_in_use.h"
#include "core/valuation/refusal_words.h"

// The batch: a CSV of cases in, one CSV line of results per case out.
namespace velmora {

struct BatchIo {
  CsvReader::Source input;
  std::function<void(std::string_view)> output;  // the result lines, in blocks
  std::function<void(const QString&)> error;     // a message for standard error
  QString inputName;                             // for the messages
  QDate today;                                   // the reference date of rows without one
};

// What a refusal of a row's inputs calls them: the columns.
const NomiIngressi& ColumnNames();

// Exit status: 0 when every row was valued, 1 when some were refused or
// broken, 3 when the input could not be read or has no usable header.
int RunBatch(const BatchIo& io, const DatiLegali& law);

}  // namespace velmora
