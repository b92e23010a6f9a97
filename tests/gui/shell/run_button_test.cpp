// One whole rectification run started from the Run button, every window of
// its dialogue answered as a user would.
#include "gui/shell/run_button.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "engine/column/column_fixtures.h"
#include "engine/results/finished_run.h"
#include "engine/thermo/builtin_data.h"
#include "engine/thermo/vle_file.h"
#include "gui/dialogs/alternatives_dialog.h"
#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/number_dialog.h"
#include "gui/dialogs/string_grid.h"
#include "gui/shell/main_frame.h"
#include "gui/shell/main_window_fixture.h"
#include "gui/shell/memo_results_text.h"
#include "gui/shell/typed_column.h"

namespace vexilor::gui {
namespace {

using testing::ClickButton;
using testing::TypeColumnAndConfirm;
using testing::TypeIntoCell;

struct RecordingStore : ResultsStore {
  void StoreCalculation(const FinishedRun& run) override { Runs.push_back(run); }
  std::vector<FinishedRun> Runs;
};

class RunButtonTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    LoadBuiltInData();
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    LoadBuiltInData();
  }

  // A three-tray ethanol-water column typed into the entry dialog.
  static void FillColumn(ColumnEntryDialog* dialog) {
    TypeColumnAndConfirm(dialog,
                         {"600", "3", "3", {"2", "1000"}, "20", {{"4", "150"}, {"3", "100"}}});
  }
};

TEST_F(RunButtonTest, RunFromTheButtonToTheDatabaseQuestion) {
  const std::string file = folder.filePath("ethanol-water.dat").toStdString();
  WriteVLEDataFile(file, vexilor::testing::EthanolWaterWilson());
  MainWindow& window = Open(1);
  RecordingStore store;
  ConnectRunButton(window, &store);

  std::string storeQuestion;
  driver
      .AnswerMessage(QMessageBox::Yes)  // load a data file
      .On<QFileDialog>([file](QFileDialog* dialog) {
        dialog->selectFile(QString::fromStdString(file));
        static_cast<QDialog*>(dialog)->accept();
      })
      .AcceptMessage()  // no column block: keyboard entry
      .On<AlternativesDialog>([](AlternativesDialog* d) { ClickButton(d, "btChecked"); })
      .On<ColumnEntryDialog>(FillColumn)
      .On<NumberDialog>([](NumberDialog* d) { ClickButton(d, "btOk"); });  // 760 mm Hg
  driver.On<AlternativesDialog>([](AlternativesDialog* d) { ClickButton(d, "btChecked"); })
      .AnswerMessage(QMessageBox::No);  // do not write the block
  // The global method asks twice about its slow convergence; the
  // constants are kept.
  for (int i = 0; i < 4; ++i)
    driver.On<NumberDialog>([](NumberDialog* d) { ClickButton(d, "btOk"); });
  // This small column leaves the dephlegmator with less than no vapour: the
  // solution is shown with a warning.
  driver.AcceptMessage().AnswerMessage(QMessageBox::Yes, &storeQuestion);

  window.Frame().BitBtnRun->click();

  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(storeQuestion,
            "   The program operation is successfully completed.\n Wish to place results of "
            "calculation in a database (y/n) ? ");
  ASSERT_EQ(driver.Messages.size(), 2u);
  EXPECT_EQ(driver.Messages[1],
            "Warning! The solution is physically impossible: negative vapour flow on trays 4.");
  ASSERT_NE(window.LastFinishedRun(), nullptr);
  EXPECT_EQ(window.LastFinishedRun()->TrayCount, 3);
  ASSERT_EQ(store.Runs.size(), 1u);
  EXPECT_EQ(store.Runs[0].Temp, window.LastFinishedRun()->Temp);
  EXPECT_TRUE(window.ActionGraphGo->isEnabled());
  EXPECT_TRUE(window.Frame().BitBtnRun->isEnabled());
  EXPECT_FALSE(window.Busy());
  const std::string text = window.Results().ReadAll();
  EXPECT_NE(text.find("THE PRECISE SOLUTION OF THE PROBLEM IS RECEIVED!"), std::string::npos);
}

}  // namespace
}  // namespace vexilor::gui
