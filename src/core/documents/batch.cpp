#include "core/documents/batch.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/documents/listing_texts.h"
#include "core/documents/valuation_output.h"
#include "core/numbers/date_text.h"
#include "core/valuation/case_words.h"
#include "core/valuation/refusal_words.h"
#include "core/valuation/valuation_record.h"

namespace velmora {
namespace {

enum Column {
  kTipo,
  kValore,
  kNascita,
  kAnni,
  kData,
  kSaggio,
  kDiritto,
  kAccrescimento,
  kImposta,
  kColumns
};
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "tipo", "valore", "nascita", "anni", "data", "saggio", "diritto", "accrescimento", "imposta"};

// Where each column is in the file's rows, if there, and the columns the
// batch does not know (a file number, a note), carried through as they are.
struct Layout {
  std::array<std::optional<std::size_t>, kColumns> known;
  std::vector<std::size_t> others;
};

std::string_view Trimmed(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
  return field;
}

// Header names are matched without blanks around them and in any case.
std::string Name(std::string_view field) {
  std::string name(Trimmed(field));
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return name;
}

QString Text(std::string_view field) {
  return QString::fromUtf8(field.data(), qsizetype(field.size()));
}

// A field into a text kept from row to row: an ASCII field, as nearly all
// are, then takes no new memory.
void SetText(QString& text, std::string_view field) {
  for (const char c : field) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      text = Text(field);
      return;
    }
  }
  text.resize(qsizetype(field.size()));
  QChar* to = text.data();
  for (const char c : field) *to++ = QLatin1Char(c);
}

// The header's fault, or nothing when it names the columns.
std::optional<QString> ReadHeader(const CsvRecord& header, const QString& inputName,
                                  Layout& layout) {
  if (header.fault != CsvFault::None) return text::kNoHeader.arg(inputName);
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    const std::string name = Name(header.fields[i]);
    std::size_t column = 0;
    while (column < kColumns && kColumnNames[column] != name) ++column;
    if (column == kColumns) {
      layout.others.push_back(i);
      continue;
    }
    if (layout.known[column]) return text::kRepeatedColumn.arg(inputName, Text(header.fields[i]));
    layout.known[column] = i;
  }
  if (!layout.known[kTipo] || !layout.known[kValore]) return text::kNoHeader.arg(inputName);
  return std::nullopt;
}

// The fields of the other columns after the results, each with its separator.
void AppendOthers(std::string& out, const CsvRecord& row, const Layout& layout, bool whole) {
  for (const std::size_t column : layout.others) {
    out.push_back(';');
    if (whole) AppendField(out, row.fields[column]);
  }
}

// Several lives in one field, joined by "+": "03/05/1950+12/11/1952".
void SetBirths(QStringList& births, std::string_view field) {
  qsizetype count = 0;
  for (;;) {
    const std::size_t plus = field.find('+');
    const std::string_view one = Trimmed(field.substr(0, plus));
    if (births.size() <= count) births.append(QString());
    SetText(births[count++], one);
    if (plus == std::string_view::npos) break;
    field.remove_prefix(plus + 1);
  }
  births.resize(count);
  if (count == 1 && births.front().isEmpty()) births.clear();
}

// The right, the tax and the accrual, each a word or nothing for the default;
// the row's fault when one is another word.
std::optional<QString> ReadWords(std::string_view diritto, std::string_view imposta,
                                 std::string_view accrescimento, DatiValutazione& dati) {
  diritto = Trimmed(diritto);
  imposta = Trimmed(imposta);
  accrescimento = Trimmed(accrescimento);
  dati.diritto = Diritto::Usufrutto;
  dati.imposta = Imposta::Registro;
  dati.accrescimento.reset();
  if (!diritto.empty()) {
    const auto right = RightNamed(Text(diritto));
    if (!right) return text::kUnknownRight.arg(Text(diritto));
    dati.diritto = *right;
  }
  if (!imposta.empty()) {
    const auto tax = TaxNamed(Text(imposta));
    if (!tax) return text::kUnknownTax.arg(Text(imposta));
    dati.imposta = *tax;
  }
  if (!accrescimento.empty()) {
    dati.accrescimento = AccrualNamed(Text(accrescimento));
    if (!dati.accrescimento) return text::kUnknownAccrual.arg(Text(accrescimento));
  }
  return std::nullopt;
}

