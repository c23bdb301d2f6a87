#include "cli/mcp_lines.h"

#include <QByteArray>
#include <vector>

#include "cli/mcp_texts.h"

namespace velmora::cli {
namespace {

class LineReader {
 public:
  LineReader(McpSession& session, const McpIo& io, qsizetype longest)
      : session_(session), io_(io), longest_(longest) {}

  // Takes a block; false when the output is gone.
  bool Take(QByteArrayView block) {
    while (!block.isEmpty()) {
      const qsizetype end = block.indexOf('\n');
      const QByteArrayView part = end < 0 ? block : block.first(end);
      if (!skipping_) {
        if (line_.size() + part.size() > longest_) {
          skipping_ = true;
          line_.clear();
          line_.squeeze();
        } else {
          line_.append(part);
        }
      }
      if (end < 0) return true;
      block = block.sliced(end + 1);
      if (!End()) return false;
    }
    return true;
  }

  // The line read so far is whole: answers it.
  bool End() {
    QByteArrayList answers;
    if (skipping_) {
      io_.error(text::kMcpDiagnostic.arg(text::kMcpLineTooLong.arg(longest_)));
      answers << McpSession::TooLong(longest_);
    } else {
      answers = session_.Answer(line_);
    }
    skipping_ = false;
    line_.clear();
    for (QByteArray& answer : answers) {
      answer.append('\n');
      if (!io_.output(answer)) return false;
    }
    return true;
  }

  bool Pending() const { return skipping_ || !line_.isEmpty(); }

 private:
  McpSession& session_;
  const McpIo& io_;
  qsizetype longest_;
  QByteArray line_;
  bool skipping_ = false;
};

int Gone(const McpIo& io) {
  io.error(text::kMcpDiagnostic.arg(text::kMcpOutputGone));
  return 3;
}

}  // namespace

int RunMcp(McpSession& session, const McpIo& io, qsizetype longest) {
  LineReader reader(session, io, longest);
  std::vector<char> block(64 * 1024);
  for (;;) {
    const std::ptrdiff_t got = io.input(block.data(), block.size());
    if (got < 0) {
      io.error(text::kMcpDiagnostic.arg(text::kMcpInputFailed));
      return 3;
    }
    if (got == 0) break;
    if (!reader.Take(QByteArrayView(block.data(), qsizetype(got)))) return Gone(io);
  }
  if (reader.Pending() && !reader.End()) return Gone(io);
  return 0;
}

}  // namespace velmora::cli
