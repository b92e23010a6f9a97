#include "gui/shell/run_button.h"

#include "engine/column/rectification_run.h"
#include "gui/shell/main_window.h"

namespace vexilor::gui {

void ConnectRunButton(MainWindow& window, ResultsStore* store) {
  window.SetRunHandler([&window, store] {
    RunResult result = RunRectification(window.Results(), store);
    // Only a run with the precise solution replaces what the result
    // commands work on; any other end leaves the last one in place.
    if (result.Ending == RunEnding::Precise) window.SetFinishedRun(std::move(*result.Solution));
  });
}

}  // namespace vexilor::gui
