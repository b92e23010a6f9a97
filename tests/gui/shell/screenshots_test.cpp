// Pictures of the main window and the column data entry dialog in both
// languages, for looking at by eye. Written only when VEXILOR_SCREENSHOT_DIR
// names a folder (run under Xvfb to see the real platform):
//   VEXILOR_SCREENSHOT_DIR=/tmp/shots xvfb-run -a build/bin/gui_shell_tests
//       --gtest_filter='Screenshots*'
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/string_grid.h"
#include "gui/shell/main_frame.h"
#include "gui/shell/main_window_fixture.h"

namespace vexilor::gui {
namespace {

class ScreenshotsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    shots_ = qEnvironmentVariable("VEXILOR_SCREENSHOT_DIR");
    if (shots_.isEmpty()) GTEST_SKIP() << "VEXILOR_SCREENSHOT_DIR is not set";
  }
  void Save(QWidget& widget, const QString& name) {
    QCoreApplication::processEvents();
    ASSERT_TRUE(widget.grab().save(QDir(shots_).filePath(name + ".png")));
  }

  QString shots_;
};

TEST_F(ScreenshotsTest, MainWindowInBothLanguages) {
  Provide("LED2OFF.BMP");
  for (const std::uint8_t lang : {1, 2}) {
    MainWindow& window = Open(lang);
    window.Results().Append(lang == 1
                                ? "          Total number of trays of rectification column is 8"
                                : "          Общее число тарелок ректификацонной колонны 8");
    window.SetWaitText(lang == 1 ? "Please wait ! There is a search of\n\rinitial approximation by "
                                   "globally converging method"
                                 : "Пожалуйста подождите ! Идет поиск\n\rначального приближения "
                                   "глобально сходящимся методом");
    window.SetStageText(lang == 1 ? "Time of the initial approximation searching:"
                                  : "Время поиска начального приближения:");
    QTest::qWait(100);
    Save(window, lang == 1 ? "main_en" : "main_ru");
    TearDown();
    MainWindowFixture::SetUp();
  }
}

TEST_F(ScreenshotsTest, ColumnEntryDialogInBothLanguages) {
  for (const std::uint8_t lang : {1, 2}) {
    ColumnEntryRequest request;
    request.Lang = lang;
    request.UnitsKind = 2;
    request.CompCount = 3;
    request.CompNames = {"comp.1", "comp.2", "comp.3"};
    request.HeatingKind = 'l';
    ColumnEntryDialog dialog;
    dialog.Prepare(request);
    dialog.show();
    Save(dialog, lang == 1 ? "entry_en_empty" : "entry_ru_empty");
    for (const auto& [name, text] : {std::pair{"edSteamCons", "3000"},
                                     std::pair{"edSteamPress", "3"}, std::pair{"edTotalNumb", "8"},
                                     std::pair{"edFeedNumb", "2"}, std::pair{"edCatchNumb", "3"}}) {
      auto* field = dialog.findChild<QLineEdit*>(name);
      field->setText(QString::fromLatin1(text));
      QTest::keyClick(field, Qt::Key_End);
    }
    Save(dialog, lang == 1 ? "entry_en_counts" : "entry_ru_counts");
  }
}

}  // namespace
}  // namespace vexilor::gui
