#include "render/pictures/page_drawing.h"

#include <gtest/gtest.h>

#include <QImage>

#include "render/pictures/column_sketch.h"
#include "render/pictures/page_plan.h"
#include "render/pictures/pictorial_data.h"
#include "render/pictures/picture_files.h"
#include "render/pictures/profile_math.h"
#include "render/pictures/profile_plot.h"
#include "render/pictures/sample_pictures.h"

namespace vexilor::render {
namespace {

constexpr QSize kPage{870, 600};
const QRgb kBlack = qRgb(0, 0, 0);

// Where the page puts the plot in the given slot (from the left), found
// from the page geometry: the first page starts right of the sketch.
ProfileScale PlotInSlot(const PictorialData& data, bool firstPage, int slot) {
  const int pitch = TrayPitch(data.N, kPage.height());
  const int dome = DomeHeight(pitch);
  const int baseLine = BaseLine(kPage.height(), data.N, pitch, dome);
  const int width = firstPage ? RoundHalfEven((kPage.width() - 160) / 3.0) - 14
                              : RoundHalfEven((kPage.width() - 80) / 4.0) - 14;
  const int x = (firstPage ? 145 : 50) + slot * (width + 14);
  const int row = firstPage ? slot : 3 + slot;
  return ScaleProfile(data.ProfileMatrix[static_cast<std::size_t>(row)], x, baseLine - dome + 11,
                      width, (data.N + 1) * pitch);
}

int CountInColumns(const QImage& image, QRgb colour, int fromX, int toX) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = std::max(fromX, 0); x < std::min(toX, image.width()); ++x) {
      count += image.pixel(x, y) == colour;
    }
  }
  return count;
}

bool HasColourNear(const QImage& image, QRgb colour, int x, int y) {
  for (int dx = -1; dx <= 1; ++dx) {
    if (image.pixel(x + dx, y) == colour) return true;
  }
  return false;
}

QImage FirstPage(const PictorialData& data) {
  return RenderPage(data, PictorialPages(data.CompCount).Page(), kPage);
}

TEST(PageDrawingTest, EachProfileIsDrawnInTheColourOfItsRow) {
  const PictorialData data = PictorialDataFromRun(testing::EthanolWaterRun(), 1);
  const QList<QImage> pages = RenderAllPages(data);
  ASSERT_EQ(pages.size(), 2);
  const QRgb teal = qRgb(0, 128, 128);
  const QRgb fuchsia = qRgb(255, 0, 255);
  const QRgb firstPageColours[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 128, 0)};

  // Between the left and the right end of each plot's value axis the
  // curve of its own row dominates; a neighbour's curve may only graze it.
  const auto expectColourOfSlot = [](const QImage& page, const ProfileScale& plot, QRgb own,
                                     const std::vector<QRgb>& others, int slot) {
    const int from = plot.X + 14;
    const int to = plot.X + 14 + plot.W + 2;
    const int ownPixels = CountInColumns(page, own, from, to);
    EXPECT_GT(ownPixels, plot.H) << "slot " << slot;
    for (const QRgb other : others) {
      EXPECT_LT(CountInColumns(page, other, from, to), ownPixels / 10) << "slot " << slot;
    }
  };
  for (int slot = 0; slot < 3; ++slot) {
    std::vector<QRgb> others;
    for (const QRgb colour : firstPageColours) {
      if (colour != CurveColour(slot).rgb()) others.push_back(colour);
    }
    expectColourOfSlot(pages[0], PlotInSlot(data, true, slot), CurveColour(slot).rgb(), others,
                       slot);
  }
  EXPECT_EQ(CountInColumns(pages[0], teal, 0, kPage.width()), 0);
  EXPECT_EQ(CountInColumns(pages[0], fuchsia, 0, kPage.width()), 0);

  // Second page: liquid concentrations teal, vapour ones fuchsia.
  for (int slot = 0; slot < 4; ++slot) {
    const bool liquid = slot % 2 == 0;
    expectColourOfSlot(pages[1], PlotInSlot(data, false, slot), liquid ? teal : fuchsia,
                       {liquid ? fuchsia : teal}, slot);
  }
  for (const QRgb colour : firstPageColours) {
    EXPECT_EQ(CountInColumns(pages[1], colour, 0, kPage.width()), 0);
  }
}

