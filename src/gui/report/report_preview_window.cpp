#include "gui/report/report_preview_window.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/report/report_status_window.h"
#include "gui/report/ui_text.h"
#include "render/reports/report_document.h"
#include "render/reports/report_output.h"

namespace vexilor::gui {

namespace {

constexpr TextPair kPrint{"Print...", "Печать..."};
constexpr TextPair kFirstPage{"First", "Первая"};
constexpr TextPair kPreviousPage{"Previous", "Предыдущая"};
constexpr TextPair kNextPage{"Next", "Следующая"};
constexpr TextPair kLastPage{"Last", "Последняя"};
constexpr TextPair kZoomIn{"Zoom in", "Крупнее"};
constexpr TextPair kZoomOut{"Zoom out", "Мельче"};
constexpr TextPair kActualSize{"100 %", "100 %"};
constexpr TextPair kFitWidth{"Fit width", "По ширине"};
constexpr TextPair kClose{"Close", "Закрыть"};
constexpr TextPair kPageOf{"Page %d of %d", "Страница %d из %d"};
constexpr TextPair kCannotPrint{"The printer \"%s\" cannot be started.",
                                "Не удается начать печать на принтере \"%s\"."};

}  // namespace

void SetUpReportPrinter(QPrinter& printer) {
  printer.setDocName(QString::fromLatin1(render::kPrintJobTitle));
  printer.setFullPage(false);
}

bool PrintReport(QWidget* parent, const render::RenderedReport& report, QPrinter& printer) {
  ReportStatusScope status(parent, kPrintingPage, true);
  if (render::PaintReportPages(report, printer, std::ref(status)) == 0) {
    const std::string printerName = printer.printerName().isEmpty()
                                        ? printer.outputFileName().toStdString()
                                        : printer.printerName().toStdString();
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok,
                         Format(std::string(kCannotPrint.Get()).c_str(), printerName.c_str()));
    return false;
  }
  return true;
}

ReportPreviewWindow::ReportPreviewWindow(const render::RenderedReport& report, QWidget* parent)
    : QDialog(parent),
      report_(report),
      printer_(QPrinter::HighResolution),
      toolBar_(new QToolBar(this)),
      pageLabel_(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Report Preview"));
  SetUpReportPrinter(printer_);
  preview_ = new QPrintPreviewWidget(&printer_, this);
  preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
  preview_->setZoomFactor(1.0);
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          &ReportPreviewWindow::GeneratePages);
  connect(preview_, &QPrintPreviewWidget::previewChanged, this,
          &ReportPreviewWindow::UpdatePageText);

  toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  toolBar_->addAction(UiText(kPrint), this, &ReportPreviewWindow::PrintClick);
  toolBar_->addSeparator();
  auto turnTo = [this](auto page) {
    return [this, page] {
      preview_->setCurrentPage(page(preview_));
      UpdatePageText();
    };
  };
  toolBar_->addAction(UiText(kFirstPage), this, turnTo([](QPrintPreviewWidget*) { return 1; }));
  toolBar_->addAction(UiText(kPreviousPage), this,
                      turnTo([](QPrintPreviewWidget* p) { return p->currentPage() - 1; }));
  toolBar_->addAction(UiText(kNextPage), this,
                      turnTo([](QPrintPreviewWidget* p) { return p->currentPage() + 1; }));
  toolBar_->addAction(UiText(kLastPage), this,
                      turnTo([](QPrintPreviewWidget* p) { return p->pageCount(); }));
  toolBar_->addWidget(pageLabel_);
  toolBar_->addSeparator();
  toolBar_->addAction(UiText(kZoomIn), preview_, [this] { preview_->zoomIn(); });
  toolBar_->addAction(UiText(kZoomOut), preview_, [this] { preview_->zoomOut(); });
  toolBar_->addAction(UiText(kActualSize), preview_, [this] {
    preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview_->setZoomFactor(1.0);
  });
  toolBar_->addAction(UiText(kFitWidth), preview_, &QPrintPreviewWidget::fitToWidth);
  toolBar_->addSeparator();
  toolBar_->addAction(UiText(kClose), this, &ReportPreviewWindow::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(toolBar_);
  layout->addWidget(preview_, 1);
  resize(900, 720);
}

QString ReportPreviewWindow::PageText() const {
  return pageLabel_->text();
}

void ReportPreviewWindow::GeneratePages(QPrinter* printer) {
  // Called from inside the preview's own page generation, which must not
  // be re-entered: the status window is repainted, events wait.
  ReportStatusScope status(this, kGeneratingPage, false);
  render::PaintReportPages(report_, *printer, std::ref(status));
}

void ReportPreviewWindow::PrintClick() {
  QPrintDialog dialog(&printer_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintReport(this, report_, printer_);
  // The print dialog may have changed the paper: lay the preview out anew.
  preview_->updatePreview();
}

void ReportPreviewWindow::UpdatePageText() {
  pageLabel_->setText(
      QStringLiteral("  ") +
      QString::fromStdString(Format(std::string(kPageOf.Get()).c_str(), preview_->currentPage(),
                                    preview_->pageCount())) +
      QStringLiteral("  "));
}

}  // namespace vexilor::gui
