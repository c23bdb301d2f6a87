#include "cli/valuation_output.h"

#include <QStringView>
#include <cstdint>
#include <optional>

#include "core/amount_words.h"
#include "core/decimal.h"
#include "core/messages.h"
#include "core/rates_by_date.h"

namespace velmora::cli {
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

// "25000,00" or "25000.00": the amount to the cent without grouping.
void AppendAmount(std::string& out, const Decimal& amount, char comma) {
  if (const auto cents = amount.Cents()) {
    const std::int64_t c = *cents;
    if (c < 0) out.push_back('-');
    const std::uint64_t magnitude = c < 0 ? 0 - std::uint64_t(c) : std::uint64_t(c);
    AppendNumber(out, std::int64_t(magnitude / 100));
    out.push_back(comma);
    out.push_back(char('0' + magnitude / 10 % 10));
    out.push_back(char('0' + magnitude % 10));
    return;
  }
  if (amount.IsNegative()) out.push_back('-');
  const std::string integer = amount.Integer();
  out += integer.empty() ? "0" : integer;
  std::string cents = amount.Fraction();
  cents.resize(2, '0');
  out.push_back(comma);
  out += cents;
}

// A field quoted when it holds the separator, a quote or a line end.
void AppendField(std::string& out, QStringView text) {
  bool quoted = false;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    quoted = quoted || u == u';' || u == u'"' || u == u'\n' || u == u'\r';
  }
  if (!quoted) {
    Append(out, text);
    return;
  }
  out.push_back('"');
  QString doubled = text.toString();
  doubled.replace(u'"', QStringLiteral("\"\""));
  Append(out, doubled);
  out.push_back('"');
}

const QString& KindName(Usufrutto tipo) {
  static const QString lifetime = QStringLiteral("vitalizio");
  static const QString fixedTerm = QStringLiteral("tempo-determinato");
  return tipo == Usufrutto::Vitalizio ? lifetime : fixedTerm;
}

// The reference date as typed, or the day used when none was typed.
QString ReferenceText(const DatiValutazione& dati, const RecordValutazione* record) {
  if (!dati.riferimento.isEmpty() || !record || !record->riferimento.isValid()) {
    return dati.riferimento;
  }
  return record->riferimento.toString(u"dd/MM/yyyy");
}

void AppendInputs(std::string& out, QStringView tipo, const DatiValutazione& dati,
                  const RecordValutazione* record) {
  AppendField(out, tipo);
  out.push_back(';');
  AppendField(out, dati.valore);
  out.push_back(';');
  AppendField(out, dati.nascita);
  out.push_back(';');
  AppendField(out, dati.anni);
  out.push_back(';');
  AppendField(out, ReferenceText(dati, record));
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

QString JsonString(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'"':
        out += QStringLiteral("\\\"");
        break;
      case u'\\':
        out += QStringLiteral("\\\\");
        break;
      case u'\n':
        out += QStringLiteral("\\n");
        break;
      case u'\r':
        out += QStringLiteral("\\r");
        break;
      case u'\t':
        out += QStringLiteral("\\t");
        break;
      default:
        if (c.unicode() < 0x20) {
          out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
          out += c;
        }
    }
  }
  out += u'"';
  return out;
}

QString JsonDate(const QDate& date) {
  return date.isValid() ? JsonString(date.toString(Qt::ISODate)) : QStringLiteral("null");
}

QString JsonAmount(const Decimal& amount) {
  std::string exact;
  AppendAmount(exact, amount, '.');
  return JsonString(QString::fromStdString(exact));
}

QString JsonShare(const QString& percentuale, const Decimal& amount, const QString& testo) {
  return QStringLiteral("{\"percentuale\": %1, \"importo\": %2, \"testo\": %3, \"lettere\": %4}")
      .arg(JsonString(percentuale), JsonAmount(amount), JsonString(testo),
           JsonString(AmountInWords(amount)));
}

// "475,00" from 47500 hundredths, "0,2188" from 2188 ten-thousandths.
QString Fixed(int value, int unit, int decimals) {
  return QStringLiteral("%1,%2")
      .arg(value / unit)
      .arg(value % unit, decimals, 10, QLatin1Char('0'));
}

// "03051950" as "03/05/1950"; nothing for any other text. The window's
// birth date field joins the digits the same way (BirthDigitsToDate), and
// then reads the date as the valuation reads this text.
std::optional<QString> EightDigitDate(const QString& typed) {
  if (typed.size() < 8) return std::nullopt;
  const QString date = typed.trimmed();
  if (date.size() != 8) return std::nullopt;
  for (const QChar c : date) {
    if (c < u'0' || c > u'9') return std::nullopt;
  }
  QString joined(10, u'/');
  for (qsizetype from = 0, to = 0; from < 8; ++from, ++to) {
    if (from == 2 || from == 4) ++to;
    joined[to] = date[from];
  }
  return joined;
}

}  // namespace

