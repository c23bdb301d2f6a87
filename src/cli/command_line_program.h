#pragma once

#include <optional>

// The program's answers on the command line: the help, the version, the
// usage errors, the valuations and the batch. None of them starts a window
// toolkit, so they run without a display.
namespace velmora::cli {

// The exit status when the command line was answered; nothing when the
// program goes on to its window (the arguments are then Qt's own options).
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace velmora::cli
