// The report of the run that has just finished (layout RctCustom).
#pragma once

#include <QString>

#include "engine/results/finished_run.h"
#include "render/reports/report_output.h"

namespace vexilor::render {

//! Fills the layout RctCustom of the language of interface (Lang) with the
//! three feeds of the run and the pages of its pictorial results (or, when
//! the run cannot be drawn, a note why). Throws ReportError for a missing,
//! unreadable or malformed template.
RenderedReport RenderCurrentRunReport(const FinishedRun& run);

//! The report of a finished run written into a file, the format chosen by
//! its extension (.pdf, .html or .htm, .odt, .txt), with no window shown;
//! for batch use such as the command line's --report OUT. The template is
//! read from the current working folder. Needs a QGuiApplication (fonts
//! and layout); a headless program creates one on the "offscreen"
//! platform. Throws ReportError with a message for the user.
void WriteCurrentRunReport(const FinishedRun& run, const QString& path);

}  // namespace vexilor::render
