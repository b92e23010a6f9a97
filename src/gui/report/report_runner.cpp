#include "gui/report/report_runner.h"

#include <QPrintDialog>
#include <QPrinter>
#include <functional>
#include <optional>

#include "engine/shell/user_dialog.h"
#include "gui/report/output_options_dialog.h"
#include "gui/report/report_preview_window.h"
#include "gui/report/report_status_window.h"
#include "render/reports/current_run_report.h"
#include "render/reports/report_error.h"
#include "render/reports/stored_report.h"
#include "store/database_error.h"

namespace vexilor::gui {

namespace {

//! Makes the report with the busy cursor; a failure is shown, not thrown.
template <typename Make>
std::optional<render::RenderedReport> MakeReport(Make make) {
  try {
    BusyCursor busy;
    return make();
  } catch (const render::ReportError& error) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
  } catch (const store::DatabaseError& error) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
  }
  return std::nullopt;
}

void WriteFile(QWidget* parent, const render::RenderedReport& report, const OutputChoice& choice) {
  try {
    ReportStatusScope status(parent, kGeneratingPage, true);
    render::WriteReportFile(report, choice.Format, choice.FileName, std::ref(status));
  } catch (const render::ReportError& error) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
  }
}

void Print(QWidget* parent, const render::RenderedReport& report) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpReportPrinter(printer);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() == QDialog::Accepted) PrintReport(parent, report, printer);
}

}  // namespace

void ExecuteReport(QWidget* parent, const render::RenderedReport& report) {
  const std::optional<OutputChoice> choice = AskOutputOptions(parent);
  if (!choice) return;
  switch (choice->Destination) {
    case ReportDestination::Preview: {
      ReportPreviewWindow preview(report, parent);
      preview.exec();
      break;
    }
    case ReportDestination::Printer:
      Print(parent, report);
      break;
    case ReportDestination::File:
      WriteFile(parent, report, *choice);
      break;
  }
}

void RunCurrentRunReport(QWidget* parent, const FinishedRun& run) {
  if (const auto report = MakeReport([&run] { return render::RenderCurrentRunReport(run); })) {
    ExecuteReport(parent, *report);
  }
}

void RunStoredReport(QWidget* parent, store::TDM& dm) {
  if (const auto report = MakeReport([&dm] { return render::RenderStoredReport(dm); })) {
    ExecuteReport(parent, *report);
  }
}

void RunStoredReport(QWidget* parent, const store::StoredCalculation& calculation) {
  if (const auto report =
          MakeReport([&calculation] { return render::RenderStoredReport(&calculation); })) {
    ExecuteReport(parent, *report);
  }
}

}  // namespace vexilor::gui
