#include "core/documents/valuation_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringView>
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/documents/calculation_report.h"
#include "core/documents/report_texts.h"
#include "core/numbers/amount_words.h"
#include "core/numbers/date_text.h"
#include "core/numbers/decimal.h"
#include "core/valuation/case_words.h"
#include "core/valuation/rates_by_date.h"

namespace velmora {
namespace {

// Appends UTF-8; the texts here are nearly all ASCII, so that is the quick way.
void Append(std::string& out, QStringView text) {
  const std::size_t start = out.size();
  out.resize(start + std::size_t(text.size()));
  char* p = out.data() + start;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c >= 0x80) {
      out.resize(start + std::size_t(i));
      out += text.mid(i).toUtf8().toStdString();
      return;
    }
    p[i] = char(c);
  }
}

void AppendNumber(std::string& out, std::int64_t n) {
  char buffer[24];
  char* const end = buffer + sizeof buffer;
  char* p = end;
  std::uint64_t magnitude = n < 0 ? 0 - std::uint64_t(n) : std::uint64_t(n);
  do {
    *--p = char('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (n < 0) *--p = '-';
  out.append(p, end);
}

// "25000,00" or "25000.00": the amount to the cent without grouping, written
// straight from its digits.
void AppendAmount(std::string& out, const Decimal& amount, char comma) {
  const std::string& digits = amount.Digits();
  const long size = long(digits.size());
  const long point = amount.Point();
  auto digit = [&](long i) { return i >= 0 && i < size ? digits[std::size_t(i)] : '0'; };
  const std::size_t start = out.size();
  out.resize(start + std::size_t(std::max(point, 1L)) + 4);
  char* p = out.data() + start;
  if (amount.IsNegative()) *p++ = '-';
  if (point <= 0) *p++ = '0';
  for (long i = 0; i < point; ++i) *p++ = digit(i);
  *p++ = comma;
  *p++ = digit(point);
  *p++ = digit(point + 1);
  out.resize(std::size_t(p - out.data()));
}

// What a byte asks of a field: quotes around it, or a check of its UTF-8.
enum : unsigned char { kPlain = 0, kQuote = 1, kNotAscii = 2 };
constexpr std::array<unsigned char, 256> kByteNeeds = [] {
  std::array<unsigned char, 256> needs{};
  for (const char c : {';', '"', '\n', '\r'}) needs[static_cast<unsigned char>(c)] = kQuote;
  for (std::size_t b = 0x80; b < needs.size(); ++b) needs[b] = kNotAscii;
  return needs;
}();

void AppendInputs(std::string& out, const CsvInputs& inputs) {
  for (const std::string_view field :
       {inputs.tipo, inputs.valore, inputs.nascita, inputs.anni, inputs.data}) {
    AppendField(out, field);
    out.push_back(';');
  }
}

// The age of the life that counts: eta_anni, eta_mesi, eta_giorni.
void AppendAge(std::string& out, const RecordValutazione& r) {
  AppendNumber(out, r.etaAnni);
  out.push_back(';');
  AppendNumber(out, r.etaMesi);
  out.push_back(';');
  AppendNumber(out, r.etaGiorni);
  out.push_back(';');
}

// The rates met in a batch are few: their texts are written once.
const std::string& RateField(int hundredths) {
  static std::string texts[10000];
  if (hundredths < 0 || hundredths >= 10000) {
    static std::string other;
    other.clear();
    Append(other, RateText(hundredths));
    return other;
  }
  std::string& text = texts[hundredths];
  if (text.empty()) Append(text, RateText(hundredths));
  return text;
}

// "475,00" from 47500 hundredths.
QString TwoDecimals(int hundredths) {
  return QStringLiteral("%1,%2")
      .arg(hundredths / 100)
      .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

// The word of a value of an enumeration, written once for a batch.
template <typename Enumeration>
const std::string& Word(QString (*nameOf)(Enumeration), Enumeration value) {
  static std::array<std::string, 8> words;
  std::string& word = words.at(std::size_t(value));
  if (word.empty()) word = nameOf(value).toStdString();
  return word;
}

// The right, the tax, the rule of the lives, the limit and the data the
// figures rest on, after the errore column.
void AppendWhatItRestsOn(std::string& out, const RecordValutazione& r) {
  // Nearly every row of a batch is a usufruct for the registration tax on the
  // built-in data: those endings are written once.
  if (r.diritto == Diritto::Usufrutto && r.imposta == Imposta::Registro && !r.limite &&
      r.datiAggiunti.isEmpty()) {
    static const std::string lifetime = ";" + RightName(Diritto::Usufrutto).toStdString() + ";" +
                                        TaxName(Imposta::Registro).toStdString() + ";" +
                                        RuleName(RegolaEta::UnaVita).toStdString() + ";;" +
                                        text::kBuiltInData.toStdString();
    static const std::string fixedTerm = ";" + RightName(Diritto::Usufrutto).toStdString() + ";" +
                                         TaxName(Imposta::Registro).toStdString() + ";;;" +
                                         text::kBuiltInData.toStdString();
    switch (r.tipo) {
      case TipoValutazione::Vitalizio:
        if (r.vite.regola != RegolaEta::UnaVita) break;
        out += lifetime;
        return;
      case TipoValutazione::TempoDeterminato:
        out += fixedTerm;
        return;
    }
  }
  out.push_back(';');
  out += Word(RightName, r.diritto);
  out.push_back(';');
  out += Word(TaxName, r.imposta);
  out.push_back(';');
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      out += Word(RuleName, r.vite.regola);
      break;
    case TipoValutazione::TempoDeterminato:
      break;
  }
  out.push_back(';');
  if (r.limite) out += r.limite->applicato ? "applicato" : "non applicato";
  out.push_back(';');
  if (r.datiAggiunti.isEmpty()) {
    static const std::string builtIn = text::kBuiltInData.toStdString();
    out += builtIn;
  } else {
    AppendField(out, DataSource(r).toStdString());
  }
}

}  // namespace

QString DataSource(const RecordValutazione& r) {
  if (r.datiAggiunti.isEmpty()) return text::kBuiltInData;
  return text::kReportAddedData.arg(r.datiAggiunti.join(QStringLiteral("; ")));
}

// Bytes that are not UTF-8 are written as the replacement character, as a reader
// of the output would show them.
void AppendField(std::string& out, std::string_view field) {
  unsigned char needs = kPlain;
  for (const char c : field) needs |= kByteNeeds[static_cast<unsigned char>(c)];
  if (needs == kPlain) {
    out += field;
    return;
  }
  std::string valid;
  if (needs & kNotAscii) {
    valid = QString::fromUtf8(field.data(), qsizetype(field.size())).toStdString();
    field = valid;
  }
  if (!(needs & kQuote)) {
    out += field;
    return;
  }
  out.push_back('"');
  for (const char c : field) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

const std::string& CsvHeader() {
  static const std::string header =
      "tipo;valore;nascita;anni;data;eta_anni;eta_mesi;eta_giorni;saggio;perc_usufrutto;"
      "perc_nuda_proprieta;usufrutto;nuda_proprieta;errore;diritto;imposta;regola;limite;"
      "fonte_dati;avvertenza";
  return header;
}

void AppendCsvLine(std::string& out, const CsvInputs& inputs, const Esito& esito) {
  const auto* record = std::get_if<RecordValutazione>(&esito);
  if (!record) {
    AppendCsvFault(out, inputs, std::get<QString>(esito));
    return;
  }
  AppendInputs(out, inputs);
  switch (record->tipo) {
    case TipoValutazione::Vitalizio:
      AppendAge(out, *record);
      break;
    case TipoValutazione::TempoDeterminato:
      // The beneficiary's age, when the limit of the gift tax was looked at.
      if (!record->limite) {
        out += ";;;";
        break;
      }
      AppendAge(out, *record);
      break;
  }
  out += RateField(record->saggioCentesimi);
  out.push_back(';');
  Append(out, record->percUsufrutto);
  out.push_back(';');
  Append(out, record->percNudaProprieta);
  out.push_back(';');
  AppendAmount(out, record->usufrutto, ',');
  out.push_back(';');
  AppendAmount(out, record->nudaProprieta, ',');
  out.push_back(';');
  AppendWhatItRestsOn(out, *record);
  out.push_back(';');
  // The warning values the case a second time: only a row on the 2016 table
  // can have one.
  if (record->saggio == Saggio::Tabella2016) {
    if (const QString warning = AvvertenzaTabella2016(*record); !warning.isEmpty())
      AppendField(out, OneLine(warning).toStdString());
  }
}

void AppendCsvLine(std::string& out, const DatiValutazione& dati, const Esito& esito) {
  const std::string tipo = KindName(dati.tipo).toStdString();
  const std::string valore = dati.valore.toStdString();
  const std::string nascita = dati.nascite.join(u'+').toStdString();
  const std::string anni = dati.anni.toStdString();
  const std::string data = dati.riferimento.toStdString();
  AppendCsvLine(out, {tipo, valore, nascita, anni, data}, esito);
}

void AppendCsvFault(std::string& out, const CsvInputs& inputs, const QString& message) {
  AppendInputs(out, inputs);
  out += ";;;;;;;;";
  const std::string line = OneLine(message).toStdString();
  AppendField(out, line);
  out += ";;;;;;";
}

QByteArray JsonDocument(const RecordValutazione& r) {
  auto share = [](const QString& percentuale, const Decimal& amount, const QString& testo) {
    std::string exact;
    AppendAmount(exact, amount, '.');
    return QJsonObject{{QStringLiteral("percentuale"), percentuale},
                       {QStringLiteral("importo"), QString::fromStdString(exact)},
                       {QStringLiteral("testo"), testo},
                       {QStringLiteral("lettere"), AmountInWords(amount)}};
  };
  auto date = [](const QDate& day) {
    return day.isValid() ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null);
  };
  std::string valore;
  AppendAmount(valore, r.valore, '.');
  QJsonObject json{
      {QStringLiteral("tipo"), KindName(r.tipo)},
      {QStringLiteral("valore"), QString::fromStdString(valore)},
      {QStringLiteral("valore_testo"), r.ValoreTesto()},
      {QStringLiteral("valore_lettere"), AmountInWords(r.valore)},
      {QStringLiteral("data"), date(r.riferimento)},
      {QStringLiteral("saggio"), RateText(r.saggioCentesimi)},
      {QStringLiteral("saggio_legale"), RateText(r.saggioLegaleCentesimi)},
      {QStringLiteral("decreto_saggio_legale"), r.decretoSaggioLegale},
      {QStringLiteral("minimo"), r.minimo},
      {QStringLiteral("usufrutto"), share(r.percUsufrutto, r.usufrutto, r.UsufruttoTesto())},
      {QStringLiteral("nuda_proprieta"),
       share(r.percNudaProprieta, r.nudaProprieta, r.NudaProprietaTesto())},
  };
  switch (r.saggio) {
    case Saggio::Tabella2016:
      json.insert(QStringLiteral("modo_saggio"), QStringLiteral("2016"));
      break;
    case Saggio::AllaData:
      json.insert(QStringLiteral("modo_saggio"), QStringLiteral("data"));
      break;
  }
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      json.insert(QStringLiteral("nascita"), date(r.nascita));
      json.insert(QStringLiteral("eta_anni"), r.etaAnni);
      json.insert(QStringLiteral("eta_mesi"), r.etaMesi);
      json.insert(QStringLiteral("eta_giorni"), r.etaGiorni);
      json.insert(QStringLiteral("fascia"), r.fascia);
      json.insert(QStringLiteral("coefficiente"),
                  r.coefficienteCentesimi ? QJsonValue(TwoDecimals(*r.coefficienteCentesimi))
                                          : QJsonValue(QJsonValue::Null));
      json.insert(QStringLiteral("saggio_coefficienti"), RateText(r.saggioCoefficienteCentesimi));
      json.insert(QStringLiteral("decreto_coefficienti"), r.decretoCoefficienti);
      break;
    case TipoValutazione::TempoDeterminato:
      json.insert(QStringLiteral("anni"), r.anni);
      json.insert(QStringLiteral("quota"), r.quotaTesto);
      break;
  }
  if (r.minimo) json.insert(QStringLiteral("articolo_minimo"), r.normaMinimo);
  json.insert(QStringLiteral("diritto"), RightName(r.diritto));
  json.insert(QStringLiteral("imposta"), TaxName(r.imposta));
  json.insert(QStringLiteral("norma"), r.normaBase);
  if (!r.normaDiritto.isEmpty()) json.insert(QStringLiteral("norma_diritto"), r.normaDiritto);
  json.insert(QStringLiteral("fonte_dati"), DataSource(r));
  QJsonArray lives;
  for (const Vita& life : r.vite.vite) {
    lives.append(QJsonObject{{QStringLiteral("nascita"), date(life.nascita)},
                             {QStringLiteral("eta_anni"), life.anni},
                             {QStringLiteral("eta_mesi"), life.mesi},
                             {QStringLiteral("eta_giorni"), life.giorni}});
  }
  if (!lives.isEmpty()) json.insert(QStringLiteral("vite"), lives);
  switch (r.tipo) {
    case TipoValutazione::Vitalizio:
      json.insert(QStringLiteral("regola"), RuleName(r.vite.regola));
      if (!r.normaVite.isEmpty()) json.insert(QStringLiteral("norma_vite"), r.normaVite);
      json.insert(QStringLiteral("vita_che_conta"), qint64(r.vite.conta) + 1);
      break;
    case TipoValutazione::TempoDeterminato:
      break;
  }
  if (r.limite) {
    const LimiteTempoDeterminato& limit = *r.limite;
    json.insert(
        QStringLiteral("limite"),
        QJsonObject{
            {QStringLiteral("tempo_determinato"),
             share(limit.percTempo, limit.usufruttoTempo, limit.usufruttoTempoTesto)},
            {QStringLiteral("vitalizio"),
             limit.quotaVitalizio ? QJsonValue(share(limit.percVitalizio, limit.usufruttoVitalizio,
                                                     limit.usufruttoVitalizioTesto))
                                  : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("fascia"), limit.fascia},
            {QStringLiteral("applicato"), limit.applicato},
            {QStringLiteral("norma"), r.normaLimite}});
  }
  if (r.prossimaFascia) {
    json.insert(
        QStringLiteral("prossima_fascia"),
        QJsonObject{{QStringLiteral("data"), date(r.prossimaFascia->data)},
                    {QStringLiteral("anni"), r.prossimaFascia->anni},
                    {QStringLiteral("percentuale"), r.prossimaFascia->percUsufrutto},
                    {QStringLiteral("anno_coefficienti"), r.prossimaFascia->annoCoefficienti},
                    {QStringLiteral("provvisoria"), r.prossimaFascia->provvisoria}});
  }
  return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

QString OneLine(const QString& message) {
  QString line = message;
  line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  line.replace(u'\r', u' ');
  line.replace(u'\n', u' ');
  return line.trimmed();
}

}  // namespace velmora
