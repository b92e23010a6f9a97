#include "render/pictures/picture_files.h"

#include <QPainter>
#include <QSaveFile>

#include "render/pictures/page_drawing.h"
#include "render/pictures/page_plan.h"
#include "render/pictures/pictorial_data.h"

namespace vexilor::render {

QString PageFileName(const QString& path, int page) {
  QString stem = path;
  if (stem.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) stem.chop(4);
  return QStringLiteral("%1-%2.png").arg(stem).arg(page);
}

QImage RenderPage(const PictorialData& data, const PagePlan& page, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawPage(painter, size, data, page);
  return image;
}

QList<QImage> RenderAllPages(const PictorialData& data, QSize size) {
  QList<QImage> images;
  PictorialPages pages(data.CompCount);
  images.append(RenderPage(data, pages.Page(), size));
  while (pages.NextEnabled()) {
    pages.Next();
    images.append(RenderPage(data, pages.Page(), size));
  }
  return images;
}

QStringList SavePicturePages(const PictorialData& data, const QString& path, QSize size) {
  QStringList written;
  const QList<QImage> images = RenderAllPages(data, size);
  for (qsizetype k = 0; k < images.size(); ++k) {
    const QString name = PageFileName(path, static_cast<int>(k + 1));
    QSaveFile file(name);
    const bool saved =
        file.open(QIODevice::WriteOnly) && images[k].save(&file, "PNG") && file.commit();
    if (!saved) {
      const QString reason = file.errorString();
      throw PictureError((PictureText(data.Lang, "Cannot write the picture file ",
                                      "Не удается записать файл рисунка ") +
                          name + QStringLiteral(": ") + reason)
                             .toStdString());
    }
    written.append(name);
  }
  return written;
}

}  // namespace vexilor::render
