#include "core/calculation_report.h"

#include <QStringList>
#include <variant>
#include <vector>

#include "core/amount_words.h"
#include "core/date_text.h"
#include "core/rates_by_date.h"
#include "core/report_texts.h"

namespace velmora {
namespace {

// The report once, as lines; the two forms only lay them out.
struct Row {
  QString label;
  QString value;
};

struct Report {
  QString heading;
  QString warning;  // the 2016 table outside 2016
  std::vector<Row> inputs;
  QStringList basis;  // the formula's line holds a %1 for its layout
  std::vector<Row> results;
  QString made;
};

QString Counted(int n, const QString& one, const QString& many) {
  return n == 1 ? one : many.arg(n);
}

// Where the HTML form lets a word processor break the amounts in words, one
// word as long as a line: a zero-width space, which no text copied for an act
// carries, since only the HTML form has it.
constexpr QChar kWordBreak{0x200B};

QString WithWords(const QString& money, const Decimal& amount, QStringView groupBreak) {
  const QString words = AmountInWords(amount, groupBreak);
  return words.isEmpty() ? money : money + QStringLiteral(" (") + words + u')';
}

// The kind's own inputs: the age and its band, or the years and the share.
void KindInputs(const RecordValutazione& r, std::vector<Row>& inputs) {
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      inputs.push_back({text::kReportBirth, LongDateText(r.nascita)});
      inputs.push_back({text::kReportAge,
                        text::kReportAgeValue.arg(Counted(r.etaAnni, text::kYear, text::kYears),
                                                  Counted(r.etaMesi, text::kMonth, text::kMonths),
                                                  Counted(r.etaGiorni, text::kDay, text::kDays))});
      inputs.push_back({text::kReportBand, r.fascia});
      inputs.push_back({text::kReportCoefficient,
                        r.coefficienteCentesimi
                            ? text::kReportCoefficientValue.arg(
                                  CoefficientText(*r.coefficienteCentesimi),
                                  RateText(r.saggioCoefficienteCentesimi), r.percUsufrutto)
                            : text::kReportNoCoefficient});
      return;
    case TipoValutazione::TempoDeterminato:
      inputs.push_back({text::kReportDuration, Counted(r.anni, text::kYear, text::kYears)});
      inputs.push_back(
          {text::kReportShare, text::kReportShareValue.arg(r.quotaTesto, r.percUsufrutto)});
      return;
  }
}

// What the kind's share rests on: the coefficients of the year, or the formula.
QString KindBasis(const RecordValutazione& r) {
  switch (r.tipo) {
    case TipoValutazione::Vitalizio: {
      const int year = r.saggio == Saggio::Tabella2016 ? r.annoCoefficienti : r.riferimento.year();
      return text::kReportCoefficients.arg(QString::number(year), r.decretoCoefficienti);
    }
    case TipoValutazione::TempoDeterminato:
      // The formula itself is written by each form: %1 stays for it.
      return text::kReportFormula.arg(QStringLiteral("%1"), RateText(r.saggioCentesimi),
                                      QString::number(r.anni), r.quotaTesto);
  }
  return {};
}

QString KindHeading(TipoValutazione tipo) {
  switch (tipo) {
    case TipoValutazione::Vitalizio:
      return text::kReportLifetime;
    case TipoValutazione::TempoDeterminato:
      return text::kReportFixedTerm;
  }
  return {};
}

Report Build(const RecordValutazione& r, const Calcolo& calcolo, QStringView groupBreak) {
  Report report;
  const bool table2016 = r.saggio == Saggio::Tabella2016;
  const QString rate = RateWithArticle(r.saggioCentesimi);
  report.heading = text::kReportHeading.arg(
      KindHeading(r.tipo), (table2016 ? text::kReportRate2016 : text::kReportRateAtDate).arg(rate));
  report.warning = AvvertenzaTabella2016(r);

  report.inputs.push_back({text::kReportFullValue, WithWords(r.valoreTesto, r.valore, groupBreak)});
  if (r.riferimento.isValid())
    report.inputs.push_back({text::kReportReference, LongDateText(r.riferimento)});
  KindInputs(r, report.inputs);
  report.inputs.push_back({text::kReportRateUsed, RateText(r.saggioCentesimi)});

  report.basis << text::kReportLaw;
  const QString legal = RateWithArticle(r.saggioLegaleCentesimi);
  report.basis << (table2016 ? text::kReportLegalRate2016.arg(legal, r.decretoSaggioLegale)
                             : text::kReportLegalRate.arg(legal, LongDateText(r.riferimento),
                                                          r.decretoSaggioLegale));
  if (r.minimo) report.basis << text::kReportFloor.arg(RateText(r.saggioCentesimi));
  report.basis << KindBasis(r);

  report.results.push_back(
      {text::kReportUsufruct, text::kReportAmount.arg(r.percUsufrutto, r.usufruttoTesto,
                                                      AmountInWords(r.usufrutto, groupBreak))});
  report.results.push_back({text::kReportBareOwnership,
                            text::kReportAmount.arg(r.percNudaProprieta, r.nudaProprietaTesto,
                                                    AmountInWords(r.nudaProprieta, groupBreak))});
  report.made = text::kReportMade.arg(LongDateText(calcolo.quando.date()),
                                      calcolo.quando.time().toString(QStringLiteral("HH:mm")),
                                      calcolo.versione);
  return report;
}

QString TextRows(const std::vector<Row>& rows) {
  qsizetype width = 0;
  for (const Row& row : rows) width = std::max(width, row.label.size());
  QString out;
  for (const Row& row : rows)
    out += QStringLiteral("  ") + (row.label + u':').leftJustified(width + 2) + row.value + u'\n';
  return out;
}

// The labels never break: a word processor that lays the table out would
// split their words ("dell'usufrutt-o") to make room for the amounts. Their
// blanks do not break, and two more after the colon make up for the cell's
// padding, which LibreOffice leaves out of the column's least width.
QString HtmlRows(const std::vector<Row>& rows) {
  QString out = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">\n");
  for (const Row& row : rows) {
    out += QStringLiteral("<tr><td nowrap>") +
           row.label.toHtmlEscaped().replace(u' ', QStringLiteral("&nbsp;")) +
           QStringLiteral(":&nbsp;&nbsp;</td><td><b>") +
           row.value.toHtmlEscaped().replace(kWordBreak, QStringLiteral("&#8203;")) +
           QStringLiteral("</b></td></tr>\n");
  }
  return out + QStringLiteral("</table>\n");
}

}  // namespace

