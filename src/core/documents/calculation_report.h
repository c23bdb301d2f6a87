#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "core/valuation/valuation_record.h"

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

// A row of the report: "Età che conta", "quella del più giovane (titolare 2): ...".
struct RigaDettaglio {
  QString etichetta;
  QString valore;
};

// The report's rows that a window shows beside its own figures, in the
// report's words: every life's birth and age, whose age counts and by which
// rule, and the band; the fixed term's limit with both values and the one due;
// the next change of band (empty when none is near).
struct DettaglioValutazione {
  std::vector<RigaDettaglio> vite;
  std::vector<RigaDettaglio> limite;
  QString prossimaFascia;
};
DettaglioValutazione DettaglioPerFinestra(const RecordValutazione& record);

// The right's name as the report heads its figures: "Usufrutto", "Diritto d'uso".
QString NomeDiritto(Diritto diritto);

// One sentence with the three amounts and their words, for the body of an act.
QString ValoriPerAtto(const RecordValutazione& record);

// A valuation on the 2016 table for a reference date outside 2016: one
// sentence saying that the table is not the one in force on that day, with
// the rate and the share in force. Empty for any other valuation. The report
// opens with it; the window asks before the values for an act leave it.
QString AvvertenzaTabella2016(const RecordValutazione& record);

}  // namespace velmora
