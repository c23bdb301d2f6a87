#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>

#include "window_fixture.h"

using namespace velmora;
using namespace velmora::test;
using velmora::test::Colour;

namespace {
// The notice as the log writes it.
const QString kImportedLog = "MessageBox " + test::kImported;
}  // namespace

// The value field as the user meets it: typing, regrouping, the caret, the
// clipboard import and the refusal to be left without a number.
class TestValueField : public QObject {
  Q_OBJECT
  test::MainWindowFixture f;

  // One key as the user presses it: a character, or <BS>, <Del>, <Left>,
  // <Right>, <Home>, <End>, <Space>, <C-V>, or <KP.> the keypad's decimal key.
  static void Press(QWidget* w, const QString& key) {
    static const QHash<QString, Qt::Key> named = {
        {"<BS>", Qt::Key_Backspace}, {"<Del>", Qt::Key_Delete}, {"<Left>", Qt::Key_Left},
        {"<Right>", Qt::Key_Right},  {"<Home>", Qt::Key_Home},  {"<End>", Qt::Key_End},
        {"<Space>", Qt::Key_Space}};
    if (key == "<C-V>") {
      QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    } else if (key == "<KP.>") {
      QTest::keyClick(w, Qt::Key_Period, Qt::KeypadModifier);
    } else if (named.contains(key)) {
      QTest::keyClick(w, named.value(key));
    } else {
      QTest::keyClick(w, key.at(0).toLatin1());
    }
  }

  // "text|caret" of the value field.
  QString State() const {
    const QLineEdit* pp = f.window->PP;
    return pp->text() + "|" + QString::number(pp->cursorPosition());
  }

  static QStringList Keys(const QString& digits) { return digits.split("", Qt::SkipEmptyParts); }

