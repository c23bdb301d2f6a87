#include "core/documents/companion_page_parts.h"

#include <array>
#include <utility>

#include "core/documents/companion_page_texts.h"
#include "core/numbers/date_text.h"
#include "core/valuation/rates_by_date.h"

namespace velmora::pages {
namespace {

// Table cells carry exactly one class each, and every class states its own
// border: office suites that import HTML honour single class selectors only,
// and no borders on td/th. They also ignore @media, where browsers get
// roomier cells.
struct CellClass {
  const char* name;
  const char* rule;
  bool inForce;  // a cell of the default table, framed
};
constexpr std::array<CellClass, 16> kCellClasses = {{
    {"t", "text-align: left;", false},
    {"c", "white-space: nowrap; text-align: center;", false},
    {"n", "white-space: nowrap; text-align: right;", false},
    {"src", "text-align: left; font-size: .85em; color: #444444;", false},
    {"coef", "white-space: nowrap; text-align: right; background: #e2e0f8;", false},
    {"usu", "white-space: nowrap; text-align: right; background: #d4f5d0;", false},
    {"np", "white-space: nowrap; text-align: right; background: #ffe0b8;", false},
    {"coefv", "white-space: nowrap; text-align: right; background: #e2e0f8; font-weight: bold;",
     true},
    {"usuv", "white-space: nowrap; text-align: right; background: #d4f5d0; font-weight: bold;",
     true},
    {"npv", "white-space: nowrap; text-align: right; background: #ffe0b8; font-weight: bold;",
     true},
    {"ecc", "white-space: nowrap; text-align: right; background: #fff3a8;", false},
    {"h", "text-align: center; background: #dfe4f0; font-weight: bold;", false},
    {"hv", "text-align: center; background: #b9c8ea; font-weight: bold;", true},
    {"hu", "text-align: center; background: #a9e3a2; font-weight: bold;", false},
    {"hnp", "text-align: center; background: #ffc47f; font-weight: bold;", false},
    {"hr", "text-align: left; background: #dfe4f0; font-weight: bold; white-space: nowrap;", false},
}};

QString Style() {
  QString css = QStringLiteral(
      "\n"
      "  body { font-family: \"Liberation Sans\", Arial, \"DejaVu Sans\", sans-serif; color: "
      "#1c1c1c;\n"
      "         background: #ffffff; margin: 0 auto; padding: 1em 1.5em 2em; max-width: 62em;\n"
      "         line-height: 1.45; }\n"
      "  h1 { color: #1a3c7a; font-size: 1.6em; border-bottom: 2px solid #1a3c7a; "
      "padding-bottom: .2em; }\n"
      "  h2 { color: #1a3c7a; font-size: 1.25em; margin-top: 1.6em; }\n"
      "  h3 { font-size: 1.05em; margin-bottom: .3em; }\n"
      "  nav ul { padding-left: 1.2em; }\n"
      "  table { border-collapse: collapse; margin: .6em 0 1em; width: 100%;\n"
      "          font-variant-numeric: tabular-nums; }\n"
      "  caption { text-align: left; font-weight: bold; padding: .3em 0; }\n");
  QStringList names;
  for (const CellClass& cell : kCellClasses) {
    css += QStringLiteral("  .%1 { border: 1px solid #6b6b8a; padding: 1px 3px; %2%3 }\n")
               .arg(QLatin1StringView(cell.name), QLatin1StringView(cell.rule),
                    cell.inForce ? QStringLiteral(" border-left: 2px solid #1a3c7a; "
                                                  "border-right: 2px solid #1a3c7a;")
                                 : QString());
    names << u'.' + QLatin1StringView(cell.name);
  }
  css += QStringLiteral(
      "  .vigrow { background: #e4ecfb; font-weight: bold; }\n"
      "  .eccrow { background: #fff3a8; }\n"
      "  table.wide { font-size: .9em; }\n"
      "  .note { background: #f4f6fb; border-left: 4px solid #1a3c7a; padding: .5em .9em; }\n"
      "  .fonte { font-size: .85em; color: #444444; }\n"
      "  footer { margin-top: 2em; font-size: .85em; color: #555555; border-top: 1px solid "
      "#bbbbbb; }\n"
      "  @media screen, print {\n"
      "    ");
  css += names.join(QStringLiteral(", "));
  css += QStringLiteral(
      " { padding: 3px 6px; }\n"
      "  }\n"
      "  @media print {\n"
      "    @page { size: A4; margin: 14mm; }\n"
      "    body { max-width: none; padding: 0; font-size: 10pt; }\n"
      "    nav { display: none; }\n"
      "    h2, h3 { break-after: avoid; page-break-after: avoid; }\n"
      "    table.wide, .note, tr { break-inside: avoid; page-break-inside: avoid; }\n"
      "    thead { display: table-header-group; }\n"
      "    table.wide { font-size: 8pt; }\n"
      "    a { color: inherit; text-decoration: none; }\n"
      "    * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
      "  }\n");
  return css;
}

// A source the built-in data write in English, whole, in Italian.
QString InItalian(const QString& source) {
  for (const auto& [asWritten, shown] : text::kSourcesInItalian)
    if (source == QLatin1StringView(asWritten)) return QString::fromUtf8(shown);
  return source;
}

// "dati aggiunti: /home/.../velmora/dati/2027.tsv"; nothing for a built-in row.
QString AddedMark(const DataOrigin& origin) {
  return origin.BuiltIn() ? QString() : QStringLiteral("dati aggiunti: ") + Escape(origin.file);
}

template <typename Row>
bool Holds(const Row& row, const QDate& day) {
  return row.from <= day && (!row.to.isValid() || day <= row.to);
}

}  // namespace

QString Page(const QString& title, const QString& body) {
  return QStringLiteral(
             "<!DOCTYPE html>\n"
             "<!-- Written by Velmora from its legal data; do not edit by hand. -->\n"
             "<html lang=\"it\">\n"
             "<head>\n"
             "<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
             "<title>%1</title>\n"
             "<style>%2</style>\n"
             "</head>\n"
             "<body>\n"
             "%3\n"
             "<footer>\n"
             "<p>Velmora - calcolo dell'usufrutto e della nuda proprietà. Testo informativo: "
             "per\n"
             "l'applicazione fanno fede i testi ufficiali pubblicati nella Gazzetta "
             "Ufficiale.</p>\n"
             "</footer>\n"
             "</body>\n"
             "</html>\n")
      .arg(Escape(title), Style(), body);
}

QString Escape(QStringView text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'&':
        out += QStringLiteral("&amp;");
        break;
      case u'<':
        out += QStringLiteral("&lt;");
        break;
      case u'>':
        out += QStringLiteral("&gt;");
        break;
      case u'"':
        out += QStringLiteral("&quot;");
        break;
      case u'\'':
        out += QStringLiteral("&#x27;");
        break;
      default:
        out += c;
    }
  }
  return out;
}

