#include "render/reports/report_pictures.h"

#include <QPainter>

#include "render/pictures/page_drawing.h"
#include "render/pictures/page_plan.h"
#include "render/pictures/picture_files.h"

namespace vexilor::render {

namespace {

QImage DrawSharpPage(const PictorialData& data, const PagePlan& page, qreal scale) {
  const QSize size = kPictureWindowSize;
  QImage image(size * scale, QImage::Format_RGB32);
  // The drawing works in window pixels; the pixel ratio maps them onto
  // the finer grid of the image.
  image.setDevicePixelRatio(scale);
  QPainter painter(&image);
  DrawPage(painter, size, data, page);
  return image;
}

}  // namespace

QList<QImage> ReportPicturePages(const PictorialData& data, qreal scale) {
  QList<QImage> images;
  PictorialPages pages(data.CompCount);
  images.append(DrawSharpPage(data, pages.Page(), scale));
  while (pages.NextEnabled()) {
    pages.Next();
    images.append(DrawSharpPage(data, pages.Page(), scale));
  }
  return images;
}

}  // namespace vexilor::render
