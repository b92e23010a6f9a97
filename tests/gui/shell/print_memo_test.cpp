#include "gui/shell/print_memo.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace vexilor::gui {
namespace {

// A page 150 wide and 100 high with lines 10 high: the first line starts
// at 150 div 15 = 10; a line at y leaves 100 - (y + 10), so the first page
// holds the lines at 10 .. 80, every further page those at 30 .. 80.
constexpr PageMetrics kSmallPage{150, 100, 10};

std::vector<int> LinesPerPage(const std::vector<PrintedPage>& pages) {
  std::vector<int> counts;
  for (const PrintedPage& page : pages) counts.push_back(static_cast<int>(page.lines.size()));
  return counts;
}

TEST(PrintMemoTest, NoLinesNoPages) {
  EXPECT_TRUE(PlanPrintedPages(0, kSmallPage).empty());
}

TEST(PrintMemoTest, PagesBreakWhenLessThanTwoLinesAreLeft) {
  const std::pair<int, std::vector<int>> cases[] = {
      {1, {1}},
      {7, {7}},
      // The eighth line fills the first page: a page with only its number follows.
      {8, {8, 0}},
      {9, {8, 1}},
      {14, {8, 6, 0}},
  };
  for (const auto& [lineCount, perPage] : cases) {
    const auto pages = PlanPrintedPages(lineCount, kSmallPage);
    EXPECT_EQ(LinesPerPage(pages), perPage) << lineCount << " lines";
    for (std::size_t page = 0; page < pages.size(); ++page) {
      EXPECT_EQ(pages[page].number, static_cast<int>(page) + 1);
    }
  }
  const auto pages = PlanPrintedPages(9, kSmallPage);
  EXPECT_EQ(pages[0].lines.front().y, 10);
  EXPECT_EQ(pages[0].lines.back().y, 80);
  EXPECT_EQ(pages[1].lines.front().y, 30);
  EXPECT_EQ(pages[1].lines.front().lineIndex, 8);
}

TEST(PrintMemoTest, ScreenPixelSizesPrintAtThePhysicalSize) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  EXPECT_DOUBLE_EQ(PrintingFont(font).pointSizeF(), 9.0);
  font.setPointSizeF(11);
  EXPECT_DOUBLE_EQ(PrintingFont(font).pointSizeF(), 11.0);
}

// Text of each page of a PDF, read with pdftotext when it is installed.
QStringList PdfPageTexts(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return {};
  QProcess process;
  process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
}

TEST(PrintMemoTest, APdfGetsTheNumberedPagesOfThePlan) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);

  int lineCount = 0;
  int planned = 0;
  {
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A6));
    writer.setResolution(300);
    // As many lines as the plan puts on the first page: the last one fills
    // it, so a second page carries only its number.
    const QFontMetrics metrics(PrintingFont(font), &writer);
    const PageMetrics page{writer.width(), writer.height(), metrics.height()};
    lineCount = static_cast<int>(PlanPrintedPages(1000, page).front().lines.size());
    planned = static_cast<int>(PlanPrintedPages(lineCount, page).size());
    std::vector<std::string> lines;
    for (int line = 1; line <= lineCount; ++line) lines.push_back("line " + std::to_string(line));
    EXPECT_EQ(PrintMemo(writer, lines, font), planned);
  }
  EXPECT_EQ(planned, 2);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString content = QString::fromLatin1(file.readAll());
  EXPECT_EQ(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), planned);

  const QStringList pages = PdfPageTexts(pdf);
  if (pages.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  // Text extraction may drop the narrow spaces; compare without blanks.
  auto compact = [](QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
  };
  EXPECT_TRUE(compact(pages[0]).startsWith(QStringLiteral("line1line2")));
  EXPECT_TRUE(compact(pages[0]).endsWith(QStringLiteral("line%1").arg(lineCount)));
  EXPECT_EQ(compact(pages[1]), QStringLiteral("-2-"));
}

}  // namespace
}  // namespace vexilor::gui
