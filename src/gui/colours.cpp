#include "gui/colours.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace velmora {
namespace {
bool IsTextBox(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) != nullptr;
}

void SetRole(QWidget* w, QPalette::ColorRole role, QRgb colour) {
  QPalette p = w->palette();
  // A disabled text box keeps its colours.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    p.setColor(group, role, QColor(colour));
  w->setPalette(p);
}
}  // namespace

void SetBackColor(QWidget* control, QRgb colour) {
  if (IsTextBox(control)) {
    SetRole(control, QPalette::Base, colour);
  } else {
    control->setAutoFillBackground(true);
    SetRole(control, QPalette::Window, colour);
    SetRole(control, QPalette::Button, colour);
  }
}

QRgb BackColor(const QWidget* control) {
  const auto role = IsTextBox(control) ? QPalette::Base : QPalette::Window;
  return control->palette().color(QPalette::Active, role).rgb();
}

void SetForeColor(QWidget* control, QRgb colour) {
  SetRole(control, IsTextBox(control) ? QPalette::Text : QPalette::WindowText, colour);
  if (!IsTextBox(control)) SetRole(control, QPalette::ButtonText, colour);
}

QRgb ForeColor(const QWidget* control) {
  const auto role = IsTextBox(control) ? QPalette::Text : QPalette::WindowText;
  return control->palette().color(QPalette::Active, role).rgb();
}

}  // namespace velmora
