// Feeds arbitrary bytes to velmora mcp's request reader, as an assistant's
// client could send them: in pieces of every size, with a short bound on a
// line. Every answer is one line holding one JSON-RPC object, the reader ends
// at the end of the input, and the answers do not depend on how it was cut.

#include <QByteArray>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "cli/mcp_lines.h"
#include "cli/mcp_session.h"
#include "core/law/legal_data_in_use.h"

using namespace velmora;
using namespace velmora::cli;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

#define CHECK(condition)                \
  do {                                  \
    if (!(condition)) Fail(#condition); \
  } while (false)

QByteArray Answers(const QByteArray& bytes, std::size_t piece) {
  static const DatiLegaliCondivisi law = DatiLegaliDa(MergeLegalData(BuiltInLegalData(), {}));
  McpSession session({law, {}},
                     McpClock{[] { return QDateTime(QDate(2026, 12, 7), QTime(10, 0)); }});
  auto at = std::make_shared<qsizetype>(0);
  McpIo io;
  io.input = [&bytes, piece, at](char* buffer, std::size_t size) {
    const std::size_t n = std::min({piece, size, std::size_t(bytes.size() - *at)});
    std::memcpy(buffer, bytes.constData() + *at, n);
    *at += qsizetype(n);
    return std::ptrdiff_t(n);
  };
  QByteArray out;
  io.output = [&out](QByteArrayView line) {
    CHECK(line.endsWith('\n') && !line.chopped(1).contains('\n'));
    const QJsonObject answer = QJsonDocument::fromJson(line.toByteArray()).object();
    CHECK(answer.value(QStringLiteral("jsonrpc")) == QStringLiteral("2.0"));
    CHECK(answer.contains(QStringLiteral("result")) != answer.contains(QStringLiteral("error")));
    out.append(line);
    return true;
  };
  io.error = [](const QString&) {};
  CHECK(RunMcp(session, io, 1024) == 0);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QByteArray whole = Answers(bytes, 65536);
  CHECK(Answers(bytes, 1 + size % 7) == whole);
  return 0;
}
