#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "gui/event_model.h"
#include "offscreen_test.h"
#include "window_fixture.h"

using velmora::EventModel;

// A small form with three fields and an option group, every event logged.
class Form : public QWidget {
 public:
  Form() {
    auto* layout = new QVBoxLayout(this);
    for (auto* f : {&a, &b, &c}) {
      *f = new QLineEdit(this);
      layout->addWidget(*f);
    }
    a->setObjectName("a");
    b->setObjectName("b");
    c->setObjectName("c");
    for (auto* o : {&one, &parked}) {
      *o = new QRadioButton("option", this);
      layout->addWidget(*o);
    }
    parked->setVisible(false);
    parked->setChecked(true);
    for (QLineEdit* f : {a, b, c}) {
      const QString n = f->objectName();
      events.OnChange(f, [this, n] { log << n + ".Change"; });
      events.OnGotFocus(f, [this, n] { log << n + ".Got"; });
      events.OnLostFocus(f, [this, n] { log << n + ".Lost"; });
      events.OnClick(f, [this, n] { log << n + ".Click"; });
      events.OnKeyUp(f, [this, n](int code) { log << n + ".KeyUp " + QString::number(code); });
    }
    events.OnKeyPress(a, [this](int& ascii) {
      log << "a.KeyPress " + QString::number(ascii);
      if (ascii < '0' || ascii > '9') ascii = 0;
    });
    events.OnDblClick(b, [this] {
      log << "b.DblClick";
      b->selectAll();
    });
    events.OnOptionClick(one, [this] { log << "one.Click"; });
    events.OnOptionClick(parked, [this] { log << "parked.Click"; });
  }
  QLineEdit *a, *b, *c;
  QRadioButton *one, *parked;
  EventModel events;
  QStringList log;
};

