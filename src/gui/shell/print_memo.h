// Printing of the results text: lines from the top of the first page down,
// a new page whenever fewer than two lines' height is left, and from the
// second page on the page number "- N -" with a rule under it.
#pragma once

#include <QFont>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace vexilor::gui {

//! Sizes of a printed page in device pixels.
struct PageMetrics {
  int pageWidth = 0;
  int pageHeight = 0;
  int lineHeight = 0;  //!< height of the text "1" in the printing font
};

struct PrintedLine {
  int lineIndex = 0;
  int y = 0;  //!< top of the line
};

//! One page: its number (the first page shows none) and its lines.
struct PrintedPage {
  int number = 1;
  std::vector<PrintedLine> lines;
};

//! Left margin of the printed text; the rule under the page number ends as
//! far from the right edge.
constexpr int LeftMargin(int pageWidth) {
  return pageWidth / 15;
}

//! Where each line goes. The first line starts at pageWidth div 15; after
//! every line, the last one included, a page with less than two lines'
//! height left is followed by a new page whose text starts at 3h. So a last
//! line that fills its page yields a further page with only its number.
//! No lines: no pages.
std::vector<PrintedPage> PlanPrintedPages(int lineCount, const PageMetrics& metrics);

//! The results text's font as printed: a size set in screen pixels is
//! turned into points, so that the print shows it at the same physical size.
QFont PrintingFont(const QFont& screenFont);

//! Prints the lines on the device with the font. Returns the number of
//! pages printed, 0 for no lines, -1 when the device could not be opened.
int PrintMemo(QPagedPaintDevice& device, const std::vector<std::string>& lines, const QFont& font);

}  // namespace vexilor::gui
