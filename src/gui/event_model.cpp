#include "gui/event_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>

namespace velmora {
namespace {
bool CountsAsFocusChange(const QFocusEvent* e) {
  return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

// The character a key press types, in the toolkit's sense: printable
// characters and the control characters of Backspace, Enter, Escape and the
// Ctrl+letter shortcuts.
int KeyAscii(const QKeyEvent* e) {
  // Tab moves the focus, and Delete and the navigation keys type nothing.
  if (e->key() == Qt::Key_Delete || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
    return -1;
  // Ctrl+letter types its control character (Ctrl+V is 22) on every platform.
  if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
    return e->key() - Qt::Key_A + 1;
  const QString text = e->text();
  if (text.size() != 1) return -1;
  const int code = text.at(0).unicode();
  return code == 0x7F ? -1 : code;
}

// The field's own context menu, its Paste running the handler instead.
void ContextMenuPastingBy(QLineEdit* field, const QPoint& where, const EventModel::Handler& paste) {
  QMenu* menu = field->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // Paste is the command connected to the field's paste, in either form of
  // connection: Qt's own has changed between versions.
  for (QAction* action : menu->actions()) {
    if (QObject::disconnect(action, &QAction::triggered, field, &QLineEdit::paste) ||
        QObject::disconnect(action, SIGNAL(triggered()), field, SLOT(paste())))
      QObject::connect(action, &QAction::triggered, field, paste);
  }
  menu->popup(where);
}
}  // namespace

EventModel::EventModel(QObject* parent) : QObject(parent) {}

EventModel::Bindings& EventModel::Bind(QWidget* control) {
  if (!bindings_.contains(control)) control->installEventFilter(this);
  return bindings_[control];
}

void EventModel::OnChange(QLineEdit* field, Handler handler) {
  Bind(field).change = std::move(handler);
  connect(field, &QLineEdit::textChanged, this, &EventModel::TextChanged, Qt::UniqueConnection);
}

void EventModel::OnKeyPress(QWidget* control, KeyPressHandler handler) {
  Bind(control).keyPress = std::move(handler);
}

void EventModel::OnKeyUp(QWidget* control, KeyUpHandler handler) {
  Bind(control).keyUp = std::move(handler);
}

void EventModel::OnGotFocus(QWidget* control, Handler handler) {
  Bind(control).gotFocus = std::move(handler);
}

void EventModel::OnLostFocus(QWidget* control, Handler handler) {
  Bind(control).lostFocus = std::move(handler);
}

void EventModel::OnClick(QWidget* control, Handler handler) {
  Bind(control).click = std::move(handler);
}

void EventModel::OnDblClick(QWidget* control, Handler handler) {
  Bind(control).dblClick = std::move(handler);
}

void EventModel::OnOptionClick(QRadioButton* option, Handler handler) {
  Bind(option).optionClick = std::move(handler);
  connect(option, &QAbstractButton::toggled, this, &EventModel::OptionToggled,
          Qt::UniqueConnection);
  connect(option, &QAbstractButton::pressed, this, &EventModel::OptionPressed,
          Qt::UniqueConnection);
  connect(option, &QAbstractButton::clicked, this, &EventModel::OptionClicked,
          Qt::UniqueConnection);
}

void EventModel::OnMouseMove(QWidget* control, Handler handler) {
  Bind(control).mouseMove = std::move(handler);
  control->setMouseTracking(true);
}

void EventModel::OnMenuClick(QAction* action, Handler handler) {
  menus_[action] = std::move(handler);
  connect(action, &QAction::triggered, this, [this, action] {
    if (const Handler h = menus_.value(action)) h();
  });
}

void EventModel::OnPaste(QLineEdit* field, Handler handler) {
  Bind(field).paste = std::move(handler);
  field->setAcceptDrops(false);
}

void EventModel::TextChanged() {
  // Copy the handler: it may rebind or delete nothing, but the hash may grow.
  if (const Handler h = bindings_.value(sender()).change) h();
}

void EventModel::OptionToggled(bool checked) {
  if (!checked) return;
  if (const Handler h = bindings_.value(sender()).optionClick) h();
}

// Every click, by the mouse, by Space or by code, starts with a press.
void EventModel::OptionPressed() {
  const auto* option = static_cast<QAbstractButton*>(sender());
  pressedWhileSelected_ = option->isChecked() ? sender() : nullptr;
}

// A click on the selected button selects nothing new, so Qt toggles nothing:
// the action is run here.
void EventModel::OptionClicked() {
  if (pressedWhileSelected_ != sender()) return;
  pressedWhileSelected_ = nullptr;
  if (const Handler h = bindings_.value(sender()).optionClick) h();
}

void EventModel::SetFocus(QWidget* control) {
  const bool active = control->window()->isActiveWindow();
  control->setFocus(Qt::OtherFocusReason);
  if (active || entered_ == control) return;
  if (QWidget* left = entered_) {
    entered_ = nullptr;
    if (const Handler h = bindings_.value(left).lostFocus) h();
  }
  entered_ = control;
  if (const Handler h = bindings_.value(control).gotFocus) h();
  // Still the window's focus unless the handler moved it on.
  if (control->window()->focusWidget() == control) untouched_ = control;
}

int EventModel::VirtualKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Comma:
      return 188;
    case Qt::Key_Minus:
      return 189;
    case Qt::Key_Period:
      return 190;
    default:
      break;
  }
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
    return qtKey;  // same codes in both
  return 0;
}

// Returns true when the event is eaten.
bool EventModel::KeyPress(QWidget* control, const Bindings& b, QKeyEvent* e) {
  if (retyping_) return false;
  const int typed = KeyAscii(e);
  if (typed < 0 || !b.keyPress) return false;
  int ascii = typed;
  keypad_ = e->modifiers() & Qt::KeypadModifier;
  b.keyPress(ascii);
  keypad_ = false;
  if (ascii == 0) return true;  // the handler dropped the character
  if (ascii == typed) return false;
  // The handler chose another character: that one is typed.
  const QChar typedInstead{char16_t(ascii)};
  // Qt's key codes of printable characters are their upper-case codes.
  QKeyEvent replaced(QEvent::KeyPress, int(typedInstead.toUpper().unicode()),
                     e->modifiers() & ~Qt::KeypadModifier, QString(typedInstead));
  retyping_ = true;
  QCoreApplication::sendEvent(control, &replaced);
  retyping_ = false;
  return true;
}

bool EventModel::eventFilter(QObject* watched, QEvent* event) {
  auto found = bindings_.find(watched);
  if (found == bindings_.end()) return QObject::eventFilter(watched, event);
  auto* control = static_cast<QWidget*>(watched);
  // Handlers run on copies: a handler may move the focus, which re-enters here.
  const Bindings b = found.value();

  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* e = static_cast<QKeyEvent*>(event);
      if (untouched_ == control) untouched_ = nullptr;
      // The paste keys are dropped: Ctrl+V reaches KeyPress as a control
      // character, which drops it; Shift+Insert, which types none, is dropped
      // here. A paste comes from the context menu.
      if (b.paste && e->matches(QKeySequence::Paste) && e->text().isEmpty()) return true;
      if (KeyPress(control, b, e)) return true;
      break;
    }
    case QEvent::ContextMenu: {
      auto* field = qobject_cast<QLineEdit*>(control);
      if (!b.paste || !field) break;
      ContextMenuPastingBy(field, static_cast<QContextMenuEvent*>(event)->globalPos(), b.paste);
      return true;
    }
    case QEvent::KeyRelease: {
      auto* e = static_cast<QKeyEvent*>(event);
      if (e->isAutoRepeat() || !b.keyUp) break;
      b.keyUp(VirtualKey(e->key()));
      break;
    }
    case QEvent::FocusIn: {
      const bool returning = enterOnActivation_ == control;
      if (returning) enterOnActivation_ = nullptr;
      if (!returning && !CountsAsFocusChange(static_cast<QFocusEvent*>(event))) break;
      // Qt may deliver an outer FocusIn after a nested focus change has
      // already entered the control.
      if (!returning && entered_ == control) break;
      entered_ = control;
      if (b.gotFocus) b.gotFocus();
      // A handler that moved the focus on: the field's own focus-in (which
      // would select its text) must not run after it has been left.
      if (!control->hasFocus()) return true;
      untouched_ = control;
      break;
    }
    case QEvent::MouseButtonPress: {
      // The middle button pastes the selection at its release; it is refused.
      if (b.paste && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) return true;
      // Until something is typed, a press would only put the caret where it
      // landed and lose the selection the entry made.
      const auto* field = qobject_cast<QLineEdit*>(control);
      const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
      if (untouched_ != control || !left || !field || !field->hasSelectedText()) break;
      pressKept_ = control;
      return true;
    }
    case QEvent::FocusOut: {
      if (!CountsAsFocusChange(static_cast<QFocusEvent*>(event))) break;
      if (entered_ != control) break;  // never entered: nothing to leave
      entered_ = nullptr;
      if (untouched_ == control) untouched_ = nullptr;
      if (b.lostFocus) b.lostFocus();
      // A handler that sent the focus back: the field's own focus-out (which
      // would drop the selection and the caret) must not run.
      if (control->hasFocus()) return true;
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (b.paste && e->button() == Qt::MiddleButton) return true;
      if (e->button() != Qt::LeftButton) break;
      if (b.afterDblClick) {
        bindings_[watched].afterDblClick = false;
        break;
      }
      if (b.click && control->rect().contains(e->position().toPoint())) b.click();
      if (pressKept_ == control) {
        pressKept_ = nullptr;
        return true;  // its press never reached the field
      }
      break;
    }
    case QEvent::MouseButtonDblClick: {
      if (!b.dblClick) break;
      bindings_[watched].afterDblClick = true;
      b.dblClick();
      return true;  // the field's own double click would change the selection
    }
    case QEvent::MouseMove: {
      // A drag after a kept press would select from where the caret was.
      if (pressKept_ == control) return true;
      if (!b.mouseMove) break;
      auto* e = static_cast<QMouseEvent*>(event);
      const bool isOption = qobject_cast<QAbstractButton*>(control) != nullptr;
      if (!isOption && control->childAt(e->position().toPoint()) != nullptr) break;
      b.mouseMove();
      // An unpressed button passes the move on to its container; stop it here.
      if (isOption && e->buttons() == Qt::NoButton) return true;
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velmora
