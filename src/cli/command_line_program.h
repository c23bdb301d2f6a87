#pragma once

#include <QString>
#include <optional>

// The program's answers on the command line: the help, the version, the
// usage errors, the valuations and the batch. None of them starts a window
// toolkit, so they run without a display.
namespace velmora::cli {

// The exit status when the command line was answered; nothing when the
// program goes on to its window (the arguments are then Qt's own options).
std::optional<int> AnswerCommandLine(int argc, char** argv);

// What the program writes when no display can be opened for its window.
QString NoDisplayMessage();
// Refuses an argument that the window's toolkit left unread: the usage error
// on standard error; returns the exit status.
int RefuseArgument(const QString& argument);

}  // namespace velmora::cli
