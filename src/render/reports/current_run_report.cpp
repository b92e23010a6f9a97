#include "render/reports/current_run_report.h"

#include "engine/results/report_feeds.h"
#include "engine/shell/lang.h"
#include "render/reports/report_pictures.h"

namespace vexilor::render {

RenderedReport RenderCurrentRunReport(const FinishedRun& run) {
  ReportInput input;
  input.Project = kCurrentRunProject;
  input.Lang = Lang;
  CurrentRunFeeds feeds(run);
  input.Tables = feeds.ReadAll();
  try {
    input.Pictures = ReportPicturePages(PictorialDataFromRun(run, Lang));
  } catch (const PictureError& error) {
    input.PictureNote = error.what();
  }
  return RenderReport(input);
}

void WriteCurrentRunReport(const FinishedRun& run, const QString& path) {
  WriteReportFile(RenderCurrentRunReport(run), path);
}

}  // namespace vexilor::render
