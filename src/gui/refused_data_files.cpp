#include "gui/refused_data_files.h"

#include <QStringList>

#include "core/law/legal_data_in_use.h"
#include "gui/window_texts.h"

namespace velmora {
namespace {

// Past these, the box would outgrow the screen; the command line lists all.
constexpr std::size_t kMostShown = 12;

}  // namespace

void SayRefusedDataFiles(Services& services, const DatiLegali& law) {
  const std::vector<DataProblem>& problems = law.Merged().problems;
  if (problems.empty()) return;
  QStringList lines;
  for (std::size_t i = 0; i < problems.size() && i < kMostShown; ++i)
    lines << ProblemText(problems[i]);
  if (problems.size() > kMostShown)
    lines << text::kMoreDataProblems.arg(problems.size() - kMostShown);
  services.MessageBox(text::kDataFilesNotUsed.arg(lines.join(u'\r')), Services::Icon::Exclamation,
                      text::kMainTitle);
}

}  // namespace velmora
