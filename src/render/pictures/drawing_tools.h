// Small drawing tools shared by the column sketch and the profile plots:
// the font, the pens, texts placed by their top-left corner and the black
// arrow heads that show where a stream goes.
#pragma once

#include <QFont>
#include <QPen>
#include <QString>

class QPainter;

namespace vexilor::render {

//! Sans-serif font 11 pixels high, as the pictures were laid out for.
QFont PictureFont();

//! Black pen of the given width in pixels.
QPen BlackPen(int width);

//! Writes text with its top-left corner at (x, y).
void DrawTextAt(QPainter& painter, int x, int y, const QString& text);

enum class ArrowDirection { Right, Left, Down, Up };

//! A black filled triangle with its tip at (a, b), pointing right: corners
//! (a-8, b-4) and (a-8, b+3); left, down and up likewise.
void DrawArrow(QPainter& painter, int a, int b, ArrowDirection direction);

}  // namespace vexilor::render
