// One page of the pictorial results drawn on any paint device: the window's
// paint area, an image for a PNG file, or a printer.
#pragma once

#include <QColor>
#include <QSize>

class QPainter;

namespace vexilor::render {

struct PictorialData;
struct PagePlan;

//! Colour behind the drawings: the button face of the platform's palette.
QColor PageBackground();

//! Fills an area of the given size (from the painter's origin) with the
//! background and draws the page: on the first page the column sketch and
//! three profiles, on the others two components with their headings. Tray
//! pitch and dome height follow from the number of trays and the height.
void DrawPage(QPainter& painter, QSize area, const PictorialData& data, const PagePlan& page);

}  // namespace vexilor::render
