#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

// The program's answers on the command line: the help, the version, the
// usage errors, the valuations and the batch. None of them starts a window
// toolkit, so they run without a display.
namespace velmora::cli {

// The exit status when the command line was answered; nothing when the
// program goes on to its window (the arguments are then Qt's own options).
// `clock` gives the day of a valuation without one and the time of a report.
std::optional<int> AnswerCommandLine(int argc, char** argv,
                                     const std::function<QDateTime()>& clock);

// What the program writes when no display can be opened for its window.
QString NoDisplayMessage();
// Refuses an argument that the window's toolkit left unread: the usage error
// on standard error; returns the exit status.
int RefuseArgument(const QString& argument);

}  // namespace velmora::cli
