// The main window's "DB Brows" wired to the browser, with the real user
// dialog, pictorial window and report options over it.
#include <gtest/gtest.h>

#include "gui/browser/browse_results.h"
#include "gui/browser/db_browser.h"
#include "gui/browser/results_grid.h"
#include "gui/graph/fm_graph.h"
#include "gui/report/output_options_dialog.h"
#include "gui/shell/main_window_fixture.h"
#include "store/data_module.h"
#include "store/sample_run.h"
#include "store/store_calculation.h"

namespace vexilor::gui {
namespace {

using DbBrowseCommandTest = MainWindowFixture;

TEST_F(DbBrowseCommandTest, OpensTheWorkingFoldersDatabaseOnTheNewestCalculation) {
  {
    store::TDM dm;  // DbRectif.db of the working folder
    store::StoreCalculation(dm, testing::SampleRun(1));
    store::StoreCalculation(dm, testing::SampleRun(2));
  }
  Provide("RvRectif.ReportEn.html");
  Provide("Report.css");
  MainWindow& window = Open(1);
  window.SetDbBrowseHandler(DbBrowseCommand(&window));

  int currentRow = -1;
  driver
      .On<TfmDbRect>([&](TfmDbRect* browser) {
        EXPECT_EQ(browser->parentWidget(), &window);
        currentRow = browser->findChild<ResultsGrid*>("DBGrid1")->CurrentRow();
        testing::ClickButton(browser, "BtnPictFm");
        testing::ClickButton(browser, "btnReport");
        testing::ClickButton(browser, "BitBtClose");
      })
      .On<TfmGraph>([](TfmGraph* pictures) { pictures->reject(); })
      .On<OutputOptionsDialog>([](OutputOptionsDialog* options) { options->reject(); });
  window.ActionDBGo->trigger();

  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(currentRow, 1);
  EXPECT_FALSE(window.Busy());
}

TEST_F(DbBrowseCommandTest, FileThatIsNotADatabaseIsReportedOnceAndKept) {
  const QByteArray garbage(2048, '\x7f');
  {
    QFile file(folder.filePath(store::kDefaultDatabaseFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
  }
  MainWindow& window = Open(2);
  window.SetDbBrowseHandler(DbBrowseCommand(&window));

  driver.AcceptMessage();
  window.ActionDBGo->trigger();

  EXPECT_TRUE(driver.Done());
  ASSERT_EQ(driver.Messages.size(), 1u);
  EXPECT_NE(driver.Messages[0].find("не является базой данных"), std::string::npos)
      << driver.Messages[0];
  EXPECT_FALSE(window.Busy());
  QFile file(folder.filePath(store::kDefaultDatabaseFile));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), garbage);
}

}  // namespace
}  // namespace vexilor::gui
