#pragma once

#include <QString>

#include "core/documents/calculation_report.h"
#include "platform/services.h"

// The report commands on a valuation, for every window that shows one: the
// report to the clipboard, to a PDF file and to the printer, and the values
// for the body of an act. A failure comes back as what the window tells the
// user, the empty text when there is none.
namespace velmora {

void CopyReport(Services& services, const RecordValutazione& record, const Calcolo& calcolo);
// Figures of the 2016 table for an act of another year go into the act only
// when the user says so; false when they did not.
bool CopyValuesForAct(Services& services, const RecordValutazione& record);
QString SaveReportPdf(Services& services, const RecordValutazione& record, const Calcolo& calcolo);
// On the printer chosen in the printer window.
QString PrintReport(Services& services, const RecordValutazione& record, const Calcolo& calcolo);

}  // namespace velmora
