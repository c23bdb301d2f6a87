#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>

#include "core/law/legal_data_in_use.h"

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

// What the tools value with and list: the legal data in use and the folders
// they were read from.
struct McpLaw {
  DatiLegaliCondivisi law;
  QStringList folders;
};

// A tools/call result, or nothing when the tool is unknown (a protocol error).
std::optional<QJsonObject> CallMcpTool(const QString& name, const QJsonObject& arguments,
                                       bool structured, const McpClock& clock, const McpLaw& law);

}  // namespace velmora::cli
