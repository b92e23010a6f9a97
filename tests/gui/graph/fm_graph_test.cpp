#include "gui/graph/fm_graph.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "render/pictures/page_drawing.h"
#include "render/pictures/picture_files.h"
#include "render/pictures/sample_pictures.h"
#include "support/scripted_dialog.h"

namespace vexilor::gui {
namespace {

using render::PictorialData;

// What the paint box shows right now, painted afresh.
QImage Shown(const TfmGraph& window) {
  return window.pbRectif()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The page the window should show, drawn independently of it.
QImage Expected(const PictorialData& data, const render::PagePlan& page, QSize size) {
  return render::RenderPage(data, page, size);
}

TEST(FmGraphTest, OpensOnTheFirstPageWithItsCaptionAndButtons) {
  const struct {
    std::uint8_t lang;
    const char* caption;
    const char* save;
  } cases[] = {
      {1, "Outcomes of calculation in the pictorial form", "Save picture"},
      {2, "Результаты расчета в графической форме", "Сохранить рисунок"},
  };
  for (const auto& c : cases) {
    TfmGraph window(render::PictorialDataFromRun(testing::EthanolWaterRun(c.lang), c.lang));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(window.size(), QSize(870, 600));
    EXPECT_EQ(window.pbRectif()->geometry(), window.rect());
    EXPECT_EQ(window.BtPrev()->text(), QString("Previous"));
    EXPECT_EQ(window.BtNext()->text(), QString("Next"));
    EXPECT_EQ(window.BtSavePicture()->text(), QString::fromUtf8(c.save));
    EXPECT_FALSE(window.BtPrev()->isEnabled());
    EXPECT_TRUE(window.BtNext()->isEnabled());
    EXPECT_TRUE(window.Pages().Page().FirstPage);
  }
}

TEST(FmGraphTest, ButtonsStayAtTheLowerRightCornerWhenResized) {
  TfmGraph window(testing::RampPictures(2, 8));
  window.show();
  for (const QSize size : {QSize(870, 600), QSize(1000, 700)}) {
    window.resize(size);
    const QRect next = window.BtNext()->geometry();
    const QRect previous = window.BtPrev()->geometry();
    EXPECT_EQ(next.size(), QSize(75, 25));
    EXPECT_EQ(previous.size(), QSize(75, 25));
    EXPECT_LE(size.width() - next.right(), 12);
    EXPECT_LE(size.height() - next.bottom(), 12);
    EXPECT_EQ(previous.top(), next.top());
    EXPECT_LT(previous.right(), next.left());
    EXPECT_EQ(window.pbRectif()->size(), size);
  }
}

TEST(FmGraphTest, NextAndPreviousWalkThePagesAndTheBoxShowsEachOne) {
  const PictorialData data = testing::RampPictures(3, 8);
  TfmGraph window(data);
  const QSize size = window.pbRectif()->size();
  render::PictorialPages expected(3);
  EXPECT_EQ(Shown(window), Expected(data, expected.Page(), size));

  window.BtNext()->click();
  expected.Next();
  EXPECT_TRUE(window.BtPrev()->isEnabled());
  EXPECT_TRUE(window.BtNext()->isEnabled());
  EXPECT_EQ(Shown(window), Expected(data, expected.Page(), size));

  window.BtNext()->click();
  expected.Next();
  EXPECT_FALSE(window.BtNext()->isEnabled()) << "the third page is the last";
  EXPECT_EQ(Shown(window), Expected(data, expected.Page(), size));

  // Back to the page of components 1 and 2, then to the first page.
  window.BtPrev()->click();
  expected.Previous();
  EXPECT_TRUE(window.BtNext()->isEnabled());
  EXPECT_EQ(window.Pages().PagePos(), 6);
  EXPECT_EQ(Shown(window), Expected(data, expected.Page(), size));
  window.BtPrev()->click();
  EXPECT_FALSE(window.BtPrev()->isEnabled());
  EXPECT_TRUE(window.Pages().Page().FirstPage);
}

TEST(FmGraphTest, AnExposedBoxRepaintsThePageDrawnLast) {
  const PictorialData data = testing::RampPictures(2, 8);
  TfmGraph window(data);
  window.BtNext()->click();
  const QImage first = Shown(window);
  window.pbRectif()->repaint();
  EXPECT_EQ(Shown(window), first);
  EXPECT_FALSE(window.Pages().Page().FirstPage);
  EXPECT_EQ(window.Pages().PagePos(), 6);
}

TEST(FmGraphTest, SavePictureWritesEveryPageAtTheBoxSize) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("column.png");
  testing::ScriptedDialog dialog;
  dialog.AnswerSaveFile(path.toStdString());
  DialogScope scope(dialog);

  TfmGraph window(testing::RampPictures(4, 8));
  window.show();
  window.resize(900, 640);
  window.BtNext()->click();  // saving starts from the first page anyway
  window.BtSavePicture()->click();

  ASSERT_EQ(dialog.SaveRequests.size(), 1u);
  EXPECT_EQ(dialog.SaveRequests[0].Title, "Save picture");
  EXPECT_EQ(dialog.SaveRequests[0].Filter, "PNG pictures|*.png");
  EXPECT_TRUE(dialog.Messages.empty());
  for (int page = 1; page <= 3; ++page) {
    EXPECT_EQ(QImage(render::PageFileName(path, page)).size(), QSize(900, 640)) << page;
  }
  EXPECT_FALSE(QFile::exists(render::PageFileName(path, 4)));
  EXPECT_EQ(window.Pages().PagePos(), 6) << "saving does not turn the window's page";
}

TEST(FmGraphTest, SavePictureCancelledWritesNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  testing::ScriptedDialog dialog;
  dialog.AnswerSaveFile("");
  DialogScope scope(dialog);
  TfmGraph window(testing::RampPictures(2, 8));
  // An empty name must not turn into "-1.png" in the working folder.
  const QString previousFolder = QDir::currentPath();
  QDir::setCurrent(dir.path());
  window.BtSavePicture()->click();
  QDir::setCurrent(previousFolder);
  EXPECT_TRUE(dialog.ScriptDone());
  EXPECT_TRUE(dialog.Messages.empty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(FmGraphTest, AFailedSaveIsReportedOnce) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  testing::ScriptedDialog dialog;
  DialogScope scope(dialog);
  TfmGraph window(testing::RampPictures(2, 8));
  EXPECT_FALSE(window.SavePictureTo(dir.filePath("missing/column.png")));
  ASSERT_EQ(dialog.Messages.size(), 1u);
  EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
  EXPECT_TRUE(dialog.Messages[0].Text.starts_with("Cannot write the picture file "))
      << dialog.Messages[0].Text;
}

}  // namespace
}  // namespace vexilor::gui
