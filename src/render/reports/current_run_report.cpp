#include "render/reports/current_run_report.h"

#include "engine/results/report_feeds.h"
#include "engine/shell/lang.h"

namespace vexilor::render {

RenderedReport RenderCurrentRunReport(const FinishedRun& run) {
  ReportInput input;
  input.Project = kCurrentRunProject;
  input.Lang = Lang;
  CurrentRunFeeds feeds(run);
  input.Tables = feeds.ReadAll();
  return RenderReport(input);
}

void WriteCurrentRunReport(const FinishedRun& run, const QString& path) {
  WriteReportFile(RenderCurrentRunReport(run), path);
}

}  // namespace vexilor::render
