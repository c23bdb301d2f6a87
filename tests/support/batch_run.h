#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "core/documents/batch.h"
#include "legal_data_for_tests.h"

// A batch run in memory: its input handed out a piece at a time, its result
// lines split into fields as a spreadsheet reads them, its messages kept.
namespace velmora::test {

struct BatchRun {
  int status = 0;
  QList<QStringList> rows;  // the header first
  QStringList errors;
};

// A line of the results as fields: ";" between them, quotes around a field
// that holds one, "" for a quote inside.
inline QStringList Fields(const QString& line) {
  QStringList fields(1);
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
      fields.last() += c;
      ++i;
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (c == u';' && !quoted) {
      fields.append(QString());
    } else {
      fields.last() += c;
    }
  }
  return fields;
}

inline BatchRun RunBatchOn(const QByteArray& input, std::size_t piece = 4096) {
  BatchRun run;
  BatchIo io;
  auto at = std::make_shared<std::size_t>(0);
  const std::string bytes = input.toStdString();
  io.input = [bytes, piece, at](char* buffer, std::size_t size) {
    const std::size_t n = std::min({piece, size, bytes.size() - *at});
    std::memcpy(buffer, bytes.data() + *at, n);
    *at += n;
    return std::ptrdiff_t(n);
  };
  std::string out;
  io.output = [&out](std::string_view block) { out += block; };
  io.error = [&run](const QString& message) { run.errors << message; };
  io.inputName = QStringLiteral("casi.csv");
  io.today = QDate(2026, 12, 9);
  run.status = RunBatch(io, test::BuiltInLaw());
  // No line of the results holds a line end but inside quotes, and these
  // tests write none there.
  for (const QString& line : QString::fromStdString(out).split(u'\n', Qt::SkipEmptyParts))
    run.rows << Fields(line);
  return run;
}

}  // namespace velmora::test
