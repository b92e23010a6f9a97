#include "gui/dialogs/column_entry_texts.h"

#include <gtest/gtest.h>

namespace vexilor::gui {
namespace {

TEST(ColumnEntryTextsTest, MaxTraysKeepsTheUnknownsWithinTheSolverVector) {
  EXPECT_EQ(MaxTrays(65, 2), 19);
  EXPECT_EQ(MaxTrays(65, 3), 14);
  EXPECT_EQ(MaxTrays(65, 4), 11);
  for (int n = 2; n <= 4; ++n) EXPECT_LE((MaxTrays(65, n) + 2) * (n + 1), 66) << n;
}

TEST(ColumnEntryTextsTest, ExampleTraysFollowTheColumnLength) {
  EXPECT_EQ(FeedExampleTrays(8, 3), "5;  4;  2");
  EXPECT_EQ(FeedExampleTrays(8, 1), "5");
  // (N - s) div s truncates toward zero for a short column: (1 - 2) / 2 = 0.
  EXPECT_EQ(FeedExampleTrays(1, 2), "1;  1");
  EXPECT_EQ(CatchExampleTrays(8, 3), "9, 6, 6");
  EXPECT_EQ(CatchExampleTrays(8, 4), "9, 6, 6, 7");
}

TEST(ColumnEntryTextsTest, ExampleValuesFollowTheUnits) {
  EXPECT_EQ(FeedExampleConcentrations(1, 2), "15");
  EXPECT_EQ(FeedExampleConcentrations(2, 2), "6.7");
  EXPECT_EQ(FeedExampleConcentrations(1, 4), "15;  81;  2");
  EXPECT_EQ(FeedExampleConcentrations(2, 4), "6.7;  92;  1");
  EXPECT_EQ(CatchExampleFlows(1, 4), "780, 2950, 100, 100");
  EXPECT_EQ(CatchExampleFlows(2, 3), "9, 65, 2");
}

TEST(ColumnEntryTextsTest, FeedHintInBothLanguages) {
  EXPECT_EQ(FeedHint(1, 1, 3, 8, 3),
            "Set numbers of feed trays (for example 5;  4;  2), considering\r\n"
            "a cube of a column by a tray with number  0, consumptions of\r\n"
            "corresponding flows kg/hour;(for example 19690 etc.),\r\n"
            "and concentrations of components in this flows (for example 15;  81).");
  EXPECT_EQ(FeedHint(2, 2, 2, 8, 1),
            "Задайте номера тарелок питания (например 5), считая куб\r\n"
            "колонны тарелкой с номером  0, расходы соответствующих потоков кмоль/час;\r\n"
            "(например 959 и т.д.), и концентрации компонентов в этих\r\n"
            "потоках   % мольн; (например 6.7).");
}

TEST(ColumnEntryTextsTest, CatchHintNamesTheDephlegmator) {
  EXPECT_EQ(CatchHint(1, 1, 8, 3),
            "Set numbers of catch trays (for example 9, 6, 6), considering\r\n"
            "a dephlegmator by a tray with number 9 and consumptions\r\n"
            "of corresponding flows kg/hour;(for example 780, 2950, 100).");
  EXPECT_EQ(CatchHint(0, 2, 8, 2),
            "Задайте номера тарелок отбора (например 9, 6), считая\r\n"
            "дефлегматор  тарепкой с  номером 9 и  расходы\r\n"
            "соответствующих потоков  кмоль/час; (например 9, 65).");
}

TEST(ColumnEntryTextsTest, FieldHintsShowTheLimitAndThePresetFlow) {
  EXPECT_EQ(TotalTraysHint(1, 19),
            "Enter a total number of trays of a column but\r\nno more then 19 (for example 8)");
  EXPECT_EQ(TotalTraysHint(2, 11),
            "Введите общее число тарелок колонны но\r\nне более 11 (например 8)");
  EXPECT_EQ(SteamConsHint(1, 3000), "Set flow of a heating steam, kg/hour (for example 3000)");
  EXPECT_EQ(SteamConsHint(2, 2500.5L), "Задайте расход греющего пара, кг/час (например 2500.5)");
}

}  // namespace
}  // namespace vexilor::gui
