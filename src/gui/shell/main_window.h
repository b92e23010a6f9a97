// The main window: the frame, the results text and the three result
// commands. A calculation is started through the Run seam and driven
// through the window's state setters by the Qt user dialog.
#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "engine/results/finished_run.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace vexilor::gui {

class FileActions;
class MainFrame;
class MemoResultsText;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  // --- the run seam ------------------------------------------------------
  //! What Run does. The handler runs inside a guard: ProgramTermination
  //! ends the program after offering to keep the results text, RunStopped
  //! (the user pressed Stop) ends the run quietly, any other exception is
  //! shown as an error.
  void SetRunHandler(std::function<void()> handler);
  //! The copy of the last run that finished with a solution; the result
  //! commands work on it.
  void SetFinishedRun(FinishedRun run);
  const FinishedRun* LastFinishedRun() const;
  bool Running() const { return running_; }
  //! True once the user pressed Stop (or Exit) during the current run.
  bool StopRequested() const { return stopRequested_; }

  // --- the result commands -----------------------------------------------
  void SetDbBrowseHandler(std::function<void()> handler);
  void SetPictorialFormHandler(std::function<void(const FinishedRun&)> handler);
  void SetReportHandler(std::function<void(const FinishedRun&)> handler);

  // --- what a running calculation shows -----------------------------------
  void SetWaitText(const std::string& text);
  void SetStageText(const std::string& text);
  void SetClockRunning(bool running);
  //! Busy cursor on (nestable) or off; a run leaves none behind.
  void SetBusy(bool busy);
  bool Busy() const { return busyDepth_ > 0; }
  void SetRunLamp(RunLamp lamp);
  //! Pictorial form and Report become available; the focus goes to Exit.
  void ShowResultsAvailable();
  //! After a failed local method: Run and Pictorial form stay disabled
  //! until the program is started again.
  void LockAfterLocalFailure();

  void SetPrinterAvailable(bool available);

  ResultsText& Results();
  MemoResultsText& ResultsMemo() { return *results_; }
  FileActions& Actions() { return *fmAction_; }
  MainFrame& Frame() { return *frMainForm2_; }
  QPlainTextEdit& Output() { return *mmOutput_; }

  QAction* ActionDBGo;
  QAction* ActionGraphGo;
  QAction* ActionReportGo;

 signals:
  //! The program should end now (Exit was answered, or a program-ending
  //! condition occurred).
  void TerminateRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormActivate();
  void RunClicked();
  void ExitClicked();
  void StopClicked();
  void BeginRun();
  void EndRun();
  void UpdateCommands();
  //! Runs work inside the guard; returns true when the program must end.
  bool Guarded(const std::function<void()>& work);
  void RunResultCommand(const std::function<void()>& work);

  QPlainTextEdit* mmOutput_;
  MemoResultsText* results_;
  FileActions* fmAction_;
  MainFrame* frMainForm2_;
  QToolBar* ToolBar2_;
  QMenu* CalcResults_;

  std::function<void()> runHandler_;
  std::function<void()> dbBrowseHandler_;
  std::function<void(const FinishedRun&)> pictorialFormHandler_;
  std::function<void(const FinishedRun&)> reportHandler_;
  std::optional<FinishedRun> finishedRun_;

  bool activated_ = false;
  bool running_ = false;
  bool stopRequested_ = false;
  bool exitAfterRun_ = false;
  bool resultsAvailable_ = false;
  bool lockedAfterFailure_ = false;
  int busyDepth_ = 0;
};

}  // namespace vexilor::gui
