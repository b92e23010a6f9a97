#include "render/reports/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>

namespace vexilor::render {

std::unique_ptr<QTextDocument> MakeReportDocument(const RenderedReport& report,
                                                  QPaintDevice* device) {
  auto document = std::make_unique<QTextDocument>();
  if (device != nullptr) document->documentLayout()->setPaintDevice(device);
  for (int i = 0; i < report.Pictures.size(); ++i) {
    document->addResource(QTextDocument::ImageResource,
                          QUrl(RenderedReport::PictureResourceName(i)), report.Pictures[i]);
  }
  document->setHtml(report.DocumentHtml);
  return document;
}

int PaintReportPages(const RenderedReport& report, QPagedPaintDevice& device,
                     const PageProgress& progress) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;

  const auto document = MakeReportDocument(report, &device);
  const QFont footerFont = document->defaultFont();
  const qreal footerHeight = QFontMetricsF(footerFont, &device).height() * 2;
  const QSizeF pageSize(device.width(), device.height() - footerHeight);
  document->setPageSize(pageSize);

  const int pageCount = document->pageCount();
  for (int page = 0; page < pageCount; ++page) {
    if (progress) progress(page + 1);
    if (page > 0) device.newPage();

    // The document is one long strip cut into pages: shift the strip up so
    // that this page's part lies on the paper, and paint only that part.
    const QRectF pageRect(QPointF(0, page * pageSize.height()), pageSize);
    painter.save();
    painter.translate(0, -pageRect.top());
    painter.setClipRect(pageRect);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = pageRect;
    context.palette.setColor(QPalette::Text, Qt::black);
    document->documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(footerFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, pageSize.height(), pageSize.width(), footerHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("- %1 -").arg(page + 1));
  }
  painter.end();
  return pageCount;
}

}  // namespace vexilor::render
