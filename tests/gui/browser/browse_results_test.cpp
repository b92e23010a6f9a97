#include "gui/browser/browse_results.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include "gui/browser/browser_fixture.h"

namespace vexilor::gui {
namespace {

using testing::SampleRun;

//! What a modal browser looked like when it came up; the watcher then
//! closes it (or runs a step on it first).
struct SeenBrowser {
  bool shown = false;
  int currentRow = -1;
  int rows = 0;
};

class BrowseResultsTest : public BrowserTest {
 protected:
  //! Arms a watcher for the next modal window.
  void WatchModal(std::function<void(TfmDbRect&)> step = {}) {
    QTimer::singleShot(0, [this, step] {
      auto* modal = qobject_cast<TfmDbRect*>(QApplication::activeModalWidget());
      if (modal == nullptr) return;
      seen.shown = true;
      const auto* grid = modal->findChild<ResultsGrid*>("DBGrid1");
      seen.currentRow = grid->CurrentRow();
      seen.rows = grid->model()->rowCount();
      if (step) step(*modal);
      modal->reject();
    });
  }

  SeenBrowser seen;
};

TEST_F(BrowseResultsTest, StoringARunOpensTheBrowserOnIt) {
  Store(SampleRun());
  dm.reset();  // the store opens the file itself
  WatchModal();
  DatabaseResultsStore(nullptr, {}, DatabasePath()).StoreCalculation(SampleRun(2));

  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(seen.rows, 2);
  EXPECT_EQ(seen.currentRow, 1);
  EXPECT_TRUE(dialog.Messages.empty());
  EXPECT_EQ(dialog.BusyDepth, 0);
}

TEST_F(BrowseResultsTest, FailureIsShownOnceWithTheCursorBackAndNoBrowser) {
  const QString notADatabase = folder.filePath("notes.db");
  {
    QFile file(notADatabase);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
  }
  WatchModal();
  DatabaseResultsStore(nullptr, {}, notADatabase).StoreCalculation(SampleRun());
  QApplication::processEvents();  // let a wrongly opened browser be seen

  EXPECT_FALSE(seen.shown);
  ASSERT_EQ(dialog.Messages.size(), 1u);
  EXPECT_EQ(dialog.Messages[0].Kind, MessageKind::Error);
  EXPECT_NE(dialog.Messages[0].Text.find("notes.db"), std::string::npos);
  EXPECT_EQ(dialog.BusyDepth, 0);

  WatchModal();
  BrowseResultsDatabase(nullptr, 1, {}, notADatabase);
  QApplication::processEvents();
  EXPECT_FALSE(seen.shown);
  EXPECT_EQ(dialog.Messages.size(), 2u);
  EXPECT_EQ(dialog.BusyDepth, 0);
}

TEST_F(BrowseResultsTest, BrowserButtonsReachTheHandlersWithTheBrowserAsOwner) {
  const int first = Store(SampleRun());
  Store(SampleRun());
  dm.reset();
  int pictures = 0;
  std::vector<int> reports;
  BrowserHandlers handlers;
  handlers.ShowPicture = [&](QWidget* owner, const store::StoredCalculation& calculation) {
    EXPECT_NE(qobject_cast<TfmDbRect*>(owner), nullptr);
    EXPECT_EQ(calculation.Trays.size(), 6u);
    ++pictures;
  };
  handlers.PrintReport = [&](QWidget*, store::TDM& opened,
                             const store::StoredCalculation& calculation) {
    EXPECT_EQ(opened.ReportRecNo, 1);
    reports.push_back(calculation.Init.Rect_Id);
  };

  WatchModal([](TfmDbRect& browser) {
    browser.findChild<QPushButton*>("BtnPictFm")->click();
    browser.findChild<TDBNavigator*>("DBNavigator1")->Press(TDBNavigator::Button::First);
    browser.findChild<QPushButton*>("btnReport")->click();
  });
  BrowseResultsDatabase(nullptr, 1, handlers, DatabasePath());

  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(seen.currentRow, 1);
  EXPECT_EQ(pictures, 1);
  EXPECT_EQ(reports, (std::vector<int>{first}));
}

}  // namespace
}  // namespace vexilor::gui
