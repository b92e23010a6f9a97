#include "gui/report/report_preview_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QToolBar>

#include "engine/shell/lang.h"
#include "gui/report/report_status_window.h"
#include "render/reports/current_run_report.h"
#include "render/reports/working_folder.h"
#include "support/sample_run.h"
#include "support/scripted_dialog.h"

namespace vexilor::gui {
namespace {

// The report of a two-component run: one page of tables and two pages of
// pictures.
class ReportPreviewWindowTest : public ::testing::Test {
 protected:
  ReportPreviewWindowTest() : scope_(dialog_) { Lang = 1; }
  ~ReportPreviewWindowTest() override { Lang = savedLang_; }

  std::uint8_t savedLang_ = Lang;
  testing::ScriptedDialog dialog_;
  DialogScope scope_;
  testing::ScopedComponentBase base_{4};
  testing::ReportWorkingFolder folder_;
  render::RenderedReport report_ =
      render::RenderCurrentRunReport(testing::EthanolWaterSideDrawRun());
};

QAction* ActionNamed(const QToolBar& toolBar, const QString& text) {
  for (QAction* action : toolBar.actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

TEST_F(ReportPreviewWindowTest, OpensAtFullSizeOnTheFirstPageAndTurnsPages) {
  ReportPreviewWindow window(report_);
  window.show();
  window.Preview()->updatePreview();
  EXPECT_EQ(window.windowTitle(), "Report Preview");
  EXPECT_DOUBLE_EQ(window.Preview()->zoomFactor(), 1.0);
  ASSERT_EQ(window.Preview()->pageCount(), 3);
  EXPECT_EQ(window.PageText().trimmed(), "Page 1 of 3");

  auto* status = window.findChild<ReportStatusWindow*>();
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->windowTitle(), "Report Status");
  EXPECT_EQ(status->Text(), "Generating page 3");

  ActionNamed(*window.ToolBar(), "Next")->trigger();
  EXPECT_EQ(window.PageText().trimmed(), "Page 2 of 3");
  ActionNamed(*window.ToolBar(), "Last")->trigger();
  ActionNamed(*window.ToolBar(), "Next")->trigger();
  EXPECT_EQ(window.PageText().trimmed(), "Page 3 of 3");
  ActionNamed(*window.ToolBar(), "First")->trigger();
  EXPECT_EQ(window.PageText().trimmed(), "Page 1 of 3");
}

TEST_F(ReportPreviewWindowTest, PrintingCarriesTheJobTitleAndShowsThePrintedPages) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpReportPrinter(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder_.Path("printed.pdf"));
  QWidget parent;
  ASSERT_TRUE(PrintReport(&parent, report_, printer));

  const QString info = testing::RunTool(QStringLiteral("pdfinfo"), {folder_.Path("printed.pdf")});
  EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+ReportPrinter Report\\n")))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info.toStdString();
  auto* status = parent.findChild<ReportStatusWindow*>();
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->Text(), "Printing page 3");
  EXPECT_TRUE(dialog_.Messages.empty());
}

TEST_F(ReportPreviewWindowTest, APrinterThatCannotStartIsReported) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder_.Path("no such folder/printed.pdf"));
  EXPECT_FALSE(PrintReport(nullptr, report_, printer));
  ASSERT_EQ(dialog_.Messages.size(), 1u);
  EXPECT_EQ(dialog_.Messages[0].Kind, MessageKind::Error);
  EXPECT_NE(dialog_.Messages[0].Text.find("cannot be started"), std::string::npos);
}

}  // namespace
}  // namespace vexilor::gui
