// The preview of a report, page by page, with printing.
#pragma once

#include <QDialog>
#include <QPrinter>

#include "render/reports/report_template.h"

class QLabel;
class QPrintPreviewWidget;
class QToolBar;

namespace vexilor::gui {

//! A printer set up for reports: high resolution, job title
//! "ReportPrinter Report", scale 100 %.
void SetUpReportPrinter(QPrinter& printer);

//! Prints the report on the printer with the status window "Printing page
//! %p" over parent. A printer that cannot be started is reported through
//! the user dialog; returns false then.
bool PrintReport(QWidget* parent, const render::RenderedReport& report, QPrinter& printer);

//! Window "Report Preview": the pages of the report at 100 % zoom, with
//! commands to turn the pages, zoom and print. The pages are generated
//! with the status window "Generating page %p".
class ReportPreviewWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ReportPreviewWindow(const render::RenderedReport& report, QWidget* parent = nullptr);

  QPrintPreviewWidget* Preview() const { return preview_; }
  QPrinter& Printer() { return printer_; }
  QToolBar* ToolBar() const { return toolBar_; }
  //! "Page 1 of 3" for the page shown.
  QString PageText() const;

 private:
  void GeneratePages(QPrinter* printer);
  void PrintClick();
  void UpdatePageText();

  const render::RenderedReport& report_;
  QPrinter printer_;
  QPrintPreviewWidget* preview_;
  QToolBar* toolBar_;
  QLabel* pageLabel_;
};

}  // namespace vexilor::gui
