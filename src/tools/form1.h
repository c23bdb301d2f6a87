#pragma once

#include <QWidget>

namespace velmora {
class Form1 : public QWidget {
  Q_OBJECT
};
}  // namespace velmora
