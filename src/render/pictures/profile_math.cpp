#include "render/pictures/profile_math.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vexilor::render {
namespace {

// Below this a value range counts as none at all.
constexpr double kFlatRange = 1e-10;
// Drawing positions are kept within this many pixels of the origin.
constexpr double kPixelLimit = 1e9;

int LabelEveryValueTick(int points) {
  return points <= 10 ? 2 : points <= 20 ? 3 : 4;
}
int LabelEveryTrayTick(int points) {
  return points <= 10 ? 1 : points <= 30 ? 2 : 3;
}

double CurveStepFor(int points) {
  if (points <= 10) return 0.01;
  if (points <= 20) return 0.02;
  if (points <= 30) return 0.04;
  if (points <= 40) return 0.05;
  return 0.06;
}

}  // namespace

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  value = std::clamp(value, -kPixelLimit, kPixelLimit);
  const double below = std::floor(value);
  const double fraction = value - below;
  double rounded = below;
  if (fraction > 0.5) {
    rounded = below + 1;
  } else if (fraction == 0.5) {
    rounded = std::fmod(below, 2.0) == 0 ? below : below + 1;
  }
  return static_cast<int>(rounded);
}

int TrayPitch(int trayCount, int bottom) {
  if (trayCount <= 10) return 20;
  if (trayCount <= 22) return 18;
  return RoundHalfEven(static_cast<double>(bottom - 165) / (trayCount + 3));
}

int DomeHeight(int trayPitch) {
  return RoundHalfEven(trayPitch / 1.5);
}

int BaseLine(int bottom, int trayCount, int trayPitch, int domeHeight) {
  const int columnHeight = (trayCount + 1) * trayPitch + 2 * domeHeight + 6;
  return bottom - RoundHalfEven((bottom - columnHeight) / 2.0);
}

int ProfileScale::PixelX(double value) const {
  return X + 14 + RoundHalfEven((value - VMin) * SV);
}

int ProfileScale::PixelY(double tray) const {
  return Y - 14 - RoundHalfEven(tray * ST);
}

ProfileScale ScaleProfile(std::span<const double> values, int x, int y, int width, int height) {
  ProfileScale scale;
  scale.X = x;
  scale.Y = y;
  scale.W = width;
  scale.H = height;
  const int points = static_cast<int>(values.size());
  if (points < 2) return scale;

  const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  scale.VMin = *lowest;
  scale.VMax = *highest;
  if (scale.VMax - scale.VMin <= kFlatRange) {
    scale.VMin = *lowest - 0.5;
    scale.VMax = *lowest + 0.5;
  }
  scale.TMax = points - 1;
  scale.ST = height / scale.TMax;
  scale.SV = width / (scale.VMax - scale.VMin);

  // The tray axis stands at the value 0 when the range holds it (or ends
  // on it), otherwise at the left end of the plot.
  scale.XAxis = x + 14;
  if (!(scale.VMin * scale.VMax > 0)) scale.XAxis += std::abs(RoundHalfEven(scale.VMin * scale.SV));
  scale.YAxis = y - 14;

  scale.ValueStep = RoundHalfEven((scale.VMax - scale.VMin) * scale.SV / (points - 1));
  scale.TrayStep = RoundHalfEven(scale.TMax * scale.ST / (points - 1));
  scale.ValueLabelEvery = LabelEveryValueTick(points);
  scale.TrayLabelEvery = LabelEveryTrayTick(points);
  scale.CurveStep = CurveStepFor(points);
  return scale;
}

std::vector<ValueTick> LabelledValueTicks(const ProfileScale& scale) {
  std::vector<ValueTick> ticks;
  if (scale.ValueStep <= 0) return ticks;  // a plot squeezed to nothing has no ticks
  const int right = scale.XAxis + scale.W;
  for (int k = 0; scale.X + 14 + k * scale.ValueStep <= right; ++k) {
    if ((k + 1) % scale.ValueLabelEvery != 0) continue;
    ticks.push_back(
        {scale.X + 14 + k * scale.ValueStep, scale.VMin + k * scale.ValueStep / scale.SV});
  }
  return ticks;
}

std::vector<TrayTick> LabelledTrayTicks(const ProfileScale& scale) {
  std::vector<TrayTick> ticks;
  if (scale.TrayStep <= 0) return ticks;
  const int top = scale.YAxis - scale.H;
  for (int k = 0; scale.YAxis - k * scale.TrayStep >= top; k += scale.TrayLabelEvery) {
    ticks.push_back(
        {scale.YAxis - k * scale.TrayStep, RoundHalfEven(k * scale.TrayStep / scale.ST)});
  }
  return ticks;
}

std::vector<int> CurveCuts(int trayCount, std::span<const int> feedTrays,
                           std::span<const int> catchTrays) {
  const int top = trayCount + 1;
  std::vector<int> cuts{0, top};
  for (const auto streams : {feedTrays, catchTrays}) {
    for (const int tray : streams) {
      if (tray > 0 && tray < top) cuts.push_back(tray);
    }
  }
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  return cuts;
}

std::vector<double> LagrangeWeights(std::span<const double> nodes) {
  std::vector<double> weights(nodes.size());
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    double product = 1;
    for (std::size_t m = 0; m < nodes.size(); ++m) {
      if (m != i) product *= nodes[i] - nodes[m];
    }
    weights[i] = 1 / product;
  }
  return weights;
}

double LagrangeValue(std::span<const double> nodes, std::span<const double> values,
                     std::span<const double> weights, double t) {
  double sum = 0;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (t == nodes[i]) return values[i];
    double product = values[i] * weights[i];
    for (std::size_t m = 0; m < nodes.size(); ++m) {
      if (m != i) product *= t - nodes[m];
    }
    sum += product;
  }
  return sum;
}

std::vector<CurvePixel> CurvePixels(const ProfileScale& scale, std::span<const double> values,
                                    std::span<const int> cuts) {
  std::vector<CurvePixel> pixels;
  const int points = static_cast<int>(values.size());
  for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
    const int from = cuts[c];
    const int to = cuts[c + 1];
    if (from < 0 || to >= points || from >= to) continue;
    std::vector<double> nodes;
    for (int tray = from; tray <= to; ++tray) nodes.push_back(tray);
    const auto pieceValues = values.subspan(static_cast<std::size_t>(from), nodes.size());
    const std::vector<double> weights = LagrangeWeights(nodes);
    // Each sample is placed from the piece's start, not by summing steps,
    // so rounding does not drift along the piece.
    for (int k = 0;; ++k) {
      const double t = from + k * scale.CurveStep;
      if (!(t < to)) break;
      const double value = LagrangeValue(nodes, pieceValues, weights, t);
      pixels.push_back({scale.PixelX(value), scale.PixelY(t)});
    }
  }
  return pixels;
}

}  // namespace vexilor::render
