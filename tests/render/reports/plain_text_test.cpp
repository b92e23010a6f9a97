#include "render/reports/plain_text.h"

#include <gtest/gtest.h>

namespace vexilor::render {
namespace {

std::string PlainText(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  return DocumentToPlainText(document).toStdString();
}

TEST(PlainTextTest, TableColumnsAreAlignedNumbersToTheRight) {
  EXPECT_EQ(PlainText("<p>Streams</p>"
                      "<table><tr><th>Purpose</th><th>Tray</th><th>Flow</th></tr>"
                      "<tr><td>Feed submission</td><td>3</td><td>1.0000</td></tr>"
                      "<tr><td>Select. of fract.</td><td>12</td><td>-0.0200</td></tr></table>"
                      "<p>End</p>"),
            "Streams\n"
            "Purpose            Tray  Flow\n"
            "Feed submission       3   1.0000\n"
            "Select. of fract.    12  -0.0200\n"
            "\n"
            "End\n");
}

TEST(PlainTextTest, SpannedHeadingsCoverTheirColumns) {
  EXPECT_EQ(PlainText("<table><tr><th rowspan=\"2\">N</th><th colspan=\"2\">Water, %</th></tr>"
                      "<tr><th>x1</th><th>y1</th></tr>"
                      "<tr><td>0</td><td>99.6000</td><td>95.9000</td></tr></table>"),
            "N  Water, %\n"
            "   x1       y1\n"
            "0  99.6000  95.9000\n");
}

TEST(PlainTextTest, HeadingsAreSetOffBlankLinesCollapseAndPicturesAreLeftOut) {
  EXPECT_EQ(PlainText("<h1>Title</h1><p>One</p><p>&nbsp;</p><p>&nbsp; </p>"
                      "<p>Two <img src=\"missing.png\"> end</p><h2>Part</h2><p>Three</p>"),
            "Title\nOne\n\nTwo end\n\nPart\nThree\n");
}

}  // namespace
}  // namespace vexilor::render
