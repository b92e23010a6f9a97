#include "gui/shell/print_memo.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

std::vector<PrintedPage> PlanPrintedPages(int lineCount, const PageMetrics& metrics) {
  std::vector<PrintedPage> pages;
  if (lineCount <= 0) return pages;
  const int h = metrics.lineHeight;
  pages.push_back(PrintedPage{1, {}});
  int y = metrics.pageWidth / 15;
  for (int line = 0; line < lineCount; ++line) {
    pages.back().lines.push_back(PrintedLine{line, y});
    y += h;
    if (metrics.pageHeight - y < 2 * h) {
      pages.push_back(PrintedPage{pages.back().number + 1, {}});
      y = 3 * h;
    }
  }
  return pages;
}

QFont PrintingFont(const QFont& screenFont) {
  QFont font = screenFont;
  if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
  return font;
}

namespace {

// Page number centred at height h and the rule under it (from 3h/2 at the
// left margin down to 9h/4 at the right one).
void DrawPageHeader(QPainter& painter, int number, int pageWidth, int h, int ascent) {
  const QString label = QStringLiteral("- %1 -").arg(number);
  const int width = painter.fontMetrics().horizontalAdvance(label);
  painter.drawText((pageWidth - width) / 2, h + ascent, label);
  const int margin = LeftMargin(pageWidth);
  painter.drawLine(margin, 3 * h / 2, pageWidth - margin, 9 * h / 4);
}

}  // namespace

int PrintMemo(QPagedPaintDevice& device, const std::vector<std::string>& lines, const QFont& font) {
  if (lines.empty()) return 0;
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  QPainter painter;
  if (!painter.begin(&device)) {
    QGuiApplication::restoreOverrideCursor();
    return -1;
  }
  painter.setFont(PrintingFont(font));
  const QFontMetrics metrics = painter.fontMetrics();
  const PageMetrics page{device.width(), device.height(), metrics.height()};
  const int margin = LeftMargin(page.pageWidth);
  const std::vector<PrintedPage> plan = PlanPrintedPages(static_cast<int>(lines.size()), page);
  for (const PrintedPage& printed : plan) {
    if (printed.number > 1) {
      device.newPage();
      DrawPageHeader(painter, printed.number, page.pageWidth, page.lineHeight, metrics.ascent());
    }
    for (const PrintedLine& line : printed.lines) {
      painter.drawText(margin, line.y + metrics.ascent(),
                       ToQt(lines[static_cast<std::size_t>(line.lineIndex)]));
    }
  }
  painter.end();
  QGuiApplication::restoreOverrideCursor();
  return static_cast<int>(plan.size());
}

}  // namespace vexilor::gui