class TestEventModel : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<Form> form;
  void ClickOption() {
    QTest::mouseClick(form->one, Qt::LeftButton, {}, QPoint(5, form->one->height() / 2));
  }

 private slots:
  void init() {
    form = std::make_unique<Form>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->c->setFocus(Qt::OtherFocusReason);
    form->a->setFocus(Qt::OtherFocusReason);
    form->log.clear();
  }
  void cleanup() { form.reset(); }

  void programmaticTextChangeRunsChangeAtOnce() {
    form->b->setText("x");
    form->log << "after";
    QCOMPARE(form->log, QStringList({"b.Change", "after"}));
  }

  void focusMovedInsideAHandlerRunsLostThenGotBeforeTheHandlerGoesOn() {
    form->events.OnGotFocus(form->b, [this] {
      form->log << "b.Got";
      form->c->setFocus(Qt::OtherFocusReason);
      form->log << "b.Got end";
    });
    form->b->setFocus(Qt::TabFocusReason);
    QCOMPARE(form->log, QStringList({"a.Lost", "b.Got", "b.Lost", "c.Got", "b.Got end"}));
  }

  void messageBoxInAFocusHandlerStartsNoSecondRound() {
    velmora::test::ModalGuard guard;
    guard.Expect([](QWidget* box) { box->close(); });
    form->events.OnLostFocus(form->a, [this] {
      form->log << "a.Lost";
      QMessageBox::warning(form.get(), "t", "refused");
      form->events.SetFocus(form->a);
    });
    QTest::keyClick(form->a, Qt::Key_Tab);
    QCOMPARE(form->log.filter(".Got") + form->log.filter(".Lost"),
             QStringList({"a.Got", "a.Lost"}));
    QCOMPARE(form->focusWidget(), form->a);
    QVERIFY(guard.Answered());
  }

  void setFocusOnAnInactiveWindowStillRunsLostThenGot() {
    auto other = std::make_unique<QWidget>();
    other->show();
    QVERIFY(QTest::qWaitForWindowActive(other.get()));
    form->events.SetFocus(form->b);
    QCOMPARE(form->log, QStringList({"a.Lost", "b.Got"}));
    other.reset();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(form->log, QStringList({"a.Lost", "b.Got"}));
    QCOMPARE(QApplication::focusWidget(), form->b);
  }

  void comingBackToTheWindowCanCountAsEnteringTheField() {
    form->events.EnterOnActivation(form->a);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(form->a, &in);
    QApplication::sendEvent(form->a, &in);
    QCOMPARE(form->log, QStringList({"a.Got"}));
  }

  void activationAndPopupsDoNotCountAsFocusChanges_data() {
    QTest::addColumn<int>("reason");
    QTest::newRow("window activation") << int(Qt::ActiveWindowFocusReason);
    QTest::newRow("popup") << int(Qt::PopupFocusReason);
  }
  void activationAndPopupsDoNotCountAsFocusChanges() {
    QFETCH(int, reason);
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(form->a, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
    QApplication::sendEvent(form->a, &in);
    QVERIFY(form->log.isEmpty());
  }

  void aFieldNeverEnteredIsNotLeft() {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(form->c, &out);
    QVERIFY(form->log.isEmpty());
  }

  void selectingTheParkingOptionByCodeRunsNoVisibleClick() {
    ClickOption();
    QCOMPARE(form->log.filter("Click"), QStringList({"one.Click"}));
    QVERIFY(!form->parked->isChecked());
    form->log.clear();
    form->parked->setChecked(true);
    QVERIFY(!form->one->isChecked());
    QCOMPARE(form->log, QStringList({"parked.Click"}));
  }

  // The action is asked for again: its inputs may have changed meanwhile.
  void aSelectedOptionClickedAgainRunsItsClickAgain() {
    ClickOption();
    ClickOption();
    QCOMPARE(form->log.filter("Click"), QStringList({"one.Click", "one.Click"}));
    QVERIFY(form->one->isChecked());
  }

  void spaceOnTheSelectedOptionRunsItsClickAgain() {
    ClickOption();
    QTest::keyClick(form->one, Qt::Key_Space);
    QCOMPARE(form->log.filter("Click"), QStringList({"one.Click", "one.Click"}));
  }

  // A press released off the button is no click, selected or not.
  void aPressReleasedOffTheSelectedOptionRunsNothing() {
    ClickOption();
    const QPoint inside(5, form->one->height() / 2);
    QTest::mousePress(form->one, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(form->one, Qt::LeftButton, {}, inside + QPoint(0, 200));
    QCOMPARE(form->log.filter("Click"), QStringList({"one.Click"}));
  }

  // A handler that parks the group at once leaves the button unselected, and
  // the next click selects it and runs once.
  void aClickThatParksTheGroupRunsOncePerClick() {
    form->events.OnOptionClick(form->one, [this] {
      form->log << "one.Click";
      form->parked->setChecked(true);
    });
    ClickOption();
    ClickOption();
    QCOMPARE(form->log.filter("one.Click"), QStringList({"one.Click", "one.Click"}));
  }

  void keyPressDropsWhatTheHandlerDiscards() {
    QTest::keyClicks(form->a, "1x2");
    QCOMPARE(form->a->text(), QString("12"));
    QVERIFY(form->log.contains("a.KeyPress 120"));
  }

  void pasteShortcutArrivesAsAControlCharacterAndIsDropped() {
    QApplication::clipboard()->setText("345");
    QTest::keyClick(form->a, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form->a->text(), QString());
    QVERIFY(form->log.contains("a.KeyPress 22"));
  }

  void keypadKeysTellTheHandlerWhereTheyComeFrom_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("fromKeypad");
    QTest::newRow("main keyboard") << int(Qt::NoModifier) << false;
    QTest::newRow("keypad") << int(Qt::KeypadModifier) << true;
  }
  void keypadKeysTellTheHandlerWhereTheyComeFrom() {
    QFETCH(int, modifiers);
    QFETCH(bool, fromKeypad);
    bool seen = !fromKeypad;
    form->events.OnKeyPress(form->c, [&](int&) { seen = form->events.FromKeypad(); });
    QTest::keyClick(form->c, Qt::Key_5, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(seen, fromKeypad);
    QVERIFY(!form->events.FromKeypad());  // only while the handler runs
  }

  void aCharacterTheHandlerReplacesIsTypedInsteadOnce() {
    int calls = 0;
    form->events.OnKeyPress(form->c, [&](int& ascii) {
      ++calls;
      if (ascii == '.') ascii = ',';
    });
    form->c->setText("12");
    form->c->selectAll();
    QTest::keyClick(form->c, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(form->c, "5");
    QCOMPARE(form->c->text(), QString(",5"));
    QCOMPARE(calls, 2);
  }

  void keysThatTypeNoCharacterRaiseNoKeyPress() {
    form->a->setText("12");
    form->log.clear();
    QTest::keyClick(form->a, Qt::Key_Left);
    QTest::keyClick(form->a, Qt::Key_Delete);
    QCOMPARE(form->log.filter("KeyPress"), QStringList());
    QCOMPARE(form->a->text(), QString("1"));
  }

  void keyUpGivesVirtualKeyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 8;
    QTest::newRow("end") << int(Qt::Key_End) << 35;
    QTest::newRow("home") << int(Qt::Key_Home) << 36;
    QTest::newRow("left") << int(Qt::Key_Left) << 37;
    QTest::newRow("up") << int(Qt::Key_Up) << 38;
    QTest::newRow("right") << int(Qt::Key_Right) << 39;
    QTest::newRow("down") << int(Qt::Key_Down) << 40;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 46;
    QTest::newRow("digit 7") << int(Qt::Key_7) << 55;
  }
  void keyUpGivesVirtualKeyCodes() {
    QFETCH(int, key);
    QFETCH(int, code);
    QTest::keyClick(form->b, Qt::Key(key));
    QCOMPARE(form->log.filter("KeyUp"), QStringList({"b.KeyUp " + QString::number(code)}));
  }

  void clickIsALeftReleaseInsideTheField() {
    QTest::mouseClick(form->c, Qt::LeftButton);
    QTest::mouseClick(form->c, Qt::RightButton);
    QCOMPARE(form->log.filter("Click"), QStringList({"c.Click"}));
  }

  // GotFocus selects the field's text; the press that entered the field, a
  // drag after it and its release leave that selection as it is.
  void aMousePressThatEntersAFieldKeepsTheSelectionOfGotFocus_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("dragTo");
    QTest::newRow("left edge") << 2 << 0;
    QTest::newRow("middle") << 40 << 0;
    QTest::newRow("right edge") << -3 << 0;
    QTest::newRow("dragged") << 2 << 30;
  }
  void aMousePressThatEntersAFieldKeepsTheSelectionOfGotFocus() {
    QFETCH(int, x);
    QFETCH(int, dragTo);
    QLineEdit* b = form->b;
    form->events.OnGotFocus(b, [b] {
      b->setText("€ 0,00");
      b->selectAll();
    });
    const QPoint at(x < 0 ? b->width() + x : x, b->height() / 2);
    QTest::mousePress(b, Qt::LeftButton, {}, at);
    if (dragTo) QTest::mouseMove(b, at + QPoint(dragTo, 0));
    QTest::mouseRelease(b, Qt::LeftButton, {}, at + QPoint(dragTo, 0));
    QCOMPARE(QApplication::focusWidget(), b);
    QCOMPARE(b->selectedText(), QString("€ 0,00"));
    QVERIFY(form->log.contains("b.Click"));
    QTest::keyClicks(b, "2");
    QCOMPARE(b->text(), QString("2"));
  }

  // Entered earlier (by code, at start) and not typed into: a press keeps the
  // selection, as one that enters the field does.
  void aPressBeforeAnyKeyKeepsTheSelection() {
    QVERIFY(form->a->hasFocus());
    form->a->setText("€ 0,00");
    form->a->selectAll();
    QTest::mouseClick(form->a, Qt::LeftButton, {}, QPoint(2, form->a->height() / 2));
    QCOMPARE(form->a->selectedText(), QString("€ 0,00"));
  }

  // Once a key has been typed, a press places the caret as usual.
  void aPressAfterTypingPlacesTheCaret() {
    QTest::keyClick(form->a, Qt::Key_1);
    form->a->setText("12345");
    form->a->selectAll();
    QTest::mouseClick(form->a, Qt::LeftButton, {}, QPoint(2, form->a->height() / 2));
    QVERIFY(!form->a->hasSelectedText());
    QCOMPARE(form->a->cursorPosition(), 0);
  }

  void doubleClickReplacesTheFieldsOwnSelection() {
    form->b->setText("12 34");
    form->log.clear();
    QTest::mouseDClick(form->b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(form->log.contains("b.DblClick"));
    QCOMPARE(form->b->selectedText(), QString("12 34"));
  }
};

VELMORA_UI_TEST_MAIN(TestEventModel)
#include "tst_event_model.moc"
