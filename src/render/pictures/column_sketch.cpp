#include "render/pictures/column_sketch.h"

#include <QPainter>
#include <QPolygon>

#include "render/pictures/drawing_tools.h"
#include "render/pictures/pictorial_data.h"
#include "render/pictures/profile_math.h"

namespace vexilor::render {
namespace {

// Qt counts arc angles in sixteenths of a degree, counter-clockwise from 3 o'clock.
constexpr int kHalfTurn = 180 * 16;

//! Label of takeoff stream k (from 0): "S" and the character k places after
//! "1", so the first nine read S1 .. S9.
QString TakeoffLabel(std::size_t stream) {
  return QStringLiteral("S") + QChar(static_cast<char16_t>(u'1' + stream));
}

void Polyline(QPainter& painter, std::initializer_list<QPoint> points) {
  painter.drawPolyline(QPolygon(QList<QPoint>(points)));
}

// Still with its two rims, the reboiler with its tubes, and the pipes,
// steam and condensate around them (everything below tray 0).
void DrawBottom(QPainter& painter, std::uint8_t lang, int x, int y, int d) {
  painter.drawArc(QRectF(x + 5, y - 2 * d, 50, 2 * d), kHalfTurn, kHalfTurn);
  painter.drawLine(x, y - d, x + 60, y - d);
  painter.drawLine(x, y - d - 3, x + 60, y - d - 3);

  painter.drawRoundedRect(QRectF(x - 29, y - d, 24, 60 + d), 19, 7.5);
  painter.drawLine(x - 30, y - d + 8, x - 6, y - d + 8);
  painter.drawLine(x - 30, y + 52, x - 6, y + 52);
  painter.setPen(BlackPen(1));
  for (int i = 1; i <= 7; ++i) painter.drawLine(x - 30 + 3 * i, y - d + 8, x - 30 + 3 * i, y + 52);
  painter.setPen(BlackPen(2));

  // Vapour rising from the reboiler into the still.
  Polyline(painter, {{x - 18, y - d}, {x - 18, y - d - 10}, {x + 2, y - d - 10}});
  DrawArrow(painter, x + 2, y - d - 10, ArrowDirection::Right);
  // Liquid from the still down to the reboiler.
  Polyline(painter, {{x - 18, y + 60}, {x - 18, y + 65}, {x + 30, y + 65}});
  painter.drawLine(x + 30, y, x + 30, y + 65);

  painter.drawLine(x + 30, y + 45, x + 60, y + 45);
  DrawArrow(painter, x + 60, y + 45, ArrowDirection::Right);
  DrawArrow(painter, x + 30, y + 25, ArrowDirection::Down);
  DrawTextAt(painter, x + 35, y + 25, PictureText(lang, "stillage bottom", "кубовый остаток"));

  painter.drawLine(x - 49, y - d + 14, x - 31, y - d + 14);
  DrawArrow(painter, x - 31, y - d + 14, ArrowDirection::Right);
  DrawTextAt(painter, x - 49, y - d - 2, PictureText(lang, "steam", "пар"));

  Polyline(painter, {{x - 29, y + 46}, {x - 39, y + 46}, {x - 39, y + 70}});
  DrawArrow(painter, x - 39, y + 70, ArrowDirection::Down);
  DrawTextAt(painter, x - 49, y + 70, PictureText(lang, "condensate", "конденсат"));
}

// Tray sections from tray 0 up to the reflux level, with the tray numbers
// and the feed and takeoff streams of trays 1 .. N.
void DrawTrays(QPainter& painter, const PictorialData& data, int x, int y, int pitch, int dome) {
  const int n = data.N;
  for (int i = 0; i <= n; ++i) {
    const int lower = TrayLevel(y, dome, pitch, i);
    const int upper = TrayLevel(y, dome, pitch, i + 1);
    painter.drawLine(x + 5, lower, x + 5, upper);
    painter.drawLine(x + 55, lower, x + 55, upper);
    painter.drawLine(x + 5, upper, x + 55, upper);
  }
  for (int i = 1; i <= n; ++i) {
    const int level = TrayLevel(y, dome, pitch, i);
    for (std::size_t k = 0; k < data.FeedTrays.size(); ++k) {
      if (data.FeedTrays[k] != i) continue;
      painter.drawLine(x + 3, level, x - 20, level);
      DrawArrow(painter, x + 3, level, ArrowDirection::Right);
      DrawTextAt(painter, x - 30, level - 14, QStringLiteral("F%1").arg(k + 1));
    }
    DrawTextAt(painter, x + 40, level - 13, QString::number(i));
    for (std::size_t k = 0; k < data.CatchTrays.size(); ++k) {
      if (data.CatchTrays[k] != i) continue;
      painter.drawLine(x + 55, level, x + 80, level);
      DrawArrow(painter, x + 80, level, ArrowDirection::Right);
      DrawTextAt(painter, x + 80, level - 14, TakeoffLabel(k));
    }
  }
}

// The top dome, the dephlegmator with its cooling water, and the reflux
// line with the takeoffs of the reflux level N+1.
void DrawTop(QPainter& painter, const PictorialData& data, int x, int y, int pitch, int dome) {
  const std::uint8_t lang = data.Lang;
  const int refluxLevel = TrayLevel(y, dome, pitch, data.N + 1);
  const int yt = y - 2 * dome - (data.N + 1) * pitch - 6;

  painter.drawArc(QRectF(x + 5, yt, 50, 2 * dome), 0, kHalfTurn);
  painter.drawLine(x, yt + dome, x + 5, yt + dome);
  painter.drawLine(x + 55, yt + dome, x + 60, yt + dome);
  painter.drawLine(x, refluxLevel, x + 5, refluxLevel);
  painter.drawLine(x + 55, refluxLevel, x + 60, refluxLevel);

  painter.drawLine(x + 30, yt, x + 30, yt - 25);
  DrawArrow(painter, x + 30, yt - 25, ArrowDirection::Up);

  painter.drawRoundedRect(QRectF(x + 20, yt - 55, 60, 30), 7.5, 19);
  painter.drawLine(x + 28, yt - 55, x + 28, yt - 25);
  painter.drawLine(x + 72, yt - 55, x + 72, yt - 25);
  painter.setPen(BlackPen(1));
  for (int i = 1; i <= 9; ++i) painter.drawLine(x + 28, yt - 25 - 3 * i, x + 72, yt - 25 - 3 * i);
  painter.setPen(BlackPen(2));

  const int waterTextX = lang == 1 ? x - 45 : x - 35;
  painter.drawLine(x + 18, yt - 33, x - 5, yt - 33);
  DrawArrow(painter, x + 18, yt - 33, ArrowDirection::Right);
  DrawTextAt(painter, waterTextX, yt - 33, PictureText(lang, "entry of voter", "вход воды"));
  painter.drawLine(x + 20, yt - 47, x - 5, yt - 47);
  DrawArrow(painter, x - 5, yt - 47, ArrowDirection::Left);
  DrawTextAt(painter, waterTextX, yt - 64, PictureText(lang, "outlet of voter", "выход воды"));

  const int refluxInlet = refluxLevel + RoundHalfEven(pitch / 3.0);
  Polyline(painter, {{x + 68, yt - 25}, {x + 68, refluxInlet}, {x + 54, refluxInlet}});
  for (std::size_t k = 0; k < data.CatchTrays.size(); ++k) {
    if (data.CatchTrays[k] != data.N + 1) continue;
    painter.drawLine(x + 68, refluxLevel, x + 88, refluxLevel);
    DrawTextAt(painter, x + 88, refluxLevel - 14, TakeoffLabel(k));
    DrawArrow(painter, x + 88, refluxLevel, ArrowDirection::Right);
  }
}

}  // namespace

int TrayLevel(int y, int domeHeight, int trayPitch, int tray) {
  return y - domeHeight - 3 - tray * trayPitch;
}

void DrawColumn(QPainter& painter, const PictorialData& data, int x, int y, int trayPitch,
                int domeHeight) {
  painter.save();
  painter.setPen(BlackPen(2));
  painter.setBrush(Qt::NoBrush);
  painter.setFont(PictureFont());
  DrawBottom(painter, data.Lang, x, y, domeHeight);
  DrawTrays(painter, data, x, y, trayPitch, domeHeight);
  DrawTop(painter, data, x, y, trayPitch, domeHeight);
  painter.restore();
}

}  // namespace vexilor::render
