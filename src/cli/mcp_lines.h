#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

#include "cli/mcp_session.h"
#include "core/documents/csv_reader.h"

// The stdio transport of MCP: messages one a line, read from a source in
// blocks and answered in order. A line holds at most kLongestMcpLine bytes:
// a longer one is skipped as it arrives, never held, and answered with a
// parse error.
namespace velmora::cli {

inline constexpr qsizetype kLongestMcpLine = 1 << 20;

struct McpIo {
  CsvReader::Source input;                     // bytes, 0 at the end, -1 on an error
  std::function<bool(QByteArrayView)> output;  // one line with its end; false: gone
  std::function<void(const QString&)> error;   // a line for standard error
};

// Answers every line until the end of the input, a read error or an output
// that is gone. A last line without its end is answered too. Returns the exit
// status: 0 at the end of the input, 3 when the input or the output failed.
int RunMcp(McpSession& session, const McpIo& io, qsizetype longest = kLongestMcpLine);

}  // namespace velmora::cli
