#include "render/pictures/profile_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace vexilor::render {
namespace {

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    int expected;
  } cases[] = {{2.5, 2},       {3.5, 4},        {-2.5, -2},   {-3.5, -4}, {0.5, 0},
               {1.4999999, 1}, {236.6667, 237}, {197.5, 198}, {-0.4, 0},  {12.5000001, 13}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
}

TEST(RoundHalfEvenTest, UnreachableValuesStayOffThePage) {
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundHalfEven(1e300), 1000000000);
  EXPECT_EQ(RoundHalfEven(-std::numeric_limits<double>::infinity()), -1000000000);
}

TEST(PageGeometryTest, TrayPitchAndDomeFollowTheNumberOfTrays) {
  const struct {
    int trays;
    int bottom;
    int pitch;
    int dome;
  } cases[] = {
      {1, 600, 20, 13},  {10, 600, 20, 13}, {11, 600, 18, 12},
      {22, 600, 18, 12}, {23, 600, 17, 11},  // (600-165)/26 = 16.73
      {30, 600, 13, 9},                      // (600-165)/33 = 13.18
      {27, 615, 15, 10},                     // (615-165)/30 = 15 exactly
  };
  for (const auto& c : cases) {
    const int pitch = TrayPitch(c.trays, c.bottom);
    EXPECT_EQ(pitch, c.pitch) << c.trays << " trays";
    EXPECT_EQ(DomeHeight(pitch), c.dome) << c.trays << " trays";
  }
}

TEST(PageGeometryTest, BaseLineCentresTheColumnWithHalvesToEven) {
  // Eight trays: the column is 9*20 + 2*13 + 6 = 212 pixels high.
  EXPECT_EQ(BaseLine(600, 8, 20, 13), 600 - 194);
  EXPECT_EQ(BaseLine(601, 8, 20, 13), 601 - 194);  // 194.5 rounds to 194
  EXPECT_EQ(BaseLine(603, 8, 20, 13), 603 - 196);  // 195.5 rounds to 196
}

TEST(ProfileScaleTest, MapsTraysLevelWithTheSketchAndValuesAcrossTheWidth) {
  const std::vector<double> temperature{100, 96.5, 92, 88.1, 84, 81.6, 80.2, 79.2, 78.5, 78.2};
  const ProfileScale scale = ScaleProfile(temperature, 145, 404, 218, 180);
  EXPECT_DOUBLE_EQ(scale.VMin, 78.2);
  EXPECT_DOUBLE_EQ(scale.VMax, 100);
  EXPECT_DOUBLE_EQ(scale.ST, 20);
  EXPECT_EQ(scale.YAxis, 390);
  EXPECT_EQ(scale.PixelY(0), 390);
  EXPECT_EQ(scale.PixelY(9), 210);
  EXPECT_EQ(scale.PixelX(78.2), 159);
  EXPECT_EQ(scale.PixelX(100), 159 + 218);
}

TEST(ProfileScaleTest, TrayAxisStandsAtTheLeftOrAtTheValueZero) {
  const struct {
    std::vector<double> values;
    int expectedAxis;
  } cases[] = {
      {{78.2, 100, 90}, 14},       // both ends positive
      {{-5, -1, -3}, 14},          // both ends negative
      {{-10, 0, 30}, 14 + 50},     // 200 px over 40: the value 0 sits 50 px in
      {{0, 4, 10}, 14},            // range starting at 0
      {{-30, -20, 10}, 14 + 150},  // mostly negative
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleProfile(c.values, 0, 300, 200, 200).XAxis, c.expectedAxis)
        << c.values.front() << " .. " << c.values[1];
  }
}

