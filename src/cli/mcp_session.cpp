#include "cli/mcp_session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include "cli/mcp_texts.h"
#include "core/documents/version.h"

namespace velmora::cli {
namespace {

QByteArray Line(const QJsonObject& message) {
  return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

// An id is a number or a text; MCP allows no null.
bool GoodId(const QJsonValue& id) {
  return id.isString() || id.isDouble();
}

bool Known(const QString& version) {
  for (const char* known : kMcpVersions)
    if (version == QLatin1StringView(known)) return true;
  return false;
}

// Structured content and output schemas came with 2025-06-18.
bool Structured(const QString& version) {
  return version >= QLatin1StringView("2025-06-18");
}

}  // namespace

QByteArray RpcErrorLine(const QJsonValue& id, RpcError code, const QString& message) {
  return Line({{QStringLiteral("jsonrpc"), QStringLiteral("2.0")},
               {QStringLiteral("id"), GoodId(id) ? id : QJsonValue(QJsonValue::Null)},
               {QStringLiteral("error"), QJsonObject{{QStringLiteral("code"), int(code)},
                                                     {QStringLiteral("message"), message}}}});
}

QByteArray McpSession::TooLong(qsizetype most) {
  return RpcErrorLine({}, RpcError::Parse, text::kMcpLineTooLong.arg(most));
}

QByteArrayList McpSession::Answer(QByteArrayView line) {
  if (line.trimmed().isEmpty()) return {};
  QJsonParseError parsed{};
  const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &parsed);
  if (parsed.error != QJsonParseError::NoError)
    return {RpcErrorLine({}, RpcError::Parse, text::kMcpParseError)};
  // A batch is no message of MCP since 2025-06-18; none is taken.
  if (!document.isObject())
    return {RpcErrorLine({}, RpcError::InvalidRequest, text::kMcpInvalidRequest)};
  const QJsonObject message = document.object();
  const QJsonValue id = message.value(QStringLiteral("id"));
  const QJsonValue method = message.value(QStringLiteral("method"));
  const bool notification = id.isUndefined();
  if (message.value(QStringLiteral("jsonrpc")) != QStringLiteral("2.0") ||
      (!notification && !GoodId(id)) || (!method.isString() && !method.isUndefined()))
    return {RpcErrorLine(id, RpcError::InvalidRequest, text::kMcpInvalidRequest)};
  if (method.isUndefined()) {
    // A client's answer: this server asks nothing, so there is nothing to match.
    if (!notification &&
        (message.contains(QStringLiteral("result")) || message.contains(QStringLiteral("error"))))
      return {};
    return {RpcErrorLine(id, RpcError::InvalidRequest, text::kMcpInvalidRequest)};
  }
  const QString name = method.toString();
  if (notification) return {};  // initialized, cancelled, progress: nothing to answer
  RpcError code = RpcError::InvalidRequest;
  QString error;
  const QJsonObject result = Request(name, message.value(QStringLiteral("params")), code, error);
  if (!error.isEmpty()) return {RpcErrorLine(id, code, error)};
  return {Line({{QStringLiteral("jsonrpc"), QStringLiteral("2.0")},
                {QStringLiteral("id"), id},
                {QStringLiteral("result"), result}})};
}

QJsonObject McpSession::Request(const QString& method, const QJsonValue& params, RpcError& code,
                                QString& error) {
  if (!params.isUndefined() && !params.isObject()) {
    code = RpcError::InvalidParams;
    error = text::kMcpBadParams;
    return {};
  }
  const QJsonObject given = params.toObject();
  if (method == u"ping") return {};
  if (method == u"initialize") {
    const QJsonValue asked = given.value(QStringLiteral("protocolVersion"));
    if (!version_.isEmpty()) {
      error = text::kMcpAlreadyInitialized;
    } else if (!asked.isString()) {
      code = RpcError::InvalidParams;
      error = text::kMcpBadInitialize;
    } else {
      // The client's version where it is one known here, else the latest.
      version_ = Known(asked.toString()) ? asked.toString() : QString::fromLatin1(kMcpVersions[0]);
      return {{QStringLiteral("protocolVersion"), version_},
              {QStringLiteral("capabilities"),
               QJsonObject{
                   {QStringLiteral("tools"), QJsonObject{{QStringLiteral("listChanged"), false}}}}},
              {QStringLiteral("serverInfo"),
               QJsonObject{{QStringLiteral("name"), QStringLiteral("velmora")},
                           {QStringLiteral("version"), ProgramVersion()}}},
              {QStringLiteral("instructions"), text::kMcpInstructions}};
    }
    return {};
  }
  const bool tools = method == u"tools/list" || method == u"tools/call";
  if (!tools) {
    code = RpcError::MethodNotFound;
    error = text::kMcpUnknownMethod.arg(method);
    return {};
  }
  if (version_.isEmpty()) {
    error = text::kMcpNotInitialized;
    return {};
  }
  if (method == u"tools/list") return {{QStringLiteral("tools"), McpTools(Structured(version_))}};
  const QJsonValue name = given.value(QStringLiteral("name"));
  const QJsonValue arguments = given.value(QStringLiteral("arguments"));
  code = RpcError::InvalidParams;
  if (!name.isString() || !(arguments.isUndefined() || arguments.isObject())) {
    error = text::kMcpBadCall;
    return {};
  }
  const std::optional<QJsonObject> result =
      CallMcpTool(name.toString(), arguments.toObject(), Structured(version_), clock_, law_);
  if (!result) error = text::kMcpUnknownTool.arg(name.toString());
  return result.value_or(QJsonObject());
}

}  // namespace velmora::cli
