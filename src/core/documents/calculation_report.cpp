#include "core/documents/calculation_report.h"

#include <QStringList>
#include <variant>
#include <vector>

#include "core/documents/report_texts.h"
#include "core/numbers/amount_words.h"
#include "core/numbers/date_text.h"
#include "core/valuation/rates_by_date.h"

namespace velmora {
namespace {

using Row = RigaDettaglio;

// The report once, as lines; the two forms only lay them out.
struct Report {
  QString heading;
  QString warning;  // the 2016 table outside 2016
  std::vector<Row> inputs;
  QStringList basis;
  // The formula's line, which holds a %1 for its layout: only that line is
  // filled, since the others carry decrees and citations as the data give them.
  qsizetype formulaLine = -1;
  std::vector<Row> results;
  QString nextBand;  // the next change of band, when near
  QString rounding;
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

const text::ParoleDiritto& Words(Diritto diritto) {
  switch (diritto) {
    case Diritto::Usufrutto:
      return text::kUsufrutto;
    case Diritto::Uso:
      return text::kUso;
    case Diritto::Abitazione:
      return text::kAbitazione;
  }
  return text::kUsufrutto;
}

QString AgeText(int years, int months, int days) {
  return text::kReportAgeValue.arg(Counted(years, text::kYear, text::kYears),
                                   Counted(months, text::kMonth, text::kMonths),
                                   Counted(days, text::kDay, text::kDays));
}

// The lives the right rests on: one as the usufructuary, several each with its
// age and the rule that picks the one that counts.
void Lives(const RecordValutazione& r, std::vector<Row>& inputs) {
  const text::ParoleDiritto& words = Words(r.diritto);
  switch (r.vite.regola) {
    case RegolaEta::UnaVita:
      inputs.push_back({text::kReportBirth.arg(words.delTitolare), LongDateText(r.nascita)});
      inputs.push_back({text::kReportAge, AgeText(r.etaAnni, r.etaMesi, r.etaGiorni)});
      return;
    case RegolaEta::PiuAnziano:
    case RegolaEta::PiuGiovane:
      break;
  }
  for (qsizetype i = 0; i < r.vite.vite.size(); ++i) {
    const Vita& life = r.vite.vite[i];
    inputs.push_back({text::kReportPerson.arg(i + 1),
                      text::kReportPersonValue.arg(LongDateText(life.nascita),
                                                   AgeText(life.anni, life.mesi, life.giorni))});
  }
  const int counted = int(r.vite.conta) + 1;
  inputs.push_back(
      {text::kReportAgeThatCounts,
       (r.vite.regola == RegolaEta::PiuAnziano ? text::kReportOldest : text::kReportYoungest)
           .arg(QString::number(counted), r.normaVite)});
}

// The fixed term's beneficiary, whose age sets its limit.
void Beneficiary(const RecordValutazione& r, std::vector<Row>& inputs) {
  inputs.push_back({text::kReportBirth.arg(text::kOfBeneficiary), LongDateText(r.nascita)});
  inputs.push_back({text::kReportAge, AgeText(r.etaAnni, r.etaMesi, r.etaGiorni)});
}

// The kind's own inputs: the age and its band, or the years and the share.
void KindInputs(const RecordValutazione& r, std::vector<Row>& inputs) {
  const text::ParoleDiritto& words = Words(r.diritto);
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      Lives(r, inputs);
      inputs.push_back({text::kReportBand, r.fascia});
      inputs.push_back({text::kReportCoefficient,
                        r.coefficienteCentesimi
                            ? text::kReportCoefficientValue.arg(
                                  CoefficientText(*r.coefficienteCentesimi),
                                  RateText(r.saggioCoefficienteCentesimi), r.percUsufrutto)
                            : text::kReportNoCoefficient.arg(words.al)});
      return;
    case TipoValutazione::TempoDeterminato:
      inputs.push_back(
          {text::kReportDuration.arg(words.del), Counted(r.anni, text::kYear, text::kYears)});
      if (r.limite) {
        Beneficiary(r, inputs);
        inputs.push_back({text::kReportShare.arg(words.del),
                          text::kReportShareValue.arg(r.quotaTesto, r.limite->percTempo)});
        return;
      }
      inputs.push_back({text::kReportShare.arg(words.del),
                        text::kReportShareValue.arg(r.quotaTesto, r.percUsufrutto)});
      return;
  }
}

QString Coefficients(const RecordValutazione& r) {
  const int year = r.saggio == Saggio::Tabella2016 ? r.annoCoefficienti : r.riferimento.year();
  return text::kReportCoefficients.arg(QString::number(year), r.decretoCoefficienti);
}

// What the kind's share rests on: the coefficients of the year, or the formula
// (and the coefficients of the limit).
QStringList KindBasis(const RecordValutazione& r) {
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      return {Coefficients(r)};
    case TipoValutazione::TempoDeterminato: {
      // The formula itself is written by each form: %1 stays for it.
      QStringList basis{text::kReportFormula.arg(QStringLiteral("%1"), Words(r.diritto).del,
                                                 RateText(r.saggioCentesimi),
                                                 QString::number(r.anni), r.quotaTesto)};
      if (r.limite) basis << Coefficients(r) << text::kReportLimitBasis.arg(r.normaLimite);
      return basis;
    }
  }
  return {};
}

QString KindHeading(const RecordValutazione& r) {
  const QString& right = Words(r.diritto).maiuscolo;
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      return text::kReportLifetime.arg(right);
    case TipoValutazione::TempoDeterminato:
      return text::kReportFixedTerm.arg(right);
  }
  return {};
}

