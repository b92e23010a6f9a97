// Whole rectification runs, from the first question to the database
// question, with the questions answered by a script.
#include "engine/column/rectification_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "engine/column/column_block.h"
#include "engine/column/column_fixtures.h"
#include "engine/column/physical_check.h"
#include "engine/shell/results_text.h"
#include "engine/thermo/builtin_fixture.h"
#include "support/scripted_dialog.h"

namespace vexilor {
namespace {

using testing::EthanolWaterWilson;
using testing::MakeEntry;
using testing::ScriptedDialog;
using testing::TempFolder;
using testing::WriteVLEFile;

// Slots of the VLE section of a binary Wilson file.
constexpr std::uint16_t kSlots = 10;
// Iterations of the global method in tests: below the 50 after which it
// asks about slow convergence, enough for Newton's method to converge.
constexpr std::uint32_t kGlobalIterations = 40;

struct RecordingStore : ResultsStore {
  void StoreCalculation(const FinishedRun& run) override { Runs.push_back(run); }
  std::vector<FinishedRun> Runs;
};

struct EntryCase {
  const char* Name;
  int Units;  // 0 mass, 1 molar: the alternative chosen
  char Heating;
  int Init;  // 0 all equal, 1 as the main feed
};

// A small ethanol-water column of three trays.
ColumnEntryResult SmallColumn(int units, char heating) {
  if (units == 0) return MakeEntry(3, heating, 600, 3, {{2, 1000, {20}}}, {{4, 150}, {3, 100}});
  return MakeEntry(3, heating, 600, 3, {{2, 50, {10}}}, {{4, 8}});
}

class RectificationRunTest : public testing::BuiltInDatabaseTest {
 protected:
  void SetUp() override {
    BuiltInDatabaseTest::SetUp();
    Lang = 1;
    file_ = WriteVLEFile(folder_, "ethanol-water.dat", EthanolWaterWilson());
  }

  // The set-up of keyboard entry, up to the question to write the block.
  void ScriptKeyboard(const ColumnEntryResult& entry, int units, int init, bool writeBlock) {
    dialog_.AnswerMessage(Answer::Yes)
        .AnswerOpenFile(file_)
        .AnswerAlternative(units)
        .AnswerColumnData(entry)
        .AnswerReal(760)
        .AnswerAlternative(init)
        .AnswerMessage(writeBlock ? Answer::Yes : Answer::No);
  }

  // The set-up of a run from the block in the file.
  void ScriptFromFile() {
    dialog_.AnswerMessage(Answer::Yes).AnswerOpenFile(file_).AnswerAlternative(1);
  }

  RunResult Run(RunOptions options = {kGlobalIterations, 0}) {
    DialogScope scope(dialog_);
    return RunRectification(text_, &store_, options);
  }

  // A column written into the file at entry (the run is stopped right
  // after), whose stored break measure is then replaced.
  void PrepareBlock(Real breakMeasure) {
    ScriptKeyboard(SmallColumn(0, 'l'), 0, 0, true);
    dialog_.RequestStopAtEvent(1);
    Run();
    ColumnProblem stored = ReadColumnBlock(file_, kSlots, 2).Problem;
    stored.BreakMeasure = breakMeasure;
    RewriteBreakMeasure(file_, kSlots, stored);
    dialog_ = ScriptedDialog();
    text_.Clear();
  }

