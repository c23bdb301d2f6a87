#pragma once

#include <QProxyStyle>

namespace velmora {

// Fusion, which draws the controls' colours as set on every desktop, with the
// menu bar's overflow arrow drawn in code: Qt loads that arrow from a picture
// file, and reading it makes Qt load every image plugin of the system before
// the window's first frame.
class VelmoraStyle : public QProxyStyle {
  Q_OBJECT
 public:
  VelmoraStyle();
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace velmora
