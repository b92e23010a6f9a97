// The command line's answers to the questions of a rectification run, taken
// from the options of `vexilor-cli column`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_dialog.h"

namespace vexilor::cli {

//! One --feed TRAY:FLOW_PER_HOUR:PCT1[,PCT2...].
struct FeedOption {
  std::uint8_t Tray = 0;
  Real FlowPerHour = 0;
  std::vector<Real> Percent;  //!< components 1..n-1
};

//! One --takeoff TRAY:FLOW_PER_HOUR.
struct TakeoffOption {
  std::uint8_t Tray = 0;
  Real FlowPerHour = 0;
};

//! The column problem given on the command line (flows per hour, pressure
//! in mm Hg, steam in kg/hour and kgf/cm2).
struct ProblemOptions {
  std::uint16_t Trays = 0;
  bool Molar = false;
  bool LiveSteam = true;
  Real SteamKgPerHour = 0;
  Real SteamPressure = 0;
  Real PressureMmHg = 0;
  std::vector<FeedOption> Feeds;
  std::vector<TakeoffOption> Takeoffs;
};

//! How the run's questions are answered.
struct ColumnPolicy {
  std::string FileName;
  bool FromFile = false;
  ProblemOptions Problem;  //!< unused with FromFile
  bool InitAsFeed = false;
  bool WriteBlock = false;
  bool Approximate = false;
  bool Store = false;
};

//! Answers: load the data file (FileName); source keyboard, or the file's
//! block with FromFile; the units, the entry data, the pressure and the
//! initial approximation from the problem options; write the block with
//! WriteBlock; keep the constants at every slow-convergence dialogue; no
//! new break measure after a failed local method; the approximate solution
//! with Approximate; the database with Store. Questions are not printed;
//! errors, warnings and information are.
class ColumnDialog : public CliDialog {
 public:
  explicit ColumnDialog(ColumnPolicy policy) : policy_(std::move(policy)) {}

  Answer ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) override;
  int ChooseAlternative(const AlternativesRequest& request) override;
  NumberAnswer AskNumber(const NumberRequest& request) override;
  std::optional<ColumnEntryResult> EnterColumnData(const ColumnEntryRequest& request) override;
  std::string OpenFileName(const FileDialogRequest&) override { return policy_.FileName; }
  void LocalMethodFailed() override { localMethodFailed_ = true; }

  //! An option does not fit the data file, or --from-file found no block.
  bool BadInput() const { return badInput_; }
  //! The calculation itself failed (the local method, or an error of the
  //! arithmetic outside the methods).
  bool CalculationFailed() const { return localMethodFailed_ || runError_; }

 private:
  ColumnPolicy policy_;
  bool badInput_ = false;
  bool localMethodFailed_ = false;
  bool runError_ = false;
};

//! The entry dialog's values for the problem options: flows and
//! percentages on their trays, in the order given.
ColumnEntryResult EntryFromOptions(const ProblemOptions& problem, int components);

//! Why the problem options cannot be used with a mixture of `components`
//! components, or nullopt.
std::optional<std::string> ProblemOptionsFault(const ProblemOptions& problem, int components,
                                               bool liveSteamPossible);

}  // namespace vexilor::cli