TEST(ProfileScaleTest, EqualValuesAreDrawnOnAUnitRangeAroundThem) {
  const std::vector<double> constant(10, 5.0);
  const ProfileScale flat = ScaleProfile(constant, 0, 300, 200, 180);
  EXPECT_DOUBLE_EQ(flat.VMin, 4.5);
  EXPECT_DOUBLE_EQ(flat.VMax, 5.5);
  EXPECT_DOUBLE_EQ(flat.SV, 200);
  EXPECT_EQ(flat.XAxis, 14);
  EXPECT_EQ(flat.PixelX(5), 14 + 100);
  EXPECT_GT(flat.ValueStep, 0);
  EXPECT_FALSE(LabelledValueTicks(flat).empty());

  // A range below 1e-10 counts as none.
  std::vector<double> almost(10, 5.0);
  almost[4] = 5.0 + 1e-11;
  EXPECT_DOUBLE_EQ(ScaleProfile(almost, 0, 300, 200, 180).VMin, 4.5);

  // An all-zero profile puts the tray axis, and the curve, in the middle.
  const ProfileScale zero = ScaleProfile(std::vector<double>(10, 0.0), 0, 300, 200, 180);
  EXPECT_EQ(zero.XAxis, 14 + 100);
  EXPECT_EQ(zero.PixelX(0), 14 + 100);
  for (const ValueTick& tick : LabelledValueTicks(zero)) EXPECT_TRUE(std::isfinite(tick.Value));
}

TEST(ProfileScaleTest, LabelSpacingAndCurveStepFollowTheNumberOfPoints) {
  const struct {
    int points;
    int valueLabels;
    int trayLabels;
    double curveStep;
  } cases[] = {
      {3, 2, 1, 0.01},  {10, 2, 1, 0.01}, {11, 3, 2, 0.02}, {12, 3, 2, 0.02}, {20, 3, 2, 0.02},
      {21, 4, 2, 0.04}, {30, 4, 2, 0.04}, {31, 4, 3, 0.05}, {40, 4, 3, 0.05}, {41, 4, 3, 0.06},
  };
  for (const auto& c : cases) {
    std::vector<double> values(static_cast<std::size_t>(c.points));
    for (int j = 0; j < c.points; ++j) values[static_cast<std::size_t>(j)] = j;
    const ProfileScale scale = ScaleProfile(values, 0, 500, 220, 400);
    EXPECT_EQ(scale.ValueLabelEvery, c.valueLabels) << c.points << " points";
    EXPECT_EQ(scale.TrayLabelEvery, c.trayLabels) << c.points << " points";
    EXPECT_DOUBLE_EQ(scale.CurveStep, c.curveStep) << c.points << " points";
  }
}

TEST(ProfileScaleTest, TwelvePointsLabelEveryThirdValueTickAndEverySecondTray) {
  // Ten trays: 12 points, 220 px high (pitch 20), 223 px wide.
  std::vector<double> values;
  for (int j = 0; j < 12; ++j) values.push_back(10.0 * j);  // 0 .. 110
  const ProfileScale scale = ScaleProfile(values, 100, 400, 223, 220);
  ASSERT_EQ(scale.ValueStep, 20);  // 223 / 11 = 20.3
  ASSERT_EQ(scale.TrayStep, 20);

  const std::vector<ValueTick> valueTicks = LabelledValueTicks(scale);
  ASSERT_EQ(valueTicks.size(), 4u);  // ticks 0 .. 11 fit, labelled 2, 5, 8, 11
  const int expectedX[] = {154, 214, 274, 334};
  for (std::size_t i = 0; i < valueTicks.size(); ++i) {
    EXPECT_EQ(valueTicks[i].X, expectedX[i]);
    EXPECT_NEAR(valueTicks[i].Value, (expectedX[i] - 114) / scale.SV, 1e-12);
  }

  const std::vector<TrayTick> trayTicks = LabelledTrayTicks(scale);
  ASSERT_EQ(trayTicks.size(), 6u);
  for (std::size_t i = 0; i < trayTicks.size(); ++i) {
    EXPECT_EQ(trayTicks[i].Tray, static_cast<int>(2 * i));
    EXPECT_EQ(trayTicks[i].Y, 386 - static_cast<int>(40 * i));
  }
}

TEST(ProfileScaleTest, ValueTicksRunToTheAxisPlusTheWidth) {
  // With the axis at the value 0 the ticks go on past the right end.
  const std::vector<double> values{-10, 0, 30};
  const ProfileScale scale = ScaleProfile(values, 0, 300, 200, 200);
  ASSERT_EQ(scale.XAxis, 64);
  ASSERT_EQ(scale.ValueStep, 100);
  // Ticks at 14, 114 and 214 fit under 64 + 200; every second one is labelled.
  const std::vector<ValueTick> ticks = LabelledValueTicks(scale);
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].X, 114);
  EXPECT_DOUBLE_EQ(ticks[0].Value, 10);
}

