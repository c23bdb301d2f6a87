#include "core/documents/csv_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/documents/text_encoding.h"

namespace velmora {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
// The block that decides how the input is text.
constexpr std::size_t kHead = 64 * 1024;

// The bytes that end a run of plain text outside quotes.
constexpr std::array<bool, 256> kSpecial = [] {
  std::array<bool, 256> special{};
  for (const char c : {'\n', '\r', '"'}) special[static_cast<unsigned char>(c)] = true;
  return special;
}();

}  // namespace

CsvReader::CsvReader(Source source, std::size_t longestLine)
    : source_(std::move(source)),
      longestLine_(longestLine),
      // Room for the longest record and a chunk of reading beyond it.
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
  const std::size_t room = buffer_.size() - end_;
  std::ptrdiff_t got = 0;
  if (encoding_ == CsvEncoding::Windows1252) {
    // A byte takes at most three in UTF-8; the room is never less than a
    // chunk, since a record stays within the limit.
    raw_.resize(room / 3);
    got = ReadRaw(raw_.data(), raw_.size());
    if (got > 0) {
      got =
          std::ptrdiff_t(Windows1252ToUtf8({raw_.data(), std::size_t(got)}, buffer_.data() + end_));
    }
  } else {
    got = ReadRaw(buffer_.data() + end_, room);
  }
  if (got <= 0) {
    atEnd_ = true;
    failed_ = got < 0;
    return false;
  }
  end_ += std::size_t(got);
  return true;
}

std::ptrdiff_t CsvReader::ReadRaw(char* buffer, std::size_t size) {
  if (headRead_ < head_.size()) {
    const std::size_t n = std::min(size, head_.size() - headRead_);
    std::memcpy(buffer, head_.data() + headRead_, n);
    headRead_ += n;
    return std::ptrdiff_t(n);
  }
  // A source that has ended is not asked again.
  if (headEnd_ <= 0) return headEnd_;
  return source_(buffer, size);
}

bool CsvReader::Have(std::size_t offset) {
  while (begin_ + offset >= end_) {
    if (!Fill()) return false;
  }
  return true;
}

// A UTF-8 BOM is passed over; UTF-16 stops the reading: its bytes would read
// as a CSV of stray zeros. Otherwise the first block decides between UTF-8
// and Windows-1252, the same whatever pieces the source gives it in.
void CsvReader::Start() {
  started_ = true;
  head_.resize(kHead);
  std::size_t got = 0;
  while (got < kHead) {
    const std::ptrdiff_t n = source_(head_.data() + got, kHead - got);
    if (n <= 0) {
      headEnd_ = n;
      break;
    }
    got += std::size_t(n);
  }
  head_.resize(got);
  const std::string_view head = head_;
  if (head.starts_with(kBom)) {
    headRead_ = kBom.size();
  } else if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF") || LooksLikeUtf16(head)) {
    encoding_ = CsvEncoding::Utf16;
  } else {
    // A character cut off at the end of the block is not a fault, unless the
    // input ends there.
    const Utf8Check check = CheckUtf8(head);
    if (check == Utf8Check::Invalid || (check == Utf8Check::Incomplete && headEnd_ <= 0))
      encoding_ = CsvEncoding::Windows1252;
  }
}

