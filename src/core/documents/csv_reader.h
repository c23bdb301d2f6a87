#pragma once

#include <QtGlobal>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// CSV as Italian spreadsheets export it: ";" between fields, fields in double
// quotes with "" for a quote inside, an optional UTF-8 BOM, lines ending in
// CRLF, LF or CR alone (as spreadsheets on the Mac write them). A quoted field
// may hold line ends, as a note does; a record stays within the reader's
// limit. The input is read in chunks, so memory stays flat whatever its
// length.
//
// A quote left open to the end of the input, or past the limit, breaks the
// line it opened on only: the lines after it are read as they are.
//
// The first block of the input (64 KiB) decides how the whole of it is text,
// before any record is given out: UTF-8 when it is valid UTF-8 or starts with
// the UTF-8 BOM, otherwise Windows-1252, as Italian Excel saves a CSV, and
// then turned into UTF-8 as it is read. UTF-16, with its mark or without, is
// not read at all. A later line that is not UTF-8 in a file taken as UTF-8 is
// a broken record: the rows before it are given out already and stay as they
// were read.
namespace velmora {

enum class CsvFault {
  None,
  UnclosedQuote,   // a quoted field that never closes within the limit
  TextAfterQuote,  // "12"3: something other than ";" after a closing quote
  LineTooLong,     // beyond the reader's limit; its fields are not kept
  NotUtf8,         // bytes that are not UTF-8 in an input taken as UTF-8
};

enum class CsvEncoding { Utf8, Windows1252, Utf16 };

struct CsvRecord {
  qint64 line = 0;      // from 1
  qint64 lastLine = 0;  // the same, unless a quoted field holds line ends
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
  // How the input is read, known once a record has been asked for.
  CsvEncoding Encoding() const { return encoding_; }
  // The input is UTF-16, with its byte order mark or without: it is not read
  // at all.
  bool Utf16() const { return encoding_ == CsvEncoding::Utf16; }

 private:
  // Where the record that starts at begin_ ends.
  struct Extent {
    std::size_t size = 0;          // the record's bytes, without its line end
    std::size_t lineEnd = 0;       // 0 at the end of the input, else 1 or 2
    qint64 lineEnds = 0;           // the line ends inside quoted fields
    bool unclosed = false;         // a quote that never closes
    std::size_t firstLine = 0;     // then: the bytes of the line it opened on
    std::size_t firstLineEnd = 0;  // and that line's end, 0 for none
    bool tooLong = false;          // beyond the limit, `size` bytes looked at
  };
  bool Fill();
  void Start();
  // The input's bytes as they come: the first block, kept by Start, then the
  // rest from the source.
  std::ptrdiff_t ReadRaw(char* buffer, std::size_t size);
  // Whether the byte at begin_ + offset has been read, reading on as needed.
  bool Have(std::size_t offset);
  Extent Measure();
  // Passes over the rest of a line beyond the limit, from begin_ + offset.
  void Drop(std::size_t offset);
  void Split(std::string_view line, CsvRecord& record);

  Source source_;
  std::size_t longestLine_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // the unread bytes are [begin_, end_)
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
  bool started_ = false;
  CsvEncoding encoding_ = CsvEncoding::Utf8;
  std::string head_;            // the first block, until it is read
  std::size_t headRead_ = 0;    // how much of it has been
  std::ptrdiff_t headEnd_ = 1;  // what the source said after it: 0 the end, -1 failed
  std::vector<char> raw_;       // Windows-1252 bytes before they are UTF-8
  qint64 line_ = 0;
  std::string fields_;
};

}  // namespace velmora
