#include "render/pictures/stored_pictorial_data.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "render/pictures/sample_pictures.h"
#include "store/data_module.h"
#include "store/store_calculation.h"
#include "store/stored_calculation.h"

namespace vexilor::render {
namespace {

// A calculation as the database hands it back, with n trays whose rows
// carry temperature 100 - j and flows j + 1.
store::StoredCalculation HandMadeCalculation(int compCount, int trayCount) {
  store::StoredCalculation calculation;
  calculation.Init.RquantComp = compCount;
  calculation.Init.RquantTrays = trayCount;
  calculation.Init.RdimConsum = " kg/sec";
  calculation.Init.RdimConc = "% mass.";
  for (int k = 0; k < compCount; ++k) calculation.Init.RComp[k] = "C" + std::to_string(k + 1);
  for (int j = 0; j < trayCount + 2; ++j) {
    store::RctResultRow row;
    row.TrayNmb = j;
    row.Temper = 100.0 - j;
    row.TLiqCons = j + 1.0;
    row.TVapCons = j + 1.0;
    for (int k = 0; k < compCount; ++k) {
      row.TXcomp[k] = 10.0 * (k + 1);
      row.TYcomp[k] = 10.0 * (k + 1) + 5;
    }
    calculation.Trays.push_back(row);
  }
  return calculation;
}

TEST(PictorialDataFromStoredTest, AStoredRunDrawsLikeTheRunItself) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const FinishedRun run = testing::EthanolWaterRun(2);
  store::TDM dm(dir.filePath("DbRectif.db"));
  const int rectId = store::StoreCalculation(dm, run);
  const auto stored = store::LoadCalculation(dm, rectId);
  ASSERT_TRUE(stored.has_value());

  const PictorialData fromStore = PictorialDataFromStored(*stored, 2);
  const PictorialData fromRun = PictorialDataFromRun(run, 2);
  EXPECT_EQ(fromStore.CompCount, fromRun.CompCount);
  EXPECT_EQ(fromStore.N, fromRun.N);
  EXPECT_EQ(fromStore.FeedTrays, fromRun.FeedTrays);
  EXPECT_EQ(fromStore.CatchTrays, fromRun.CatchTrays);
  ASSERT_EQ(fromStore.ProfileMatrix.size(), fromRun.ProfileMatrix.size());
  for (std::size_t row = 0; row < fromRun.ProfileMatrix.size(); ++row) {
    ASSERT_EQ(fromStore.ProfileMatrix[row].size(), fromRun.ProfileMatrix[row].size());
    for (std::size_t j = 0; j < fromRun.ProfileMatrix[row].size(); ++j) {
      EXPECT_NEAR(fromStore.ProfileMatrix[row][j], fromRun.ProfileMatrix[row][j], 1e-9)
          << "row " << row << " tray " << j;
    }
  }
  // The stored Russian heading keeps its space before the comma.
  EXPECT_EQ(fromStore.PlotTitles[3],
            QString::fromUtf8("Концентрация компонента  Этанол ,  %мольн."));
  EXPECT_EQ(fromStore.PlotTitles[1], fromRun.PlotTitles[1]);

  // Drawn in the language of interface, whatever language it was stored in.
  const PictorialData english = PictorialDataFromStored(*stored, 1);
  EXPECT_EQ(english.PlotTitles[0], QString("Boiling temperature of a mix, deg.c"));
  EXPECT_EQ(english.PlotTitles[4], QString::fromUtf8("Density of component  Вода,  %мольн."));
}

TEST(PictorialDataFromStoredTest, StreamsAreSplitByTheStoredCounts) {
  store::StoredCalculation calculation = HandMadeCalculation(2, 8);
  calculation.Init.RquantFeeds = 2;
  calculation.Init.RquantCatch = 1;
  for (const int tray : {3, 5, 9, 7}) {  // the fourth row is beyond the counts
    store::AddDataRow stream;
    stream.ATrayNum = tray;
    calculation.Streams.push_back(stream);
  }
  const PictorialData data = PictorialDataFromStored(calculation, 1);
  EXPECT_EQ(data.FeedTrays, (std::vector<int>{3, 5}));
  EXPECT_EQ(data.CatchTrays, std::vector<int>{9});

  // Counts above the rows that exist take what there is.
  calculation.Init.RquantCatch = 5;
  EXPECT_EQ(PictorialDataFromStored(calculation, 1).CatchTrays, (std::vector<int>{9, 7}));
}

TEST(PictorialDataFromStoredTest, UsesTheFirstTrayRowsAndReadsEmptyFieldsAsZero) {
  store::StoredCalculation calculation = HandMadeCalculation(3, 4);
  calculation.Trays.push_back(calculation.Trays.front());  // a seventh row, not a tray
  calculation.Trays[2].Temper.reset();
  calculation.Trays[2].TYcomp[2].reset();
  const PictorialData data = PictorialDataFromStored(calculation, 1);
  ASSERT_EQ(data.ProfileMatrix.size(), 9u);
  EXPECT_EQ(data.ProfileMatrix[0], (std::vector<double>{100, 99, 0, 97, 96, 95}));
  EXPECT_EQ(data.ProfileMatrix[2][5], 6);
  EXPECT_EQ(data.ProfileMatrix[7][0], 30);
  EXPECT_EQ(data.ProfileMatrix[8][2], 0);
  EXPECT_EQ(data.PlotTitles[5], QString("Density of component  C3,  % mass."));
}

TEST(PictorialDataFromStoredTest, RefusesWhatItCannotDraw) {
  const struct {
    const char* what;
    int compCount;
    int trayCount;
    int dropRows;
    const char* message;
  } cases[] = {
      {"five components", 5, 4, 0,
       "The calculation holds 5 components; the pictorial form can show four at most."},
      {"a missing tray row", 2, 4, 1, "The calculation holds 5 tray rows; its 4 trays need 6."},
      {"no tray rows", 2, 4, 6, "The calculation holds 0 tray rows; its 4 trays need 6."},
  };
  for (const auto& c : cases) {
    store::StoredCalculation calculation = HandMadeCalculation(c.compCount, c.trayCount);
    calculation.Trays.resize(calculation.Trays.size() - static_cast<std::size_t>(c.dropRows));
    try {
      PictorialDataFromStored(calculation, 1);
      ADD_FAILURE() << c.what << " accepted";
    } catch (const PictureError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.what;
    }
  }
}

}  // namespace
}  // namespace vexilor::render
