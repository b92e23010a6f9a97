// The pages of the pictorial results as pictures for a report.
#pragma once

#include <QImage>
#include <QList>

#include "render/pictures/pictorial_data.h"

namespace vexilor::render {

//! Every page of the pictorial results, drawn as the pictorial window
//! draws it but with `scale` device pixels per window pixel, so that the
//! lines and texts stay sharp when a page is printed across the paper.
QList<QImage> ReportPicturePages(const PictorialData& data, qreal scale = 2);

}  // namespace vexilor::render
