// A filled report as a paginated text document, and its painting page by
// page onto a printer or a PDF writer.
#pragma once

#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QTextDocument>
#include <functional>
#include <memory>

#include "render/reports/report_template.h"

namespace vexilor::render {

//! Called with the page number (from 1) before each page is painted.
using PageProgress = std::function<void(int page)>;

//! The report's HTML as a text document, its pictures added as resources.
//! With a device given, the document is laid out at the device's
//! resolution, so fonts are measured as they will be printed and pictures
//! and lengths given in screen pixels keep their size on paper.
std::unique_ptr<QTextDocument> MakeReportDocument(const RenderedReport& report,
                                                  QPaintDevice* device = nullptr);

//! Lays the report out on the pages of the device (inside its margins,
//! leaving a footer band for the page number) and paints every page.
//! Returns the number of pages painted; 0 when the device cannot be
//! painted on. The device must not have an active painter.
int PaintReportPages(const RenderedReport& report, QPagedPaintDevice& device,
                     const PageProgress& progress = {});

}  // namespace vexilor::render
