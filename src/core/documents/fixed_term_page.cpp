#include <algorithm>
#include <iterator>

#include "core/documents/companion_page_parts.h"
#include "core/documents/companion_pages.h"
#include "core/numbers/date_text.h"
#include "core/numbers/number_text.h"
#include "core/valuation/rates_by_date.h"
#include "core/valuation/valuation.h"

namespace velmora {
namespace {

using namespace pages;

// The full value of the worked example.
constexpr double kExampleValue = 100000;

// The periods that share a rate used, in the order the rates first came into force.
struct RateUsed {
  int hundredths;
  std::vector<const LegalRatePeriod*> periods;
};

std::vector<RateUsed> RatesUsed(const LegalData& law) {
  std::vector<RateUsed> rates;
  for (const LegalRatePeriod& p : law.rates) {
    const int used = RateUsedIn(law, p);
    auto found = std::find_if(rates.begin(), rates.end(),
                              [used](const RateUsed& r) { return r.hundredths == used; });
    if (found == rates.end()) {
      rates.push_back({used, {}});
      found = std::prev(rates.end());
    }
    found->periods.push_back(&p);
  }
  return rates;
}

// "1999-2000, 2004-2007": the years of the acts of the periods. The first
// period starts on 16 December 1990 and counts from 1991.
QString YearsText(const std::vector<const LegalRatePeriod*>& periods) {
  QStringList spans;
  for (const LegalRatePeriod* p : periods) {
    const int first = p->from.year() + (p->from.month() == 12 ? 1 : 0);
    const int last = p->to.year();
    spans << (first == last ? QString::number(first)
                            : QStringLiteral("%1-%2").arg(first).arg(last));
  }
  return spans.join(QStringLiteral(", "));
}

// The share's percentage without its sign: "21,88".
QString Share(const RigaTempoDeterminato& row) {
  return Figure(row.percUsufrutto);
}

}  // namespace

QString FixedTermPage(const LegalData& law) {
  if (law.rates.empty()) return Page(QString(), QString());
  const LegalRatePeriod& last = law.rates.back();
  const int current = RateUsedIn(law, last);
  const std::vector<RateUsed> rates = RatesUsed(law);
  const LegalRatePeriod* inDefaultYear = PeriodOn(law, QDate(kDefaultTableYear, 1, 1));
  const RateFloor* floor = law.floors.empty() ? nullptr : &law.floors.front();
  const TabellaTempoDeterminato& currentTable = FixedTermTableAt(current);
  const QString longest = QString::number(currentTable.Righe().size());

  QStringList out{
      QStringLiteral("<h1>Usufrutto a tempo determinato: quote per anno dell'atto</h1>")};
  const QString added = AddedDataNote(law);
  if (!added.isEmpty()) out << added;
  out << QStringLiteral(R"(<p>L'usufrutto a tempo determinato si valuta come una rendita a tempo
determinato (art. 48 e art. 46 del D.P.R. 26 aprile 1986, n. 131): l'annualità è il valore
della piena proprietà moltiplicato per il saggio, e il valore dell'usufrutto è la somma delle
annualità, per il numero di anni di durata, attualizzate allo stesso saggio. Il saggio è quello
degli interessi legali in vigore alla data dell'atto%1.</p>
<p class="note">Per <i>n</i> anni al saggio <i>s</i> la quota dell'usufrutto è
<b>1 &minus; (1 + <i>s</i>)<sup>&minus;<i>n</i></sup></b>, arrotondata a quattro decimali;
la percentuale dell'usufrutto è la quota per 100, quella della nuda proprietà la differenza a
100. Valore dell'usufrutto = valore della piena proprietà &times; quota, arrotondato al
centesimo; valore della nuda proprietà = piena proprietà &minus; usufrutto. Tutte le quote di
questa pagina sono calcolate con questa regola dal saggio di ciascun periodo: nessuna è
ripresa da tabelle ministeriali.</p>
<p>Velmora calcola fino a %2 anni: con il menu «Saggio» %3 della tabella %4, oppure al saggio in vigore alla data di
riferimento, con le quote di questa pagina.</p>
<nav><ul>
<li><a href="#vigente">Atti del %5: saggio %6</a></li>
<li><a href="#anni">Saggio usato per periodo</a></li>
<li><a href="#quote">Quote per durata e saggio</a></li>
</ul></nav>)")
             .arg(floor ? QStringLiteral(
                              "; per gli atti dal\n%1 non può essere inferiore %2 (D.Lgs. 18 "
                              "settembre\n2024, n. 139, che ha modificato l'art. 46)")
                              .arg(ActLongDateText(floor->from),
                                   RateWith(Article::Al, floor->floorHundredths))
                        : QString(),
                  longest,
                  inDefaultYear ? RateWith(Article::Al, inDefaultYear->rateHundredths, u"\n")
                                : QString(),
                  QString::number(kDefaultTableYear), QString::number(last.from.year()),
                  RateText(current));

  // The acts of the last period, with a worked example.
  out << QStringLiteral("<h2 id=\"vigente\">Atti del %1: saggio %2</h2>")
             .arg(QString::number(last.from.year()), RateText(current));
  if (current != last.rateHundredths)
    out << QStringLiteral(
               "<p>Il saggio degli interessi legali del %1 è %2; per l'usufrutto si applica il "
               "minimo %3.</p>")
               .arg(QString::number(last.from.year()), RateWith(Article::Di, last.rateHundredths),
                    RateWith(Article::Di, current));
  out << QStringLiteral(R"(<table>
<caption>Usufrutto a tempo determinato, saggio %1</caption>
<thead><tr><th rowspan="2" class="h">Anni di durata</th><th rowspan="2" class="h">Quota</th>
<th colspan="2" class="h">Percentuali</th>
<th colspan="2" class="h">Esempio su %2</th></tr>
<tr><th class="hu">Usufrutto</th><th class="hnp">Nuda proprietà</th>
<th class="hu">Usufrutto</th><th class="hnp">Nuda proprietà</th></tr></thead>
<tbody>)")
             .arg(RateText(current), MoneyText(kExampleValue));
  for (const RigaTempoDeterminato& row : currentTable.Righe()) {
    const auto split = Ripartisci(kExampleValue, row.Share());
    out << QStringLiteral(
               "<tr><td class=\"c\">%1</td><td class=\"coef\">%2</td><td class=\"usu\">%3</td>"
               "<td class=\"np\">%4</td><td class=\"usu\">%5</td><td class=\"np\">%6</td></tr>")
               .arg(QString::number(row.years), row.quota, row.percUsufrutto, row.percNudaProprieta,
                    split ? MoneyText(split->usufrutto) : QString(),
                    split ? MoneyText(split->nudaProprieta) : QString());
  }
  out << QStringLiteral("</tbody></table>");

  // The rate used in each period.
  out << QStringLiteral("<h2 id=\"anni\">Saggio usato per periodo</h2>")
      << QStringLiteral(
             "<table><thead><tr><th class=\"h\">Dal</th><th class=\"h\">Al</th><th "
             "class=\"h\">Saggio legale</th><th class=\"h\">Saggio usato</th></tr></thead>"
             "<tbody>");
  for (const LegalRatePeriod& p : law.rates) {
    const int used = RateUsedIn(law, p);
    out << QStringLiteral(
               "<tr><td class=\"c\">%1</td><td class=\"c\">%2</td><td class=\"n\">%3</td>"
               "<td class=\"n\">%4%5</td></tr>")
               .arg(DayText(p.from), DayText(p.to), RateText(p.rateHundredths), RateText(used),
                    used != p.rateHundredths ? QStringLiteral(" (minimo di legge)") : QString());
  }
  out << QStringLiteral("</tbody></table>");

  // The shares at every rate used.
  out << QStringLiteral("<h2 id=\"quote\">Quote per durata e saggio</h2>")
      << QStringLiteral(
             "<p>Percentuale dell'usufrutto per anni di durata (righe) e saggio usato (colonne, "
             "con gli anni degli atti a cui si applica); la nuda proprietà è la differenza a "
             "100.</p>");
  QString head;
  std::vector<const TabellaTempoDeterminato*> tables;
  for (const RateUsed& r : rates) {
    head += QStringLiteral("<th class=\"h\">%1<br>%2</th>")
                .arg(RateText(r.hundredths), YearsText(r.periods));
    tables.push_back(&FixedTermTableAt(r.hundredths));
  }
  out << QStringLiteral(
             "<table class=\"wide\"><thead><tr><th class=\"h\">Anni</th>%1</tr></thead><tbody>")
             .arg(head);
  for (std::size_t n = 0; n < currentTable.Righe().size(); ++n) {
    QString cells;
    for (const TabellaTempoDeterminato* table : tables)
      cells += QStringLiteral("<td class=\"usu\">%1</td>").arg(Share(table->Righe()[n]));
    out << QStringLiteral("<tr><th scope=\"row\" class=\"hr\">%1</th>%2</tr>")
               .arg(QString::number(n + 1), cells);
  }
  out << QStringLiteral("</tbody></table>");
  return Page(QStringLiteral("Usufrutto a tempo determinato: quote per anno dell'atto"),
              out.join(u'\n'));
}

}  // namespace velmora