// A share with its article, as it is read aloud: "il 25%", "l'1,98%", "lo 0,2%".
QString ShareWithArticle(const QString& share) {
  const int whole = share.section(u',', 0, 0).section(u'%', 0, 0).toInt();
  if (whole == 0) return QStringLiteral("lo ") + share;
  if (whole == 1 || whole == 8 || whole == 11 || (whole >= 80 && whole <= 89))
    return QStringLiteral("l'") + share;
  return QStringLiteral("il ") + share;
}

QString NextBand(const RecordValutazione& r) {
  if (!r.prossimaFascia) return {};
  const text::ParoleDiritto& words = Words(r.diritto);
  QString who = words.titolare;
  switch (r.vite.regola) {
    case RegolaEta::UnaVita:
      break;
    case RegolaEta::PiuAnziano:
      who = text::kOldestOfThem;
      break;
    case RegolaEta::PiuGiovane:
      who = text::kYoungestOfThem;
      break;
  }
  QString right = words.conArticolo;
  right[0] = right[0].toLower();
  const ProssimaFascia& next = *r.prossimaFascia;
  QString sentence =
      text::kReportNextBand.arg(SlashedDate(next.data), who, QString::number(next.anni), right,
                                ShareWithArticle(next.percUsufrutto));
  if (!next.provvisoria) return sentence;
  sentence.chop(1);
  const QString used = QString::number(next.annoCoefficienti);
  const QString year = QString::number(next.data.year());
  const QString rate = RateText(next.saggioCoefficientiCentesimi);
  return sentence +
         (next.coefficientiAlMinimo ? text::kReportNextBandAtFloor : text::kReportNextBandAtRate)
             .arg(used, year, rate);
}

// A fixed term for the gift and succession tax: both values, and the one due.
void Limit(const RecordValutazione& r, QStringView groupBreak, std::vector<Row>& results) {
  if (!r.limite) return;
  const LimiteTempoDeterminato& limit = *r.limite;
  results.push_back({text::kReportLimitFixed,
                     text::kReportAmount.arg(limit.percTempo, limit.usufruttoTempoTesto,
                                             AmountInWords(limit.usufruttoTempo, groupBreak))});
  if (!limit.quotaVitalizio) {
    results.push_back(
        {text::kReportLimitLifetime, text::kReportLimitNoLifetimeValue.arg(limit.fascia)});
    results.push_back(
        {text::kReportLimitApplies, text::kReportLimitNotAppliedAt100.arg(r.normaLimite)});
    return;
  }
  results.push_back({text::kReportLimitLifetime,
                     text::kReportLimitLifetimeValue.arg(
                         limit.percVitalizio, limit.usufruttoVitalizioTesto, limit.fascia)});
  results.push_back({text::kReportLimitApplies,
                     (limit.applicato ? text::kReportLimitApplied : text::kReportLimitNotApplied)
                         .arg(r.normaLimite)});
}

