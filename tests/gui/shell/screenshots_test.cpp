// Pictures of the main window and the column data entry dialog in both
// languages, for looking at by eye. Written only when VEXILOR_SCREENSHOT_DIR
// names a folder (run under Xvfb to see the real platform):
//   VEXILOR_SCREENSHOT_DIR=/tmp/shots xvfb-run -a build/bin/gui_shell_tests
//       --gtest_filter='Screenshots*'
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "gui/dialogs/alternatives_dialog.h"
#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/components_dialog.h"
#include "gui/dialogs/grid_dialog.h"
#include "gui/dialogs/number_dialog.h"
#include "gui/dialogs/string_grid.h"
#include "gui/shell/language_dialog.h"
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

TEST_F(ScreenshotsTest, PromptDialogs) {
  LanguageDialog language;
  language.show();
  Save(language, "language");

  AlternativesDialog alternatives;
  AlternativesRequest units;
  units.Caption = "Задание параметра";
  units.GroupCaption = "";
  units.Prompt =
      "Задайте массовые или мольные единицы размерности для расчетарасходов и концентраций. "
      "Выбор единиц размерности может существенно влиять на скорость сходимости вычислительных "
      "алгоритмов, поэтому если компоненты могут образовывать азеотропные смеси рекомендуется "
      "попробовать оба варианта.";
  units.Alternatives = {"массовый поток: кг/час; концентрации: % масс;",
                        "мольный поток: кмоль/час; концентрации: % масс;"};
  alternatives.Prepare(units);
  alternatives.show();
  Save(alternatives, "alternatives_ru");

  ComponentsDialog components;
  ComponentsRequest mixture{"Choice of componental ratio of mixture",
                            "Set quality ratio of mixture for which it is required to calculate "
                            "boiling point and composition of an equilibrium vapour phase",
                            {"comp.1", "comp.2", "comp.3", "comp.4", "a longer name of twenty"},
                            1};
  components.Prepare(mixture);
  components.show();
  Save(components, "components_en");

  NumberDialog number;
  NumberRequest pressure;
  pressure.Caption = "The definition of the parameter";
  pressure.Prompt = "Set pressure in a column, mm.of mercury (for example 760)";
  pressure.InitialText = "760";
  number.Prepare(pressure);
  number.show();
  Save(number, "number_en");

  GridDialog grid(219, 0, 2);
  GridRequest parameters;
  parameters.ColCount = 5;
  parameters.RowCount = 3;
  parameters.CellTexts = {{"A12", "J/mol"}, {"A21", "J/mol"}, {"alpha", ""}, {"B12"}, {"B21"}};
  parameters.IntColumn.assign(5, false);
  parameters.Caption = "Parameters";
  parameters.Prompt = "Enter the power parameters of the pair";
  parameters.Lang = 1;
  grid.Prepare(parameters);
  grid.show();
  Save(grid, "grid_en");
}

}  // namespace
}  // namespace vexilor::gui
