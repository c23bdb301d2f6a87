#include <QCoreApplication>
#include <QtTest>

#include "platform/companion_folder.h"
#include "platform/desktop_services.h"

using namespace velmora;

// Where the program looks for its companion files, from its own folder.
class TestCompanionFolder : public QObject {
  Q_OBJECT

 private slots:
  void theCompanionFilesAreFoundFromTheProgramFolder_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("companionFolder");
    QTest::newRow("the package") << "/usr/lib/velmora"
                                 << "/usr/share/velmora";
    QTest::newRow("a local install") << "/usr/local/lib/velmora"
                                     << "/usr/local/share/velmora";
    QTest::newRow("a prefix with blanks") << "/tmp/prova uno/lib/velmora"
                                          << "/tmp/prova uno/share/velmora";
    QTest::newRow("the root as prefix") << "/lib/velmora"
                                        << "/share/velmora";
    QTest::newRow("the build tree keeps them beside the program")
        << "/home/anna/velmora/build/program"
        << "/home/anna/velmora/build/program";
    QTest::newRow("a folder that only looks like it") << "/opt/lib/velmora2"
                                                      << "/opt/lib/velmora2";
    QTest::newRow("a folder named velmora elsewhere") << "/opt/velmora"
                                                      << "/opt/velmora";
  }
  void theCompanionFilesAreFoundFromTheProgramFolder() {
    QFETCH(QString, programFolder);
    QFETCH(QString, companionFolder);
    QCOMPARE(CompanionFolder(programFolder), companionFolder);
  }

  // The companion files are addressed as the folder followed by "/name".
  void theDesktopsProgramFolderIsTheCompanionFolder() {
    DesktopServices services([] { return QDateTime(QDate(2027, 3, 1), QTime(10, 0)); });
    QCOMPARE(services.ProgramFolder(), CompanionFolder(QCoreApplication::applicationDirPath()));
    QVERIFY(!services.ProgramFolder().endsWith('/'));
  }
};

QTEST_GUILESS_MAIN(TestCompanionFolder)
#include "tst_companion_folder.moc"
