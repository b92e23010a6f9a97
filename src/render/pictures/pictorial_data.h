// What the pictorial results draw: the tray profiles of one column
// calculation, the streams that mark its trays, and the texts of its plots.
// Filled either from the run that has just finished or from a calculation
// stored in the results database.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vexilor {
struct FinishedRun;
}

namespace vexilor::render {

//! Number of entries of PlotTitles: three profile titles, a heading per
//! component and the two concentration titles, for four components.
inline constexpr int kPlotTitleCount = 9;
//! Most components the pictures can show (PlotTitles has room for four).
inline constexpr int kMaxPictureComponents = 4;

//! A calculation the pictures cannot show; the message is in the
//! language of interface and is meant for the user.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PictorialData {
  std::uint8_t Lang = 1;        //!< language of the texts drawn (1 English)
  std::uint8_t CompCount = 0;   //!< number of components, 2 to 4
  std::uint16_t N = 0;          //!< number of trays; stages are 0 (still) .. N+1 (dephlegmator)
  std::vector<int> FeedTrays;   //!< tray of each feed stream, in stream order
  std::vector<int> CatchTrays;  //!< tray of each takeoff stream, in stream order
  //! [row][tray], trays 0 .. N+1. Row 0 boiling temperature, deg C; rows 1
  //! and 2 liquid and vapour flow in FlowUnit; rows 3+2(k-1) and 4+2(k-1)
  //! liquid and vapour concentration of component k, percent.
  std::vector<std::vector<double>> ProfileMatrix;
  //! [0..2] profile titles, [2+k] heading of component k, [CompCount+3]
  //! liquid and [CompCount+4] vapour concentration title.
  std::vector<QString> PlotTitles;
  QString FlowUnit;  //!< flow unit text of the calculation
  QString ConcUnit;  //!< concentration unit text of the calculation

  //! Index of the last profile row: 2 CompCount + 2.
  int LastRow() const { return 2 * CompCount + 2; }
};

//! The English text as a QString when lang is 1, the Russian one otherwise.
QString PictureText(std::uint8_t lang, std::string_view english, std::string_view russian);

//! How a component heading joins the name and the concentration unit. The
//! Russian heading of a stored calculation has always been written with a
//! space before its comma; current runs write it without.
enum class HeadingStyle { CurrentRun, StoredCalculation };

//! The nine plot titles in the language lang for the given component names.
std::vector<QString> MakePlotTitles(std::uint8_t lang, const std::vector<QString>& compNames,
                                    const QString& flowUnit, const QString& concUnit,
                                    HeadingStyle style);

//! Refuses a component count the pictures have no room for (above four,
//! or a negative count of an edited stored calculation).
void CheckPictureComponentCount(int compCount, std::uint8_t lang);

//! Pictorial data of a finished run: temperatures in deg C, flows times
//! the run's flow factor, concentrations in percent; texts in lang.
PictorialData PictorialDataFromRun(const FinishedRun& run, std::uint8_t lang);

}  // namespace vexilor::render
