#include <QtTest>

#include "core/command_line.h"

using namespace velmora;

Q_DECLARE_METATYPE(velmora::CommandLineRequest)

// What the program does with the arguments it is started with.
class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void theArgumentsChooseWhatToAnswer_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLineRequest>("request");
    QTest::newRow("none opens the window") << QStringList() << CommandLineRequest::Window;
    QTest::newRow("--help") << QStringList{"--help"} << CommandLineRequest::Help;
    QTest::newRow("-h") << QStringList{"-h"} << CommandLineRequest::Help;
    QTest::newRow("--version") << QStringList{"--version"} << CommandLineRequest::Version;
    QTest::newRow("-v") << QStringList{"-v"} << CommandLineRequest::Version;
    QTest::newRow("help wins over version")
        << QStringList{"--version", "--help"} << CommandLineRequest::Help;
    QTest::newRow("help after a Qt option")
        << QStringList{"-platform", "offscreen", "--help"} << CommandLineRequest::Help;
    QTest::newRow("Qt's options are left to Qt")
        << QStringList{"-style", "fusion", "-display", ":1"} << CommandLineRequest::Window;
  }
  void theArgumentsChooseWhatToAnswer() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLineRequest, request);
    QCOMPARE(ReadCommandLine(arguments), request);
  }

  // Not answered here: the program refuses them once Qt has taken its own.
  void lookalikesAreNotAnswered_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("single dash long form") << QStringList{"-help"};
    QTest::newRow("capital") << QStringList{"--Help"};
    QTest::newRow("prefix") << QStringList{"--vers"};
    QTest::newRow("with a value") << QStringList{"--version=1"};
    QTest::newRow("Italian") << QStringList{"--aiuto"};
  }
  void lookalikesAreNotAnswered() {
    QFETCH(QStringList, arguments);
    QCOMPARE(ReadCommandLine(arguments), CommandLineRequest::Window);
  }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
