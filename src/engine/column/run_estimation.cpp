// The estimation path of a run: without a VLE data file the user ticks the
// components, the interaction parameters are estimated, and the run saves
// them as a new data file and goes on from that file.
#include "engine/column/run_state.h"
#include "engine/column/run_texts.h"
#include "engine/estimation/estimation_dialogue.h"
#include "engine/shell/cp1251.h"
#include "engine/thermo/vle_file.h"

namespace vexilor {

namespace {

using namespace run_texts;

// Names of the check list are single-byte strings of 20 characters.
constexpr std::size_t kNameLength = 20;

std::string Text(const TextPair& pair) {
  return std::string(pair.Get());
}

// Asks until at least two components are ticked, all of them in the
// database; returns their record indexes in list order.
std::vector<std::uint16_t> ChooseMixture() {
  ComponentsRequest request;
  request.Caption = Text(kComponentsCaption);
  request.Prompt = Text(kComponentsPrompt);
  request.Lang = Lang;
  for (const Pro& record : ComponentBase)
    request.ItemNames.push_back(
        CutToCharacters(Lang == 1 ? record.NameEn : record.NameRu, kNameLength));

  for (;;) {
    const std::vector<bool> ticks = Dialog().ChooseComponents(request);
    std::vector<std::uint16_t> indexes;
    std::string missing;
    int ticked = 0;
    for (std::size_t i = 0; i < request.ItemNames.size() && i < ticks.size(); ++i) {
      if (!ticks[i]) continue;
      ++ticked;
      const std::string& name = request.ItemNames[i];
      const Pro& record = ComponentBase[i];
      if (record.NameEn == name || record.NameRu == name) {
        indexes.push_back(static_cast<std::uint16_t>(i));
      } else {
        missing = name;
      }
    }
    if (ticked < 2) {
      Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok, Text(kTwoComponentsNeeded));
    } else if (!missing.empty()) {
      Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok,
                           Text(kComponentMissingBefore) + missing + Text(kComponentMissingAfter));
    } else if (ticked > kMaxComponents) {
      // The parameter set holds four components; a larger database than
      // the built-in one could offer more.
      Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok, Text(kTooManyComponents));
    } else {
      return indexes;
    }
  }
}

}  // namespace

void EstimateAndSave(RunState& run) {
  const std::vector<std::uint16_t> indexes = ChooseMixture();
  char modelLetter = 'W';
  EstimateParameters(static_cast<int>(indexes.size()), indexes, modelLetter, VLEParams, run.Text);
  const std::string modelName(ModelNameOf(modelLetter));

  Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok, Text(kSaveEstimated));
  FileDialogRequest save;
  save.Title = Text(kSaveTitle);
  save.Filter = Text(kDataFileFilter);
  save.DefaultExt = "dat";
  save.InitialDir = run.StartFolder;
  save.ProposedName = modelName;
  std::string fileName = Dialog().SaveFileName(save);
  if (fileName.empty()) EndRun(MessageKind::Warning, ButtonSet::Yes, Text(kEstimationNotSaved));

  try {
    // The earlier file of the name becomes its ".bak" once the new one is
    // safely written.
    WriteVLEDataFile(fileName, VLEParams, KeepBackup::Yes);
  } catch (const DataFileWriteError& error) {
    EndRun(MessageKind::Error, ButtonSet::Ok, error.what());
  }
  LoadVLEDataFile(false, fileName, run.ModelName, run.SlotCount);
  run.DataFile = fileName;
}

}  // namespace vexilor
