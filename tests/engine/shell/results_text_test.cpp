#include "engine/shell/results_text.h"

#include <gtest/gtest.h>

namespace vexilor {
namespace {

TEST(ResultsTextTest, AppendSplitsAtEveryKindOfLineBreak) {
  LineList text;
  text.Append("first\r\nsecond");
  text.Append("third\nfourth\rfifth");
  text.Append("");
  EXPECT_EQ(text.Lines(),
            (std::vector<std::string>{"first", "second", "third", "fourth", "fifth", ""}));
}

TEST(ResultsTextTest, TrailingBreakAddsAnEmptyLine) {
  LineList text;
  text.Append("row\r\n");
  EXPECT_EQ(text.Lines(), (std::vector<std::string>{"row", ""}));
}

TEST(ResultsTextTest, InsertAndDeleteReplaceALineInPlace) {
  LineList text;
  text.Append("a\r\nb\r\nc");
  text.InsertAt(1, "B");
  text.DeleteAt(2);
  EXPECT_EQ(text.ReadAll(), "a\r\nB\r\nc");
  text.DeleteAt(7);       // outside: nothing happens
  text.InsertAt(3, "d");  // at the end: appended
  EXPECT_EQ(text.Count(), 4);
  EXPECT_EQ(text.Line(3), "d");
  EXPECT_EQ(text.Line(4), "");
}

}  // namespace
}  // namespace vexilor
