// The seam between the calculation and the person: every question, message
// and sign of progress the engine gives goes through UserDialog. The GUI
// implements it with real widgets, the command line with its
// non-interactive policy, the tests with a scripted fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/shell/real.h"

namespace vexilor {

//! Type of a message box: its icon and title.
enum class MessageKind { Error, Warning, Information, Confirmation, Plain };

//! Button sets of message boxes.
enum class ButtonSet { Ok, Yes, YesNo, AbortRetry };

//! The button that closed a message box (Closed: the close box or Esc).
enum class Answer { Ok, Yes, No, Abort, Retry, Closed };

//! Choice of the equilibrium model (Wilson, NRTL, UNIQUAC, UNIFAC). The
//! dialog is fresh for every question: closing it without a choice gives 0.
struct ChooseMethodRequest {
  std::string Caption;
  std::string Prompt;
  std::string WarningText;  //!< shown when OK is pressed with nothing selected
};

//! Choice among 1 to 10 alternatives. The dialog lives for the whole
//! program: its Choice is changed only by the confirm button, so closing it
//! returns the choice of the previous use (0 before any use).
struct AlternativesRequest {
  std::string Caption;
  std::string Prompt;
  std::optional<std::string> GroupCaption;  //!< nullopt: keep the previous caption
  std::vector<std::string> Alternatives;
  int Columns = 1;       //!< columns of the radio group for this question
  int WindowHeight = 0;  //!< window height in pixels for this question; 0: default
};

//! Check list of components (1 to 17 names of at most 20 characters).
struct ComponentsRequest {
  std::string Caption;
  std::string Prompt;
  std::vector<std::string> ItemNames;
  std::uint8_t Lang = 0;
};

//! Input of one number. ValueKind 0: real, 1: 16-bit integer, other: no
//! conversion. The dialog lives for the whole program and keeps its outputs
//! between uses; a closed dialog leaves them unchanged.
struct NumberRequest {
  std::optional<std::string> Caption;  //!< nullopt: keep the previous caption
  std::string Prompt;
  std::string UnitLabel;
  std::string ErrorPrefix;
  int ValueKind = 0;
  std::string InitialText;  //!< written into the field and selected
};

//! Outputs of the number dialog after it closed.
struct NumberAnswer {
  Real RealResult = 0;
  std::uint16_t IntResult = 0;  //!< a parsed integer keeps its low 16 bits
};

//! Input of a grid of numbers (at most 25 columns and rows); cells are
//! indexed [column][row], header cells and initial data alike.
struct GridRequest {
  int BaseHeight = 0;
  int FixedCols = 0;
  int FixedRows = 0;
  int ColCount = 0;
  int RowCount = 0;
  std::vector<std::vector<std::string>> CellTexts;
  std::vector<bool> IntColumn;  //!< per column: integers, else reals
  std::string Caption;
  std::string Prompt;
  std::uint8_t Lang = 0;
};

//! Outputs of the grid dialog: zero where nothing was parsed.
struct GridAnswer {
  std::vector<std::vector<Real>> GridReals;          //!< [column][row]
  std::vector<std::vector<std::uint16_t>> GridInts;  //!< [column][row]
  bool Cancelled = false;
};

//! Inputs of the column data entry dialog.
struct ColumnEntryRequest {
  std::uint8_t Lang = 0;
  std::uint8_t UnitsKind = 1;  //!< 1 mass, 2 molar
  std::uint8_t CompCount = 2;
  std::vector<std::string> CompNames;
  char HeatingKind = 'd';  //!< 'l' when live steam is possible
  std::uint16_t TrayCapacity = 65;
  Real SteamCons = 3000;  //!< preset steam flow, kg/hour
};

//! Values of a confirmed column data entry dialog. Per-tray arrays are
//! indexed by tray number 0..TotalNumb+1.
struct ColumnEntryResult {
  char HeatingKind = 'd';
  Real SteamCons = 0;   //!< kg/hour
  Real SteamPress = 0;  //!< kgf/cm2
  std::uint16_t TotalNumb = 0;
  std::uint16_t FeedNumb = 0;
  std::uint16_t CatchNumb = 0;
  std::vector<std::uint8_t> FeedTrays;      //!< in the order of the grid rows
  std::vector<std::uint8_t> CatchTrays;     //!< in the order of the grid rows
  std::vector<Real> FeedCons;               //!< per tray, per hour
  std::vector<Real> CatchCons;              //!< per tray, per hour
  std::vector<std::vector<Real>> FeedConc;  //!< [component][tray], percent
};

//! Standard open or save file dialog.
struct FileDialogRequest {
  std::string Title;
  std::string Filter;  //!< "Description|*.ext"
  std::string DefaultExt;
  std::string InitialDir;    //!< empty: the dialog's own choice
  std::string ProposedName;  //!< save only
};

//! The Run button's lamp: off, on while a run works, the finished picture.
enum class RunLamp { Off, On, Done };

class UserDialog {
 public:
  virtual ~UserDialog() = default;