QString Figure(QStringView written) {
  if (written.endsWith(u'%')) written.chop(1);
  const qsizetype comma = written.indexOf(u',');
  const QStringView whole = comma < 0 ? written : written.first(comma);
  QString out;
  for (qsizetype i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out += u'.';
    out += whole[i];
  }
  if (comma >= 0) out += written.sliced(comma);
  return out;
}

QString RateWith(Article article, int hundredths, QStringView gap) {
  // The core writes "del 2,5%", "dello 0,2%", "dell'1%": the same sound
  // takes "al", "allo", "all'" and "il", "lo", "l'".
  const QString of = RateWithArticle(hundredths);
  const QString rate = RateText(hundredths);
  if (of.startsWith(QStringLiteral("dell'"))) {
    return (article == Article::Di   ? QStringLiteral("dell'")
            : article == Article::Al ? QStringLiteral("all'")
                                     : QStringLiteral("l'")) +
           rate;
  }
  const bool lo = of.startsWith(QStringLiteral("dello "));
  const QString word =
      article == Article::Di   ? (lo ? QStringLiteral("dello") : QStringLiteral("del"))
      : article == Article::Al ? (lo ? QStringLiteral("allo") : QStringLiteral("al"))
                               : (lo ? QStringLiteral("lo") : QStringLiteral("il"));
  return word + gap.toString() + rate;
}

QString DayText(const QDate& day) {
  return SlashedDate(day);
}

QString BandText(int band) {
  const auto& limits = AgeBands()[std::size_t(band)];
  return QStringLiteral("da %1 a %2").arg(limits[0]).arg(limits[1]);
}

QString SourceCell(const QString& source, const DataOrigin& origin) {
  QString cell = Escape(InItalian(source));
  if (!origin.BuiltIn())
    cell += (cell.isEmpty() ? QString() : QStringLiteral("<br>")) + AddedMark(origin);
  return cell;
}

const LegalRatePeriod* PeriodOn(const LegalData& law, const QDate& day) {
  for (const LegalRatePeriod& period : law.rates)
    if (Holds(period, day)) return &period;
  return nullptr;
}

const RateFloor* FloorOn(const LegalData& law, const QDate& day) {
  for (const RateFloor& floor : law.floors)
    if (Holds(floor, day)) return &floor;
  return nullptr;
}

int RateUsedIn(const LegalData& law, const LegalRatePeriod& period) {
  return RateUsedHundredths(period.rateHundredths, FloorOn(law, period.from));
}

const LifetimeCoefficients* CoefficientsOf(const LegalData& law, int year) {
  for (const LifetimeCoefficients& c : law.coefficients)
    if (c.year == year) return &c;
  return nullptr;
}

QString AddedDataNote(const LegalData& law) {
  QStringList rows;
  const auto add = [&rows](const QString& what, const DataOrigin& origin) {
    if (!origin.BuiltIn()) rows << QStringLiteral("%1 (%2)").arg(what, AddedMark(origin));
  };
  for (const LegalRatePeriod& p : law.rates)
    add(QStringLiteral("il saggio legale %1, %2")
            .arg(PeriodText(p.from, p.to), RateText(p.rateHundredths)),
        p.origin);
  for (const LifetimeCoefficients& c : law.coefficients)
    add(QStringLiteral("i coefficienti dell'usufrutto vitalizio del %1").arg(c.year), c.origin);
  for (const RateFloor& f : law.floors)
    add(QStringLiteral("il saggio minimo %1, %2: %3")
            .arg(PeriodText(f.from, f.to), RateText(f.floorHundredths), Escape(f.statute)),
        f.origin);
  for (const StatutePeriod& s : law.statutes)
    add(QStringLiteral("la norma citata %1: %2").arg(PeriodText(s.from, s.to), Escape(s.citation)),
        s.origin);
  if (rows.isEmpty()) return {};
  // One paragraph, a line a row: office suites frame each element of a
  // framed block on its own.
  return QStringLiteral(
             "<p class=\"note\">Oltre ai dati forniti con Velmora, questa pagina riporta i dati "
             "aggiunti nella cartella velmora/dati:<br>\n%1.</p>")
      .arg(rows.join(QStringLiteral(";<br>\n")));
}

}  // namespace velmora::pages