Esito ValutaDigitati(const DatiValutazione& dati) {
  const auto nascita = EightDigitDate(dati.nascita);
  const auto riferimento = EightDigitDate(dati.riferimento);
  if (!nascita && !riferimento) return Valuta(dati);
  DatiValutazione read = dati;
  if (nascita) read.nascita = *nascita;
  if (riferimento) read.riferimento = *riferimento;
  return Valuta(read);
}

const std::string& CsvHeader() {
  static const std::string header =
      "tipo;valore;nascita;anni;data;eta_anni;eta_mesi;eta_giorni;saggio;perc_usufrutto;"
      "perc_nuda_proprieta;usufrutto;nuda_proprieta;errore\n";
  return header;
}

void AppendCsvLine(std::string& out, const DatiValutazione& dati, const Esito& esito) {
  const auto* record = std::get_if<RecordValutazione>(&esito);
  const QString& tipo = KindName(dati.tipo);
  if (!record) {
    AppendCsvFault(out, tipo, dati, std::get<Rifiuto>(esito).messaggio);
    return;
  }
  AppendInputs(out, tipo, dati, record);
  if (record->tipo == Usufrutto::Vitalizio) {
    AppendNumber(out, record->etaAnni);
    out.push_back(';');
    AppendNumber(out, record->etaMesi);
    out.push_back(';');
    AppendNumber(out, record->etaGiorni);
    out.push_back(';');
  } else {
    out += ";;;";
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
  out += ";\n";
}

void AppendCsvFault(std::string& out, QStringView tipo, const DatiValutazione& dati,
                    const QString& message) {
  AppendInputs(out, tipo, dati, nullptr);
  out += ";;;;;;;;";
  AppendField(out, OneLine(message));
  out.push_back('\n');
}

QString JsonObject(const DatiValutazione& dati, const RecordValutazione& r) {
  const bool lifetime = r.tipo == Usufrutto::Vitalizio;
  QStringList fields;
  auto add = [&fields](const char* name, const QString& value) {
    fields << QStringLiteral("  \"%1\": %2").arg(QLatin1StringView(name), value);
  };
  auto number = [](qint64 n) { return QString::number(n); };
  add("tipo", JsonString(KindName(r.tipo)));
  add("valore", JsonAmount(r.valore));
  add("valore_testo", JsonString(r.valoreTesto));
  add("valore_lettere", JsonString(AmountInWords(r.valore)));
  add("data", JsonDate(r.riferimento));
  add("modo_saggio", JsonString(dati.saggio == Saggio::Tabella2016 ? QStringLiteral("2016")
                                                                   : QStringLiteral("data")));
  if (lifetime) {
    add("nascita", JsonDate(r.nascita));
    add("eta_anni", number(r.etaAnni));
    add("eta_mesi", number(r.etaMesi));
    add("eta_giorni", number(r.etaGiorni));
    add("fascia", JsonString(r.fascia));
    add("coefficiente", r.coefficienteCentesimi
                            ? JsonString(Fixed(*r.coefficienteCentesimi, 100, 2))
                            : QStringLiteral("null"));
    add("saggio_coefficienti", JsonString(RateText(r.saggioCoefficienteCentesimi)));
    add("decreto_coefficienti", JsonString(r.decretoCoefficienti));
  } else {
    add("anni", number(r.anni));
    add("quota", JsonString(Fixed(r.quotaDiecimillesimi, 10000, 4)));
  }
  add("saggio", JsonString(RateText(r.saggioCentesimi)));
  add("saggio_legale", JsonString(RateText(r.saggioLegaleCentesimi)));
  add("decreto_saggio_legale", JsonString(r.decretoSaggioLegale));
  add("minimo", r.minimo ? QStringLiteral("true") : QStringLiteral("false"));
  if (r.minimo) add("articolo_minimo", JsonString(text::kRateFloorArticle));
  add("usufrutto", JsonShare(r.percUsufrutto, r.usufrutto, r.usufruttoTesto));
  add("nuda_proprieta", JsonShare(r.percNudaProprieta, r.nudaProprieta, r.nudaProprietaTesto));
  return QStringLiteral("{\n") + fields.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n");
}

QString OneLine(const QString& message) {
  QString line = message;
  line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  line.replace(u'\r', u' ');
  line.replace(u'\n', u' ');
  return line.trimmed();
}

}  // namespace velmora::cli