QString ProspettoTesto(const RecordValutazione& record, const Calcolo& calcolo) {
  const Report report = Build(record, calcolo, {});
  QString out = text::kReportTitle.toUpper() + u'\n' + report.heading + QStringLiteral("\n\n");
  if (!report.warning.isEmpty()) out += report.warning + QStringLiteral("\n\n");
  out += text::kReportInputs + u'\n' + TextRows(report.inputs) + u'\n';
  out += text::kReportBasis + u'\n';
  for (const QString& line : report.basis)
    out += QStringLiteral("  - ") +
           QString(line).replace(QStringLiteral("%1"), text::kReportFormulaText) + u'\n';
  out += u'\n' + text::kReportResult + u'\n' + TextRows(report.results) + u'\n';
  out += text::kReportRounding + QStringLiteral("\n\n") + report.made + u'\n';
  return out;
}

QString ProspettoHtml(const RecordValutazione& record, const Calcolo& calcolo) {
  const Report report = Build(record, calcolo, QStringView(&kWordBreak, 1));
  QString out =
      QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\"><head><meta charset=\"utf-8\"><title>") +
      text::kReportTitle.toHtmlEscaped() + QStringLiteral("</title></head>\n<body>\n");
  out += QStringLiteral("<h1>") + text::kReportTitle.toHtmlEscaped() + QStringLiteral("</h1>\n");
  out += QStringLiteral("<p><b>") + report.heading.toHtmlEscaped() + QStringLiteral("</b></p>\n");
  if (!report.warning.isEmpty()) {
    out += QStringLiteral("<p style=\"color: #b00000;\"><b>") + report.warning.toHtmlEscaped() +
           QStringLiteral("</b></p>\n");
  }
  out += QStringLiteral("<h2>") + text::kReportInputs.toHtmlEscaped() + QStringLiteral("</h2>\n") +
         HtmlRows(report.inputs);
  out +=
      QStringLiteral("<h2>") + text::kReportBasis.toHtmlEscaped() + QStringLiteral("</h2>\n<ul>\n");
  for (const QString& line : report.basis) {
    out += QStringLiteral("<li>") +
           line.toHtmlEscaped().replace(QStringLiteral("%1"), text::kReportFormulaHtml) +
           QStringLiteral("</li>\n");
  }
  out += QStringLiteral("</ul>\n<h2>") + text::kReportResult.toHtmlEscaped() +
         QStringLiteral("</h2>\n") + HtmlRows(report.results);
  out += QStringLiteral("<p>") + text::kReportRounding.toHtmlEscaped() + QStringLiteral("</p>\n");
  out += QStringLiteral("<p><small>") + report.made.toHtmlEscaped() +
         QStringLiteral("</small></p>\n</body></html>\n");
  return out;
}

