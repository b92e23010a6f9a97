#include "render/pictures/page_plan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace vexilor::render {
namespace {

std::vector<int> ProfileRows(const PagePlan& page) {
  std::vector<int> rows;
  for (const PageItem& item : page.Items) {
    if (item.What == PageItem::Kind::Profile) rows.push_back(item.Row);
  }
  return rows;
}

std::vector<int> HeadingTitles(const PagePlan& page) {
  std::vector<int> titles;
  for (const PageItem& item : page.Items) {
    if (item.What == PageItem::Kind::Heading) titles.push_back(item.TitleIndex);
  }
  return titles;
}

struct PagingCase {
  int compCount;
  std::vector<std::vector<int>> rowsPerPage;
  std::vector<std::vector<int>> headingsPerPage;
};

void PrintTo(const PagingCase& c, std::ostream* out) {
  *out << c.compCount << " components";
}

class PagingTest : public ::testing::TestWithParam<PagingCase> {};

TEST_P(PagingTest, NextWalksThroughEveryPageAndStopsOnTheLast) {
  const PagingCase& c = GetParam();
  PictorialPages pages(c.compCount);
  EXPECT_FALSE(pages.PreviousEnabled());
  std::vector<std::vector<int>> rows{ProfileRows(pages.Page())};
  std::vector<std::vector<int>> headings{HeadingTitles(pages.Page())};
  EXPECT_TRUE(pages.Page().FirstPage);
  while (pages.NextEnabled()) {
    pages.Next();
    EXPECT_FALSE(pages.Page().FirstPage);
    EXPECT_TRUE(pages.PreviousEnabled());
    rows.push_back(ProfileRows(pages.Page()));
    headings.push_back(HeadingTitles(pages.Page()));
    ASSERT_LE(rows.size(), 4u) << "Next never got disabled";
  }
  EXPECT_EQ(rows, c.rowsPerPage);
  EXPECT_EQ(headings, c.headingsPerPage);
  EXPECT_EQ(pages.PagePos(), 2 * c.compCount + 2);
}

TEST_P(PagingTest, PreviousReturnsToEachEarlierPage) {
  const PagingCase& c = GetParam();
  PictorialPages pages(c.compCount);
  while (pages.NextEnabled()) pages.Next();
  for (int page = static_cast<int>(c.rowsPerPage.size()) - 2; page >= 0; --page) {
    pages.Previous();
    EXPECT_TRUE(pages.NextEnabled());
    EXPECT_EQ(ProfileRows(pages.Page()), c.rowsPerPage[static_cast<std::size_t>(page)])
        << "back on page " << page + 1;
    EXPECT_EQ(pages.PreviousEnabled(), page > 0);
  }
  // Forward again from the first page gives the same pages.
  pages.Next();
  EXPECT_EQ(ProfileRows(pages.Page()), c.rowsPerPage[1]);
}

INSTANTIATE_TEST_SUITE_P(
    ComponentCounts, PagingTest,
    ::testing::Values(
        // Headings are PlotTitles entries 2 + k for component k.
        PagingCase{2, {{0, 1, 2}, {3, 4, 5, 6}}, {{}, {3, 4}}},
        PagingCase{3, {{0, 1, 2}, {3, 4, 5, 6}, {7, 8}}, {{}, {3, 4}, {5}}},
        PagingCase{4, {{0, 1, 2}, {3, 4, 5, 6}, {7, 8, 9, 10}}, {{}, {3, 4}, {5, 6}}}),
    [](const ::testing::TestParamInfo<PagingCase>& info) {
      return std::to_string(info.param.compCount) + "Components";
    });

TEST(PictorialPagesTest, ConcentrationPlotsAlternateLiquidAndVapourTitles) {
  PictorialPages pages(3);
  pages.Next();
  std::vector<int> titles;
  for (const PageItem& item : pages.Page().Items) titles.push_back(item.TitleIndex);
  // Heading of component 1, its liquid (CompCount+3) and vapour (CompCount+4)
  // plots, then the same for component 2.
  EXPECT_EQ(titles, (std::vector<int>{3, 6, 7, 4, 6, 7}));
}

TEST(PictorialPagesTest, DisabledButtonsDoNothing) {
  PictorialPages pages(2);
  pages.Previous();
  EXPECT_TRUE(pages.Page().FirstPage);
  EXPECT_EQ(pages.PagePos(), 2);
  pages.Next();
  const int lastPos = pages.PagePos();
  pages.Next();
  EXPECT_EQ(pages.PagePos(), lastPos);
  EXPECT_EQ(ProfileRows(pages.Page()), (std::vector<int>{3, 4, 5, 6}));
}

}  // namespace
}  // namespace vexilor::render
