#include "render/pictures/profile_plot.h"

#include <QPainter>

#include "engine/shell/format.h"
#include "render/pictures/drawing_tools.h"
#include "render/pictures/pictorial_data.h"
#include "render/pictures/profile_math.h"

namespace vexilor::render {
namespace {

QPen DottedPen() {
  QPen pen(Qt::black, 1, Qt::DotLine);
  return pen;
}

void DrawAxes(QPainter& painter, const ProfileScale& scale) {
  const int xa = scale.XAxis;
  const int ya = scale.YAxis;
  painter.drawLine(scale.X, ya, xa + scale.W, ya);
  painter.drawLine(xa, scale.Y, xa, ya - scale.H);

  for (const ValueTick& tick : LabelledValueTicks(scale)) {
    painter.drawLine(tick.X, ya - 3, tick.X, ya + 3);
    painter.setPen(DottedPen());
    painter.drawLine(tick.X, ya - 3, tick.X, ya - scale.H);
    painter.setPen(BlackPen(1));
    DrawTextAt(painter, tick.X - 12, ya + 4, QString::fromStdString(Format("%5.1f", tick.Value)));
  }
  for (const TrayTick& tick : LabelledTrayTicks(scale)) {
    painter.drawLine(xa - 3, tick.Y, xa + 3, tick.Y);
    painter.setPen(DottedPen());
    painter.drawLine(xa + 3, tick.Y, xa + scale.W, tick.Y);
    painter.setPen(BlackPen(1));
    DrawTextAt(painter, xa - 12, tick.Y, QString::number(tick.Tray));
  }
}

}  // namespace

QColor CurveColour(int row) {
  switch (row) {
    case 0:
      return QColor(255, 0, 0);
    case 1:
      return QColor(0, 0, 255);
    case 2:
      return QColor(0, 128, 0);
    case 3:
    case 5:
    case 7:
    case 9:
      return QColor(0, 128, 128);
    case 4:
    case 6:
    case 8:
    case 10:
      return QColor(255, 0, 255);
    default:
      return QColor(0, 0, 0);
  }
}

void DrawProfile(QPainter& painter, const PictorialData& data, int row, const QString& title,
                 QPoint origin, int width, int height) {
  const std::vector<double>& values = data.ProfileMatrix.at(static_cast<std::size_t>(row));
  const ProfileScale scale = ScaleProfile(values, origin.x(), origin.y(), width, height);

  painter.save();
  painter.setFont(PictureFont());
  painter.setPen(BlackPen(1));
  DrawAxes(painter, scale);

  // Each sample colours its pixel and the one to its right, which keeps a
  // steep curve from breaking up into dots.
  const QColor colour = CurveColour(row);
  const std::vector<int> cuts = CurveCuts(data.N, data.FeedTrays, data.CatchTrays);
  for (const CurvePixel& pixel : CurvePixels(scale, values, cuts)) {
    painter.fillRect(pixel.X, pixel.Y, 2, 1, colour);
  }

  const int titleX = scale.XAxis + RoundHalfEven((width - 5.0 * title.size()) / 2);
  DrawTextAt(painter, titleX, scale.YAxis - height - 16, title);
  painter.restore();
}

}  // namespace vexilor::render
