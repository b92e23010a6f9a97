#include "cli/column_output.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>

#include "engine/shell/results_file.h"
#include "engine/shell/whole_file.h"
#include "render/pictures/pictorial_data.h"
#include "render/pictures/picture_files.h"
#include "render/reports/current_run_report.h"
#include "render/reports/report_error.h"
#include "store/database_error.h"
#include "store/store_calculation.h"

namespace vexilor::cli {

namespace {

// Fonts and text layout need a QGuiApplication; a batch program makes one
// on the offscreen platform the first time a report or a picture is drawn.
void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  // Qt's note that no runtime folder is set says nothing to a batch user;
  // every other message passes.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
  });
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "vexilor-cli";
  static char* argv[] = {name, nullptr};
  static auto application = std::make_unique<QGuiApplication>(argc, argv);
}

QString Path(const std::string& fileName) {
  return QString::fromStdString(fileName);
}

// JSON numbers are doubles: values are converted only here, on output.
double Number(Real value) {
  return static_cast<double>(value);
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& fileName, const std::string& text) {
  if (const auto cause = vexilor::WriteWholeFile(fileName, text))
    return "cannot write " + fileName + ": " + *cause;
  return std::nullopt;
}

std::optional<std::string> WriteResultsFile(const std::string& fileName,
                                            const std::vector<std::string>& lines) {
  if (const auto cause = vexilor::WriteResultsFile(fileName, lines))
    return "cannot write " + fileName + ": " + *cause;
  return std::nullopt;
}

std::string ColumnJson(const RunResult& result) {
  const FinishedRun& run = *result.Solution;
  const Real factor = run.FlowFactor();
  nlohmann::json json;
  json["solution"] = result.Ending == RunEnding::Precise ? "precise" : "approximate";
  json["physically_impossible"] = result.PhysicallyImpossible;
  json["model"] = run.ModelName;
  json["components"] = run.CompNames;
  json["units"] = {
      {"flow", run.FlowUnit}, {"concentration", run.ConcUnit}, {"flow_factor", Number(factor)}};
  // The heat load on the dephlegmator as the results text prints it.
  json["condenser_duty_kW"] = Number(-run.DephlHeatFixed);
  json["iterations"] = {{"global", result.GlobalIterations},
                        {"newton", result.NewtonIterations},
                        {"evaluations", result.Evaluations}};
  nlohmann::json stages = nlohmann::json::array();
  for (int j = 0; j < run.StageCount(); ++j) {
    const auto s = static_cast<std::size_t>(j);
    nlohmann::json x = nlohmann::json::array();
    nlohmann::json y = nlohmann::json::array();
    for (int k = 0; k < run.ComponentCount(); ++k) {
      x.push_back(Number(run.LiqConc[k][s]));
      y.push_back(Number(run.VapConc[k][s]));
    }
    stages.push_back({{"stage", j},
                      {"t_C", Number(run.TemperatureC(j))},
                      {"L", Number(run.LiqFlow[s] * factor)},
                      {"V", Number(run.VapFlow[s] * factor)},
                      {"x", x},
                      {"y", y}});
  }
  json["stages"] = stages;
  return json.dump(2) + "\n";
}

std::optional<std::string> WriteReport(const FinishedRun& run, const std::string& fileName) {
  EnsureGuiApplication();
  try {
    render::WriteCurrentRunReport(run, Path(fileName));
  } catch (const render::ReportError& error) {
    return std::string(error.what());
  }
  return std::nullopt;
}

std::optional<std::string> WritePictures(const FinishedRun& run, const std::string& fileName) {
  EnsureGuiApplication();
  try {
    render::SavePicturePages(render::PictorialDataFromRun(run, run.Lang), Path(fileName));
  } catch (const render::PictureError& error) {
    return std::string(error.what());
  }
  return std::nullopt;
}

void DatabaseFileStore::StoreCalculation(const FinishedRun& run) {
  try {
    store::StoreCalculationInFile(Path(path_), run);
  } catch (const store::DatabaseError& error) {
    failed_ = true;
    std::fprintf(stderr, "vexilor-cli: %s\n", error.what());
  }
}

}  // namespace vexilor::cli
