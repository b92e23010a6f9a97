// Which drawings each page of the pictorial results holds, and how the
// "Previous" and "Next" buttons move between the pages. The first page
// shows the column sketch with the temperature and the two flow profiles;
// each further page the liquid and vapour concentration profiles of two
// components, under a heading per component.
#pragma once

#include <vector>

namespace vexilor::render {

//! One drawing of a page, in the order they stand from left to right.
struct PageItem {
  enum class Kind { Heading, Profile };
  Kind What;
  int Row;         //!< profile row of ProfileMatrix (profiles only)
  int TitleIndex;  //!< entry of PlotTitles drawn with it
};

struct PagePlan {
  bool FirstPage = true;        //!< the sketch page; the items are its three profiles
  std::vector<PageItem> Items;  //!< headings and profiles in drawing order
};

//! The page position of the pictorial window. PagePos is the index of the
//! last profile row drawn so far; PagePlots counts the profiles of the
//! current component page, so that "Previous" can step back over them.
class PictorialPages {
 public:
  //! Opens on the first page: "Previous" disabled, "Next" enabled.
  explicit PictorialPages(int compCount);

  const PagePlan& Page() const { return page_; }
  bool NextEnabled() const { return nextEnabled_; }
  bool PreviousEnabled() const { return previousEnabled_; }
  int PagePos() const { return pagePos_; }
  int PagePlots() const { return pagePlots_; }

  //! Turns to the next page; does nothing while "Next" is disabled.
  void Next();
  //! Turns back one page; does nothing while "Previous" is disabled.
  void Previous();

 private:
  //! Lays out the page that follows PagePos and moves PagePos past it.
  void TurnPage();

  int compCount_;
  int pagePos_ = 0;
  int pagePlots_ = 0;
  bool nextEnabled_ = true;
  bool previousEnabled_ = false;
  PagePlan page_;
};

}  // namespace vexilor::render
