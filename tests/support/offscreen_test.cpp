#include "offscreen_test.h"

#include <QDialog>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace velmora::test {

ModalGuard::ModalGuard() {
  QCoreApplication::instance()->installEventFilter(this);
}

ModalGuard::~ModalGuard() {
  QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
  auto* dialog = static_cast<QWidget*>(watched);
  if (!dialog->isWindow() || !dialog->isModal()) return false;
  // Answered from the dialog's own event loop: exec() has not started it yet.
  if (!expected_.isEmpty()) {
    QMetaObject::invokeMethod(
        dialog, [dialog, answer = expected_.takeFirst()] { answer(dialog); }, Qt::QueuedConnection);
    return false;
  }
  seen_ = dialog->windowTitle() + QStringLiteral(": ") + dialog->objectName();
  QTest::qFail(qPrintable(QStringLiteral("a dialog nobody expected: ") + seen_), __FILE__,
               __LINE__);
  QMetaObject::invokeMethod(
      dialog,
      [dialog] {
        if (auto* box = qobject_cast<QDialog*>(dialog))
          box->reject();
        else
          dialog->close();
      },
      Qt::QueuedConnection);
  return false;
}

}  // namespace velmora::test
