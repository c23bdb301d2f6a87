#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

// The tools velmora mcp offers: a lifetime valuation, a fixed-term valuation
// and the legal data in use. The arguments are turned into the command line's
// inputs and read by its strict readers; nothing is guessed.
namespace velmora::cli {

// The tools with their schemas. Without structured output (protocol versions
// before 2025-06-18) they have no outputSchema.
QJsonArray McpTools(bool structured);

// The desk's clock, given where the command line starts.
struct McpClock {
  std::function<QDateTime()> now;
};

// A tools/call result, or nothing when the tool is unknown (a protocol error).
std::optional<QJsonObject> CallMcpTool(const QString& name, const QJsonObject& arguments,
                                       bool structured, const McpClock& clock);

}  // namespace velmora::cli
