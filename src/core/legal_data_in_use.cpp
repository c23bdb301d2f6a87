#include "core/legal_data_in_use.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace velmora {
namespace {

const QString kEmbedded = QStringLiteral(":/velmora/dati");

struct Embedded {
  LegalData data;
  std::vector<DataProblem> problems;
};

const Embedded& ReadEmbedded() {
  static const Embedded embedded = [] {
    Embedded read;
    QStringList names = QDir(kEmbedded).entryList(QDir::Files);
    std::sort(names.begin(), names.end());
    for (const QString& name : names) {
      QFile file(kEmbedded + u'/' + name);
      file.open(QIODevice::ReadOnly);
      LegalDataFile rows = ReadLegalDataFile(file.readAll(), file.fileName());
      read.problems.insert(read.problems.end(), rows.problems.begin(), rows.problems.end());
      const auto builtIn = [](auto& table) {
        for (auto& row : table) row.origin = DataOrigin();
      };
      builtIn(rows.rows.rates);
      builtIn(rows.rows.coefficients);
      builtIn(rows.rows.floors);
      builtIn(rows.rows.statutes);
      const auto append = [](auto& to, auto& from) {
        to.insert(to.end(), std::make_move_iterator(from.begin()),
                  std::make_move_iterator(from.end()));
      };
      append(read.data.rates, rows.rows.rates);
      append(read.data.coefficients, rows.rows.coefficients);
      append(read.data.floors, rows.rows.floors);
      append(read.data.statutes, rows.rows.statutes);
    }
    return read;
  }();
  return embedded;
}

}  // namespace

const LegalData& BuiltInLegalData() {
  return ReadEmbedded().data;
}

const std::vector<DataProblem>& BuiltInProblems() {
  return ReadEmbedded().problems;
}

}  // namespace velmora