  // The field's context menu, as the right button opens it, and its Paste.
  void PasteFromTheContextMenu() {
    QLineEdit* pp = f.w().PP;
    const QPoint at(pp->width() / 2, pp->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, pp->mapToGlobal(at));
    QCoreApplication::sendEvent(pp, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
      if (action->text().startsWith("&Incolla")) paste = action;
    QVERIFY2(paste, "no Paste in the menu");
    QVERIFY(paste->isEnabled());
    menu->close();
    paste->trigger();
  }

  // A key as the keyboard delivers it: pressed in the field that has the
  // focus and released in the one that has it then.
  static void Stroke(Qt::Key key) {
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
  }

 private slots:
  void init() {
    f.services.onMessageBox = nullptr;
    f.services.Clear();
    f.Start();
    QApplication::clipboard()->setText(QStringLiteral("999"));
  }
  void cleanup() {
    f.services.onMessageBox = nullptr;
    QVERIFY2(!f.guard.tripped(), qPrintable(f.guard.seen()));
    f.Stop();
  }

  void typingShowsTextAndCaretAfterEveryKey_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("states");  // "text|caret" after each key
    QTest::newRow("digits are grouped in thousands")
        << Keys("1234567")
        << QStringList{"1|1", "12|2", "123|3", "1.234|5", "12.345|6", "123.456|7", "1.234.567|9"};
    QTest::newRow("a third decimal is dropped, not rounded")
        << Keys("1234,567") << QStringList{"1|1",      "12|2",      "123|3",      "1.234|5",
                                           "1.234,|6", "1.234,5|7", "1.234,56|8", "1.234,56|8"};
    QTest::newRow("a zero after the comma, then the third decimal dropped")
        << (Keys("1234,0567") << "<Left>"
                              << "<BS>")
        << QStringList{"1|1",        "12|2",       "123|3",      "1.234|5",
                       "1.234,|6",   "1.234,0|7",  "1.234,05|8", "1.234,05|8",
                       "1.234,05|8", "1.234,05|7", "1.234,5|6"};
    QTest::newRow("a decimal typed before two others is dropped")
        << (Keys("12,34") << "<Left>"
                          << "<Left>"
                          << "9")
        << QStringList{"1|1",     "12|2",    "12,|3",   "12,3|4",
                       "12,34|5", "12,34|4", "12,34|3", "12,34|3"};
    QTest::newRow("an integer digit typed before two decimals is kept")
        << (Keys("12,34") << "<Home>"
                          << "9")
        << QStringList{"1|1", "12|2", "12,|3", "12,3|4", "12,34|5", "12,34|0", "912,34|1"};
    QTest::newRow("a comma before three digits is dropped")
        << (Keys("1234567") << "<Left>"
                            << "<Left>"
                            << "<Left>"
                            << ",")
        << QStringList{"1|1",         "12|2",        "123|3",       "1.234|5",
                       "12.345|6",    "123.456|7",   "1.234.567|9", "1.234.567|8",
                       "1.234.567|7", "1.234.567|6", "1.234.567|6"};
    QTest::newRow("four zeros empty the field")
        << Keys("00005") << QStringList{"0|1", "00|2", "000|3", "|0", "5|1"};
    QTest::newRow("point, letters and blank are dropped")
        << (Keys("1234") << "."
                         << "a"
                         << "Z"
                         << "<Space>"
                         << "-"
                         << "5")
        << QStringList{"1|1",     "12|2",    "123|3",   "1.234|5", "1.234|5",
                       "1.234|5", "1.234|5", "1.234|5", "1.234|5", "12.345|6"};
    QTest::newRow("the keypad's decimal key types the comma")
        << (Keys("1234") << "<KP.>"
                         << "5"
                         << "6")
        << QStringList{"1|1", "12|2", "123|3", "1.234|5", "1.234,|6", "1.234,5|7", "1.234,56|8"};
    QTest::newRow("a lone comma as first character is removed")
        << Keys(",5,") << QStringList{"|0", "5|1", "5,|2"};
    QTest::newRow("backspace at the end")
        << (Keys("1234") << "<BS>"
                         << "<BS>")
        << QStringList{"1|1", "12|2", "123|3", "1.234|5", "123|3", "12|2"};
    QTest::newRow("backspace inside a grouped number")
        << (Keys("1234567") << "<Left>"
                            << "<Left>"
                            << "<Left>"
                            << "<Left>"
                            << "<BS>")
        << QStringList{"1|1",         "12|2",        "123|3",       "1.234|5",
                       "12.345|6",    "123.456|7",   "1.234.567|9", "1.234.567|8",
                       "1.234.567|7", "1.234.567|6", "1.234.567|5", "123.567|3"};
    QTest::newRow("backspace and a digit in the middle keep the digits in order")
        << (Keys("1234567") << "<Home>"
                            << "<Right>"
                            << "<Right>"
                            << "<Right>"
                            << "<BS>"
                            << "9")
        << QStringList{"1|1",         "12|2",        "123|3",       "1.234|5",     "12.345|6",
                       "123.456|7",   "1.234.567|9", "1.234.567|0", "1.234.567|1", "1.234.567|2",
                       "1.234.567|3", "134.567|1",   "1.934.567|3"};
    QTest::newRow("delete inside a grouped number")
        << (Keys("1234567") << "<Home>"
                            << "<Right>"
                            << "<Right>"
                            << "<Del>")
        << QStringList{"1|1",         "12|2",        "123|3",       "1.234|5",
                       "12.345|6",    "123.456|7",   "1.234.567|9", "1.234.567|0",
                       "1.234.567|1", "1.234.567|2", "134.567|1"};
    QTest::newRow("delete and backspace at the start")
        << (Keys("1234") << "<Home>"
                         << "<BS>"
                         << "<Del>")
        << QStringList{"1|1", "12|2", "123|3", "1.234|5", "1.234|0", "1.234|0", "234|0"};
    QTest::newRow("a digit typed inside stays before the caret")
        << (Keys("1234567") << "<Left>"
                            << "<Left>"
                            << "<Left>"
                            << "<Left>"
                            << "8")
        << QStringList{"1|1",         "12|2",        "123|3",       "1.234|5",
                       "12.345|6",    "123.456|7",   "1.234.567|9", "1.234.567|8",
                       "1.234.567|7", "1.234.567|6", "1.234.567|5", "12.348.567|6"};
    QTest::newRow("a digit typed before the first removes no full stop before the caret")
        << (Keys("1234") << "<Home>"
                         << "9")
        << QStringList{"1|1", "12|2", "123|3", "1.234|5", "1.234|0", "91.234|1"};
  }
  void typingShowsTextAndCaretAfterEveryKey() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, states);
    auto& w = f.w();
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QStringList seen;
    for (const QString& key : keys) {
      Press(w.PP, key);
      seen << State();
    }
    QCOMPARE(seen, states);
    QVERIFY(f.services.messages.isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.PP);
  }

  // A paste, whichever way, reads the clipboard as entering the field does:
  // the figure becomes the value, or it is refused and the field keeps what
  // it had. The typed digits go too: they were the value being replaced.
  void pasteIsReadAsEnteringTheFieldReadsIt_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("how");  // "menu", "<C-V>" or "<S-Ins>"
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("messages");
    const QString notAnAmount = kRefusal +
                                "Negli appunti c'è \"%1\", che non è un importo nella "
                                "forma attesa: 1.234.567,89 (il punto solo tra gruppi "
                                "di tre cifre, la virgola prima dei decimali). Il "
                                "valore non è stato inserito.";
    const QString noValue = kRefusal +
                            "Negli appunti c'è \"%1\", che non è un valore della piena "
                            "proprietà: l'importo deve essere maggiore di zero. Il "
                            "valore non è stato inserito.";
    const QString largest = kRefusal +
                            "L'importo massimo per il calcolo è di € "
                            "9.999.999.999.999,99: il valore non è stato preso.";
    QTest::newRow("digits from the menu") << "1234567"
                                          << "menu"
                                          << "€ 1.234.567,00" << QStringList();
    QTest::newRow("Ctrl+V is a key the field drops") << "1.234.567,89"
                                                     << "<C-V>"
                                                     << "€ 12,00" << QStringList();
    QTest::newRow("so is Shift+Insert") << "€ 1.234,5"
                                        << "<S-Ins>"
                                        << "€ 12,00" << QStringList();
    QTest::newRow("the Italian form from the menu") << "1.234.567,89"
                                                    << "menu"
                                                    << "€ 1.234.567,89" << QStringList();
    QTest::newRow("a third decimal as the import rounds it") << "0,125"
                                                             << "menu"
                                                             << "€ 0,13" << QStringList();
    QTest::newRow("a decimal point from the menu")
        << "250000.00"
        << "menu"
        << "€ 12,00" << QStringList{notAnAmount.arg("250000.00")};
    QTest::newRow("a word") << "dodici"
                            << "menu"
                            << "€ 12,00" << QStringList{notAnAmount.arg("dodici")};
    QTest::newRow("a megabyte of digits")
        << QString(1 << 20, u'7') << "menu"
        << "€ 12,00" << QStringList{notAnAmount.arg(QString(30, u'7') + "…")};
    QTest::newRow("above the largest") << "10.000.000.000.000"
                                       << "menu"
                                       << "€ 12,00" << QStringList{largest};
    QTest::newRow("zero") << "0,00"
                          << "menu"
                          << "€ 12,00" << QStringList{noValue.arg("0,00")};
    QTest::newRow("nothing") << ""
                             << "<C-V>"
                             << "€ 12,00" << QStringList();
  }
  void pasteIsReadAsEnteringTheFieldReadsIt() {
    QFETCH(QString, clipboard);
    QFETCH(QString, how);
    QFETCH(QString, value);
    QFETCH(QStringList, messages);
    auto& w = f.w();
    QTest::keyClicks(w.PP, "12");
    f.services.CopyElsewhere(clipboard);
    QApplication::clipboard()->setText(clipboard);  // the menu offers Paste by it
    if (how == "menu") {
      PasteFromTheContextMenu();
    } else if (how == "<S-Ins>") {
      QTest::keyClick(w.PP, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
      Press(w.PP, how);
    }
    QCOMPARE(f.services.messages, messages);
    QCOMPARE(QApplication::focusWidget(), w.PP);
    // The value, as the birth date settles it.
    Stroke(Qt::Key_Tab);
    QCOMPARE(w.PP->text(), value);
    // Pasted, or refused, the clipboard is not taken again on entering.
    Stroke(Qt::Key_Backtab);
    QCOMPARE(f.services.messages, messages);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
  }

  // A drop would bring text in unread (the middle button's paste, which the
  // offscreen platform lacks, is tried on a real display by the e2e script).
  void aDropIsRefused() { QVERIFY(!f.w().PP->acceptDrops()); }

  void arrowKeysMoveTheCaretOverAGroupedNumber() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "1234567");
    QStringList seen;
    for (const QString& key : QStringList{"<Left>", "<Left>", "<Home>", "<Right>", "<End>"}) {
      Press(w.PP, key);
      seen << State();
    }
    QCOMPARE(seen, QStringList({"1.234.567|8", "1.234.567|7", "1.234.567|0", "1.234.567|1",
                                "1.234.567|9"}));
  }

  // More digits than a double holds to the cent: refused with the largest
  // amount rather than shown with its last digits changed.
  void hugeAmountIsRefusedAndTheFieldStaysUsable() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "99999999999999999999999");
    QCOMPARE(w.PP->text(), QString("99.999.999.999.999.999.999.999"));
    Stroke(Qt::Key_Tab);
    QCOMPARE(f.services.messages,
             QStringList{kRefusal + "L'importo massimo per il calcolo è di € "
                                    "9.999.999.999.999,99: il valore non è stato preso."});
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->selectedText(), w.PP->text());
    QTest::keyClicks(w.PP, "1234");
    QCOMPARE(State(), QString("1.234|5"));
  }

  void clipboardNumberBecomesTheValueAndMovesOnToTheBirthDate_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("spreadsheet total") << "123456,789"
                                       << "€ 123.456,79";
    QTest::newRow("cell with its line end") << "1.234,5\r\n"
                                            << "€ 1.234,50";
    QTest::newRow("trailing blanks") << "100000   "
                                     << "€ 100.000,00";
    QTest::newRow("money text") << "€ 2.500,00"
                                << "€ 2.500,00";
    QTest::newRow("decimals only") << ",25"
                                   << "€ 0,25";
    QTest::newRow("half cent away from zero") << "0,125"
                                              << "€ 0,13";
    QTest::newRow("a megabyte of decimals") << "1," + QString(1 << 20, u'4') << "€ 1,44";
    QTest::newRow("longer than the field holds") << QString(40000, u' ') + "42"
                                                 << "€ 42,00";
  }
  void clipboardNumberBecomesTheValueAndMovesOnToTheBirthDate() {
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    auto& w = f.w();
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) {
      atMessage << w.PP->text() << Colour(w.PP) << QApplication::focusWidget()->objectName();
    };
    QTest::keyClicks(w.PP, "5");
    Stroke(Qt::Key_Tab);
    w.R5->setText("80");
    f.services.Clear();
    f.services.CopyElsewhere(clipboard);
    Stroke(Qt::Key_Backtab);

    QCOMPARE(atMessage, QStringList({shown, kCyan, "PP"}));
    QCOMPARE(f.services.log, QStringList({"ClipboardText", kImportedLog}));
    QCOMPARE(w.PP->text(), shown);
    QCOMPARE(Colour(w.PP), kWhite);
    QCOMPARE(QApplication::focusWidget(), w.D1);
    // The field's own focus handling must not undo the handler's selection.
    QCOMPARE(w.PP->selectedText(), QString());
    QCOMPARE(Colour(w.D1), kCyan);
    QCOMPARE(w.R5->text(), QString());
    QCOMPARE(f.services.clipboard, clipboard);  // taken, not emptied
    QVERIFY(w.option5->isChecked());
  }

  void clipboardWithoutANumberLeavesTheZeroSelected_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("a word") << "Velmora";
    QTest::newRow("nothing") << "";
    QTest::newRow("a lone comma") << ",";
    QTest::newRow("digits and letters") << "123abc";
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("a megabyte of digits") << QString(1 << 20, u'9');
    // Numbers, but no value to split.
    QTest::newRow("zero") << "0";
    QTest::newRow("zero as a money text") << "€ 0,00";
    QTest::newRow("a negative amount") << "-250000";
    QTest::newRow("a negative money text") << "€ -1.000,00";
  }
  void clipboardWithoutANumberLeavesTheZeroSelected() {
    QFETCH(QString, clipboard);
    auto& w = f.w();
    QTest::keyClicks(w.PP, "5");
    Stroke(Qt::Key_Tab);
    f.services.Clear();
    f.services.CopyElsewhere(clipboard);
    Stroke(Qt::Key_Backtab);
    QCOMPARE(f.services.log, QStringList({"ClipboardText"}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), kCyan);
    QCOMPARE(f.services.clipboard, clipboard);
    QTest::keyClicks(w.PP, "12");
    QCOMPARE(State(), QString("12|2"));
  }

  // Entered with the mouse, wherever the click lands, the zero amount stays
  // selected and the first digit replaces it.
  void enteredByAClickTheFirstDigitTypedIsKept_data() {
    QTest::addColumn<double>("across");  // where the click lands, 0 left .. 1 right
    QTest::newRow("near the left edge") << 0.02;
    QTest::newRow("in the middle") << 0.5;
    QTest::newRow("on the amount") << 0.9;
  }
  void enteredByAClickTheFirstDigitTypedIsKept() {
    QFETCH(double, across);
    auto& w = f.w();
    Stroke(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QTest::mouseClick(w.PP, Qt::LeftButton, {},
                      QPoint(int(w.PP->width() * across), w.PP->height() / 2));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QTest::keyClicks(w.PP, "250000");
    Stroke(Qt::Key_Tab);
    QCOMPARE(w.PP->text(), QString("€ 250.000,00"));
  }

  void enteringTheValueAgainStartsANewEntry() {
    auto& w = f.w();
    QTest::keyClicks(w.PP, "1234");
    Stroke(Qt::Key_Tab);
    QCOMPARE(w.PP->text(), QString("€ 1.234,00"));
    Stroke(Qt::Key_Backtab);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), kCyan);
  }

  // Going to the birth date with an empty value: the refusal sends the focus
  // back before the birth date is entered, so nothing of its entry happens.
  void leavingTheValueEmptyWarnsAndSendsTheFocusBack() {
    auto& w = f.w();
    QStringList atMessage;
    f.services.onMessageBox = [&](const QString&) { atMessage << w.PP->text(); };
    {
      QSignalBlocker quiet(w.Option1);
      w.Option1->setChecked(true);
    }
    w.R5->setText("80");
    QTest::keyClick(w.PP, Qt::Key_Backspace);
    QCOMPARE(w.PP->text(), QString());
    f.services.Clear();
    Stroke(Qt::Key_Tab);

    QCOMPARE(atMessage, QStringList({""}));
    // The refusal, then the value field entered again, with nothing new on
    // the clipboard.
    QCOMPARE(f.services.log, QStringList({"MessageBox " + kValueFirst}));
    QCOMPARE(QApplication::focusWidget(), w.PP);
    QCOMPARE(w.PP->text(), QString("€ 0,00"));
    // The field's own focus handling must not undo the handler's selection.
    QCOMPARE(w.PP->selectedText(), QString("€ 0,00"));
    QCOMPARE(Colour(w.PP), kCyan);
    QVERIFY(w.option5->isChecked());
    QCOMPARE(Colour(w.D1), QString("#ffffc0"));  // still its design colour
    QCOMPARE(w.R5->text(), QString("80"));
  }

  void aClipboardNumberAnswersTheRefusal() {
    auto& w = f.w();
    QTest::keyClick(w.PP, Qt::Key_Backspace);
    f.services.Clear();
    f.services.CopyElsewhere("250000");
    Stroke(Qt::Key_Tab);
    QCOMPARE(f.services.messages,
             QStringList({kValueFirst, "Velmora by Dovel |  | Valutazione automatica inserita!"}));
    QCOMPARE(QApplication::focusWidget(), w.D1);
    QCOMPARE(w.PP->text(), QString("€ 250.000,00"));
    QCOMPARE(f.services.clipboard, QString("250000"));
  }
};

VELMORA_UI_TEST_MAIN(TestValueField)
#include "tst_value_field.moc"
