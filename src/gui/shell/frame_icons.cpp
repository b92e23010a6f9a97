#include "gui/shell/frame_icons.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace vexilor::gui {

namespace {

constexpr int kIconSize = 24;

QIcon Standard(QStyle::StandardPixmap pixmap) {
  return QApplication::style()->standardIcon(pixmap);
}

template <typename Paint>
QIcon Drawn(Paint paint) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  painter.end();
  return QIcon(pixmap);
}

void DrawPrinter(QPainter& painter) {
  painter.setPen(QPen(QColor(60, 60, 60), 1.2));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(7, 3, 10, 8));
  painter.setBrush(QColor(150, 150, 160));
  painter.drawRoundedRect(QRectF(3, 10, 18, 8), 2, 2);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(7, 15, 10, 6));
}

void DrawFont(QPainter& painter) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(20);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(20, 40, 140));
  painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QStringLiteral("A"));
}

void DrawSaveAs(QPainter& painter) {
  painter.drawPixmap(0, 0, Standard(QStyle::SP_DialogSaveButton).pixmap(18, 18));
  painter.setPen(QPen(QColor(180, 90, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(13, 21), QPointF(22, 12));
}

void DrawGraph(QPainter& painter) {
  painter.setPen(QPen(QColor(60, 60, 60), 1));
  painter.drawLine(3, 21, 21, 21);
  painter.drawLine(3, 21, 3, 3);
  const int heights[] = {6, 12, 9, 16};
  const QColor colours[] = {QColor(40, 120, 200), QColor(220, 120, 30), QColor(40, 160, 80),
                            QColor(190, 40, 40)};
  for (int bar = 0; bar < 4; ++bar) {
    painter.fillRect(QRectF(5 + bar * 4, 20 - heights[bar], 3, heights[bar]), colours[bar]);
  }
}

void DrawDoneLamp(QPainter& painter) {
  QRadialGradient glow(QPointF(10, 9), 10);
  glow.setColorAt(0, QColor(200, 255, 200));
  glow.setColorAt(1, QColor(0, 150, 40));
  painter.setPen(QPen(QColor(0, 90, 20), 1));
  painter.setBrush(glow);
  painter.drawEllipse(QRectF(4, 4, 16, 16));
  painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(8, 12);
  tick.lineTo(11, 15);
  tick.lineTo(16, 9);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tick);
}

}  // namespace

QIcon MakeFrameIcon(FrameIcon icon) {
  switch (icon) {
    case FrameIcon::Open:
      return Standard(QStyle::SP_DialogOpenButton);
    case FrameIcon::Save:
      return Standard(QStyle::SP_DialogSaveButton);
    case FrameIcon::SaveAs:
      return Drawn(DrawSaveAs);
    case FrameIcon::Font:
      return Drawn(DrawFont);
    case FrameIcon::Print:
      return Drawn(DrawPrinter);
    case FrameIcon::About:
      return Standard(QStyle::SP_MessageBoxInformation);
    case FrameIcon::HomePage:
      return Standard(QStyle::SP_DirHomeIcon);
    case FrameIcon::DbBrowse:
      return Standard(QStyle::SP_FileDialogDetailedView);
    case FrameIcon::Graph:
      return Drawn(DrawGraph);
    case FrameIcon::Report:
      return Standard(QStyle::SP_FileDialogContentsView);
    case FrameIcon::Stop:
      return Standard(QStyle::SP_BrowserStop);
    case FrameIcon::RunDone:
      return Drawn(DrawDoneLamp);
  }
  return {};
}

QIcon LoadLampPicture(const QString& fileName) {
  QPixmap picture;
  if (!picture.load(QDir::current().absoluteFilePath(fileName))) return {};
  QIcon icon;
  if (picture.width() == 2 * picture.height()) {
    const int half = picture.height();
    icon.addPixmap(picture.copy(0, 0, half, half), QIcon::Normal);
    icon.addPixmap(picture.copy(half, 0, half, half), QIcon::Disabled);
  } else {
    icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace vexilor::gui
