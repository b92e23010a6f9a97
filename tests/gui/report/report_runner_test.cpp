#include "gui/report/report_runner.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QTimer>

#include "engine/shell/lang.h"
#include "gui/report/output_options_dialog.h"
#include "gui/report/report_preview_window.h"
#include "gui/report/report_status_window.h"
#include "render/reports/working_folder.h"
#include "store/data_module.h"
#include "store/store_calculation.h"
#include "store/stored_calculation.h"
#include "support/sample_run.h"
#include "support/scripted_dialog.h"

namespace vexilor::gui {
namespace {

//! Calls act with the modal window of type Window as soon as it is active,
//! looking every 10 ms for at most 10 s.
template <typename Window, typename Act>
void WhenModal(Act act, int attemptsLeft = 1000) {
  QTimer::singleShot(10, [act, attemptsLeft] {
    if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
      act(*window);
    } else if (attemptsLeft > 0) {
      WhenModal<Window>(act, attemptsLeft - 1);
    }
  });
}

class ReportRunnerTest : public ::testing::Test {
 protected:
  ReportRunnerTest() : scope_(dialog_) { Lang = 1; }
  ~ReportRunnerTest() override { Lang = savedLang_; }

  //! Answers the next output options with a file of the given name.
  static void ChooseFileOutput(const QString& path) {
    WhenModal<OutputOptionsDialog>([path](OutputOptionsDialog& options) {
      options.FileButton()->setChecked(true);
      options.FileNameEdit()->setText(path);
      options.accept();
    });
  }

  std::uint8_t savedLang_ = Lang;
  testing::ScriptedDialog dialog_;
  DialogScope scope_;
  testing::ScopedComponentBase base_{4};
  testing::ReportWorkingFolder folder_;
  FinishedRun run_ = testing::EthanolWaterSideDrawRun();
};

TEST_F(ReportRunnerTest, CurrentRunReportGoesIntoTheChosenFile) {
  QWidget mainWindow;
  const QString path = folder_.Path("run.pdf");
  ChooseFileOutput(path);
  RunCurrentRunReport(&mainWindow, run_);
  EXPECT_TRUE(dialog_.Messages.empty());
  EXPECT_TRUE(testing::PdfText(path).contains("Feed submission"));
  auto* status = mainWindow.findChild<ReportStatusWindow*>();
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->Text(), "Generating page 3");
  EXPECT_EQ(dialog_.BusyDepth, 0);
}

TEST_F(ReportRunnerTest, StoredReportPrintsTheBrowsersCurrentCalculation) {
  store::TDM dm(folder_.Path("DbRectif.db"));
  store::StoreCalculation(dm, run_);
  store::StoreCalculation(dm, testing::EthanolWaterSideDrawRunMolar());
  folder_.Write("RvRectif.ReportEn.html",
                "{{#RvInitDatSetConnect}}<p>Calculation {{Rect_Id}}, {{RdimConsum}}</p>"
                "{{/RvInitDatSetConnect}}");
  dm.ReportRecNo = 1;
  ChooseFileOutput(folder_.Path("first.txt"));
  RunStoredReport(nullptr, dm);
  // The browser may hand over the calculation it has read already.
  ChooseFileOutput(folder_.Path("second.txt"));
  RunStoredReport(nullptr, *store::LoadCalculation(dm, 2));

  const std::pair<const char*, QByteArray> expected[] = {
      {"first.txt", "Calculation 1, kg/sec\n"}, {"second.txt", "Calculation 2, kmol/hr\n"}};
  for (const auto& [name, text] : expected) {
    QFile file(folder_.Path(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(file.readAll(), text);
  }
}

TEST_F(ReportRunnerTest, AMissingTemplateIsReportedAndNothingElseHappens) {
  folder_.Remove("RctCustom.ReportEn.html");
  bool optionsShown = false;
  QTimer::singleShot(0, [&optionsShown] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      optionsShown = true;
      modal->close();
    }
  });
  RunCurrentRunReport(nullptr, run_);
  QApplication::processEvents();
  EXPECT_FALSE(optionsShown);
  ASSERT_EQ(dialog_.Messages.size(), 1u);
  EXPECT_EQ(dialog_.Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(dialog_.Messages[0].Text, "Report template file \"" +
                                          folder_.Path("RctCustom.ReportEn.html").toStdString() +
                                          "\" not found.");
  EXPECT_EQ(dialog_.BusyDepth, 0);
}

TEST_F(ReportRunnerTest, AFileThatCannotBeWrittenIsReported) {
  const QString path = folder_.Path("no such folder/run.html");
  ChooseFileOutput(path);
  RunCurrentRunReport(nullptr, run_);
  ASSERT_EQ(dialog_.Messages.size(), 1u);
  EXPECT_EQ(
      dialog_.Messages[0].Text.rfind("Cannot write the report file \"" + path.toStdString(), 0),
      0u);
}

TEST_F(ReportRunnerTest, PreviewIsShownModallyWithTheReport) {
  QString title;
  int pages = 0;
  WhenModal<OutputOptionsDialog>([&](OutputOptionsDialog& options) {
    options.PreviewButton()->setChecked(true);
    options.accept();
    WhenModal<ReportPreviewWindow>([&](ReportPreviewWindow& preview) {
      title = preview.windowTitle();
      pages = preview.Preview()->pageCount();
      preview.reject();
    });
  });
  RunCurrentRunReport(nullptr, run_);
  EXPECT_EQ(title, "Report Preview");
  EXPECT_EQ(pages, 3);
}

}  // namespace
}  // namespace vexilor::gui