namespace {

// A share with its article, as it is read aloud: "il 25%", "l'1,98%", "lo 0,2%".
QString ShareWithArticle(const QString& share) {
  const int whole = share.section(u',', 0, 0).section(u'%', 0, 0).toInt();
  if (whole == 0) return QStringLiteral("lo ") + share;
  if (whole == 1 || whole == 8 || whole == 11 || (whole >= 80 && whole <= 89))
    return QStringLiteral("l'") + share;
  return QStringLiteral("il ") + share;
}

// The same inputs, valued at the rate in force on the reference date.
std::variant<RecordValutazione, Rifiuto> AtTheDate(const RecordValutazione& r) {
  DatiValutazione dati;
  dati.tipo = r.tipo;
  dati.saggio = Saggio::AllaData;
  dati.valore = r.valoreTesto;
  dati.riferimento = r.riferimento.toString(u"dd/MM/yyyy");
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      dati.nascita = r.nascita.toString(u"dd/MM/yyyy");
      break;
    case TipoValutazione::TempoDeterminato:
      dati.anni = QString::number(r.anni);
      break;
  }
  return Valuta(dati);
}

}  // namespace

QString AvvertenzaTabella2016(const RecordValutazione& r) {
  if (r.saggio != Saggio::Tabella2016 || !r.riferimento.isValid() || r.riferimento.year() == 2016)
    return {};
  const QString table = RateWithArticle(r.saggioCentesimi);
  const QString day = LongDateText(r.riferimento);
  const auto atTheDate = AtTheDate(r);
  const auto* due = std::get_if<RecordValutazione>(&atTheDate);
  if (!due) return text::kNot2016TableUnknownRate.arg(table, day);
  const QString rate = RateWithArticle(due->saggioCentesimi);
  if (due->percUsufrutto == r.percUsufrutto)
    return text::kNot2016TableSameShare.arg(table, day, rate, ShareWithArticle(r.percUsufrutto));
  return text::kNot2016Table.arg(table, day, rate, ShareWithArticle(r.percUsufrutto),
                                 ShareWithArticle(due->percUsufrutto));
}

QString ValoriPerAtto(const RecordValutazione& record) {
  return text::kValuesForAct.arg(EuroInWords(record.valore), EuroInWords(record.usufrutto),
                                 EuroInWords(record.nudaProprieta));
}

}  // namespace velmora
