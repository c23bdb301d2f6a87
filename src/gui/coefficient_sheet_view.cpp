#include "gui/coefficient_sheet_view.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "gui/coefficient_sheet.h"
#include "gui/window_texts.h"

namespace velmora {
namespace {

// The colours of the 2016 picture.
const QColor kBlue(0x1a, 0x3c, 0x7a);
const QColor kGrid(0x5a, 0x5a, 0x7a);
const QColor kFrame(0x2b, 0x2b, 0x4a);

struct Column {
  int width;
  QColor body;
  QColor head;
  QString caption;
  Qt::Alignment align = Qt::AlignCenter;
};

QFont Face(qreal pixels, bool bold = false, bool italic = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(qRound(pixels));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// A table of rows under a heading row; the first column in bold. Rows share
// what height is left down to the bottom margin, at most 21 pixels each.
void DrawTable(QPainter& p, const std::vector<Column>& columns,
               const std::vector<QStringList>& rows, qreal top) {
  constexpr qreal kHeadHeight = 36;
  const int tableWidth = [&] {
    int sum = 0;
    for (const Column& c : columns) sum += c.width;
    return sum;
  }();
  const qreal x0 = (kSheetSize.width() - tableWidth) / 2.0;
  const qreal rowHeight = std::min<qreal>(
      21, (kSheetSize.height() - 8 - top - kHeadHeight) / qreal(std::max<size_t>(rows.size(), 1)));
  const qreal bottom = top + kHeadHeight + rowHeight * qreal(rows.size());

  qreal x = x0;
  p.setPen(Qt::black);
  for (const Column& c : columns) {
    p.fillRect(QRectF(x, top, c.width, kHeadHeight), c.head);
    p.fillRect(QRectF(x, top + kHeadHeight, c.width, bottom - top - kHeadHeight), c.body);
    p.setFont(Face(13, true));
    p.drawText(QRectF(x, top, c.width, kHeadHeight), Qt::AlignCenter, c.caption);
    x += c.width;
  }
  for (size_t r = 0; r < rows.size(); ++r) {
    const qreal y = top + kHeadHeight + rowHeight * qreal(r);
    x = x0;
    for (size_t i = 0; i < columns.size() && i < size_t(rows[r].size()); ++i) {
      p.setFont(Face(13, i == 0));
      const QRectF cell(x + 4, y, columns[i].width - 8, rowHeight);
      p.drawText(cell, int(columns[i].align | Qt::AlignVCenter), rows[r][qsizetype(i)]);
      x += columns[i].width;
    }
  }

  p.setPen(QPen(kGrid, 1));
  for (size_t r = 0; r <= rows.size(); ++r) {
    const qreal y = top + kHeadHeight + rowHeight * qreal(r);
    p.drawLine(QPointF(x0, y), QPointF(x0 + tableWidth, y));
  }
  x = x0;
  for (const Column& c : columns) {
    x += c.width;
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
  }
  p.setPen(QPen(kFrame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(x0, top, tableWidth, bottom - top));
}

}  // namespace

void DrawCoefficientSheet(QPainter& p, const ProspettoCoefficienti& sheet) {
  const int width = kSheetSize.width();
  p.fillRect(QRect(QPoint(0, 0), kSheetSize), Qt::white);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  p.setPen(kBlue);
  p.setFont(Face(22, true));
  p.drawText(QRectF(0, 8, width, 30), Qt::AlignCenter, text::kSheetTitle);
  p.fillRect(QRectF(40, 41, width - 80, 1.5), kBlue);

  // The paragraph wraps at the picture's margins; the table takes what is left.
  p.setPen(Qt::black);
  p.setFont(Face(13));
  const QRectF room(30, 51, width - 70, 200);
  QRectF used;
  p.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, sheet.paragrafo, &used);
  qreal y = used.bottom() + 10;

  p.setPen(kBlue);
  p.setFont(Face(16, true));
  const bool hasRows = !sheet.righe.empty();
  p.drawText(QRectF(0, y, width, 20), Qt::AlignCenter,
             hasRows ? text::kSheetHeading : text::kSheetYearsHeading);
  y += 20;
  if (hasRows) {
    p.setPen(Qt::black);
    p.setFont(Face(13.5, false, true));
    p.drawText(QRectF(0, y, width, 18), Qt::AlignCenter, sheet.tasso);
    y += 18;
  }
  y += 6;

  if (hasRows) {
    const QStringList& names = text::kSheetColumns;
    std::vector<Column> columns{
        {190, QColor(0xf2, 0xf2, 0xf2), QColor(0xd9, 0xd9, 0xd9), names[0]},
        {130, QColor(0xe6, 0xe6, 0xfa), QColor(0xc9, 0xc3, 0xf0), names[1]},
        {140, QColor(0xd4, 0xf5, 0xd0), QColor(0xa9, 0xe3, 0xa2), names[2]},
        {150, QColor(0xff, 0xe0, 0xb8), QColor(0xff, 0xc4, 0x7f), names[3]}};
    std::vector<QStringList> rows;
    for (const RigaProspetto& r : sheet.righe)
      rows.push_back({r.eta, r.coefficiente, r.usufrutto, r.nudaProprieta});
    DrawTable(p, columns, rows, y);
    return;
  }
  const QStringList& names = text::kSheetYearColumns;
  std::vector<Column> columns{
      {90, QColor(0xf2, 0xf2, 0xf2), QColor(0xd9, 0xd9, 0xd9), names[0]},
      {100, QColor(0xd4, 0xf5, 0xd0), QColor(0xa9, 0xe3, 0xa2), names[1]},
      {420, QColor(0xe6, 0xe6, 0xfa), QColor(0xc9, 0xc3, 0xf0), names[2], Qt::AlignLeft}};
  std::vector<QStringList> rows;
  for (const RigaAnnoCoperto& r : sheet.anniCoperti) rows.push_back({r.anno, r.saggio, r.decreto});
  DrawTable(p, columns, rows, y);
}

}  // namespace velmora
