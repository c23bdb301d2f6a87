#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <vector>

#include "core/documents/companion_pages.h"
#include "core/law/legal_data_in_use.h"
#include "core/law/legal_data_merge.h"

// Writes the companion pages from the built-in legal data into a folder, as
// they are committed in resources/companion; with data files after the
// folder, from the built-in data with those files added, as the window
// writes them for an office.
//   write_pages FOLDER [ADDED.tsv...]
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = app.arguments().mid(1);
  if (arguments.isEmpty()) {
    std::fputs("uso: write_pages CARTELLA [FILE.tsv...]\n", stderr);
    return 2;
  }
  std::vector<velmora::AddedFile> added;
  for (const QString& path : arguments.mid(1)) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "write_pages: %s: %s\n", qPrintable(path),
                   qPrintable(file.errorString()));
      return 1;
    }
    added.push_back({path, file.readAll()});
  }
  const velmora::MergedLegalData law = velmora::MergeLegalData(velmora::BuiltInLegalData(), added);
  for (const velmora::DataProblem& problem : law.problems)
    std::fprintf(stderr, "write_pages: %s:%d: %s\n", qPrintable(problem.file), problem.line,
                 qPrintable(problem.reason));
  const QDir folder(arguments.front());
  for (const velmora::CompanionPage& page : velmora::CompanionPages(law.data)) {
    QSaveFile file(folder.filePath(page.name));
    if (!file.open(QIODevice::WriteOnly) || file.write(page.html) != page.html.size() ||
        !file.commit()) {
      std::fprintf(stderr, "write_pages: %s: %s\n", qPrintable(file.fileName()),
                   qPrintable(file.errorString()));
      return 1;
    }
  }
  return law.problems.empty() ? 0 : 1;
}
