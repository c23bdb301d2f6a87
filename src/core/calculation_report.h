#pragma once

#include <QDateTime>
#include <QString>

#include "core/valuation_record.h"

// The "Prospetto di calcolo": one page that states what was valued, on what
// basis, and the two figures in numbers and in words. The day and hour of the
// calculation and the program's version are given, not read here.
namespace velmora {

struct Calcolo {
  QDateTime quando;
  QString versione;
};

// As plain text, for the clipboard and the command line.
QString ProspettoTesto(const RecordValutazione& record, const Calcolo& calcolo);
// As HTML, for the clipboard, the PDF and the printer.
QString ProspettoHtml(const RecordValutazione& record, const Calcolo& calcolo);

// One sentence with the three amounts and their words, for the body of an act.
QString ValoriPerAtto(const RecordValutazione& record);

}  // namespace velmora
