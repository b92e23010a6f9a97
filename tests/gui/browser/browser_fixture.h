// A results database with stored calculations, the scripted user dialog
// and a browser over them, for the browser tests.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "engine/shell/lang.h"
#include "gui/browser/db_browser.h"
#include "gui/browser/db_navigator.h"
#include "gui/browser/results_grid.h"
#include "store/data_module.h"
#include "store/sample_run.h"
#include "store/store_calculation.h"
#include "support/scripted_dialog.h"

namespace vexilor::gui {

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    Lang = 1;
    dm = std::make_unique<store::TDM>(DatabasePath());
  }
  void TearDown() override { browser.reset(); }

  QString DatabasePath() const { return folder.filePath(store::kDefaultDatabaseFile); }
  int Store(const FinishedRun& run) { return store::StoreCalculation(*dm, run); }

  TfmDbRect& OpenBrowser(std::uint8_t lang = 1) {
    browser = std::make_unique<TfmDbRect>(nullptr, lang, *dm);
    browser->show();
    return *browser;
  }
  ResultsGrid* Grid(const char* name) const { return browser->findChild<ResultsGrid*>(name); }
  TDBNavigator* Navigator() const { return browser->findChild<TDBNavigator*>("DBNavigator1"); }
  QString Title(const char* grid, int modelColumn) const {
    return Grid(grid)->model()->headerData(modelColumn, Qt::Horizontal).toString();
  }
  //! Values of one model column, row by row.
  QVariantList Column(const char* grid, int modelColumn) const {
    QVariantList values;
    const QAbstractItemModel* model = Grid(grid)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      values << model->index(row, modelColumn).data(Qt::EditRole);
    }
    return values;
  }
  //! Model columns the grid hides.
  std::vector<int> Hidden(const char* grid) const {
    std::vector<int> hidden;
    for (int column = 0; column < Grid(grid)->model()->columnCount(); ++column) {
      if (Grid(grid)->isColumnHidden(column)) hidden.push_back(column);
    }
    return hidden;
  }

  QTemporaryDir folder;
  std::unique_ptr<store::TDM> dm;
  testing::ScriptedDialog dialog;
  DialogScope scope{dialog};
  std::unique_ptr<TfmDbRect> browser;
};

}  // namespace vexilor::gui
