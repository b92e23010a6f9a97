// The frame of the main window: menu, file tool bar, Run / Stop / Exit
// buttons, the wait label and the status bar with its clock.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <cstdint>
#include <string>

#include "engine/shell/user_dialog.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;
class QVBoxLayout;

namespace vexilor::gui {

class FileActions;

//! The clock's text for a number of seconds: "hh.mm.ss", hours of a day.
std::string ClockText(qint64 seconds);

class MainFrame : public QWidget {
  Q_OBJECT
 public:
  MainFrame(FileActions& actions, QWidget* parent);

  //! Puts the results text between the tool bars and the status bar.
  void SetContent(QWidget* content);
  //! The frame's copy of the language flag.
  void SetLang(std::uint8_t lang) { lang_ = lang; }
  //! Sets captions, hints and pictures by the frame's language copy, the
  //! off-state lamp, and hands the language copy to the file commands.
  void FrameEnter();

  //! Text of status panel 0, the name of the stage being timed.
  void SetStageText(const QString& text);
  //! Starts the elapsed-time display (true) or returns to the time of day.
  void SetClockRunning(bool running);
  void SetRunLamp(RunLamp lamp);
  //! Refreshes the clock panel now, as the timer does every second.
  void Timer1Timer();

  QMenuBar* frMainMenu1;
  QMenu* File1;
  QToolBar* ToolBar1;
  QStatusBar* StatusBar1;
  QLabel* StagePanel;  //!< status panel 0
  QLabel* ClockPanel;  //!< status panel 1
  QWidget* Panel1;
  QPushButton* BitBtnRun;
  QPushButton* BitBtnStop;
  QPushButton* BitBtCancel;
  QLabel* lbFrame;
  QAction* StopAction;
  //! The menu bar's About entry; the result menu stands before it.
  QAction* AboutEntry;
  QTimer* Timer1;

 private:
  void BuildMenu();
  QAction* AddCaptionEntry(QAction* command);
  void BuildToolBar();
  void BuildPanel();

  FileActions& actions_;
  QVBoxLayout* layout_;
  std::uint8_t lang_ = 0;
  //! Start of the stage being timed; invalid while none is.
  QDateTime startMark_;
};

}  // namespace vexilor::gui
