// The set-up of a rectification run: from the question "load or estimate"
// to the initial approximation.
#include <filesystem>
#include <system_error>

#include "engine/column/column_block.h"
#include "engine/column/run_state.h"
#include "engine/column/run_texts.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/vle_file.h"

namespace vexilor {

namespace {

using namespace run_texts;

// Names of the water record of the built-in data, the heating steam's
// component.
constexpr std::string_view kWaterEn = "comp.2";
constexpr std::string_view kWaterRu = "комп.2";
constexpr std::uint16_t kWaterRecord = 1;
constexpr Real kPresetSteamKgPerHour = 3000;
// First choice of the initial approximation: the same liquid on every
// stage (the second: the main feed's liquid).
constexpr int kAllEqual = 0;
constexpr int kInitialWindowHeight = 260;

std::string Text(const TextPair& pair) {
  return std::string(pair.Get());
}

AlternativesRequest Alternatives(std::string groupCaption, const TextPair& prompt,
                                 std::initializer_list<TextPair> alternatives) {
  AlternativesRequest request;
  request.Caption = Text(kParameterCaption);
  request.GroupCaption = std::move(groupCaption);
  request.Prompt = Text(prompt);
  for (const TextPair& alternative : alternatives)
    request.Alternatives.push_back(Text(alternative));
  return request;
}

// Takes the components of the loaded VLE data into the run.
void TakeComponents(RunState& run) {
  run.Names.clear();
  run.MolarMasses.clear();
  for (int i = 0; i < VLEParams.N; ++i) {
    run.Names.push_back(CompNames[i]);
    run.MolarMasses.push_back(CompConstants.M[i]);
  }
}

// A name of the database's water record (its second record).
bool IsWaterName(const std::string& name) {
  if (ComponentBase.size() <= kWaterRecord) return false;
  const Pro& water = ComponentBase[kWaterRecord];
  return name == water.NameEn || name == water.NameRu;
}

// Loads a VLE data file the user picks and decides where the column
// problem comes from.
void LoadDataFile(RunState& run) {
  std::string fileName;
  LoadVLEDataFile(true, fileName, run.ModelName, run.SlotCount);
  run.DataFile = fileName;
  TakeComponents(run);

  const auto present = ColumnBlockPresent(fileName, run.SlotCount);
  if (!present) {
    EndProgram(MessageKind::Error, ButtonSet::Ok,
               Text(kDataFileNotFoundBefore) + fileName + Text(kDataFileNotFoundAfter));
  }
  if (!*present) {
    run.DataSource = kFromKeyboard;
    if (Dialog().ShowMessage(MessageKind::Information, ButtonSet::Ok, Text(kInputOfInitialData)) !=
        Answer::Ok)
      throw RunEnded();
    return;
  }
  const int source = Dialog().ChooseAlternative(
      Alternatives(Text(kSourceGroup), kSourcePrompt, {kSourceKeyboard, kSourceFile}));
  run.DataSource = source == 1 ? kFromFile : kFromKeyboard;
}

// Takes over a confirmed entry into the column problem (flows per second,
// fractions).
void TakeOverEntry(RunState& run, const ColumnEntryResult& entry) {
  ColumnProblem& p = run.Problem;
  const int n = static_cast<int>(run.Names.size());
  p.HeatingKind = entry.HeatingKind;
  p.Allocate(entry.TotalNumb, n);
  p.SteamFlow = p.UnitsKind == 1 ? entry.SteamCons / kSecondsPerHour
                                 : entry.SteamCons / kSteamMolarMass / kSecondsPerHour;
  p.SteamPressure = entry.SteamPress;
  p.FeedTrays = entry.FeedTrays;
  p.CatchTrays = entry.CatchTrays;
  for (const std::uint8_t s : p.FeedTrays) {
    p.FeedFlow[s] = entry.FeedCons[s] / kSecondsPerHour;
    Real sum = 0;
    for (int k = 0; k < n - 1; ++k) {
      p.FeedComp[k][s] = entry.FeedConc[k][s] / 100;
      sum += p.FeedComp[k][s];
    }
    p.FeedComp[n - 1][s] = 1 - sum;
  }
  for (const std::uint8_t s : p.CatchTrays) p.CatchFlow[s] = entry.CatchCons[s] / kSecondsPerHour;
  // Summed over the stages, so a tray named twice counts once.
  run.EntryFlowScale = p.SteamFlow + p.TotalFeed();
  if (p.LiveSteam()) {
    p.LiveSteamFlow[0] = p.SteamFlow;
    for (int k = 0; k < n; ++k)
      if (IsWaterName(run.Names[k])) p.LiveSteamComp[k][0] = 1;
  }
}

void EnterFromKeyboard(RunState& run) {
  const int n = static_cast<int>(run.Names.size());
  const int units =
      Dialog().ChooseAlternative(Alternatives("", kUnitsPrompt, {kUnitsMass, kUnitsMolar}));
  run.Problem.UnitsKind = units == 1 ? 2 : 1;

  ColumnEntryRequest request;
  request.Lang = Lang;
  request.UnitsKind = run.Problem.UnitsKind;
  request.CompCount = static_cast<std::uint8_t>(n);
  request.CompNames = run.Names;
  request.HeatingKind = 'd';
  for (const std::string& name : run.Names)
    if (IsWaterName(name)) request.HeatingKind = 'l';
  request.TrayCapacity = kTrayCapacity;
  request.SteamCons = kPresetSteamKgPerHour;
  const auto entry = Dialog().EnterColumnData(request);
  if (!entry) EndRun(MessageKind::Error, ButtonSet::Yes, Text(kEnterAnew));
  if (const auto problem = ColumnEntryProblem(*entry, n)) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, *problem);
    EndRun(MessageKind::Error, ButtonSet::Yes, Text(kEnterAnew));
  }
  TakeOverEntry(run, *entry);