CsvReader::Extent CsvReader::Measure() {
  Extent e;
  // Nearly every record is one line with no quote and no CR but its CRLF's:
  // the C library finds those at once.
  if (Have(0)) {
    const char* p = buffer_.data() + begin_;
    const std::size_t available = std::min(end_ - begin_, longestLine_ + 1);
    if (const auto* lf = static_cast<const char*>(std::memchr(p, '\n', available))) {
      std::size_t size = std::size_t(lf - p);
      const bool crlf = size > 0 && p[size - 1] == '\r';
      if (crlf) --size;
      if (!std::memchr(p, '"', size) && !std::memchr(p, '\r', size)) {
        e.size = size;
        e.lineEnd = crlf ? 2 : 1;
        return e;
      }
    }
  }
  bool inQuotes = false;
  std::size_t i = 0;
  auto lineEndAt = [this](std::size_t at) -> std::size_t {
    return buffer_[begin_ + at] == '\r' && Have(at + 1) && buffer_[begin_ + at + 1] == '\n' ? 2 : 1;
  };
  for (;;) {
    if (i > longestLine_) {
      // A quote left open past the limit breaks the line it opened on only.
      e.unclosed = inQuotes && e.firstLineEnd > 0;
      e.tooLong = !e.unclosed;
      e.size = i;
      return e;
    }
    if (!Have(i)) {
      e.size = i;
      e.unclosed = inQuotes;
      if (inQuotes && e.firstLineEnd == 0) e.firstLine = i;
      return e;
    }
    const char* p = buffer_.data() + begin_;
    if (inQuotes) {
      const char c = p[i];
      if (c == '"') {
        // "" is a quote inside the field; one alone closes it.
        if (Have(i + 1) && buffer_[begin_ + i + 1] == '"') {
          i += 2;
        } else {
          inQuotes = false;
          ++i;
        }
      } else if (c == '\n' || c == '\r') {
        const std::size_t length = lineEndAt(i);
        if (e.firstLineEnd == 0) {
          e.firstLine = i;
          e.firstLineEnd = length;
        }
        ++e.lineEnds;
        i += length;
      } else {
        ++i;
      }
      continue;
    }
    // Plain bytes, as nearly all are, in one quick run.
    const std::size_t available = std::min(end_ - begin_, longestLine_ + 1);
    while (i < available && !kSpecial[static_cast<unsigned char>(p[i])]) ++i;
    if (i == available) continue;
    if (p[i] == '"') {
      // Only a quote that opens a field quotes it; 12"3 is text.
      if (i == 0 || p[i - 1] == ';') inQuotes = true;
      ++i;
      continue;
    }
    e.size = i;
    e.lineEnd = lineEndAt(i);
    return e;
  }
}

void CsvReader::Drop(std::size_t offset) {
  begin_ += std::min(offset, end_ - begin_);
  for (;;) {
    const char* p = buffer_.data() + begin_;
    const char* const stop = buffer_.data() + end_;
    const char* found = std::find_if(p, stop, [](char c) { return c == '\n' || c == '\r'; });
    if (found != stop) {
      begin_ = std::size_t(found - buffer_.data());
      const bool crlf = *found == '\r' && Have(1) && buffer_[begin_ + 1] == '\n';
      begin_ += crlf ? 2 : 1;
      return;
    }
    begin_ = end_;
    if (!Fill()) return;
  }
}

bool CsvReader::Next(CsvRecord& record) {
  if (!started_) Start();
  if (encoding_ == CsvEncoding::Utf16) return false;
  for (;;) {
    const Extent e = Measure();
    if (failed_) return false;
    if (e.size == 0 && e.lineEnd == 0 && !e.unclosed) return false;  // the end
    record.fields.clear();
    record.line = line_ + 1;
    if (e.tooLong) {
      line_ += 1 + e.lineEnds;
      Drop(e.size);
      record.lastLine = line_;
      record.fault = CsvFault::LineTooLong;
      return true;
    }
    if (e.unclosed) {
      // The lines after the one it opened on are read again, as they are.
      ++line_;
      begin_ += e.firstLineEnd > 0 ? e.firstLine + e.firstLineEnd : e.size;
      record.lastLine = line_;
      record.fault = CsvFault::UnclosedQuote;
      return true;
    }
    const std::string_view text(buffer_.data() + begin_, e.size);
    line_ += 1 + e.lineEnds;
    begin_ += e.size + e.lineEnd;
    if (text.empty()) continue;
    record.lastLine = line_;
    // Windows-1252 is UTF-8 already here.
    if (encoding_ == CsvEncoding::Utf8 && CheckUtf8(text) != Utf8Check::Valid) {
      record.fault = CsvFault::NotUtf8;
      return true;
    }
    Split(text, record);
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