  bool TextHas(const std::string& line) const {
    const auto& lines = text_.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  bool Shown(const std::string& message) const {
    const auto texts = dialog_.MessageTexts();
    return std::find(texts.begin(), texts.end(), message) != texts.end();
  }

  TempFolder folder_;
  std::string file_;
  ScriptedDialog dialog_;
  LineList text_;
  RecordingStore store_;
};

class EnteredColumnTest : public RectificationRunTest,
                          public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EnteredColumnTest, IsSolvedReportedAndHandedOver) {
  const EntryCase& c = GetParam();
  const ColumnEntryResult entry = SmallColumn(c.Units, c.Heating);
  ScriptKeyboard(entry, c.Units, c.Init, false);
  dialog_.AnswerMessage(Answer::Yes);  // store it
  const RunResult result = Run();

  ASSERT_EQ(result.Ending, RunEnding::Precise);
  EXPECT_TRUE(dialog_.ScriptDone());
  ASSERT_TRUE(result.Solution.has_value());
  const FinishedRun& run = *result.Solution;
  ASSERT_EQ(store_.Runs.size(), 1u);
  EXPECT_EQ(store_.Runs[0].Temp, run.Temp);

  // The questions of the set-up.
  const ColumnEntryRequest& request = dialog_.ColumnRequests.at(0);
  EXPECT_EQ(request.UnitsKind, c.Units + 1);
  EXPECT_EQ(request.CompCount, 2);
  EXPECT_EQ(request.CompNames, (std::vector<std::string>{"comp.1", "comp.2"}));
  EXPECT_EQ(request.HeatingKind, 'l') << "water is a component: live steam is possible";
  EXPECT_EQ(request.TrayCapacity, 65);
  EXPECT_EQ(request.SteamCons, 3000);
  const AlternativesRequest& units = dialog_.AlternativeRequests.at(0);
  EXPECT_EQ(units.Caption, "The definition of the parameter");
  EXPECT_EQ(units.GroupCaption, std::optional<std::string>(""));
  EXPECT_EQ(units.Alternatives, (std::vector<std::string>{"mass flow: kg/hour; densities: % mass;",
                                                          "molar flow: kmol/hour; densities: % "
                                                          "molar;"}));
  EXPECT_EQ(dialog_.AlternativeRequests.at(1).WindowHeight, 260);
  const NumberRequest& pressure = dialog_.NumberRequests.at(0);
  EXPECT_EQ(pressure.Prompt, "Set pressure in a column, mm.of mercury (for example 760)");
  EXPECT_EQ(pressure.InitialText, "760");

  // What the run shows while it works, and how it leaves the window.
  EXPECT_EQ(dialog_.Lamps, (std::vector<RunLamp>{RunLamp::On, RunLamp::Done}));
  EXPECT_EQ(dialog_.ResultsAvailableCalls, 1);
  EXPECT_EQ(dialog_.BusyDepth, 0);
  EXPECT_EQ(dialog_.ClockStates, (std::vector<bool>{true, false, true, false}));
  ASSERT_EQ(dialog_.WaitLabels.size(), 3u);
  EXPECT_EQ(dialog_.WaitLabels[2], "");
  EXPECT_EQ(dialog_.StatusTexts,
            (std::vector<std::string>{"Time of the initial approximation searching:", "",
                                      "Time of search of the exact solution:", ""}));
  EXPECT_EQ(dialog_.MessageTexts().back(),
            "   The program operation is successfully completed.\r\n Wish to place results of "
            "calculation in a database (y/n) ? ");

  // The text: start header, progress line, discrepancy table (one row per
  // stage), precise solution.
  EXPECT_EQ(text_.Line(0), "          Total number of trays of rectification column is 3");
  EXPECT_EQ(text_.Line(3).substr(0, 22), " number of iterations ");
  EXPECT_EQ(text_.Line(6).substr(0, 5), "  N  ");
  EXPECT_EQ(text_.Line(7).substr(0, 5), "  0  ");
  EXPECT_EQ(text_.Line(11).substr(0, 5), "  4  ");
  EXPECT_EQ(text_.Line(12), "             THE PRECISE SOLUTION OF THE PROBLEM IS RECEIVED!");

  // Units of the copy handed over.
  EXPECT_EQ(run.UnitsKind, c.Units + 1);
  const Real steam = c.Units == 0 ? 600 / 3600.0L : 600 / 18.015L / 3600;
  EXPECT_EQ(run.SteamFlow, steam);
  EXPECT_EQ(run.ColumnPressure, 760 * 133.3L);
  EXPECT_EQ(run.ModelName, "Wilson");
  EXPECT_EQ(run.VleFilePath, file_);
  EXPECT_EQ(run.CatchTrays,
            (std::vector<std::uint8_t>(c.Units == 0 ? std::vector<std::uint8_t>{3, 4}
                                                    : std::vector<std::uint8_t>{4})));

  // What enters the column leaves it: bottoms, takeoffs and the vapour
  // from the dephlegmator. The fields hold the last evaluation of Newton's
  // method, a point of its last Jacobian, one small difference step away
  // from the solution.
  const int top = run.TrayCount + 1;
  const Real liveSteam = run.DeadSteam() ? 0 : run.SteamFlow;
  Real in = liveSteam, out = run.LiqFlow[0] + run.VapFlow[top];
  Real ethanolIn = 0,
       ethanolOut = run.LiqFlow[0] * run.LiqConc[0][0] + run.VapFlow[top] * run.VapConc[0][top];
  for (int j = 0; j <= top; ++j) {
    in += run.FeedFlow[j];
    out += run.CatchFlow[j];
    ethanolIn += run.FeedFlow[j] * run.FeedComp[0][j];
    ethanolOut += run.CatchFlow[j] * run.LiqConc[0][j];
  }
  EXPECT_NEAR(out / in, 1, 1e-5L);
  EXPECT_NEAR(ethanolOut / ethanolIn, 1, 1e-5L);

  // A physically impossible solution is kept as computed, with a warning.
  ColumnSolution shown;
  shown.Temp = run.Temp;
  shown.LiqFlow = run.LiqFlow;
  shown.VapFlow = run.VapFlow;
  shown.LiqConc = run.LiqConc;
  shown.VapConc = run.VapConc;
  const Infeasibility found = FindInfeasibility(shown);
  EXPECT_EQ(result.PhysicallyImpossible, found.Any());
  if (found.Any()) {
    EXPECT_EQ(text_.Lines().back(), InfeasibilityWarning(found));
    EXPECT_TRUE(Shown(InfeasibilityWarning(found)));
  }
}

INSTANTIATE_TEST_SUITE_P(UnitsHeatingAndStart, EnteredColumnTest,
                         ::testing::Values(EntryCase{"MassLiveEqual", 0, 'l', 0},
                                           EntryCase{"MassDeadAsFeed", 0, 'd', 1},
                                           EntryCase{"MolarDeadEqual", 1, 'd', 0},
                                           EntryCase{"MolarLiveAsFeed", 1, 'l', 1}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RectificationRunTest, BlockWrittenAtEntryIsTheSourceOfTheNextRun) {
  // Takeoffs entered top first: the table lists them in stage order.
  ScriptKeyboard(SmallColumn(0, 'l'), 0, 0, true);
  dialog_.AnswerMessage(Answer::No);
  const RunResult first = Run();
  ASSERT_EQ(first.Ending, RunEnding::Precise);
  EXPECT_TRUE(store_.Runs.empty());

  const ColumnBlock block = ReadColumnBlock(file_, kSlots, 2);
  EXPECT_EQ(block.Problem.TrayCount, 3);
  EXPECT_EQ(block.Problem.FeedFlow[2], 1000 / 3600.0L);
  EXPECT_EQ(block.Problem.FeedComp[0][2], 0.2L);
  EXPECT_EQ(block.Problem.FeedComp[1][2], 1 - 0.2L);
  EXPECT_EQ(block.Problem.CatchFlow[4], 150 / 3600.0L);
  EXPECT_EQ(block.Problem.LiveSteamFlow[0], 600 / 3600.0L);
  EXPECT_EQ(block.Problem.LiveSteamComp[1][0], 1);
  EXPECT_EQ(block.Problem.BreakMeasure, 6e-8L);
  EXPECT_EQ(block.Problem.ConvConst, 0.6L);
  const auto table = [](const LineList& text) {
    const auto& lines = text.Lines();
    const auto title =
        std::find(lines.begin(), lines.end(), "             FEED AND TAKEOFF FLOWS OF FRACTIONS");
    return std::vector<std::string>(title, lines.end());
  };
  const auto firstTable = table(text_);

  dialog_ = ScriptedDialog();
  text_.Clear();
  ScriptFromFile();
  dialog_.AnswerMessage(Answer::No);
  const RunResult second = Run();
  ASSERT_EQ(second.Ending, RunEnding::Precise);
  EXPECT_TRUE(dialog_.ScriptDone());
  const AlternativesRequest& source = dialog_.AlternativeRequests.at(0);
  EXPECT_EQ(source.Prompt,
            "Choose a source of the initial data for rectification process calculation.");
  EXPECT_EQ(source.GroupCaption,
            std::optional<std::string>("Wish to enter the initial data from:"));
  EXPECT_EQ(source.Alternatives, (std::vector<std::string>{" keyboard", " file"}));
  EXPECT_TRUE(dialog_.ColumnRequests.empty());
  EXPECT_EQ(table(text_), firstTable);
  EXPECT_EQ(second.Solution->CatchTrays, first.Solution->CatchTrays);
}

TEST_F(RectificationRunTest, KeptApproximationIsShownWhenNewtonFails) {
  PrepareBlock(1e-30L);  // never reached: the method asks after 50 iterations
  ScriptFromFile();
  dialog_
      .AnswerAlternative(0)         // keep the approximation in the file
      .AnswerMessage(Answer::No)    // the restart advice
      .AnswerMessage(Answer::Yes);  // view the approximate solution
  const RunResult result = Run({0, 1});

  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(result.GlobalIterations, 51u);
  ASSERT_EQ(result.Ending, RunEnding::Approximate);
  const AlternativesRequest& slow = dialog_.AlternativeRequests.at(1);
  EXPECT_EQ(slow.Alternatives.at(0), "to keep initial approximation values in a file");
  EXPECT_TRUE(
      Shown("The solution of a problem by locally converging method is not retrieved. "
            "For\r\nprolongation of calculation complete operation of the program and "
            "start it again."));
  EXPECT_EQ(dialog_.LocalMethodFailedCalls, 1);
  EXPECT_EQ(dialog_.ResultsAvailableCalls, 0);
  EXPECT_TRUE(store_.Runs.empty());
  EXPECT_TRUE(TextHas("        THE APPROXIMATE SOLUTION OF THE PROBLEM IS RECEIVED!"));
  EXPECT_FALSE(TextHas("             FEED AND TAKEOFF FLOWS OF FRACTIONS"));

  // The approximate solution is the global method's point, kept in the file.
  ColumnProblem kept = ReadColumnBlock(file_, kSlots, 2).Problem;
  for (int j = 0; j < kept.StageCount(); ++j)
    EXPECT_EQ(result.Solution->LiqConc[0][j], kept.Approx[j * 3]) << j;
}

TEST_F(RectificationRunTest, FailedNewtonAfterConvergedGlobalMethodAsksForABreakMeasure) {
  PrepareBlock(1);  // met after the first iteration
  ScriptFromFile();
  dialog_.AnswerAlternative(0).AnswerReal(1e-7L).AnswerMessage(Answer::No);
  const RunResult result = Run({0, 1});

  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(result.Ending, RunEnding::Ended);
  EXPECT_FALSE(result.Solution.has_value());
  const AlternativesRequest& question = dialog_.AlternativeRequests.back();
  EXPECT_EQ(question.Alternatives, (std::vector<std::string>{"to change value of break measure",
                                                             "to leave from the program"}));
  const NumberRequest& measure = dialog_.NumberRequests.back();
  EXPECT_EQ(measure.Caption, std::optional<std::string>("The definition of the parameter"));
  EXPECT_EQ(measure.Prompt, "Enter new (smaller) value of break measure (the current value 1)");
  EXPECT_EQ(measure.InitialText, "1");
  EXPECT_EQ(ReadColumnBlock(file_, kSlots, 2).Problem.BreakMeasure, 1e-7L);
  EXPECT_FALSE(TextHas("        THE APPROXIMATE SOLUTION OF THE PROBLEM IS RECEIVED!"));
}

// Answers as scripted, and changes the data file when the source question
// comes: between the run's reading of the VLE section and its reading of
// the column block.
class FileChangingDialog : public ScriptedDialog {
 public:
  FileChangingDialog(std::string file, std::function<void(const std::string&)> change)
      : file_(std::move(file)), change_(std::move(change)) {}
  int ChooseAlternative(const AlternativesRequest& request) override {
    if (change_) change_(file_);
    change_ = nullptr;
    return ScriptedDialog::ChooseAlternative(request);
  }

 private:
  std::string file_;
  std::function<void(const std::string&)> change_;
};

TEST_F(RectificationRunTest, AFileCutShortBetweenItsTwoReadsEndsTheRunWithTheLoadMessage) {
  PrepareBlock(6e-8L);
  const auto whole = testing::ReadBytes(file_);
  const auto cutTo = [](std::uintmax_t size) {
    return [size](const std::string& file) { std::filesystem::resize_file(file, size); };
  };
  const std::pair<const char*, std::function<void(const std::string&)>> changes[] = {
      {"removed", [](const std::string& file) { std::filesystem::remove(file); }},
      {"cut to its VLE section", cutTo(16 * kSlots)},
      {"cut inside the block", cutTo(16 * kSlots + 100)},
      {"cut by one byte", cutTo(whole.size() - 1)},
  };
  for (const auto& [name, change] : changes) {
    testing::WriteBytes(file_, whole);
    FileChangingDialog dialog(file_, change);
    dialog.AnswerMessage(Answer::Yes).AnswerOpenFile(file_).AnswerAlternative(1);
    RunResult result;
    {
      DialogScope scope(dialog);
      result = RunRectification(text_, &store_, {kGlobalIterations, 0});
    }
    EXPECT_EQ(result.Ending, RunEnding::Ended) << name;
    EXPECT_TRUE(dialog.ScriptDone()) << name;
    ASSERT_FALSE(dialog.Messages.empty()) << name;
    EXPECT_EQ(dialog.Messages.back().Kind, MessageKind::Error) << name;
    EXPECT_EQ(dialog.Messages.back().Text,
              "It was not possible to load the data from the file" + file_)
        << name;
  }
}

TEST_F(RectificationRunTest, ApproximationWithoutABlockCannotBeShown) {
  ScriptKeyboard(SmallColumn(0, 'l'), 0, 0, false);
  dialog_.AnswerMessage(Answer::No).AnswerMessage(Answer::Yes);
  const RunResult result = Run({5, 1});
  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(result.Ending, RunEnding::Ended);
  EXPECT_EQ(dialog_.Messages.back().Kind, MessageKind::Error);
  EXPECT_EQ(dialog_.Messages.back().Text,
            "It was not possible to load the data from the file" + file_);
}

TEST_F(RectificationRunTest, FailedGlobalMethodIsReportedAndNewtonStartsFromThere) {
  PrepareBlock(6e-8L);
  // A stored liquid flow of the still far below zero: a file may hold it
  // (only NaN and infinities are refused on reading), and the global
  // method's arithmetic faults on it.
  ColumnProblem broken = ReadColumnBlock(file_, kSlots, 2).Problem;
  broken.Approx[1] = -5;
  RewriteControlConstants(file_, kSlots, broken);
  ScriptFromFile();
  dialog_.AnswerMessage(Answer::No).AnswerMessage(Answer::No);  // advice, view
  const RunResult result = Run();
  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(result.Ending, RunEnding::Ended);
  EXPECT_TRUE(
      Shown("    Error during searching of the initial\n\rapproximation by the globally "
            "converging method"));
  EXPECT_EQ(dialog_.Messages.at(1).Buttons, ButtonSet::Yes);
  EXPECT_EQ(dialog_.LocalMethodFailedCalls, 1);
  EXPECT_EQ(dialog_.BusyDepth, 0);
}

TEST_F(RectificationRunTest, StopRequestEndsTheRunCleanly) {
  ScriptKeyboard(SmallColumn(0, 'l'), 0, 0, false);
  dialog_.RequestStopAtEvent(100);
  const RunResult result = Run();
  EXPECT_EQ(result.Ending, RunEnding::Stopped);
  EXPECT_FALSE(result.Solution.has_value());
  EXPECT_EQ(dialog_.Messages.back().Text, "The calculation is stopped by the user.");
  EXPECT_EQ(dialog_.Lamps.back(), RunLamp::Off);
  EXPECT_EQ(dialog_.BusyDepth, 0);
  EXPECT_FALSE(dialog_.ClockStates.back());
  EXPECT_EQ(dialog_.StatusTexts.back(), "");
  EXPECT_EQ(text_.Line(0), "          Total number of trays of rectification column is 3");
  EXPECT_TRUE(store_.Runs.empty());
}

TEST_F(RectificationRunTest, EntryThatCannotBeUsedEndsTheRun) {
  struct Case {
    std::optional<ColumnEntryResult> Entry;
    std::vector<std::string> Messages;
  };
  const std::string anew = "Please enter input datas anew (the button \"Run\")";
  const std::vector<Case> cases = {
      {std::nullopt, {anew}},
      {MakeEntry(20, 'l', 600, 3, {{2, 1000, {20}}}, {{21, 100}}),
       {"The total number of trays must lie between 1 and 19 for a mixture of 2 components (20 "
        "was given)",
        anew}},
      {MakeEntry(3, 'l', 600, 3, {{7, 1000, {20}}}, {{4, 100}}),
       {"Feed tray number 7 lies outside 0..4", anew}}};
  for (const Case& c : cases) {
    dialog_ = ScriptedDialog();
    dialog_.AnswerMessage(Answer::Yes)
        .AnswerOpenFile(file_)
        .AnswerAlternative(0)
        .AnswerColumnData(c.Entry);
    const RunResult result = Run();
    EXPECT_EQ(result.Ending, RunEnding::Ended);
    auto shown = dialog_.MessageTexts();
    shown.erase(shown.begin(), shown.begin() + 2);  // the load question and the information
    EXPECT_EQ(shown, c.Messages);
    EXPECT_EQ(dialog_.Messages.back().Buttons, ButtonSet::Yes);
  }
}

TEST_F(RectificationRunTest, InformationClosedOtherwiseThanWithOkEndsTheRun) {
  dialog_.AnswerMessage(Answer::Yes).AnswerOpenFile(file_).AnswerSingleButton(Answer::Closed);
  const RunResult result = Run();
  EXPECT_EQ(result.Ending, RunEnding::Ended);
  EXPECT_EQ(dialog_.MessageTexts().back(),
            "Input of initial datas for\r\nrectification process calculation");
  EXPECT_TRUE(dialog_.AlternativeRequests.empty());
  EXPECT_EQ(dialog_.Lamps, std::vector<RunLamp>{RunLamp::On});
}

TEST_F(RectificationRunTest, EstimatedParametersAreSavedAndTheRunGoesOnFromTheFile) {
  const std::string saved = folder_.File("Wilson.dat");
  testing::WriteBytes(saved, {'o', 'l', 'd'});
  dialog_
      .AnswerMessage(Answer::No)                      // estimate
      .AnswerComponents({true, false, false, false})  // one component is not a mixture
      .AnswerComponents({true, true, false, false})
      .AnswerMethod(0)  // Wilson
      .AnswerSaveFile(saved)
      .AnswerAlternative(0)
      .AnswerColumnData(SmallColumn(0, 'l'))
      .AnswerReal(760)
      .AnswerAlternative(0)
      .AnswerMessage(Answer::No)   // do not write the block
      .AnswerMessage(Answer::No);  // nor store the results
  const RunResult result = Run();

  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(result.Ending, RunEnding::Precise);
  ASSERT_EQ(dialog_.ComponentRequests.size(), 2u);
  EXPECT_EQ(dialog_.ComponentRequests[0].ItemNames,
            (std::vector<std::string>{"comp.1", "comp.2", "comp.3", "comp.4"}));
  EXPECT_TRUE(
      Shown("For calculation of vapor-liquid equilibrium choice not less than two "
            "components is required"));
  EXPECT_TRUE(
      Shown("For continuation of calculations it is necessary\r\nto save this obtained "
            "data in a file."));
  const FileDialogRequest& save = dialog_.SaveRequests.at(0);
  EXPECT_EQ(save.Title, "Saving file");
  EXPECT_EQ(save.Filter, "Datafiles|*.dat");
  EXPECT_EQ(save.DefaultExt, "dat");
  EXPECT_EQ(save.ProposedName, "Wilson");
  EXPECT_EQ(save.InitialDir, std::filesystem::current_path().string());
  // The estimation's report stays in the text before the column's.
  EXPECT_EQ(text_.Line(0),
            " Calculation of power parameters of intermolecular (intergroup)interaction.");
  // The file it was saved over is kept as the backup.
  EXPECT_EQ(testing::ReadBytes(folder_.File("Wilson.bak")),
            (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(result.Solution->VleFilePath, saved);
  EXPECT_TRUE(dialog_.OpenRequests.empty());
}

TEST_F(RectificationRunTest, EstimationNotSavedEndsTheRun) {
  dialog_.AnswerMessage(Answer::No)
      .AnswerComponents({true, true, false, false})
      .AnswerMethod(0)
      .AnswerSaveFile("");
  const RunResult result = Run();
  EXPECT_TRUE(dialog_.ScriptDone());
  EXPECT_EQ(result.Ending, RunEnding::Ended);
  EXPECT_EQ(dialog_.Messages.back().Text,
            "Please repeat calculation of equilibrium or\r\nload input datas from the file (the "
            "button \"Run\")");
  EXPECT_EQ(dialog_.Messages.back().Buttons, ButtonSet::Yes);
}

TEST_F(RectificationRunTest, RussianRunWritesRussianTexts) {
  Lang = 2;
  ScriptKeyboard(SmallColumn(1, 'l'), 1, 1, false);
  dialog_.AnswerMessage(Answer::No);
  const RunResult result = Run();
  ASSERT_EQ(result.Ending, RunEnding::Precise);
  EXPECT_EQ(result.Solution->CompNames, (std::vector<std::string>{"комп.1", "комп.2"}));
  EXPECT_EQ(result.Solution->FlowUnit, "кмоль/ч");
  EXPECT_TRUE(TextHas("             ПОЛУЧЕНО ТОЧНОЕ РЕШЕНИЕ ЗАДАЧИ!"));
}

}  // namespace
}  // namespace vexilor
