#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/other_rights_dialog.h"
#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

// The dialog for other rights on a screen of 1600 × 1000 pixels at twice the
// scale, 800 × 500 to the windows: it opens within the free area, can be
// resized, and every control can be brought into sight, ten lives included.
class TestOtherRightsDialogFit : public QObject {
  Q_OBJECT
  MainWindowFixture f;

  FrmAltriDiritti& d() { return *f.w().otherRightsDialog; }
  QRect Room() { return d().screen()->availableGeometry(); }
  static QString Text(const QRect& r) {
    return QString::number(r.x()) + ',' + QString::number(r.y()) + ' ' +
           QString::number(r.width()) + 'x' + QString::number(r.height());
  }

  // Scrolls the control into sight when it scrolls; then the whole of it is
  // within what the dialog shows and within the screen.
  void Reach(QWidget* control) {
    QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QRect seen = d().geometry();
    if (d().AreaDati->widget()->isAncestorOf(control)) {
      d().AreaDati->ensureWidgetVisible(control, 0, 0);
      seen = QRect(d().AreaDati->viewport()->mapToGlobal(QPoint(0, 0)),
                   d().AreaDati->viewport()->size());
    }
    const QRect at(control->mapToGlobal(QPoint(0, 0)), control->size());
    const QString where = control->objectName() + " at " + Text(at) + " in " + Text(seen);
    QVERIFY2(seen.contains(at), qPrintable(where));
    QVERIFY2(Room().contains(at), qPrintable(where));
  }

 private slots:
  void init() {
    f.Start();
    f.w().AltriDiritti->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), &d());
  }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void theScreenIsTheOneWanted() {
    QCOMPARE(d().screen()->devicePixelRatio(), 2.0);
    QCOMPARE(Room(), QRect(0, 0, 800, 500));
  }

  void theDialogFitsAndCanBeResized_data() {
    QTest::addColumn<int>("lives");
    QTest::newRow("one life") << 1;
    QTest::newRow("ten lives") << 10;
  }
  void theDialogFitsAndCanBeResized() {
    QFETCH(int, lives);
    for (int life = 1; life < lives; ++life) d().CmdAggiungi->click();
    QTRY_VERIFY2(Room().contains(d().frameGeometry()), qPrintable(Text(d().frameGeometry())));
    QVERIFY(d().minimumWidth() < d().maximumWidth());
    QVERIFY(d().minimumHeight() < d().maximumHeight());
    QVERIFY(d().minimumSizeHint().width() < d().width());
    QVERIFY(d().minimumSizeHint().height() < d().height());
  }

  void everyControlCanBeReached_data() {
    QTest::addColumn<int>("lives");
    QTest::addColumn<QString>("control");
    const QStringList controls{"CmbDiritto",
                               "CmbImposta",
                               "TxtAnni",
                               "TxtValore",
                               "TxtRiferimento",
                               "CmbSaggio",
                               "CmdAggiungi",
                               "CmdRimuovi",
                               "CmbAccrescimento",
                               "LblNota",
                               "TxtValoreDiritto",
                               "TxtValoreNudaProprieta",
                               "CmdCopiaProspetto",
                               "CmdCopiaValoriAtto",
                               "CmdSalvaProspettoPdf",
                               "CmdStampaProspetto",
                               "CmdCalcola",
                               "CmdChiudi"};
    for (int lives : {1, 10}) {
      for (const QString& control : controls)
        QTest::addRow("%d, %s", lives, qPrintable(control)) << lives << control;
      for (int life = 1; life <= lives; ++life)
        QTest::addRow("%d, TxtNascita%d", lives, life)
            << lives << QString("TxtNascita%1").arg(life);
    }
  }
  void everyControlCanBeReached() {
    QFETCH(int, lives);
    QFETCH(QString, control);
    for (int life = 1; life < lives; ++life) d().CmdAggiungi->click();
    auto* found = d().findChild<QWidget*>(control);
    QVERIFY2(found, qPrintable(control));
    Reach(found);
  }
};

// The screen, then the scale, before the application starts.
int main(int argc, char** argv) {
  QTemporaryDir folder;
  const QString screens = folder.filePath(QStringLiteral("screens.json"));
  QFile file(screens);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(R"({"screens": [{"name": "1600x1000", "x": 0, "y": 0, "width": 1600,
                    "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
    qFatal("the screen's file could not be written");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  PrepareApplication();
  TestOtherRightsDialogFit tc;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&tc, argc, argv);
}

#include "tst_other_rights_dialog_fit.moc"
