#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "core/valuation/case_words.h"
#include "core/valuation/refusal_words.h"
#include "core/valuation/valuation_record.h"

namespace velmora {

// What the command line asks for. It is read before any toolkit starts, so
// that the help, the version and the commands need no display.
enum class CommandLineRequest {
  Window,      // the window, with Qt's own options if any
  Help,        // --help or -h anywhere
  Version,     // --version or -v
  Valuation,   // vitalizio or tempo-determinato
  Batch,       // lotto
  Data,        // dati: the legal data in use, or the check of a file
  Mcp,         // mcp: the tools for AI assistants over standard input and output
  UsageError,  // the arguments cannot be read: status 2
};

enum class OutputFormat { Text, Json, Csv };

struct CommandLine {
  CommandLineRequest request = CommandLineRequest::Window;
  // A valuation: the inputs as typed; no reference date is today.
  DatiValutazione dati;
  OutputFormat format = OutputFormat::Text;
  // A batch: the file, "-" for standard input.
  QString file = QStringLiteral("-");
  // dati --verifica: the file to check; empty to list the data in use.
  QString dataFile;
  // A usage error: what is wrong, without the program's name.
  QString error;
};

// What a refusal of a valuation's inputs calls them: the options.
const NomiIngressi& OptionNames();

// The arguments without the program's name. The first argument names the
// command; without one every argument must be one of Qt's own options, so
// that nothing the window would refuse reaches the toolkit.
CommandLine ReadCommandLine(const QStringList& arguments);

}  // namespace velmora
