#include <map>

#include "core/documents/companion_page_parts.h"
#include "core/documents/companion_pages.h"
#include "core/valuation/rates_by_date.h"

namespace velmora {
namespace {

using namespace pages;

// A year of coefficients with the shares the core's table gives for them.
struct Year {
  const LifetimeCoefficients* row;
  QStringList usufruct;  // one share a band, "95", "95,25"
  QStringList bare;
  QString firstShare;  // "95%", as a text cites it
  QString lastShare;
  bool usual = true;  // the shares most years give
  bool InForce() const { return row->year == kDefaultTableYear; }
  bool Floored() const { return row->rateHundredths != row->legalRateHundredths; }
};

std::vector<Year> Years(const LegalData& law) {
  std::vector<Year> years;
  for (const LifetimeCoefficients& c : law.coefficients) {
    const TabellaVitalizio table = LifetimeTableOf(c);
    Year year{&c, {}, {}, table.Righe().front().percUsufrutto, {}};
    for (int band = 0; band < kAgeBands; ++band) {
      const RigaVitalizio& row = table.Righe()[std::size_t(band)];
      year.usufruct << Figure(row.percUsufrutto);
      year.bare << Figure(row.percNudaProprieta);
      year.lastShare = row.percUsufrutto;
    }
    years.push_back(std::move(year));
  }
  // The usual shares are those most years give; on a tie, the earlier year's.
  std::map<QStringList, int> counted;
  for (const Year& y : years) ++counted[y.usufruct];
  const QStringList* usual = nullptr;
  for (const Year& y : years)
    if (!usual || counted[y.usufruct] > counted[*usual]) usual = &y.usufruct;
  for (Year& y : years) y.usual = y.usufruct == *usual;
  return years;
}

QString RowClass(const Year& y) {
  if (y.InForce()) return QStringLiteral(" class=\"vigrow\"");
  return y.usual ? QString() : QStringLiteral(" class=\"eccrow\"");
}

QString CellClass(const Year& y, const QString& base) {
  if (y.InForce()) return base + u'v';
  return y.usual ? base : QStringLiteral("ecc");
}

// A table of one figure a band and a year; `title` an h2 when it has an
// anchor, an h3 otherwise.
template <typename Cell>
QString Matrix(const std::vector<Year>& years, const QString& anchor, const QString& title,
               const QString& css, Cell cell) {
  QStringList rows;
  rows << (anchor.isEmpty() ? QStringLiteral("<h3>%1</h3>").arg(title)
                            : QStringLiteral("<h2 id=\"%1\">%2</h2>").arg(anchor, title));
  rows << QStringLiteral(
      "<table class=\"wide\"><thead><tr><th class=\"h\">Età (anni compiuti)</th>");
  for (const Year& y : years)
    rows << QStringLiteral("<th class=\"%1\">%2<br>%3</th>")
                .arg(y.InForce() ? QStringLiteral("hv") : QStringLiteral("h"),
                     QString::number(y.row->year), RateText(y.row->rateHundredths));
  rows << QStringLiteral("</tr></thead><tbody>");
  for (int band = 0; band < kAgeBands; ++band) {
    QString cells;
    for (const Year& y : years)
      cells += QStringLiteral("<td class=\"%1\">%2</td>").arg(CellClass(y, css), cell(y, band));
    // A band on one line.
    const QString label = BandText(band).replace(u' ', QStringLiteral("&nbsp;"));
    rows << QStringLiteral("<tr><th scope=\"row\" class=\"hr\">%1</th>%2</tr>").arg(label, cells);
  }
  rows << QStringLiteral("</tbody></table>");
  return rows.join(u'\n');
}

// The statute that sets the floor, as the data cite it.
QString FloorStatute(const LegalData& law) {
  return law.floors.empty() ? QString() : law.floors.front().statute;
}

}  // namespace

QString LifetimeTablesPage(const LegalData& law) {
  const std::vector<Year> years = Years(law);
  std::vector<const Year*> unusual;
  std::vector<const Year*> floored;
  const Year* inForce = nullptr;
  for (const Year& y : years) {
    if (!y.usual) unusual.push_back(&y);
    if (y.Floored()) floored.push_back(&y);
    if (y.InForce()) inForce = &y;
  }
  QStringList unusualYears;
  for (const Year* y : unusual) unusualYears << QString::number(y->row->year);

  QStringList out{QStringLiteral("<h1>Tabelle dell'usufrutto vitalizio</h1>")};
  const QString added = AddedDataNote(law);
  if (!added.isEmpty()) out << added;
  out << QStringLiteral(
             R"(<p>Il valore dell'usufrutto vitalizio si ottiene moltiplicando l'annualità
(valore della piena proprietà per il saggio degli interessi legali) per il coefficiente del
prospetto allegato al D.P.R. 26 aprile 1986, n. 131, secondo l'età dell'usufruttuario in anni
compiuti. La percentuale dell'usufrutto è quindi il prodotto del coefficiente per il saggio
usato; la nuda proprietà vale la differenza a 100. Il prospetto viene aggiornato con decreto
ministeriale quando varia il saggio degli interessi legali.</p>
<p>Velmora applica la tabella del %1 (saggio %2), evidenziata
nelle tabelle che seguono, oppure, scelto nel menu «Saggio» il saggio in vigore alla data di
riferimento, la tabella dell'anno di quella data.</p>
<nav><ul>
<li><a href="#anni">Saggi e decreti per anno</a></li>
<li><a href="#coefficienti">Coefficienti per fascia di età</a></li>
<li><a href="#usufrutto">Percentuali dell'usufrutto e della nuda proprietà</a></li>
<li><a href="#note">Note: il %3 e la soglia dal
%4</a></li>
<li><a href="#saggi">Saggio degli interessi legali per periodo</a></li>
</ul></nav>)")
             .arg(QString::number(kDefaultTableYear),
                  inForce ? RateText(inForce->row->rateHundredths) : QString(),
                  unusualYears.join(QStringLiteral(", ")),
                  floored.empty() ? QString() : QString::number(floored.front()->row->year));

  // Years, rates and decrees.
  out << QStringLiteral("<h2 id=\"anni\">Saggi e decreti per anno</h2>")
      << QStringLiteral(
             "<table><thead><tr><th class=\"h\">Anno dell'atto</th><th class=\"h\">Saggio "
             "legale</th><th class=\"h\">Saggio usato per i coefficienti</th><th "
             "class=\"h\">Decreto dei coefficienti</th><th class=\"h\">Fonte</th></tr></thead>"
             "<tbody>");
  for (const Year& y : years) {
    const QString used = RateText(y.row->rateHundredths) +
                         (y.Floored() ? QStringLiteral(" (soglia minima)") : QString());
    out << QStringLiteral(
               "<tr%1><td class=\"c\">%2</td><td class=\"n\">%3</td><td class=\"n\">%4</td>"
               "<td class=\"t\">%5</td><td class=\"src\">%6</td></tr>")
               .arg(RowClass(y), QString::number(y.row->year), RateText(y.row->legalRateHundredths),
                    used, Escape(y.row->decree), SourceCell(y.row->source, y.row->origin));
  }
  out << QStringLiteral("</tbody></table>");

  out << Matrix(years, QStringLiteral("coefficienti"),
                QStringLiteral("Coefficienti per fascia di età"), QStringLiteral("coef"),
                [](const Year& y, int band) {
                  return Figure(CoefficientText(y.row->coefficientHundredths[std::size_t(band)]));
                });
  out << QStringLiteral(
             "<h2 id=\"usufrutto\">Percentuali dell'usufrutto e della nuda proprietà</h2>")
      << QStringLiteral(
             "<p>Percentuale del valore della piena proprietà (coefficiente per saggio).</p>");
  out << Matrix(years, QString(), QStringLiteral("Valore dell'usufrutto (%)"),
                QStringLiteral("usu"), [](const Year& y, int band) { return y.usufruct[band]; });
  out << Matrix(years, QString(), QStringLiteral("Valore della nuda proprietà (%)"),
                QStringLiteral("np"), [](const Year& y, int band) { return y.bare[band]; });

  // The years out of the usual shares, and the floor.
  out << QStringLiteral("<h2 id=\"note\">Note</h2>");
  const Year* usualYear = nullptr;
  for (const Year& y : years)
    if (y.usual && !usualYear) usualYear = &y;
  for (const Year* y : unusual)
    out << QStringLiteral(R"(<p class="note">Nel %1 (saggio %2) i coefficienti
del %3, moltiplicati per il saggio, non danno le consuete
percentuali dell'usufrutto (%4): l'usufrutto vale
%5 nella fascia %6 anni e
%7 nella fascia %8 anni.</p>)")
               .arg(QString::number(y->row->year), RateText(y->row->rateHundredths),
                    Escape(y->row->decree),
                    usualYear ? usualYear->usufruct.join(QStringLiteral(", ")) : QString(),
                    y->firstShare, BandText(0), y->lastShare, BandText(kAgeBands - 1));
  if (!floored.empty()) {
    QStringList listed;
    for (const Year* y : floored)
      listed << QStringLiteral("%1: saggio legale %2")
                    .arg(QString::number(y->row->year), RateText(y->row->legalRateHundredths));
    const QString floor = RateWith(Article::Al, floored.front()->row->rateHundredths);
    out << QStringLiteral(R"(<p class="note">Dal %1 il saggio usato per calcolare
il valore dell'usufrutto non può essere inferiore %2
(%4): i coefficienti sono perciò calcolati %2 anche se il saggio legale è
più basso (%3).</p>)")
               .arg(QString::number(floored.front()->row->year), floor,
                    listed.join(QStringLiteral("; ")), FloorStatute(law).toHtmlEscaped());
  }

  // The legal rates by period.
  out << QStringLiteral("<h2 id=\"saggi\">Saggio degli interessi legali per periodo</h2>")
      << QStringLiteral(
             "<p>Saggio degli interessi legali (art. 1284 del codice civile) fissato per "
             "ciascun periodo.</p>")
      << QStringLiteral(
             "<table><thead><tr><th class=\"h\">Dal</th><th class=\"h\">Al</th><th "
             "class=\"h\">Saggio annuo</th><th class=\"h\">Provvedimento</th><th "
             "class=\"h\">Fonte</th></tr></thead><tbody>");
  for (const LegalRatePeriod& p : law.rates) {
    const bool inForceYear = p.from.year() <= kDefaultTableYear && kDefaultTableYear <= p.to.year();
    out << QStringLiteral(
               "<tr%1><td class=\"c\">%2</td><td class=\"c\">%3</td><td class=\"n\">%4</td>"
               "<td class=\"t\">%5</td><td class=\"src\">%6</td></tr>")
               .arg(inForceYear ? QStringLiteral(" class=\"vigrow\"") : QString(), DayText(p.from),
                    DayText(p.to), RateText(p.rateHundredths), Escape(p.setBy),
                    SourceCell(p.source, p.origin));
  }
  out << QStringLiteral("</tbody></table>")
      << QStringLiteral(
             "<p class=\"fonte\">Fonti: le pagine pubbliche di studi notarili e di informazione "
             "giuridica e fiscale indicate nella colonna «Fonte». Dove la fonte dice «ricavati "
             "dalla regola», i coefficienti sono calcolati dividendo le consuete percentuali "
             "dell'usufrutto per il saggio.</p>");
  return Page(QStringLiteral("Tabelle dell'usufrutto vitalizio"), out.join(u'\n'));
}

}  // namespace velmora
