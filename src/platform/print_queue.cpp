#include "platform/print_queue.h"

#include <QPrinterInfo>

#ifdef VELMORA_CUPS
#include <cups/cups.h>

#include <QLibrary>
#endif

namespace velmora {
namespace {

struct Queue {
  bool installed = false;
  bool acceptingJobs = false;
  bool stopped = false;
};

// What Qt's printing support tells: no word on whether a queue takes jobs.
Queue AskQt(const QString& printerName) {
  Queue queue;
  queue.installed = QPrinterInfo::availablePrinterNames().contains(printerName);
  queue.acceptingJobs = queue.installed;
  queue.stopped =
      queue.installed && QPrinterInfo::printerInfo(printerName).state() == QPrinter::Error;
  return queue;
}

#ifdef VELMORA_CUPS

// libcups is loaded when first needed, as Qt's print support loads it: linked
// to the program it would load, with its own libraries, before the first frame.
struct Cups {
  decltype(&cupsGetNamedDest) getNamedDest = nullptr;
  decltype(&cupsGetOption) getOption = nullptr;
  decltype(&cupsFreeDests) freeDests = nullptr;
  decltype(&cupsLastError) lastError = nullptr;
};

const Cups* LoadCups() {
  static const Cups cups = [] {
    QLibrary library(QStringLiteral("cups"), 2);
    Cups c;
    c.getNamedDest =
        reinterpret_cast<decltype(c.getNamedDest)>(library.resolve("cupsGetNamedDest"));
    c.getOption = reinterpret_cast<decltype(c.getOption)>(library.resolve("cupsGetOption"));
    c.freeDests = reinterpret_cast<decltype(c.freeDests)>(library.resolve("cupsFreeDests"));
    c.lastError = reinterpret_cast<decltype(c.lastError)>(library.resolve("cupsLastError"));
    return c;
  }();
  const bool loaded = cups.getNamedDest && cups.getOption && cups.freeDests && cups.lastError;
  return loaded ? &cups : nullptr;
}

// CUPS names an instance of a queue "queue/instance".
Queue Ask(const QString& printerName) {
  const Cups* cups = LoadCups();
  if (!cups) return AskQt(printerName);
  const QByteArray name = printerName.section(u'/', 0, 0).toUtf8();
  const QByteArray instance = printerName.section(u'/', 1).toUtf8();
  cups_dest_t* dest = cups->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
  if (!dest) return {};
  auto option = [cups, dest](const char* key) {
    return QByteArray(cups->getOption(key, dest->num_options, dest->options));
  };
  Queue queue;
  queue.installed = true;
  // A queue that does not say is taken to accept.
  queue.acceptingJobs = option("printer-is-accepting-jobs") != "false";
  queue.stopped = option("printer-state") == QByteArray::number(IPP_PSTATE_STOPPED);
  cups->freeDests(1, dest);
  return queue;
}

// The answer to the last request of this thread to CUPS: after a printout,
// the submission of its job by Qt's print engine, which shares the library.
bool LastRequestRefused() {
  const Cups* cups = LoadCups();
  return cups && cups->lastError() >= IPP_STATUS_ERROR_BAD_REQUEST;
}

#else

Queue Ask(const QString& printerName) {
  return AskQt(printerName);
}

bool LastRequestRefused() {
  return false;
}

#endif

}  // namespace

bool QueueTakesJobs(const QString& printerName) {
  const Queue queue = Ask(printerName);
  return queue.installed && queue.acceptingJobs;
}

bool QueueTookTheJob(const QString& printerName) {
  // Read before asking the queue, which is a request of its own.
  const bool refused = LastRequestRefused();
  const Queue queue = Ask(printerName);
  return !refused && queue.installed && !queue.stopped;
}

}  // namespace velmora
