#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <string>
#include <variant>

#include "core/valuation_record.h"

// A valuation as the command line writes it: one JSON object, or CSV lines
// with the same columns as the batch's. The report is the window's own
// (calculation_report.h).
namespace velmora::cli {

using Esito = std::variant<RecordValutazione, Rifiuto>;

// Values the inputs as typed on the command line or in a batch: a date of
// eight digits ("03051950") is read as the window's birth date field reads
// it, and every other text as the window's fields hold it.
Esito ValutaDigitati(const DatiValutazione& dati);

// The header line of the CSV output, with its line end.
const std::string& CsvHeader();

// One CSV line with its line end: the inputs as typed, then the figures, or
// the refusal's message in the errore column. The reference date, when none
// was typed, is the one used.
void AppendCsvLine(std::string& out, const DatiValutazione& dati, const Esito& esito);
// The same for a line that could not be read as a case: the kind as typed
// and the other inputs that are known, and the message.
void AppendCsvFault(std::string& out, QStringView tipo, const DatiValutazione& dati,
                    const QString& message);

// One JSON object, with its line end.
QString JsonObject(const DatiValutazione& dati, const RecordValutazione& record);

// A message of the window on one line: without the blanks it starts with
// and with its line ends as blanks.
QString OneLine(const QString& message);

}  // namespace velmora::cli
