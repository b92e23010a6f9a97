#include "render/pictures/picture_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "render/pictures/pictorial_data.h"
#include "render/pictures/sample_pictures.h"

namespace vexilor::render {
namespace {

TEST(PageFileNameTest, NumbersThePagesBeforeTheExtension) {
  const struct {
    const char* path;
    int page;
    const char* expected;
  } cases[] = {
      {"/tmp/column.png", 1, "/tmp/column-1.png"},
      {"/tmp/column.PNG", 2, "/tmp/column-2.png"},
      {"column", 3, "column-3.png"},
      {"run.v2.png", 1, "run.v2-1.png"},
  };
  for (const auto& c : cases) EXPECT_EQ(PageFileName(c.path, c.page), QString(c.expected));
}

TEST(SavePicturePagesTest, WritesOnePngPerPage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const struct {
    int compCount;
    int pages;
  } cases[] = {{2, 2}, {3, 3}, {4, 3}};
  for (const auto& c : cases) {
    const QString path = dir.filePath(QStringLiteral("comp%1.png").arg(c.compCount));
    const QStringList written = SavePicturePages(testing::RampPictures(c.compCount, 8), path);
    ASSERT_EQ(written.size(), c.pages) << c.compCount << " components";
    for (int page = 1; page <= c.pages; ++page) {
      const QString name = PageFileName(path, page);
      EXPECT_EQ(written[page - 1], name);
      const QImage image(name);
      EXPECT_EQ(image.size(), kPictureWindowSize) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(PageFileName(path, c.pages + 1)));
  }
}

TEST(SavePicturePagesTest, AnUnwritableFolderIsReportedWithTheFileName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("missing/column.png"));
  try {
    SavePicturePages(testing::RampPictures(2, 8), path);
    FAIL() << "writing into a missing folder succeeded";
  } catch (const PictureError& error) {
    const QString message = QString::fromStdString(error.what());
    EXPECT_TRUE(message.startsWith("Cannot write the picture file ")) << error.what();
    EXPECT_TRUE(message.contains(PageFileName(path, 1))) << error.what();
  }
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace vexilor::render
