#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>

#include "core/law/legal_data_in_use.h"
#include "gui/coefficient_sheet.h"

namespace velmora {

// The picture of the coefficient table in force, in a window of its own; at
// the date of the act, the sheet of the year drawn in the same look.
// The picture is larger than the window's design size: its right and bottom
// parts show when the user enlarges the window, up to the picture's size.
class Form1 : public QWidget {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);

  // The picture as it is drawn, at the screen's resolution.
  const QPixmap& Picture() const { return picture_; }

  // The sheet of the year; nothing for the 2016 picture.
  void ShowYear(const DatiLegali& law, std::optional<int> year);
  const std::optional<ProspettoCoefficienti>& Sheet() const { return sheet_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap picture_;
  std::optional<ProspettoCoefficienti> sheet_;
};

}  // namespace velmora