TEST(PageDrawingTest, TheCurvePassesThroughTheTrayValuesAndItsPiecesMeetAtTheFeed) {
  const PictorialData data = PictorialDataFromRun(testing::EthanolWaterRun(), 1);
  const QImage page = FirstPage(data);
  const QRgb red = CurveColour(0).rgb();
  const ProfileScale plot = PlotInSlot(data, true, 0);
  const std::vector<double>& temperature = data.ProfileMatrix[0];
  for (int tray = 0; tray <= data.N; ++tray) {
    const double value = temperature[static_cast<std::size_t>(tray)];
    EXPECT_TRUE(HasColourNear(page, red, plot.PixelX(value), plot.PixelY(tray))) << "tray " << tray;
  }
  // The feed enters tray 3: the lower piece arrives there from below and the
  // upper one starts from it, so the rows just around it are red too.
  for (const int y : {plot.PixelY(3) - 1, plot.PixelY(3) + 1}) {
    EXPECT_GT(CountInColumns(page.copy(0, y, kPage.width(), 1), red, plot.X, plot.X + plot.W + 14),
              0);
  }
}

TEST(PageDrawingTest, TrayAxisStandsAtTheValueZeroWhenAProfileHasBothSigns) {
  PictorialData data = testing::RampPictures(2, 8);
  data.ProfileMatrix[1] = {-10, -6, -2, 2, 6, 10, 14, 18, 22, 30};
  const QImage page = FirstPage(data);
  const ProfileScale plot = PlotInSlot(data, true, 1);
  ASSERT_GT(plot.XAxis, plot.X + 14 + 40);

  int axisPixels = 0;
  int leftEdgePixels = 0;
  for (int y = plot.YAxis - plot.H; y <= plot.Y; ++y) {
    axisPixels += page.pixel(plot.XAxis, y) == kBlack;
    leftEdgePixels += page.pixel(plot.X + 14, y) == kBlack;
  }
  EXPECT_GE(axisPixels, plot.H);  // the curve crosses the axis
  EXPECT_LT(leftEdgePixels, 5);
}

TEST(PageDrawingTest, AProfileOfEqualValuesIsAVerticalLineInTheMiddle) {
  for (const double value : {50.0, 0.0}) {
    PictorialData data = testing::RampPictures(2, 8);
    data.ProfileMatrix[0].assign(10, value);
    const QImage page = FirstPage(data);
    const ProfileScale plot = PlotInSlot(data, true, 0);
    // The value falls on a half pixel of the 223-pixel plot, so rounding
    // noise of the interpolation may tip a sample one pixel to the left.
    const int middle = plot.X + 14 + plot.W / 2;
    const QRgb red = CurveColour(0).rgb();
    EXPECT_GT(CountInColumns(page, red, middle, middle + 3), plot.H - 14) << value;
    EXPECT_EQ(CountInColumns(page, red, 0, middle) + CountInColumns(page, red, middle + 3, 870), 0)
        << value;
  }
}

TEST(PageDrawingTest, StreamsAreDrawnOnTheirTraysAndTopTakeoffsOnTheRefluxLine) {
  const struct {
    std::vector<int> feeds;
    std::vector<int> takeoffs;
    bool feedOnTray3;
    bool takeoffOnTray5;
    bool takeoffAtTop;
  } cases[] = {
      {{3}, {9}, true, false, true},
      {{}, {5}, false, true, false},
      {{0, 10}, {0, 10}, false, false, false},  // still and beyond the top: not drawn
  };
  for (const auto& c : cases) {
    PictorialData data = testing::RampPictures(2, 8);
    data.FeedTrays = c.feeds;
    data.CatchTrays = c.takeoffs;
    const QImage page = FirstPage(data);
    const int pitch = TrayPitch(8, kPage.height());
    const int dome = DomeHeight(pitch);
    const int y = BaseLine(kPage.height(), 8, pitch, dome);
    const int x = 50;
    // Along the stream lines, clear of the trays' own walls.
    EXPECT_EQ(page.pixel(x - 12, TrayLevel(y, dome, pitch, 3)) == kBlack, c.feedOnTray3);
    EXPECT_EQ(page.pixel(x + 66, TrayLevel(y, dome, pitch, 5)) == kBlack, c.takeoffOnTray5);
    EXPECT_EQ(page.pixel(x + 76, TrayLevel(y, dome, pitch, 9)) == kBlack, c.takeoffAtTop);
  }
}

TEST(PageDrawingTest, ThePageIsFilledWithTheButtonFace) {
  const QImage page = FirstPage(testing::RampPictures(2, 8));
  EXPECT_EQ(page.pixel(0, 0), PageBackground().rgb());
  EXPECT_EQ(page.pixel(869, 599), PageBackground().rgb());
}

}  // namespace
}  // namespace vexilor::render
