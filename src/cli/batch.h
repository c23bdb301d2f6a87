#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <string_view>

#include "cli/csv_reader.h"
#include "core/law/legal_data_in_use.h"

// The batch: a CSV of cases in, one CSV line of results per case out.
namespace velmora::cli {

struct BatchIo {
  CsvReader::Source input;
  std::function<void(std::string_view)> output;  // the result lines, in blocks
  std::function<void(const QString&)> error;     // a message for standard error
  QString inputName;                             // for the messages
  QDate today;                                   // the reference date of rows without one
};

// Exit status: 0 when every row was valued, 1 when some were refused or
// broken, 3 when the input could not be read or has no usable header.
int RunBatch(const BatchIo& io, const DatiLegali& law);

}  // namespace velmora::cli
