#pragma once

// Start-up measurement: with VELMORA_STARTUP_PROBE set to the wall-clock time
// (nanoseconds since the epoch) at which the process was launched, the
// program prints the time to its first painted frame and its peak resident
// memory, then quits. Header-only, so that the bare comparison program of the
// benchmark measures itself the same way.

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#endif

namespace velmora {

class StartupProbe : public QObject {
 public:
  static void InstallIfAsked(QWidget* window) {
    const QByteArray launched = qgetenv("VELMORA_STARTUP_PROBE");
    if (launched.isEmpty()) return;
    window->installEventFilter(new StartupProbe(launched.toLongLong(), window));
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      // Once this paint has been flushed to the screen.
      QTimer::singleShot(0, this, [this] { Report(); });
    }
    return false;
  }

 private:
  StartupProbe(qint64 launchedNs, QObject* parent) : QObject(parent), launchedNs_(launchedNs) {}

  void Report() {
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    std::printf("first-frame-ms %.1f peak-rss-kb %ld\n", (nowNs - launchedNs_) / 1e6, PeakKb());
    std::fflush(stdout);
    QApplication::quit();
  }

  // -1 where the system does not tell.
  static long PeakKb() {
#if __has_include(<sys/resource.h>)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return -1;
#endif
  }

  qint64 launchedNs_;
  bool reported_ = false;
};

}  // namespace velmora