  NumberRequest pressure;
  pressure.Prompt = Text(kPressurePrompt);
  pressure.ValueKind = 0;
  pressure.InitialText = "760";
  const Real mmHg = Dialog().AskNumber(pressure).RealResult;
  if (!(mmHg > 0)) {
    Dialog().ShowMessage(MessageKind::Error, ButtonSet::Ok, Text(kPressureNotPositive));
    EndRun(MessageKind::Error, ButtonSet::Yes, Text(kEnterAnew));
  }
  run.Problem.ColumnPressure = mmHg * kPascalPerMmHg;
}

void ReadFromFile(RunState& run) {
  try {
    ColumnBlock block =
        ReadColumnBlock(run.DataFile, run.SlotCount, static_cast<int>(run.Names.size()));
    run.Problem = std::move(block.Problem);
    run.DataSource = block.DataSource;
    run.BlockInFile = block.BlockInFile == '1';
  } catch (const ColumnFileError& error) {
    EndRun(MessageKind::Error, ButtonSet::Ok, error.what());
  }
  run.Model = CreateVLEObj(VLEParams);
}

// Heat terms, the water record and the solution fields, for both sources.
void PrepareCommon(RunState& run) {
  ColumnProblem& p = run.Problem;
  // Enthalpies per kg or per kmol, derived from the tables as loaded.
  ApplyEnthalpyUnits(p.UnitsKind);
  run.Heat.Qs = p.SteamFlow * GetProperty("steam", "enthalp_s", p.SteamPressure);
  run.Heat.Qc =
      p.DeadSteam() ? p.SteamFlow * GetProperty("steam", "enthalp_c", p.SteamPressure) : 0;

  bool waterKnown = false;
  for (const Pro& record : ComponentBase)
    waterKnown = waterKnown || record.NameEn == kWaterEn || record.NameRu == kWaterRu;
  if (!waterKnown) EndProgram(MessageKind::Error, ButtonSet::Yes, Text(kWaterAbsent));
  run.Heat.WaterName = std::string(Lang == 1 ? kWaterEn : kWaterRu);
  run.Heat.TotalFeed = p.TotalFeed();
  run.Heat.HeatInput.assign(static_cast<std::size_t>(p.StageCount()), 0);

  run.Solution = ColumnSolution();
  run.Solution.Allocate(p.StageCount(), p.ComponentCount());
}

