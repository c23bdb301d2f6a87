#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;

// The clipboard is never emptied; the value field takes from it only what
// has been copied since the window last saw or took it.
class TestClipboardImport : public QObject {
  Q_OBJECT
  MainWindowFixture f;

  // One step of the user: "copy <text>" in another program, "value" (the
  // value field entered), "birth" (the birth date entered), "reset" (the
  // double click on the value).
  void Do(const QString& step) {
    auto& w = f.w();
    if (step.startsWith("copy ")) {
      f.services.CopyElsewhere(step.mid(5));
    } else if (step == "value") {
      w.SetFocus(w.R5);
      w.SetFocus(w.PP);
    } else if (step == "birth") {
      w.SetFocus(w.D1);
    } else if (step == "reset") {
      QTest::mouseDClick(w.PP, Qt::LeftButton);
    } else {
      QFAIL(qPrintable("no such step: " + step));
    }
  }

 private slots:
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void onlyWhatWasCopiedSinceIsTaken_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("values");  // the value field after each "value"
    QTest::addColumn<int>("boxes");           // message boxes shown
    QTest::newRow("a number copied elsewhere is taken once")
        << QStringList{"copy 1.000", "value", "value"} << QStringList{"€ 1.000,00", "€ 0,00"} << 1;
    QTest::newRow("another number copied is new")
        << QStringList{"copy 1.000", "value", "copy 2.000", "value"}
        << QStringList{"€ 1.000,00", "€ 2.000,00"} << 2;
    QTest::newRow("the same number copied again is the one taken")
        << QStringList{"copy 1.000", "value", "copy 1.000", "value"}
        << QStringList{"€ 1.000,00", "€ 0,00"} << 1;
    QTest::newRow("a copy before the birth date is entered is old")
        << QStringList{"copy 1.000", "birth", "value"} << QStringList{"€ 0,00"} << 0;
    QTest::newRow("a copy after the birth date is entered is new")
        << QStringList{"birth", "copy 1.000", "value"} << QStringList{"€ 1.000,00"} << 1;
    QTest::newRow("a copy before the reset is old")
        << QStringList{"copy 1.000", "reset", "value"} << QStringList{"€ 0,00"} << 0;
    QTest::newRow("a copy after the reset is new")
        << QStringList{"reset", "copy 1.000", "value"} << QStringList{"€ 1.000,00"} << 1;
    QTest::newRow("a refused figure is told once, copied again too")
        << QStringList{"copy 1.5", "value", "value", "copy 1.5", "value"}
        << QStringList{"€ 0,00", "€ 0,00", "€ 0,00"} << 1;
  }
  void onlyWhatWasCopiedSinceIsTaken() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, values);
    QFETCH(int, boxes);
    f.Start();
    QStringList seen;
    for (const QString& step : steps) {
      Do(step);
      if (step == "value") seen << f.w().PP->text();
    }
    QCOMPARE(seen, values);
    QCOMPARE(f.services.messages.size(), boxes);
  }

  // What another program left on the clipboard, even just before the window
  // showed, is neither emptied nor taken.
  void startUpLeavesAForeignClipboardAsItWas() {
    f.services.clipboard = "Testo copiato in un'altra applicazione";
    f.window = std::make_unique<Frmusufrutto>(f.services, f.law);
    f.services.CopyElsewhere("250.000,00");
    f.window->Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    auto& w = f.w();
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    Do("value");
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QVERIFY(f.services.messages.isEmpty());
    QCOMPARE(f.services.clipboard, QString("250.000,00"));
  }

  // The report copied a moment ago is pasted into the act after the next
  // birth date is typed: entering it must leave the report there.
  void aCopiedReportOutlivesTheBirthDate() {
    f.Start();
    auto& w = f.w();
    w.SetFocus(w.R7);
    w.PP->setText("100000");
    w.D1->setText("16 agosto 1946");
    w.D2->setText("7 dicembre 2026");
    QTest::mouseClick(w.Option1, Qt::LeftButton, {}, QPoint(5, w.Option1->height() / 2));
    QCOMPARE(w.US->text(), QString("€ 25.000,00"));
    w.CopiaProspetto->trigger();
    const QString report = f.services.clipboard;
    const QString html = f.services.clipboardHtml;
    QVERIFY(report.startsWith("PROSPETTO DI CALCOLO"));
    QTest::mouseClick(w.D1, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QCOMPARE(f.services.clipboard, report);
    QCOMPARE(f.services.clipboardHtml, html);
    // Nor does the value field take anything from it.
    Do("value");
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QVERIFY(f.services.messages.isEmpty());
  }
};

VELMORA_UI_TEST_MAIN(TestClipboardImport)
#include "tst_clipboard_import.moc"
