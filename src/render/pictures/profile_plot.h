// One profile along the trays: a value axis at the level of tray 0, a tray
// axis upward, dotted grid lines at the labelled ticks and a smooth curve
// in the colour of the profile row.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

namespace vexilor::render {

struct PictorialData;

//! Curve colour of profile row r: temperature red, liquid flow blue,
//! vapour flow green, liquid concentrations teal, vapour ones fuchsia.
QColor CurveColour(int row);

//! Draws profile row `row` of data with its origin at the lower left, the
//! given width and height in pixels, and its title centred above it.
void DrawProfile(QPainter& painter, const PictorialData& data, int row, const QString& title,
                 QPoint origin, int width, int height);

}  // namespace vexilor::render
