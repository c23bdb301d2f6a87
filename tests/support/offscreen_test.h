#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QtTest>

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

}  // namespace velmora::test

// Forces the offscreen platform, then runs the tests.
#define VELMORA_OFFSCREEN_TEST_MAIN(TestClass) \
  int main(int argc, char** argv) {            \
    qputenv("QT_QPA_PLATFORM", "offscreen");   \
    QApplication app(argc, argv);              \
    TestClass tc;                              \
    QTEST_SET_MAIN_SOURCE_PATH                 \
    return QTest::qExec(&tc, argc, argv);      \
  }
