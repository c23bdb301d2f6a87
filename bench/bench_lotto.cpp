// Rows per second and peak memory of `velmora lotto` on generated cases, and
// the core's valuations per second beside them.
//
// bench_lotto VELMORA [ROWS]: writes ROWS cases (2 000 000 by default) to a
// file, runs VELMORA lotto on it with its output read through a pipe, and
// prints the rows per second of elapsed time and of the child's processor
// time (the machine may be shared), and the child's peak resident memory.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDate>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <variant>

#include "core/numbers/date_text.h"
#include "core/valuation/valuation_record.h"

extern char** environ;

namespace {

constexpr const char* kDates[] = {"%02d%02d%04d", "%02d/%02d/%04d", "%d %s %04d"};
constexpr const char* kMonths[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                   "maggio",    "giugno",   "luglio",   "agosto",
                                   "settembre", "ottobre",  "novembre", "dicembre"};

// Values as people type them, dates in the three forms, both kinds and both
// rates, and one case in a hundred refused (a birth after the reference).
std::string Row(std::mt19937_64& random, long i) {
  char value[64];
  const long long cents = std::uniform_int_distribution<long long>(100, 99999999999)(random);
  if (i % 3 == 0) {
    std::snprintf(value, sizeof value, "%lld,%02lld", cents / 100, cents % 100);
  } else {
    std::snprintf(value, sizeof value, "%lld", cents / 100);
  }
  const int day = int(random() % 28) + 1;
  const int month = int(random() % 12) + 1;
  const int year = i % 100 == 0 ? 2030 : 1920 + int(random() % 100);
  char birth[64];
  const int form = int(i % 3);
  if (form == 2) {
    std::snprintf(birth, sizeof birth, kDates[2], day, kMonths[month - 1], year);
  } else {
    std::snprintf(birth, sizeof birth, kDates[form], day, month, year);
  }
  const char* rate = i % 4 == 0 ? "2016" : "data";
  char line[256];
  if (i % 2 == 0) {
    std::snprintf(line, sizeof line, "vitalizio;%s;%s;;09/12/2026;%s\n", value, birth, rate);
  } else {
    std::snprintf(line, sizeof line, "tempo-determinato;%s;;%d;09/12/2026;%s\n", value,
                  int(i % 30) + 1, rate);
  }
  return line;
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

double ProcessorSeconds(const rusage& usage) {
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The core alone: Valuta on the same kind of cases, in this process.
void CoreValuations() {
  std::mt19937_64 random(7);
  const int count = 300000;
  std::vector<velmora::DatiValutazione> cases;
  for (int i = 0; i < count; ++i) {
    const std::string row = Row(random, i);
    const QStringList f = QString::fromUtf8(row).trimmed().split(u';');
    velmora::DatiValutazione d;
    d.tipo = f[0] == u"vitalizio" ? velmora::TipoValutazione::Vitalizio
                                  : velmora::TipoValutazione::TempoDeterminato;
    d.valore = f[1];
    // The eight digits as the command line reads them.
    d.nascite = {f[2].size() == 8 && !f[2].contains(u'/') ? velmora::BirthDigitsToDate(f[2])
                                                          : f[2]};
    d.anni = f[3];
    d.riferimento = f[4];
    d.saggio = f[5] == u"2016" ? velmora::Saggio::Tabella2016 : velmora::Saggio::AllaData;
    cases.push_back(d);
  }
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  long valued = 0;
  const velmora::DatiLegaliCondivisi law = velmora::LeggiDatiLegali({});
  for (const auto& d : cases) {
    valued += std::holds_alternative<velmora::RecordValutazione>(velmora::Valuta(d, *law)) ? 1 : 0;
  }
  getrusage(RUSAGE_SELF, &after);
  const double seconds = ProcessorSeconds(after) - ProcessorSeconds(before);
  std::printf("core: %.0f valuations/s of processor time (Valuta, %d cases, %ld valued)\n",
              count / seconds, count, valued);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: bench_lotto VELMORA [RIGHE]\n");
    return 2;
  }
  const long rows = argc > 2 ? std::atol(argv[2]) : 2000000;

  char path[] = "/tmp/bench_lotto_XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return 1;
  {
    std::FILE* file = fdopen(fd, "w");
    std::fputs("tipo;valore;nascita;anni;data;saggio\n", file);
    std::mt19937_64 random(2026);
    for (long i = 0; i < rows; ++i) std::fputs(Row(random, i).c_str(), file);
    std::fclose(file);
  }

  int out[2];
  if (pipe(out) != 0) return 1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char lotto[] = "lotto";
  char* childArguments[] = {argv[1], lotto, path, nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[1], &actions, nullptr, childArguments, environ) != 0) {
    std::fprintf(stderr, "bench_lotto: cannot start %s\n", argv[1]);
    return 1;
  }
  close(out[1]);

  long lines = 0;
  char buffer[1 << 16];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
    for (const char* p = buffer;
         (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(buffer + got - p)))); ++p) {
      ++lines;
    }
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double elapsed = Seconds(std::chrono::steady_clock::now() - start);
  unlink(path);

  const double processor = ProcessorSeconds(usage);
  std::printf("lotto: %ld rows, %ld lines out, exit status %d\n", rows, lines,
              WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  std::printf("lotto: %.0f rows/s elapsed (%.2f s), %.0f rows/s of processor time (%.2f s)\n",
              double(rows) / elapsed, elapsed, double(rows) / processor, processor);
  std::printf("lotto: peak memory %.1f MiB\n", double(usage.ru_maxrss) / 1024);
  CoreValuations();
  return 0;
}