QString FaultText(const CsvRecord& row, std::size_t columns) {
  const QString line = row.lastLine > row.line ? text::kLines.arg(QString::number(row.line),
                                                                  QString::number(row.lastLine))
                                               : text::kLine.arg(row.line);
  switch (row.fault) {
    case CsvFault::UnclosedQuote:
      return text::kUnclosedQuote.arg(line);
    case CsvFault::TextAfterQuote:
      return text::kTextAfterQuote.arg(line);
    case CsvFault::LineTooLong:
      return text::kLineTooLong.arg(line);
    case CsvFault::NotUtf8:
      return text::kNotUtf8Line.arg(line);
    case CsvFault::None:
      break;
  }
  return text::kWrongFieldCount.arg(line, QString::number(row.fields.size()),
                                    QString::number(columns));
}

}  // namespace

const NomiIngressi& ColumnNames() {
  static const NomiIngressi names{QStringLiteral("valore"),        QStringLiteral("nascita"),
                                  QStringLiteral("anni"),          QStringLiteral("data"),
                                  QStringLiteral("accrescimento"), QStringLiteral("imposta")};
  return names;
}

int RunBatch(const BatchIo& io, const DatiLegali& law) {
  CsvReader reader(io.input);
  CsvRecord row;
  Layout layout;
  UltimoRiferimento lastReference;
  if (!reader.Next(row)) {
    io.error(reader.Failed()  ? text::kReadInterrupted.arg(io.inputName)
             : reader.Utf16() ? text::kUtf16File.arg(io.inputName)
                              : text::kNoHeader.arg(io.inputName));
    return 3;
  }
  // Said once, before the rows: the user may have meant another encoding.
  if (reader.Encoding() == CsvEncoding::Windows1252)
    io.error(text::kReadAsWindows1252.arg(io.inputName));
  const std::size_t columns = row.fields.size();
  if (const auto fault = ReadHeader(row, io.inputName, layout)) {
    io.error(*fault);
    return 3;
  }

  const QString today = SlashedDate(io.today);
  const std::string todayText = today.toStdString();
  std::string out = CsvHeader();
  AppendOthers(out, row, layout, true);
  out.push_back('\n');
  bool refused = false;
  DatiValutazione dati;
  while (reader.Next(row)) {
    const bool whole = row.fault == CsvFault::None && row.fields.size() == columns;
    // The fields as typed, written back as they came.
    auto typed = [&](Column c) {
      return whole && layout.known[c] ? row.fields[*layout.known[c]] : std::string_view();
    };
    // The kind and the rate are words of a few letters, read as bytes.
    const std::string_view tipo = Trimmed(typed(kTipo));
    const std::string_view saggio = Trimmed(typed(kSaggio));
    CsvInputs inputs{tipo, typed(kValore), typed(kNascita), typed(kAnni), typed(kData)};

    dati.saggio = Saggio::AllaData;
    const std::optional<TipoValutazione> kind =
        KindNamed(QLatin1StringView(tipo.data(), qsizetype(tipo.size())));
    std::optional<QString> fault;
    if (!whole) {
      fault = FaultText(row, columns);
    } else if (!kind) {
      fault = text::kUnknownKind.arg(Text(tipo));
    } else if (saggio == "2016") {
      dati.saggio = Saggio::Tabella2016;
    } else if (!saggio.empty() && saggio != "data") {
      fault = text::kUnknownRate.arg(Text(saggio));
    }
    if (!fault) fault = ReadWords(typed(kDiritto), typed(kImposta), typed(kAccrescimento), dati);

    if (fault) {
      AppendCsvFault(out, inputs, *fault);
      refused = true;
    } else {
      dati.tipo = *kind;
      SetText(dati.valore, inputs.valore);
      SetBirths(dati.nascite, inputs.nascita);
      SetText(dati.anni, inputs.anni);
      SetText(dati.riferimento, inputs.data);
      if (dati.riferimento.isEmpty()) {
        dati.riferimento = today;
        inputs.data = todayText;
      }
      const Esito esito = ValutaInParole(dati, ColumnNames(), law, &lastReference);
      refused = refused || !std::holds_alternative<RecordValutazione>(esito);
      AppendCsvLine(out, inputs, esito);
    }
    AppendOthers(out, row, layout, whole);
    out.push_back('\n');
    if (out.size() >= 60000) {
      io.output(out);
      out.clear();
    }
  }
  io.output(out);
  if (reader.Failed()) {
    io.error(text::kReadInterrupted.arg(io.inputName));
    return 3;
  }
  return refused ? 1 : 0;
}

}  // namespace velmora
