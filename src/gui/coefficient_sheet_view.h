#pragma once

#include <QSize>

class QPainter;

namespace velmora {

struct ProspettoCoefficienti;

// The size of the 2016 picture, which a drawn sheet shares.
inline constexpr QSize kSheetSize(731, 598);

// Draws the sheet of a year in the look of the 2016 picture: the title, the
// decrees, the heading and the table with its coloured columns.
void DrawCoefficientSheet(QPainter& painter, const ProspettoCoefficienti& sheet);

}  // namespace velmora
