#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QKeyEvent;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace velmora {

// The events of a classic form toolkit, built once over Qt's events so that
// every handler sees the same rules:
// - Change runs synchronously on any text change, programmatic ones included.
// - KeyPress gets the typed character and drops it when the handler sets it to 0.
// - KeyUp gets a virtual-key code (Backspace 8, End 35 ... Delete 46).
// - GotFocus/LostFocus ignore window activation and popups, and a field is
//   only "left" after it was "entered", so a message box that takes the focus
//   away and gives it back starts no second round of a handler.
// - Click on a text box is a left-button release inside it; DblClick replaces
//   the field's own double-click behaviour.
// - An option button's Click runs when it becomes selected, and again when it
//   is clicked (or Space is pressed on it) while already selected: the action
//   is asked for again.
// - The keypad's keys tell the KeyPress handler where they come from, and a
//   character the handler replaces is typed in its stead.
// - Until a key is typed into a text box it has entered, a mouse press leaves
//   the selection its GotFocus made, so that the first key typed replaces it,
//   whether the box was entered by Tab, by code or by that very press.
// - MouseMove on a container runs only over its bare surface.
// - Paste runs instead of a text box's own paste, from its context menu; the
//   paste keys (Ctrl+V, Shift+Insert), the middle button's paste of the
//   selection and drops are refused.
class EventModel : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void()>;
  using KeyPressHandler = std::function<void(int& keyAscii)>;
  using KeyUpHandler = std::function<void(int keyCode)>;

  explicit EventModel(QObject* parent = nullptr);

  void OnChange(QLineEdit* field, Handler handler);
  void OnKeyPress(QWidget* control, KeyPressHandler handler);
  void OnKeyUp(QWidget* control, KeyUpHandler handler);
  void OnGotFocus(QWidget* control, Handler handler);
  void OnLostFocus(QWidget* control, Handler handler);
  void OnClick(QWidget* control, Handler handler);
  void OnDblClick(QWidget* control, Handler handler);
  void OnOptionClick(QRadioButton* option, Handler handler);
  void OnMouseMove(QWidget* control, Handler handler);
  void OnMenuClick(QAction* action, Handler handler);
  void OnPaste(QLineEdit* field, Handler handler);

  // Moves the focus to the control and runs LostFocus and GotFocus at once.
  // Qt does this itself while the window is active; while it is not (just
  // shown, or a message box has just closed and the window manager has not
  // given the activation back yet) Qt only records the focus, so the form
  // events are raised here.
  void SetFocus(QWidget* control);

  // The next activation of the window that gives the control its focus back
  // counts as entering it: the user has come back from another program.
  void EnterOnActivation(QWidget* control) { enterOnActivation_ = control; }

  // Translates a Qt key to the virtual-key code of the form toolkit.
  static int VirtualKey(int qtKey);

  // While a KeyPress handler runs: the key is one of the numeric keypad's.
  bool FromKeypad() const { return keypad_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Bindings {
    Handler change, gotFocus, lostFocus, click, dblClick, mouseMove, optionClick, paste;
    KeyPressHandler keyPress;
    KeyUpHandler keyUp;
    bool afterDblClick = false;
  };
  Bindings& Bind(QWidget* control);
  void TextChanged();
  void OptionToggled(bool checked);
  void OptionPressed();
  void OptionClicked();
  bool KeyPress(QWidget* control, const Bindings& b, QKeyEvent* e);

  QHash<QObject*, Bindings> bindings_;
  QHash<QAction*, Handler> menus_;
  QPointer<QWidget> entered_;
  QPointer<QWidget> enterOnActivation_;
  // The option button pressed while it was already selected.
  QPointer<QObject> pressedWhileSelected_;
  // The text box entered and not typed into since: a press keeps its selection.
  QPointer<QWidget> untouched_;
  // The text box whose press was kept from it, until the button is released.
  QPointer<QWidget> pressKept_;
  bool keypad_ = false;
  bool retyping_ = false;
};

}  // namespace velmora
