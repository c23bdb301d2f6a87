#pragma once

#include <QObject>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/frmusufrutto.h"
#include "recording_services.h"

namespace velmora::test {

// Fails at once, instead of hanging, when a real modal dialog appears: the
// recording services never open one, so any such dialog is a fault.
class ModalGuard : public QObject {
 public:
  ModalGuard();
  bool tripped() const { return !seen_.isEmpty(); }
  QString seen() const { return seen_; }

 private:
  QTimer timer_;
  QString seen_;
};

// The main window on the recording services, started as the program starts
// it and active, so that focus changes run their handlers at once.
struct MainWindowFixture {
  RecordingServices services;
  std::unique_ptr<Frmusufrutto> window;
  ModalGuard guard;

  // Creates the window, runs Form_Load and waits until it is active.
  void Start();
  // Closes the window and gives the next test a fresh desktop.
  void Stop() {
    window.reset();
    services = RecordingServices();
  }
  Frmusufrutto& w() { return *window; }
};

// Forces the offscreen platform and the Fusion style, then runs the tests.
#define VELMORA_UI_TEST_MAIN(TestClass)      \
  int main(int argc, char** argv) {          \
    qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);            \
    velmora::test::PrepareApplication();     \
    TestClass tc;                            \
    QTEST_SET_MAIN_SOURCE_PATH               \
    return QTest::qExec(&tc, argc, argv);    \
  }

void PrepareApplication();

// The colour of a control as #rrggbb, for readable comparisons.
QString Colour(const QWidget* control);
QString Colour(QRgb colour);

}  // namespace velmora::test
