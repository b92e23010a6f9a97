#include "gui/shell/memo_results_text.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <random>

namespace vexilor::gui {
namespace {

// The text box must hold exactly the lines an in-memory results text
// holds after the same operations, whatever their order.
void ExpectSameLines(const MemoResultsText& memo, const LineList& list, const std::string& step) {
  ASSERT_EQ(memo.Count(), list.Count()) << step;
  EXPECT_EQ(memo.Lines(), list.Lines()) << step;
  EXPECT_EQ(memo.ReadAll(), list.ReadAll()) << step;
  for (int index = -1; index <= list.Count(); ++index) {
    EXPECT_EQ(memo.Line(index), list.Line(index)) << step << " line " << index;
  }
}

TEST(MemoResultsTextTest, BehavesLikeTheInMemoryTextForAnySequence) {
  const std::string pieces[] = {"", "x", "stage 1", "a\r\nb", "\r\n", "tail\r\n", "\u00a0nbsp"};
  std::mt19937 random(20240611);
  for (int round = 0; round < 40; ++round) {
    QPlainTextEdit box;
    MemoResultsText memo(box);
    LineList list;
    for (int step = 0; step < 30; ++step) {
      const std::string& text = pieces[random() % std::size(pieces)];
      const int index = static_cast<int>(random() % 7) - 1;
      std::string what;
      switch (random() % 5) {
        case 0:
        case 1:
          memo.Append(text);
          list.Append(text);
          what = "append";
          break;
        case 2:
          memo.InsertAt(index, text);
          list.InsertAt(index, text);
          what = "insert at " + std::to_string(index);
          break;
        case 3:
          memo.DeleteAt(index);
          list.DeleteAt(index);
          what = "delete at " + std::to_string(index);
          break;
        default:
          if (random() % 4 == 0) {
            memo.Clear();
            list.Clear();
            what = "clear";
          }
      }
      ExpectSameLines(memo, list, "round " + std::to_string(round) + ", " + what);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST(MemoResultsTextTest, AnEmptyBoxHoldsNoLineAndAnEmptyAppendHoldsOne) {
  QPlainTextEdit box;
  MemoResultsText memo(box);
  EXPECT_EQ(memo.Count(), 0);
  memo.Append("");
  EXPECT_EQ(memo.Count(), 1);
  memo.DeleteAt(0);
  EXPECT_EQ(memo.Count(), 0);
}

TEST(MemoResultsTextTest, WhatTheUserTypesBelongsToTheText) {
  QPlainTextEdit box;
  MemoResultsText memo(box);
  memo.SetLines({"first", "second"});
  box.moveCursor(QTextCursor::End);
  QTest::keyClicks(&box, " note");
  QTest::keyClick(&box, Qt::Key_Return);
  QTest::keyClicks(&box, "more");
  EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"first", "second note", "more"}));
  box.selectAll();
  QTest::keyClick(&box, Qt::Key_Delete);
  EXPECT_EQ(memo.Count(), 0);
}

}  // namespace
}  // namespace vexilor::gui
