#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>
#include <variant>

#include "core/valuation/refusal_words.h"
#include "core/valuation/valuation_record.h"

// A valuation as the command line writes it: one JSON object, or CSV lines
// with the same columns as the batch's. The report is the window's own
// (calculation_report.h).
namespace velmora {

// The header line of the CSV output, without its line end.
const std::string& CsvHeader();

// The inputs of a CSV line as they were typed, in UTF-8.
struct CsvInputs {
  std::string_view tipo;
  std::string_view valore;
  std::string_view nascita;
  std::string_view anni;
  std::string_view data;
};

// One CSV line without its line end: the inputs as typed, then the figures,
// or the refusal's diagnostic in the errore column; last, in avvertenza, the
// warning of the 2016 table used for an act of another year.
void AppendCsvLine(std::string& out, const CsvInputs& inputs, const Esito& esito);
// The same with the inputs of a single case.
void AppendCsvLine(std::string& out, const DatiValutazione& dati, const Esito& esito);
// The same for a line that could not be read as a case: the inputs that are
// known, and the message.
void AppendCsvFault(std::string& out, const CsvInputs& inputs, const QString& message);
// A field quoted when it holds the separator, a quote or a line end, and
// written as UTF-8.
void AppendField(std::string& out, std::string_view field);

// Where the figures' legal data came from: "incorporati", or the files an
// office added ("dati aggiunti: ...").
QString DataSource(const RecordValutazione& record);

// One JSON object, indented, with its line end.
QByteArray JsonDocument(const RecordValutazione& record);

// A message of the window on one line: without the blanks it starts with
// and with its line ends as blanks.
QString OneLine(const QString& message);

}  // namespace velmora