  virtual Answer ShowMessage(MessageKind kind, ButtonSet buttons, const std::string& text) = 0;
  virtual void Beep() = 0;

  virtual int ChooseEquilibriumMethod(const ChooseMethodRequest& request) = 0;
  virtual int ChooseAlternative(const AlternativesRequest& request) = 0;
  virtual std::vector<bool> ChooseComponents(const ComponentsRequest& request) = 0;
  virtual NumberAnswer AskNumber(const NumberRequest& request) = 0;
  virtual GridAnswer EnterNumberGrid(const GridRequest& request) = 0;
  //! nullopt when the dialog was not confirmed.
  virtual std::optional<ColumnEntryResult> EnterColumnData(const ColumnEntryRequest& request) = 0;

  //! The chosen file name, empty when cancelled.
  virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
  //! The chosen file name, empty when cancelled; the dialog asks before an
  //! existing file is overwritten.
  virtual std::string SaveFileName(const FileDialogRequest& request) = 0;

  //! Text of the main window's wait label ("" clears it).
  virtual void SetWaitLabel(const std::string& text) = 0;
  //! Text of status panel 0, the name of the stage being timed.
  virtual void SetStatusText(const std::string& text) = 0;
  //! Starts the clock's elapsed-time display (true) or returns it to the
  //! time of day (false).
  virtual void SetClockRunning(bool running) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  //! Lets pending window events through. Returns true when the user has
  //! asked to stop the running calculation.
  virtual bool ProcessEvents() = 0;

  //! The Run button's lamp.
  virtual void SetRunLamp(RunLamp lamp) = 0;
  //! A run has finished with a solution: the result commands become
  //! available and the focus moves to the Exit button.
  virtual void ResultsAvailable() = 0;
  //! The local method failed: the pictorial form and Run stay disabled
  //! until the program is restarted.
  virtual void LocalMethodFailed() = 0;
};

//! The user dialog installed by the running front end. Calling it with none
//! installed is a programming error and aborts.
UserDialog& Dialog();

//! Installs a user dialog for the lifetime of the scope (nestable).
class DialogScope {
 public:
  explicit DialogScope(UserDialog& dialog);
  ~DialogScope();
  DialogScope(const DialogScope&) = delete;
  DialogScope& operator=(const DialogScope&) = delete;

 private:
  UserDialog* previous_;
};

//! Shows a program-ending message through Dialog() and throws
//! ProgramTermination carrying the text.
[[noreturn]] void EndProgram(MessageKind kind, ButtonSet buttons, const std::string& text);

//! Shows the busy cursor for the lifetime of the scope, also on the
//! exception path.
class BusyCursor {
 public:
  BusyCursor() { Dialog().SetBusyCursor(true); }
  ~BusyCursor() { Dialog().SetBusyCursor(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace vexilor
