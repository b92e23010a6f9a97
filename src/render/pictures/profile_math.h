// Arithmetic of the pictorial results: the page geometry, the scales and
// ticks of a profile plot, and the Lagrange pieces that make a smooth curve
// through the tray values. Plain functions on numbers, so every figure can
// be checked without painting anything.
#pragma once

#include <span>
#include <vector>

namespace vexilor::render {

//! Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
//! Values beyond the reach of a drawing (NaN, overflow) are clamped to
//! +-1e9 so that they stay off any page instead of wrapping around.
int RoundHalfEven(double value);

//! Vertical distance between two trays of the column sketch, pixels:
//! 20 up to 10 trays, 18 up to 22, and beyond that what fits into the
//! drawing area of the given bottom edge.
int TrayPitch(int trayCount, int bottom);

//! Height of the still's and the top's half ellipses, pixels.
int DomeHeight(int trayPitch);

//! Base line of the column sketch (the still's lowest point), chosen so
//! that the column sits in the vertical middle of the drawing area.
int BaseLine(int bottom, int trayCount, int trayPitch, int domeHeight);

//! How one profile (a value per tray, trays 0 .. N+1) maps onto a plot
//! with its origin (X, Y) at the lower left and the given width and height.
//! The tray number grows upward, the value to the right.
struct ProfileScale {
  double VMin = 0;  //!< value at the left end of the value axis
  double VMax = 0;  //!< value at the right end
  double TMax = 0;  //!< top tray N+1 (the bottom one is tray 0)
  double ST = 0;    //!< pixels per tray
  double SV = 0;    //!< pixels per value unit
  int X = 0, Y = 0, W = 0, H = 0;
  int XAxis = 0;            //!< x of the tray axis: the left end, or where the value is 0
  int YAxis = 0;            //!< y of the value axis: the level of tray 0
  int ValueStep = 0;        //!< pixels between two value ticks
  int TrayStep = 0;         //!< pixels between two tray ticks
  int ValueLabelEvery = 1;  //!< every how many value ticks carry a label
  int TrayLabelEvery = 1;   //!< every how many tray ticks carry a label
  double CurveStep = 0.01;  //!< tray increment between two curve pixels

  int PixelX(double value) const;
  int PixelY(double tray) const;
};

//! Scales of a profile with values[j] at tray j. A profile whose values
//! are all equal has no range to spread over the width; it is drawn on a
//! unit range centred on its value, so that its line and ticks still
//! make sense (an all-zero profile included).
ProfileScale ScaleProfile(std::span<const double> values, int x, int y, int width, int height);

//! A labelled tick of the value axis: its x and the value it stands for.
struct ValueTick {
  int X;
  double Value;
};

//! A labelled tick of the tray axis: its y and the tray number written.
struct TrayTick {
  int Y;
  int Tray;
};

//! The value ticks that carry a mark, a grid line and a label; the
//! unlabelled ticks between them are not drawn.
std::vector<ValueTick> LabelledValueTicks(const ProfileScale& scale);
std::vector<TrayTick> LabelledTrayTicks(const ProfileScale& scale);

//! Trays where a profile curve is cut into separately interpolated pieces:
//! 0, every feed or takeoff tray strictly between 0 and N+1, and N+1,
//! ascending and each once. A stream changes the flows and compositions
//! abruptly, so one polynomial across it would overshoot.
std::vector<int> CurveCuts(int trayCount, std::span<const int> feedTrays,
                           std::span<const int> catchTrays);

//! Barycentric denominators of the Lagrange polynomial through the nodes:
//! w_i = 1 / prod_{m != i} (t_i - t_m).
std::vector<double> LagrangeWeights(std::span<const double> nodes);

//! The interpolating polynomial through (nodes[i], values[i]) at t:
//! p(t) = sum_i v_i w_i prod_{m != i} (t - t_m); exactly v_i at a node.
double LagrangeValue(std::span<const double> nodes, std::span<const double> values,
                     std::span<const double> weights, double t);

//! One pixel of a profile curve (the curve also colours its right neighbour).
struct CurvePixel {
  int X;
  int Y;
};

//! The pixels of the curve through values[j] at tray j, one Lagrange piece
//! per pair of neighbouring cuts, sampled every CurveStep trays.
std::vector<CurvePixel> CurvePixels(const ProfileScale& scale, std::span<const double> values,
                                    std::span<const int> cuts);

}  // namespace vexilor::render
