// The report commands: the main window's "Report" for the run that has
// just finished and the browser's "Get Report" for the calculation
// current in it.
#pragma once

#include "render/reports/report_template.h"

class QWidget;

namespace vexilor {
struct FinishedRun;
}
namespace vexilor::store {
class TDM;
struct StoredCalculation;
}  // namespace vexilor::store

namespace vexilor::gui {

//! Asks for the output options and produces the preview, the print or the
//! file. Failures are reported through the user dialog.
void ExecuteReport(QWidget* parent, const render::RenderedReport& report);

//! Makes the report of a finished run (layout RctCustom) and executes it;
//! a template at fault is reported instead.
void RunCurrentRunReport(QWidget* parent, const FinishedRun& run);

//! Makes the report of the calculation at dm.ReportRecNo (layout RvRectif)
//! and executes it; a template at fault or a database that cannot be read
//! is reported instead.
void RunStoredReport(QWidget* parent, store::TDM& dm);

//! The same for a calculation the browser has already read.
void RunStoredReport(QWidget* parent, const store::StoredCalculation& calculation);

}  // namespace vexilor::gui