TEST(ProfileScaleTest, APlotSqueezedToNothingHasNoTicks) {
  const ProfileScale scale = ScaleProfile(std::vector<double>{1, 2, 3}, 0, 100, 0, 0);
  EXPECT_TRUE(LabelledValueTicks(scale).empty());
  EXPECT_TRUE(LabelledTrayTicks(scale).empty());
}

TEST(CurveCutsTest, CutsAtStreamTraysStrictlyInsideTheColumn) {
  const struct {
    std::vector<int> feeds;
    std::vector<int> takeoffs;
    std::vector<int> expected;
  } cases[] = {
      {{3}, {9}, {0, 3, 9}},  // takeoff at the reflux level is an end already
      {{}, {}, {0, 9}},         {{0, 6}, {2}, {0, 2, 6, 9}},  // feed into the still is no cut
      {{5}, {5, 5}, {0, 5, 9}},                               // each tray once
      {{12}, {-1}, {0, 9}},  // trays outside the column are ignored
  };
  for (const auto& c : cases) EXPECT_EQ(CurveCuts(8, c.feeds, c.takeoffs), c.expected);
}

TEST(LagrangeTest, WeightsAreTheInverseNodeProducts) {
  const std::vector<double> nodes{3, 4, 5};
  const std::vector<double> weights = LagrangeWeights(nodes);
  ASSERT_EQ(weights.size(), 3u);
  EXPECT_DOUBLE_EQ(weights[0], 0.5);
  EXPECT_DOUBLE_EQ(weights[1], -1);
  EXPECT_DOUBLE_EQ(weights[2], 0.5);
}

TEST(LagrangeTest, ReproducesAPolynomialOfTheSameDegreeAndTheNodeValues) {
  const auto cubic = [](double t) { return 2 * t * t * t - 3 * t * t + 0.5 * t - 7; };
  const std::vector<double> nodes{2, 3, 4, 5};
  std::vector<double> values;
  for (double t : nodes) values.push_back(cubic(t));
  const std::vector<double> weights = LagrangeWeights(nodes);
  for (double t = 2; t < 5; t += 0.13) {
    EXPECT_NEAR(LagrangeValue(nodes, values, weights, t), cubic(t), 1e-9) << t;
  }
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(LagrangeValue(nodes, values, weights, nodes[i]), values[i]);
  }
}

TEST(CurvePixelsTest, PiecesMeetAtTheFeedTrayWithoutOvershoot) {
  // A kinked profile: rising up to the feed on tray 3, flat above it. One
  // polynomial through all ten trays would swing far outside 0 .. 3.
  const std::vector<double> values{0, 1, 2, 3, 3, 3, 3, 3, 3, 3};
  const ProfileScale scale = ScaleProfile(values, 0, 300, 300, 180);
  const std::vector<int> cuts{0, 3, 9};
  const std::vector<CurvePixel> pixels = CurvePixels(scale, values, cuts);

  ASSERT_EQ(pixels.size(), 300u + 600u);  // steps of 0.01 over 0..3 and 3..9
  for (const CurvePixel& pixel : pixels) {
    EXPECT_GE(pixel.X, scale.PixelX(0));
    EXPECT_LE(pixel.X, scale.PixelX(3));
  }
  // The last sample of the lower piece (t = 2.99) and the first of the
  // upper one (t = 3) land on the feed tray's point.
  const CurvePixel feedPoint{scale.PixelX(3), scale.PixelY(3)};
  EXPECT_NEAR(pixels[299].X, feedPoint.X, 1);
  EXPECT_EQ(pixels[299].Y, feedPoint.Y);
  EXPECT_EQ(pixels[300].X, feedPoint.X);
  EXPECT_EQ(pixels[300].Y, feedPoint.Y);
  // The top tray itself is not sampled: the last sample is t = 8.99.
  EXPECT_EQ(pixels.back().Y, scale.PixelY(8.99));

  const std::vector<CurvePixel> whole = CurvePixels(scale, values, std::vector<int>{0, 9});
  int outside = 0;
  for (const CurvePixel& pixel : whole) outside += pixel.X > scale.PixelX(3) + 1;
  EXPECT_GT(outside, 0);
}

}  // namespace
}  // namespace vexilor::render
