#pragma once

#include <QApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QtTest>
#include <functional>

class QWidget;

namespace velmora::test {

// Stands between a test and the real modal dialogs. A dialog the test said
// it expects is answered, once it waits for the user; any other fails the
// test at once and is closed, so that the test goes on instead of hanging.
class ModalGuard : public QObject {
 public:
  using Answer = std::function<void(QWidget* dialog)>;
  ModalGuard();
  ~ModalGuard() override;

  // The next modal dialog shown is answered by `answer`.
  void Expect(Answer answer) { expected_ << std::move(answer); }
  // Every dialog expected came, and was answered.
  bool Answered() const { return expected_.isEmpty(); }
  // A dialog came that nobody expected; seen() names it.
  bool tripped() const { return !seen_.isEmpty(); }
  QString seen() const { return seen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<Answer> expected_;
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
