#pragma once

#include <QtGlobal>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// CSV as Italian spreadsheets export it: ";" between fields, fields in double
// quotes with "" for a quote inside, an optional UTF-8 BOM, lines ending in
// CRLF or LF. The input is read in chunks, so memory stays flat whatever its
// length.
//
// Every line is one record: no field of a case holds a line end, so a quote
// left open at the end of a line breaks that line only, and the lines after
// it are read as they are.
namespace velmora {

enum class CsvFault {
  None,
  UnclosedQuote,   // a quoted field runs to the end of the line
  TextAfterQuote,  // "12"3: something other than ";" after a closing quote
  LineTooLong,     // beyond the reader's limit; its fields are not kept
};

struct CsvRecord {
  qint64 line = 0;  // from 1
  CsvFault fault = CsvFault::None;
  // The fields, without their quotes; valid until the next record is read.
  std::vector<std::string_view> fields;
};

class CsvReader {
 public:
  // Fills the buffer with up to `size` bytes; returns how many, 0 at the end
  // of the input and -1 when it cannot be read.
  using Source = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

  explicit CsvReader(Source source, std::size_t longestLine = 64 * 1024);

  // The next record; false at the end of the input or when it cannot be read
  // (Failed() tells which). Blank lines are passed over.
  bool Next(CsvRecord& record);
  bool Failed() const { return failed_; }

 private:
  bool Fill();
  void Split(std::string_view line, CsvRecord& record);

  Source source_;
  std::size_t longestLine_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // the unread bytes are [begin_, end_)
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
  bool started_ = false;
  qint64 line_ = 0;
  std::string fields_;
};

}  // namespace velmora
