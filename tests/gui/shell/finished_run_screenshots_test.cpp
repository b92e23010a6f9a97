// Pictures of the main window after a whole run of the ethanol-water example
// column, in both languages, for looking at by eye. Written only when
// VEXILOR_SCREENSHOT_DIR names a folder (run under Xvfb):
//   VEXILOR_SCREENSHOT_DIR=/tmp/shots xvfb-run -a build/bin/gui_shell_tests
//       --gtest_filter='FinishedRunScreenshots*'
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "engine/thermo/builtin_data.h"
#include "gui/dialogs/alternatives_dialog.h"
#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/number_dialog.h"
#include "gui/dialogs/string_grid.h"
#include "gui/shell/main_frame.h"
#include "gui/shell/main_window_fixture.h"
#include "gui/shell/run_button.h"
#include "gui/shell/typed_column.h"

namespace vexilor::gui {
namespace {

using testing::ClickButton;
using testing::TypeColumnAndConfirm;
using testing::TypeIntoCell;

class FinishedRunScreenshotsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    shots_ = qEnvironmentVariable("VEXILOR_SCREENSHOT_DIR");
    if (shots_.isEmpty()) GTEST_SKIP() << "VEXILOR_SCREENSHOT_DIR is not set";
    LoadBuiltInData();
    Provide("LED2OFF.BMP");
    Provide("LED2ON.BMP");
  }

  // The ethanol-water example: 8 trays, live steam 3000 kg/h at 3 kgf/cm2,
  // feed 8000 kg/h with 20 % on tray 5, 300 kg/h from trays 7 and 9.
  static void FillColumn(ColumnEntryDialog* dialog) {
    TypeColumnAndConfirm(dialog,
                         {"3000", "3", "8", {"5", "8000"}, "20", {{"7", "300"}, {"9", "300"}}});
  }

  // Ticks alternative index of the dialog and confirms it.
  static void Choose(AlternativesDialog* dialog, int index) {
    dialog->findChildren<QRadioButton*>().at(index)->setChecked(true);
    ClickButton(dialog, "btChecked");
  }

  QString shots_;
};

TEST_F(FinishedRunScreenshotsTest, EthanolWaterExampleInBothLanguages) {
  const QString example =
      QStringLiteral(VEXILOR_SOURCE_DIR "/examples/ethanol-water/ethanol-water.dat");
  for (const std::uint8_t lang : {1, 2}) {
    const QString file = folder.filePath(lang == 1 ? "en.dat" : "ru.dat");
    ASSERT_TRUE(QFile::copy(example, file));
    MainWindow& window = Open(lang);
    ConnectRunButton(window, nullptr);
    driver
        .AnswerMessage(QMessageBox::Yes)  // load a data file
        .On<QFileDialog>([file](QFileDialog* dialog) {
          dialog->selectFile(file);
          static_cast<QDialog*>(dialog)->accept();
        })
        .AcceptMessage()  // no column block yet: keyboard entry
        .On<AlternativesDialog>([](AlternativesDialog* d) { ClickButton(d, "btChecked"); })
        .On<ColumnEntryDialog>(FillColumn)
        .On<NumberDialog>([](NumberDialog* d) { ClickButton(d, "btOk"); })  // 760 mm Hg
        .On<AlternativesDialog>(
            [](AlternativesDialog* d) { Choose(d, 1); })  // initial liquid as in the feed
        .AnswerMessage(QMessageBox::Yes);  // write the block: the approximation can be kept
    // The global method levels off above its criterion: keep the constants
    // five times, then keep the approximation and go on to Newton's method.
    for (int i = 0; i < 5; ++i) {
      driver.On<AlternativesDialog>([](AlternativesDialog* d) { Choose(d, 1); })
          .On<NumberDialog>([](NumberDialog* d) { ClickButton(d, "btOk"); })
          .On<NumberDialog>([](NumberDialog* d) { ClickButton(d, "btOk"); });
    }
    driver.On<AlternativesDialog>([](AlternativesDialog* d) { Choose(d, 0); });
    driver.AnswerMessage(QMessageBox::No);  // not into the database

    window.Frame().BitBtnRun->click();
    EXPECT_TRUE(driver.Done());
    ASSERT_NE(window.LastFinishedRun(), nullptr);
    QTest::qWait(100);
    ASSERT_TRUE(window.grab().save(QDir(shots_).filePath(lang == 1 ? "run_en.png" : "run_ru.png")));
    TearDown();
    MainWindowFixture::SetUp();  // the same working folder, lamp files kept
    LoadBuiltInData();
  }
}

}  // namespace
}  // namespace vexilor::gui
