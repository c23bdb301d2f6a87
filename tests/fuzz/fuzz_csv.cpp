// Feeds arbitrary bytes to the batch, the one reader of files that users send
// from elsewhere: the CSV reader alone, in pieces of every size, and the whole
// batch with its valuations. Nothing crashes or hangs, and the records are
// the same however the input is cut.

#include <QDate>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/documents/batch.h"
#include "core/documents/csv_reader.h"
#include "core/law/legal_data_in_use.h"

using namespace velmora;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

#define CHECK(condition)                \
  do {                                  \
    if (!(condition)) Fail(#condition); \
  } while (false)

CsvReader::Source Pieces(std::string_view bytes, std::size_t piece) {
  auto at = std::make_shared<std::size_t>(0);
  return [bytes, piece, at](char* buffer, std::size_t size) {
    const std::size_t n = std::min({piece, size, bytes.size() - *at});
    std::memcpy(buffer, bytes.data() + *at, n);
    *at += n;
    return std::ptrdiff_t(n);
  };
}

// Every record as text, with its lines and fault.
std::vector<std::string> Records(std::string_view bytes, std::size_t piece) {
  CsvReader reader(Pieces(bytes, piece), 256);
  CsvRecord record;
  std::vector<std::string> out;
  qint64 last = 0;
  while (reader.Next(record)) {
    CHECK(record.line > last && record.lastLine >= record.line);
    last = record.lastLine;
    std::string text = std::to_string(record.line) + '-' + std::to_string(record.lastLine) + ':' +
                       std::to_string(int(record.fault));
    for (const std::string_view field : record.fields) {
      // Windows-1252 takes up to three bytes a byte in UTF-8.
      CHECK(field.size() <= 3 * bytes.size());
      text.append("|").append(field);
    }
    out.push_back(std::move(text));
  }
  CHECK(!reader.Failed());
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> whole = Records(bytes, size + 1);
  CHECK(Records(bytes, 1) == whole);
  CHECK(Records(bytes, 3) == whole);

  BatchIo io;
  io.input = Pieces(bytes, 7);
  std::size_t written = 0;
  io.output = [&written](std::string_view block) { written += block.size(); };
  io.error = [](const QString&) {};
  io.inputName = QStringLiteral("fuzz");
  io.today = QDate(2026, 12, 9);
  static const DatiLegaliCondivisi law = DatiLegaliDa(MergeLegalData(BuiltInLegalData(), {}));
  const int status = RunBatch(io, *law);
  CHECK(status == 0 || status == 1 || status == 3);
  CHECK(status == 3 || written > 0);
  return 0;
}
