#include "gui/graph/show_pictures.h"

#include <optional>
#include <utility>

#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/graph/fm_graph.h"
#include "render/pictures/stored_pictorial_data.h"

namespace vexilor::gui {
namespace {

// Builds the data first, so that a refusal is shown instead of the window.
template <typename Build>
void ShowBuiltPictures(QWidget* owner, Build build) {
  std::optional<render::PictorialData> data;
  try {
    data = build();
  } catch (const render::PictureError& error) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, error.what());
    return;
  }
  ShowPictorialResults(owner, std::move(*data));
}

}  // namespace

void ShowRunPictures(QWidget* owner, const FinishedRun& run) {
  ShowBuiltPictures(owner, [&run] { return render::PictorialDataFromRun(run, Lang); });
}

void ShowStoredPictures(QWidget* owner, const store::StoredCalculation& calculation) {
  ShowBuiltPictures(owner,
                    [&calculation] { return render::PictorialDataFromStored(calculation, Lang); });
}

}  // namespace vexilor::gui
