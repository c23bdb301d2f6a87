#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include "window_fixture.h"

using namespace velmora;

// Qt's own texts, such as the context menu of a field, are Italian like the
// rest of the window, whatever the system's locale.
class TestItalianQtTexts : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  // The entries of the context menu that a right click on the field opens,
  // without their accelerator marks and shortcuts.
  static QStringList ContextMenuEntries(QLineEdit* field) {
    const QPoint inside(5, field->height() / 2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, inside, field->mapToGlobal(inside));
    QApplication::sendEvent(field, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return {};
    QStringList entries;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator()) entries << action->text().section('\t', 0, 0).remove('&');
    }
    menu->close();
    return entries;
  }

 private slots:
  void init() { f.Start(); }
  void cleanup() {
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void theValueFieldsContextMenuIsItalian_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("copy") << "Copia";
    QTest::newRow("paste") << "Incolla";
    QTest::newRow("select all") << "Seleziona tutto";
    QTest::newRow("cut") << "Taglia";
    QTest::newRow("undo") << "Annulla";
  }
  void theValueFieldsContextMenuIsItalian() {
    QFETCH(QString, entry);
    const QStringList entries = ContextMenuEntries(f.w().PP);
    QVERIFY2(entries.contains(entry), qPrintable(entries.join(", ")));
  }

  void noEntryOfTheContextMenuIsEnglish() {
    const QStringList entries = ContextMenuEntries(f.w().PP);
    QVERIFY(!entries.isEmpty());
    for (const QString english : {"Copy", "Paste", "Select All", "Cut", "Undo", "Redo", "Delete"})
      QVERIFY2(!entries.contains(english), qPrintable(entries.join(", ")));
  }
};

VELMORA_UI_TEST_MAIN(TestItalianQtTexts)
#include "tst_italian_qt_texts.moc"
