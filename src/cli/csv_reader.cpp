#include "cli/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace velmora {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(Source source, std::size_t longestLine)
    : source_(std::move(source)),
      longestLine_(longestLine),
      // Room for the longest line and a chunk of reading beyond it.
      buffer_(longestLine + 64 * 1024) {}

// Moves the unread bytes to the front and reads after them; false when
// nothing more came.
bool CsvReader::Fill() {
  if (atEnd_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  const std::ptrdiff_t got = source_(buffer_.data() + end_, buffer_.size() - end_);
  if (got <= 0) {
    atEnd_ = true;
    failed_ = got < 0;
    return false;
  }
  end_ += std::size_t(got);
  return true;
}

bool CsvReader::Next(CsvRecord& record) {
  for (;;) {
    if (!started_) {
      // The BOM may come in pieces of a slow input.
      while (end_ - begin_ < kBom.size() && Fill()) {
      }
      started_ = true;
      if (std::string_view(buffer_.data() + begin_, end_ - begin_).starts_with(kBom)) {
        begin_ += kBom.size();
      }
    }
    // The next line end, reading on as needed; a line beyond the limit is
    // dropped piece by piece, so that it never fills the memory.
    std::size_t scanned = begin_;
    const char* newline = nullptr;
    bool tooLong = false;
    for (;;) {
      newline =
          static_cast<const char*>(std::memchr(buffer_.data() + scanned, '\n', end_ - scanned));
      if (newline) break;
      if (end_ - begin_ > longestLine_) {
        tooLong = true;
        begin_ = end_;
      }
      const std::size_t searched = end_ - begin_;
      if (!Fill()) break;
      scanned = begin_ + searched;
    }
    // At the end, or a line cut short by an input that failed.
    if (failed_ || (!newline && begin_ == end_ && !tooLong)) return false;

    const std::size_t stop = newline ? std::size_t(newline - buffer_.data()) : end_;
    std::string_view line(buffer_.data() + begin_, stop - begin_);
    begin_ = newline ? stop + 1 : end_;
    ++line_;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (tooLong || line.size() > longestLine_) {
      record.line = line_;
      record.fault = CsvFault::LineTooLong;
      record.fields.clear();
      return true;
    }
    if (line.empty()) continue;
    record.line = line_;
    Split(line, record);
    return true;
  }
}

void CsvReader::Split(std::string_view line, CsvRecord& record) {
  record.fault = CsvFault::None;
  record.fields.clear();
  // An unquoted field is a view of the line; a quoted one is copied without
  // its quotes and with its doubled quotes made single. No copy outgrows the
  // line, so the views into the copies stay valid.
  fields_.clear();
  fields_.reserve(line.size());
  std::size_t i = 0;
  for (;;) {
    if (i < line.size() && line[i] == '"') {
      const std::size_t start = fields_.size();
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] != '"') {
          fields_.push_back(line[i++]);
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
          fields_.push_back('"');
          i += 2;
        } else {
          ++i;
          closed = true;
          break;
        }
      }
      if (!closed) {
        record.fault = CsvFault::UnclosedQuote;
      } else if (i < line.size() && line[i] != ';') {
        record.fault = CsvFault::TextAfterQuote;
      }
      if (record.fault != CsvFault::None) {
        record.fields.clear();
        return;
      }
      record.fields.emplace_back(fields_.data() + start, fields_.size() - start);
    } else {
      const std::size_t end = std::min(line.find(';', i), line.size());
      record.fields.push_back(line.substr(i, end - i));
      i = end;
    }
    if (i >= line.size()) return;
    ++i;  // the ";"
  }
}

}  // namespace velmora
