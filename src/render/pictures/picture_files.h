// The pictorial results written as PNG files, one numbered file per page,
// without any window: for the "Save picture" command and for batch use.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vexilor::render {

struct PictorialData;
struct PagePlan;

//! Size of a page as the pictorial window shows it when it opens.
inline constexpr QSize kPictureWindowSize{870, 600};

//! Name of page `page` (from 1) of a picture saved under `path`:
//! "out.png" -> "out-1.png", "out" -> "out-1.png".
QString PageFileName(const QString& path, int page);

//! One page drawn into an image of the given size.
QImage RenderPage(const PictorialData& data, const PagePlan& page, QSize size);

//! Every page, from the first to the last, drawn into images of the given size.
QList<QImage> RenderAllPages(const PictorialData& data, QSize size = kPictureWindowSize);

//! Draws every page and writes it as PNG under PageFileName(path, k).
//! Each file is written whole or not at all. Returns the names written;
//! throws PictureError, in the language of data, naming the file that
//! could not be written (the pages before it stay written).
//! Needs a QGuiApplication (fonts); a headless program can create one on
//! the "offscreen" platform.
QStringList SavePicturePages(const PictorialData& data, const QString& path,
                             QSize size = kPictureWindowSize);

}  // namespace vexilor::render
