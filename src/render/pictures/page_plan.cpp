#include "render/pictures/page_plan.h"

namespace vexilor::render {

PictorialPages::PictorialPages(int compCount) : compCount_(compCount) {
  TurnPage();
}

void PictorialPages::Next() {
  if (!nextEnabled_) return;
  previousEnabled_ = true;
  TurnPage();
}

void PictorialPages::Previous() {
  if (!previousEnabled_) return;
  nextEnabled_ = true;
  // Back over the profiles of this page and the four of the page before.
  pagePos_ -= pagePlots_ + 4;
  TurnPage();
}

void PictorialPages::TurnPage() {
  page_ = PagePlan{};
  pagePlots_ = 0;
  const int start = pagePos_;

  if (pagePos_ < 2) {
    page_.FirstPage = true;
    for (int row = 0; row <= 2; ++row) {
      pagePos_ = row;
      page_.Items.push_back({PageItem::Kind::Profile, row, row});
    }
    nextEnabled_ = true;
    previousEnabled_ = false;
    return;
  }

  page_.FirstPage = false;
  const int lastRow = 2 * compCount_ + 2;
  for (int block = 1; block <= 2; ++block) {
    if (pagePos_ <= lastRow - 2) {
      page_.Items.push_back({PageItem::Kind::Heading, -1, (start - 2) / 2 + 2 + block});
    }
    for (int plot = 1; plot <= 2; ++plot) {
      if (pagePos_ >= lastRow) continue;
      ++pagePos_;
      ++pagePlots_;
      page_.Items.push_back({PageItem::Kind::Profile, pagePos_, compCount_ + 2 + plot});
    }
  }
  if (pagePos_ >= lastRow) nextEnabled_ = false;
}

}  // namespace vexilor::render
