#include "render/pictures/drawing_tools.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace vexilor::render {

QFont PictureFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

QPen BlackPen(int width) {
  QPen pen(Qt::black, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

void DrawArrow(QPainter& painter, int a, int b, ArrowDirection direction) {
  QPolygon head;
  switch (direction) {
    case ArrowDirection::Right:
      head << QPoint(a, b) << QPoint(a - 8, b - 4) << QPoint(a - 8, b + 3);
      break;
    case ArrowDirection::Left:
      head << QPoint(a, b) << QPoint(a + 8, b - 4) << QPoint(a + 8, b + 3);
      break;
    case ArrowDirection::Down:
      head << QPoint(a, b) << QPoint(a - 4, b - 8) << QPoint(a + 3, b - 8);
      break;
    case ArrowDirection::Up:
      head << QPoint(a, b) << QPoint(a - 4, b + 8) << QPoint(a + 3, b + 8);
      break;
  }
  painter.save();
  painter.setPen(BlackPen(1));
  painter.setBrush(Qt::black);
  painter.drawPolygon(head);
  painter.restore();
}

}  // namespace vexilor::render
