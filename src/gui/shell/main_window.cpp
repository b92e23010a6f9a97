#include "gui/shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <exception>

#include "engine/shell/failures.h"
#include "engine/shell/lang.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/text_conversion.h"
#include "gui/shell/file_actions.h"
#include "gui/shell/frame_icons.h"
#include "gui/shell/main_frame.h"
#include "gui/shell/memo_results_text.h"

namespace vexilor::gui {

namespace {

constexpr int kWindowWidth = 748;
constexpr int kWindowHeight = 536;

QAction* ResultAction(QObject* parent, const char* name, FrameIcon icon) {
  auto* action = new QAction(MakeFrameIcon(icon), QString(), parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

MainWindow::MainWindow()
    : ActionDBGo(ResultAction(this, "ActionDBGo", FrameIcon::DbBrowse)),
      ActionGraphGo(ResultAction(this, "ActionGraphGo", FrameIcon::Graph)),
      ActionReportGo(ResultAction(this, "ActionReportGo", FrameIcon::Report)),
      mmOutput_(new QPlainTextEdit),
      results_(new MemoResultsText(*mmOutput_)),
      fmAction_(new FileActions(this)),
      frMainForm2_(new MainFrame(*fmAction_, this)),
      ToolBar2_(new QToolBar(this)) {
  setObjectName(QStringLiteral("fmRectif"));
  resize(kWindowWidth, kWindowHeight);

  mmOutput_->setObjectName(QStringLiteral("mmOutput"));
  mmOutput_->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmOutput_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmOutput_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont outputFont(QStringLiteral("DejaVu Sans"));
  outputFont.setPixelSize(12);
  mmOutput_->setFont(outputFont);
  frMainForm2_->SetContent(mmOutput_);
  setCentralWidget(frMainForm2_);

  ToolBar2_->setObjectName(QStringLiteral("ToolBar2"));
  ToolBar2_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  const struct {
    QAction* action;
    const char* buttonName;
  } resultButtons[] = {{ActionDBGo, "ToolBtnDbBrows"},
                       {ActionGraphGo, "ToolBtnGraph"},
                       {ActionReportGo, "ToolBtnReport"}};
  for (const auto& button : resultButtons) {
    ToolBar2_->addAction(button.action);
    ToolBar2_->widgetForAction(button.action)
        ->setObjectName(QString::fromLatin1(button.buttonName));
  }
  addToolBar(frMainForm2_->ToolBar1);
  addToolBar(ToolBar2_);

  CalcResults_ = new QMenu(this);
  CalcResults_->setObjectName(QStringLiteral("CalcResults"));
  CalcResults_->setToolTipsVisible(true);
  CalcResults_->addAction(ActionDBGo);
  CalcResults_->addAction(ActionGraphGo);
  CalcResults_->addAction(ActionReportGo);
  // The fourth item of the frame's menu, before About.
  frMainForm2_->frMainMenu1->insertMenu(frMainForm2_->AboutEntry, CalcResults_);

  connect(ActionDBGo, &QAction::triggered, this, [this] {
    RunResultCommand([this] {
      if (dbBrowseHandler_) dbBrowseHandler_();
    });
  });
  connect(ActionGraphGo, &QAction::triggered, this, [this] {
    RunResultCommand([this] {
      if (pictorialFormHandler_ && finishedRun_) pictorialFormHandler_(*finishedRun_);
    });
  });
  connect(ActionReportGo, &QAction::triggered, this, [this] {
    RunResultCommand([this] {
      if (reportHandler_ && finishedRun_) reportHandler_(*finishedRun_);
    });
  });
  connect(frMainForm2_->BitBtnRun, &QPushButton::clicked, this, &MainWindow::RunClicked);
  connect(frMainForm2_->StopAction, &QAction::triggered, this, &MainWindow::StopClicked);
  connect(fmAction_->CancAction, &QAction::triggered, this, &MainWindow::ExitClicked);
  connect(fmAction_, &FileActions::TerminateRequested, this, &MainWindow::TerminateRequested);
  UpdateCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activated_) return;
  activated_ = true;
  FormActivate();
}

void MainWindow::FormActivate() {
  frMainForm2_->SetLang(Lang);
  setMenuBar(frMainForm2_->frMainMenu1);
  frMainForm2_->FrameEnter();
  frMainForm2_->BitBtnRun->setFocus();
  fmAction_->SetResultsText(results_, mmOutput_);

  auto text = [](const char* english, const char* russian) {
    return DisplayText(ByLang(english, russian));
  };
  setWindowTitle(text("Calculation of processes of multicomponent systems rectification.",
                      "Расчет процессов ректификации многокомпонентных систем"));
  CalcResults_->setTitle(text("Results of calculations", "Результаты расчетов"));
  CalcResults_->menuAction()->setToolTip(
      text("Viewing of a database with results of the\n\rprevious calculations",
           "Просмотр базы данных с результатами\n\rпредыдущих расчетов"));
  ActionDBGo->setText(text("DB Brows", "Просмотр БД"));
  ActionGraphGo->setText(text("Pictorial form", "Графическая форма"));
  ActionReportGo->setText(text("Report", "Отчет"));
  ToolBar2_->widgetForAction(ActionDBGo)
      ->setToolTip(text("DataBase Brows", "Просмотр базы данных"));
  ToolBar2_->widgetForAction(ActionGraphGo)
      ->setToolTip(text("Results in the pictorial form", "Результаты в графической форме"));
  ToolBar2_->widgetForAction(ActionReportGo)
      ->setToolTip(text("Report creation on the results of calculation",
                        "Создание отчета о результатах расчета"));

  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

ResultsText& MainWindow::Results() {
  return *results_;
}

void MainWindow::SetRunHandler(std::function<void()> handler) {
  runHandler_ = std::move(handler);
}

void MainWindow::SetFinishedRun(FinishedRun run) {
  finishedRun_ = std::move(run);
}

const FinishedRun* MainWindow::LastFinishedRun() const {
  return finishedRun_ ? &*finishedRun_ : nullptr;
}

void MainWindow::SetDbBrowseHandler(std::function<void()> handler) {
  dbBrowseHandler_ = std::move(handler);
}

void MainWindow::SetPictorialFormHandler(std::function<void(const FinishedRun&)> handler) {
  pictorialFormHandler_ = std::move(handler);
}

void MainWindow::SetReportHandler(std::function<void(const FinishedRun&)> handler) {
  reportHandler_ = std::move(handler);
}

void MainWindow::SetPrinterAvailable(bool available) {
  fmAction_->SetPrinterAvailable(available);
}

void MainWindow::SetWaitText(const std::string& text) {
  frMainForm2_->lbFrame->setText(DisplayText(text));
}

void MainWindow::SetStageText(const std::string& text) {
  frMainForm2_->SetStageText(DisplayText(text));
}

void MainWindow::SetClockRunning(bool running) {
  frMainForm2_->SetClockRunning(running);
}

void MainWindow::SetBusy(bool busy) {
  if (busy) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QGuiApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

void MainWindow::SetRunLamp(RunLamp lamp) {
  frMainForm2_->SetRunLamp(lamp);
}

void MainWindow::ShowResultsAvailable() {
  resultsAvailable_ = true;
  ActionGraphGo->setEnabled(!lockedAfterFailure_);
  ActionReportGo->setEnabled(true);
  frMainForm2_->BitBtCancel->setFocus();
}

void MainWindow::LockAfterLocalFailure() {
  lockedAfterFailure_ = true;
  ActionGraphGo->setEnabled(false);
  frMainForm2_->BitBtnRun->setEnabled(false);
}

void MainWindow::UpdateCommands() {
  // While a run computes, nothing may start another run or replace the
  // results text under it.
  frMainForm2_->BitBtnRun->setEnabled(!running_ && !lockedAfterFailure_);
  fmAction_->OpenAction->setEnabled(!running_);
  ActionDBGo->setEnabled(!running_);
  ActionGraphGo->setEnabled(!running_ && resultsAvailable_ && !lockedAfterFailure_);
  ActionReportGo->setEnabled(!running_ && resultsAvailable_);
  frMainForm2_->StopAction->setVisible(running_);
  frMainForm2_->BitBtnStop->setVisible(running_);
  mmOutput_->setReadOnly(running_);
}

void MainWindow::BeginRun() {
  running_ = true;
  stopRequested_ = false;
  UpdateCommands();
}

void MainWindow::EndRun() {
  running_ = false;
  // A run left early (Stop, an error) may not have cleaned up its display.
  SetWaitText({});
  SetStageText({});
  SetClockRunning(false);
  while (busyDepth_ > 0) SetBusy(false);
  UpdateCommands();
}

bool MainWindow::Guarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const RunStopped&) {
    // The user asked for it; nothing to report.
  } catch (const ProgramTermination&) {
    // The message that ends the program has been shown.
    return true;
  } catch (const std::exception& error) {
    ShowMessageBox(this, MessageKind::Error, ButtonSet::Ok, error.what());
  }
  return false;
}

void MainWindow::RunClicked() {
  if (running_ || lockedAfterFailure_) return;
  if (!runHandler_) {
    ShowMessageBox(this, MessageKind::Information, ButtonSet::Ok,
                   std::string(ByLang("The rectification calculation is not available in this "
                                      "version of the program.",
                                      "Расчет ректификации недоступен в этой версии программы.")));
    return;
  }
  BeginRun();
  const bool terminate = Guarded(runHandler_);
  EndRun();
  // Every way out of the program offers to keep the results text first.
  if (terminate || exitAfterRun_) {
    exitAfterRun_ = false;
    fmAction_->Exit();
  }
}

void MainWindow::RunResultCommand(const std::function<void()>& work) {
  if (Guarded(work)) fmAction_->Exit();
}

void MainWindow::StopClicked() {
  if (running_) stopRequested_ = true;
}

void MainWindow::ExitClicked() {
  if (running_) {
    // The run is stopped first; the question follows when it has ended.
    stopRequested_ = true;
    exitAfterRun_ = true;
    return;
  }
  fmAction_->Exit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close box is the Exit command: the results text is offered for
  // saving and the program ends through TerminateRequested.
  event->ignore();
  ExitClicked();
}

}  // namespace vexilor::gui