Report Build(const RecordValutazione& r, const Calcolo& calcolo, QStringView groupBreak) {
  Report report;
  const bool table2016 = r.saggio == Saggio::Tabella2016;
  const QString rate = RateWithArticle(r.saggioCentesimi);
  const text::ParoleDiritto& words = Words(r.diritto);
  report.heading = text::kReportHeading.arg(
      KindHeading(r), (table2016 ? text::kReportRate2016 : text::kReportRateAtDate).arg(rate));
  report.warning = AvvertenzaTabella2016(r);

  report.inputs.push_back(
      {text::kReportFullValue, WithWords(r.ValoreTesto(), r.valore, groupBreak)});
  if (r.riferimento.isValid())
    report.inputs.push_back({text::kReportReference, LongDateText(r.riferimento)});
  switch (r.imposta) {
    case Imposta::Registro:
      break;
    case Imposta::Successioni:
      report.inputs.push_back({text::kReportTax, text::kReportSuccessionTax});
      break;
  }
  KindInputs(r, report.inputs);
  report.inputs.push_back({text::kReportRateUsed, RateText(r.saggioCentesimi)});

  report.basis << r.normaBase;
  if (!r.normaDiritto.isEmpty())
    report.basis << text::kReportValuedAsUsufruct.arg(words.nome, r.normaDiritto);
  const QString legal = RateWithArticle(r.saggioLegaleCentesimi);
  report.basis << (table2016 ? text::kReportLegalRate2016.arg(legal, r.decretoSaggioLegale)
                             : text::kReportLegalRate.arg(legal, LongDateText(r.riferimento),
                                                          r.decretoSaggioLegale));
  if (r.minimo) report.basis << text::kReportFloor.arg(RateText(r.saggioCentesimi), r.normaMinimo);
  if (r.tipo == TipoValutazione::TempoDeterminato) report.formulaLine = report.basis.size();
  report.basis << KindBasis(r);
  if (!r.normaVite.isEmpty()) report.basis << text::kReportLivesBasis.arg(r.normaVite);
  if (!r.datiAggiunti.isEmpty())
    report.basis << text::kReportAddedData.arg(r.datiAggiunti.join(QStringLiteral("; ")));

  Limit(r, groupBreak, report.results);
  report.results.push_back(
      {words.maiuscolo, text::kReportAmount.arg(r.percUsufrutto, r.UsufruttoTesto(),
                                                AmountInWords(r.usufrutto, groupBreak))});
  report.results.push_back({text::kReportBareOwnership,
                            text::kReportAmount.arg(r.percNudaProprieta, r.NudaProprietaTesto(),
                                                    AmountInWords(r.nudaProprieta, groupBreak))});
  report.nextBand = NextBand(r);
  report.rounding = text::kReportRounding.arg(words.conArticolo);
  report.made = text::kReportMade.arg(LongDateText(calcolo.quando.date()),
                                      calcolo.quando.time().toString(QStringLiteral("HH:mm")),
                                      calcolo.versione);
  return report;
}

QString TextRows(const std::vector<Row>& rows) {
  qsizetype width = 0;
  for (const Row& row : rows) width = std::max(width, row.etichetta.size());
  QString out;
  for (const Row& row : rows)
    out +=
        QStringLiteral("  ") + (row.etichetta + u':').leftJustified(width + 2) + row.valore + u'\n';
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
           row.etichetta.toHtmlEscaped().replace(u' ', QStringLiteral("&nbsp;")) +
           QStringLiteral(":&nbsp;&nbsp;</td><td><b>") +
           row.valore.toHtmlEscaped().replace(kWordBreak, QStringLiteral("&#8203;")) +
           QStringLiteral("</b></td></tr>\n");
  }
  return out + QStringLiteral("</table>\n");
}

