#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "cli/mcp_tools.h"

// One MCP session over JSON-RPC 2.0: each line read gives the lines to write
// (none for a notification). Pure: no file, no clock but the one given, so
// that every method and every malformed line is tested without a process.
namespace velmora::cli {

// The protocol versions this server speaks, the latest first.
inline constexpr const char* kMcpVersions[] = {"2025-06-18", "2025-03-26", "2024-11-05"};

// The standard JSON-RPC error codes.
enum class RpcError {
  Parse = -32700,
  InvalidRequest = -32600,
  MethodNotFound = -32601,
  InvalidParams = -32602,
};

class McpSession {
 public:
  McpSession(McpLaw law, McpClock clock) : law_(std::move(law)), clock_(std::move(clock)) {}

  // The answers to one line without its line end, each a compact JSON
  // object on one line, without its line end.
  QByteArrayList Answer(QByteArrayView line);
  // The answer to a line longer than the reader holds: a parse error.
  static QByteArray TooLong(qsizetype most);

  // The version agreed by initialize; empty before it.
  const QString& Version() const { return version_; }

 private:
  QJsonObject Request(const QString& method, const QJsonValue& params, RpcError& code,
                      QString& error);

  McpLaw law_;
  McpClock clock_;
  QString version_;
};

// An error as the line to write, for the id given (null when unknown).
QByteArray RpcErrorLine(const QJsonValue& id, RpcError code, const QString& message);

}  // namespace velmora::cli
