#include "cli/command_line_program.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QDate>
#include <QDateTime>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <variant>

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/mcp_lines.h"
#include "core/documents/batch.h"
#include "core/documents/calculation_report.h"
#include "core/documents/data_listing.h"
#include "core/documents/listing_texts.h"
#include "core/documents/valuation_output.h"
#include "core/documents/version.h"
#include "core/law/legal_data_in_use.h"
#include "core/law/system_reason.h"
#include "core/numbers/date_text.h"
#include "core/valuation/refusal_words.h"

namespace velmora::cli {
namespace {

void Write(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
  std::fflush(stream);
}

// The legal data of a command, read once from the folders of the environment.
struct InUse {
  QStringList folders = AdditionFolders();
  DatiLegaliCondivisi law = LeggiDatiLegali(folders);
};

// The office's files that are not used, said once before anything is valued:
// the figures rest on the rest of the data.
void SayRefusedDataFiles(const DatiLegali& law) {
  const QString refused = RefusedFilesText(law.Merged());
  if (!refused.isEmpty()) Write(stderr, refused);
}

int Valuation(CommandLine line, const QDateTime& now) {
  const InUse inUse;
  SayRefusedDataFiles(*inUse.law);
  if (line.dati.riferimento.isEmpty()) line.dati.riferimento = SlashedDate(now.date());
  const Esito esito = ValutaInParole(line.dati, OptionNames(), *inUse.law);
  if (const auto* refusal = std::get_if<QString>(&esito)) {
    Write(stderr, text::kDiagnostic.arg(*refusal));
    return 1;
  }
  const auto& record = std::get<RecordValutazione>(esito);
  // Figures that are not the ones due on the day are said to be so.
  if (const QString warning = AvvertenzaTabella2016(record); !warning.isEmpty())
    Write(stderr, text::kDiagnostic.arg(warning));
  switch (line.format) {
    case OutputFormat::Text:
      Write(stdout, ProspettoTesto(record, {now, ProgramVersion()}));
      break;
    case OutputFormat::Json: {
      const QByteArray json = JsonDocument(record);
      std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
      std::fflush(stdout);
      break;
    }
    case OutputFormat::Csv: {
      std::string out = CsvHeader() + '\n';
      AppendCsvLine(out, line.dati, esito);
      out.push_back('\n');
      std::fwrite(out.data(), 1, out.size(), stdout);
      std::fflush(stdout);
      break;
    }
  }
  return 0;
}

// A file to read, or nothing when it cannot be: then the reason is on
// standard error.
std::FILE* OpenToRead(const QString& name) {
  std::FILE* file = std::fopen(name.toLocal8Bit().constData(), "rb");
  if (!file) {
    Write(stderr, text::kUnreadableFile.arg(name, SystemReason(errno)));
    return nullptr;
  }
  // A folder opens like a file and fails only when read.
  struct stat info {};
  if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file);
    Write(stderr, text::kUnreadableFile.arg(name, SystemReason(EISDIR)));
    return nullptr;
  }
  return file;
}

int Batch(const CommandLine& line, const QDate& today) {
  const InUse inUse;
  SayRefusedDataFiles(*inUse.law);
  const bool standardInput = line.file == u"-";
  std::FILE* file = standardInput ? stdin : OpenToRead(line.file);
  if (!file) return 3;
  BatchIo io;
  io.input = [file](char* buffer, std::size_t size) -> std::ptrdiff_t {
    const std::size_t got = std::fread(buffer, 1, size, file);
    if (got == 0 && std::ferror(file)) return -1;
    return std::ptrdiff_t(got);
  };
  io.output = [](std::string_view block) { std::fwrite(block.data(), 1, block.size(), stdout); };
  io.error = [](const QString& message) { Write(stderr, message); };
  io.inputName = standardInput ? text::kStandardInput : line.file;
  io.today = today;
  const int status = RunBatch(io, *inUse.law);
  if (!standardInput) std::fclose(file);
  return status;
}

int ListData() {
  const InUse inUse;
  Write(stdout, DataListing(inUse.law->Merged(), inUse.folders));
  return 0;
}

// Checks a file as an addition would be checked, and puts nothing in use.
int VerifyData(const QString& name) {
  // One byte past the largest file is enough for the reader to refuse it.
  std::variant<QByteArray, QString> read = ReadFileStart(name, kLargestDataFile + 1);
  if (const QString* reason = std::get_if<QString>(&read)) {
    Write(stderr, text::kUnreadableFile.arg(name, *reason));
    return 3;
  }
  const QByteArray bytes = std::get<QByteArray>(std::move(read));
  bool used = false;
  const InUse inUse;
  Write(stdout, VerificationText(MergeWithAddition({name, bytes}, inUse.folders), name,
                                 inUse.folders, inUse.law->Merged().files, used));
  return used ? 0 : 1;
}

// MCP over standard input and output: read as it comes (a message must not
// wait for a full buffer), and stdout carries only the protocol's lines.
int Mcp(const std::function<QDateTime()>& clock) {
  const InUse inUse;
  SayRefusedDataFiles(*inUse.law);
  // A client that goes away is the end of the session, not a signal's death.
  std::signal(SIGPIPE, SIG_IGN);
  McpIo io;
  io.input = [](char* buffer, std::size_t size) -> std::ptrdiff_t {
    for (;;) {
      const ssize_t got = ::read(STDIN_FILENO, buffer, size);
      if (got >= 0 || errno != EINTR) return got;
    }
  };
  io.output = [](QByteArrayView line) {
    const std::size_t size = std::size_t(line.size());
    return std::fwrite(line.data(), 1, size, stdout) == size && std::fflush(stdout) == 0;
  };
  io.error = [](const QString& message) { Write(stderr, message); };
  McpSession session({inUse.law, inUse.folders}, McpClock{clock});
  return RunMcp(session, io);
}

std::optional<int> Answer(int argc, char** argv, const std::function<QDateTime()>& clock) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const CommandLine line = ReadCommandLine(arguments);
  switch (line.request) {
    case CommandLineRequest::Window:
      return std::nullopt;
    case CommandLineRequest::Help:
      Write(stdout, text::kHelp);
      return 0;
    case CommandLineRequest::Version:
      Write(stdout, text::kVersion.arg(ProgramVersion()));
      return 0;
    case CommandLineRequest::UsageError:
      Write(stderr, text::kUsageError.arg(line.error));
      return 2;
    case CommandLineRequest::Valuation:
      return Valuation(line, clock());
    case CommandLineRequest::Batch:
      return Batch(line, clock().date());
    case CommandLineRequest::Data:
      return line.dataFile.isEmpty() ? ListData() : VerifyData(line.dataFile);
    case CommandLineRequest::Mcp:
      return Mcp(clock);
  }
  return 2;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv,
                                     const std::function<QDateTime()>& clock) {
  const std::optional<int> status = Answer(argc, argv, clock);
  // Results that did not reach their reader are no results.
  if (status && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
    Write(stderr, text::kOutputFailed);
    return 3;
  }
  return status;
}

QString NoDisplayMessage() {
  return text::kNoDisplay;
}

int RefuseArgument(const QString& argument) {
  Write(stderr, text::kUsageError.arg(text::kUnknownArgument.arg(argument)));
  return 2;
}

}  // namespace velmora::cli