void MakeEquations(RunState& run) {
  run.Equations = std::make_unique<ColumnEquations>(run.Problem, run.Solution, *run.Model,
                                                    run.Names, run.MolarMasses, run.Heat, run.Text);
}

// The initial approximation of entered data: the liquid everywhere equal
// (or as the main feed), the vapour from the still's heat balance carried
// up unchanged, the liquid from the material balances from the top down.
void BuildInitialApproximation(RunState& run) {
  AlternativesRequest question = Alternatives("", kInitialPrompt, {kInitialEqual, kInitialAsFeed});
  question.WindowHeight = kInitialWindowHeight;
  const int choice = Dialog().ChooseAlternative(question);

  ColumnProblem& p = run.Problem;
  ColumnSolution& s = run.Solution;
  const int n = p.ComponentCount();
  const int top = p.TrayCount + 1;
  std::uint8_t mainFeed = p.FeedTrays.front();
  for (const std::uint8_t tray : p.FeedTrays)
    if (p.FeedFlow[tray] > p.FeedFlow[mainFeed]) mainFeed = tray;

  run.Model = CreateVLEObj(VLEParams);
  MakeEquations(run);

  const Real G = run.EntryFlowScale;
  std::vector<Real> V(static_cast<std::size_t>(p.StageCount()), 0);
  for (int j = 0; j <= top; ++j) {
    const int base = j * (n + 1);
    for (int k = 0; k < n; ++k)
      s.LiqConc[k][j] = choice == kAllEqual ? Real{1} / n : p.FeedComp[k][mainFeed];
    for (int k = 0; k < n - 1; ++k) p.Approx[base + k] = s.LiqConc[k][j];
    const StageEnthalpies h = run.Equations->StageEquilibrium(j);
    if (j == 0) {
      const Real heat =
          p.LiveSteam() ? run.Heat.Qs - p.SteamFlow * h.HF : run.Heat.Qs - run.Heat.Qc;
      V[0] = heat / (h.HV - h.HL);
    } else if (j < top) {
      V[j] = V[j - 1] + p.LiveSteamFlow[j];
    }
    if (j < top) p.Approx[base + n] = V[j] / G;
  }
  p.Approx[top * (n + 1) + n] = 0;

  std::vector<Real> L(V.size(), 0);
  L[top] = V[top - 1] - p.CatchFlow[top];
  for (int j = top - 1; j >= 1; --j)
    L[j] = L[j + 1] + V[j - 1] - V[j] + p.FeedFlow[j] - p.CatchFlow[j];
  L[0] = L[1] - V[0] - p.LiveSteamFlow[0];
  for (int j = 0; j <= top; ++j) p.Approx[j * (n + 1) + n - 1] = L[j] / G;

  p.BreakMeasure = DefaultBreakMeasure(p.UnitsKind, VLEParams.ModelLetter, p.TrayCount);
  p.ConvConst = kDefaultConvConst;

  if (Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, Text(kWriteBlock)) ==
      Answer::Yes) {
    run.DataSource = kFromFile;
    run.BlockInFile = true;
    try {
      WriteColumnBlock(run.DataFile, run.SlotCount, p);
    } catch (const ColumnFileError& error) {
      EndRun(MessageKind::Error, ButtonSet::Ok, error.what());
    }
  }
}

}  // namespace

void EndRun(MessageKind kind, ButtonSet buttons, const std::string& text) {
  Dialog().ShowMessage(kind, buttons, text);
  throw RunEnded();
}

void SetUpRun(RunState& run) {
  std::error_code error;
  run.StartFolder = std::filesystem::current_path(error).string();
  Dialog().SetRunLamp(RunLamp::On);

  const Answer load =
      Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, Text(kLoadOrEstimate));
  if (load == Answer::No) {
    EstimateAndSave(run);
    TakeComponents(run);
    run.DataSource = kFromKeyboard;
  } else {
    LoadDataFile(run);
  }

  const bool entered = run.DataSource == kFromKeyboard;
  if (entered) {
    EnterFromKeyboard(run);
  } else {
    ReadFromFile(run);
  }
  PrepareCommon(run);
  if (entered) {
    BuildInitialApproximation(run);
  } else {
    MakeEquations(run);
  }
}

}  // namespace vexilor