// A line of the basis as laid out: the formula's line with its formula.
QString WithFormula(const Report& report, qsizetype line, QString laid, const QString& formula) {
  return line == report.formulaLine ? laid.replace(QStringLiteral("%1"), formula) : laid;
}

}  // namespace

QString ProspettoTesto(const RecordValutazione& record, const Calcolo& calcolo) {
  const Report report = Build(record, calcolo, {});
  QString out = text::kReportTitle.toUpper() + u'\n' + report.heading + QStringLiteral("\n\n");
  if (!report.warning.isEmpty()) out += report.warning + QStringLiteral("\n\n");
  out += text::kReportInputs + u'\n' + TextRows(report.inputs) + u'\n';
  out += text::kReportBasis + u'\n';
  for (qsizetype i = 0; i < report.basis.size(); ++i)
    out += QStringLiteral("  - ") +
           WithFormula(report, i, report.basis[i], text::kReportFormulaText) + u'\n';
  out += u'\n' + text::kReportResult + u'\n' + TextRows(report.results) + u'\n';
  if (!report.nextBand.isEmpty()) out += report.nextBand + QStringLiteral("\n\n");
  out += report.rounding + QStringLiteral("\n\n") + report.made + u'\n';
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
  for (qsizetype i = 0; i < report.basis.size(); ++i) {
    out += QStringLiteral("<li>") +
           WithFormula(report, i, report.basis[i].toHtmlEscaped(), text::kReportFormulaHtml) +
           QStringLiteral("</li>\n");
  }
  out += QStringLiteral("</ul>\n<h2>") + text::kReportResult.toHtmlEscaped() +
         QStringLiteral("</h2>\n") + HtmlRows(report.results);
  if (!report.nextBand.isEmpty())
    out +=
        QStringLiteral("<p><b>") + report.nextBand.toHtmlEscaped() + QStringLiteral("</b></p>\n");
  out += QStringLiteral("<p>") + report.rounding.toHtmlEscaped() + QStringLiteral("</p>\n");
  out += QStringLiteral("<p><small>") + report.made.toHtmlEscaped() +
         QStringLiteral("</small></p>\n</body></html>\n");
  return out;
}

QString AvvertenzaTabella2016(const RecordValutazione& r) {
  if (r.saggio != Saggio::Tabella2016 || !r.riferimento.isValid() || r.riferimento.year() == 2016)
    return {};
  const QString table = RateWithArticle(r.saggioCentesimi);
  const QString day = LongDateText(r.riferimento);
  // Recorded by ValutaLetti: the report only lays it out.
  if (!r.allaData || !r.allaData->noto) return text::kNot2016TableUnknownRate.arg(table, day);
  const AllaDataInVigore& due = *r.allaData;
  const QString rate = RateWithArticle(due.saggioCentesimi);
  const QString& right = Words(r.diritto).nome;
  if (!due.diversa) {
    return text::kNot2016TableSameShare.arg(table, day, rate, ShareWithArticle(r.percUsufrutto),
                                            right);
  }
  return text::kNot2016Table.arg(table, day, rate, ShareWithArticle(r.percUsufrutto),
                                 ShareWithArticle(due.percUsufrutto), right);
}

DettaglioValutazione DettaglioPerFinestra(const RecordValutazione& record) {
  DettaglioValutazione detail;
  switch (record.tipo) {
    case TipoValutazione::Vitalizio:
      Lives(record, detail.vite);
      detail.vite.push_back({text::kReportBand, record.fascia});
      break;
    case TipoValutazione::TempoDeterminato:
      if (record.limite) Beneficiary(record, detail.vite);
      break;
  }
  Limit(record, {}, detail.limite);
  detail.prossimaFascia = NextBand(record);
  return detail;
}

QString NomeDiritto(Diritto diritto) {
  return Words(diritto).maiuscolo;
}

QString ValoriPerAtto(const RecordValutazione& record) {
  return text::kValuesForAct.arg(EuroInWords(record.valore), Words(record.diritto).del,
                                 EuroInWords(record.usufrutto), EuroInWords(record.nudaProprieta));
}

}  // namespace velmora
