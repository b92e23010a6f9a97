#include "render/pictures/page_drawing.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "render/pictures/column_sketch.h"
#include "render/pictures/drawing_tools.h"
#include "render/pictures/page_plan.h"
#include "render/pictures/pictorial_data.h"
#include "render/pictures/profile_math.h"
#include "render/pictures/profile_plot.h"

namespace vexilor::render {

QColor PageBackground() {
  return QGuiApplication::palette().color(QPalette::Button);
}

void DrawPage(QPainter& painter, QSize area, const PictorialData& data, const PagePlan& page) {
  const int right = area.width();
  const int bottom = area.height();
  const int n = data.N;
  const int pitch = TrayPitch(n, bottom);
  const int dome = DomeHeight(pitch);
  const int baseLine = BaseLine(bottom, n, pitch, dome);
  const int plotHeight = (n + 1) * pitch;
  // Tray 0 of every plot is level with tray 0 of the sketch.
  const int plotBottom = baseLine - dome + 11;
  int x = 50;

  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), area), PageBackground());
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setFont(PictureFont());
  painter.setPen(BlackPen(1));

  int plotWidth = 0;
  if (page.FirstPage) {
    DrawColumn(painter, data, x, baseLine, pitch, dome);
    x += 95;
    plotWidth = RoundHalfEven((right - 160) / 3.0) - 14;
  } else {
    plotWidth = RoundHalfEven((right - 80) / 4.0) - 14;
  }

  for (const PageItem& item : page.Items) {
    const QString& title = data.PlotTitles.at(static_cast<std::size_t>(item.TitleIndex));
    if (item.What == PageItem::Kind::Heading) {
      // Centred over the two plots of the component.
      const int headingX = x + RoundHalfEven((2.0 * (plotWidth + 14) - 5.0 * title.size()) / 2);
      DrawTextAt(painter, headingX, baseLine - plotHeight - 42, title);
    } else {
      DrawProfile(painter, data, item.Row, title, QPoint(x, plotBottom), plotWidth, plotHeight);
      x += plotWidth + 14;
    }
  }
  painter.restore();
}

}  // namespace vexilor::render
