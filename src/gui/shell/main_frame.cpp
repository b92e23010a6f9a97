#include "gui/shell/main_frame.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "gui/dialogs/text_conversion.h"
#include "gui/shell/file_actions.h"
#include "gui/shell/frame_icons.h"

namespace vexilor::gui {

namespace {

constexpr int kStagePanelWidth = 550;
constexpr int kClockPanelWidth = 50;

QColor Maroon() {
  return QColor(0x80, 0x00, 0x00);
}

}  // namespace

std::string ClockText(qint64 seconds) {
  const auto ofDay = static_cast<int>(seconds % 86400);
  return Format("%.2d.%.2d.%.2d", ofDay / 3600, ofDay / 60 % 60, ofDay % 60);
}

MainFrame::MainFrame(FileActions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), layout_(new QVBoxLayout(this)) {
  setObjectName(QStringLiteral("frMainForm2"));
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  BuildMenu();
  BuildToolBar();
  BuildPanel();

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StagePanel = new QLabel(StatusBar1);
  StagePanel->setObjectName(QStringLiteral("StagePanel"));
  StagePanel->setFixedWidth(kStagePanelWidth);
  StagePanel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ClockPanel = new QLabel(StatusBar1);
  ClockPanel->setObjectName(QStringLiteral("ClockPanel"));
  ClockPanel->setMinimumWidth(kClockPanelWidth);
  ClockPanel->setAlignment(Qt::AlignCenter);
  StatusBar1->addWidget(StagePanel);
  StatusBar1->addWidget(ClockPanel);

  layout_->addWidget(StatusBar1);
  layout_->addWidget(Panel1);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &MainFrame::Timer1Timer);
  Timer1->start();
  Timer1Timer();
}

void MainFrame::BuildMenu() {
  frMainMenu1 = new QMenuBar;
  frMainMenu1->setObjectName(QStringLiteral("frMainMenu1"));
  File1 = frMainMenu1->addMenu(QString());
  File1->setObjectName(QStringLiteral("File1"));
  File1->addAction(actions_.OpenAction);
  File1->addAction(actions_.SavAction);
  File1->addAction(actions_.SavAsAction);
  File1->addSeparator();
  File1->addAction(actions_.CancAction);
  File1->addSeparator();
  File1->addAction(actions_.FontAction);
  File1->addAction(actions_.PrintAction);
  AddCaptionEntry(actions_.FontAction);
  AddCaptionEntry(actions_.PrintAction);
  AboutEntry = AddCaptionEntry(actions_.AboutAction);
  AddCaptionEntry(actions_.HomePageAction);

  // Offered only while a calculation runs.
  StopAction = new QAction(this);
  StopAction->setObjectName(QStringLiteral("StopAction"));
  StopAction->setVisible(false);
  frMainMenu1->addAction(StopAction);
}

QAction* MainFrame::AddCaptionEntry(QAction* command) {
  // A menu bar shows only the picture of an action that has one; its own
  // entry shows the caption and runs the command.
  auto* entry = frMainMenu1->addAction(command->text());
  entry->setObjectName(command->objectName() + QStringLiteral("Entry"));
  connect(entry, &QAction::triggered, command, &QAction::trigger);
  connect(command, &QAction::changed, entry, [entry, command] {
    entry->setText(command->text());
    entry->setToolTip(command->toolTip());
    entry->setEnabled(command->isEnabled());
  });
  return entry;
}

void MainFrame::BuildToolBar() {
  ToolBar1 = new QToolBar;
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  const struct {
    QAction* action;
    const char* buttonName;
  } buttons[] = {
      {actions_.OpenAction, "ToolBtnOpen"},         {actions_.SavAction, "ToolBtnSave"},
      {actions_.SavAsAction, "ToolBtnSaveAs"},      {actions_.FontAction, "ToolBtnFont"},
      {actions_.PrintAction, "ToolBtnPrint"},       {actions_.AboutAction, "ToolBtnAbout"},
      {actions_.HomePageAction, "ToolBtnHomePage"},
  };
  for (const auto& button : buttons) {
    ToolBar1->addAction(button.action);
    ToolBar1->widgetForAction(button.action)->setObjectName(QString::fromLatin1(button.buttonName));
  }
}

void MainFrame::BuildPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  Panel1 = panel;

  BitBtnRun = new QPushButton(panel);
  BitBtnRun->setObjectName(QStringLiteral("BitBtnRun"));
  BitBtnStop = new QPushButton(panel);
  BitBtnStop->setObjectName(QStringLiteral("BitBtnStop"));
  BitBtnStop->setIcon(MakeFrameIcon(FrameIcon::Stop));
  BitBtnStop->setVisible(false);
  connect(BitBtnStop, &QPushButton::clicked, StopAction, &QAction::trigger);
  BitBtCancel = new QPushButton(panel);
  BitBtCancel->setObjectName(QStringLiteral("BitBtCancel"));
  connect(BitBtCancel, &QPushButton::clicked, actions_.CancAction, &QAction::trigger);

  lbFrame = new QLabel(panel);
  lbFrame->setObjectName(QStringLiteral("lbFrame"));
  lbFrame->setAlignment(Qt::AlignCenter);
  lbFrame->setWordWrap(true);
  lbFrame->setMinimumWidth(400);
  lbFrame->setMaximumWidth(481);
  lbFrame->setMinimumHeight(30);
  QFont waitFont = lbFrame->font();
  waitFont.setPixelSize(13);
  lbFrame->setFont(waitFont);
  QPalette palette = lbFrame->palette();
  palette.setColor(QPalette::WindowText, Maroon());
  lbFrame->setPalette(palette);

  auto* layout = new QHBoxLayout(panel);
  layout->addWidget(BitBtnRun);
  layout->addWidget(BitBtnStop);
  layout->addStretch();
  layout->addWidget(lbFrame);
  layout->addStretch();
  layout->addWidget(BitBtCancel);
}

void MainFrame::SetContent(QWidget* content) {
  layout_->insertWidget(0, content, 1);
}

void MainFrame::FrameEnter() {
  auto text = [this](const char* english, const char* russian) {
    return ToQt(PickText(lang_, english, russian));
  };
  File1->setTitle(text("File", "Файл"));
  BitBtnRun->setText(text("Run", "Пуск"));
  BitBtCancel->setText(text("Cancel", "Выход"));
  actions_.OpenAction->setText(text("Open", "Открыть"));
  actions_.SavAsAction->setText(text("Save as", "Сохранить как"));
  actions_.SavAction->setText(text("Save", "Сохранить"));
  actions_.PrintAction->setText(text("Print", "Печать"));
  actions_.FontAction->setText(text("Font", "Шрифт"));
  actions_.CancAction->setText(text("Exit", "Выход"));
  actions_.AboutAction->setText(text("About", "О программе"));
  actions_.HomePageAction->setText(text("HomePage", "Домашняя страница"));
  // The tool buttons show the hints; the actions carry them for the menu.
  const struct {
    QAction* action;
    QString hint;
  } hints[] = {
      {actions_.OpenAction, text("To open a file", "Открыть файл")},
      {actions_.SavAction, text("To save in the file", "Сохранить в файле")},
      {actions_.SavAsAction, text("To save As", "Сохранить как")},
      {actions_.FontAction, text("Font", "Шрифт")},
      {actions_.PrintAction, text("Print", "Печать")},
      {actions_.AboutAction, text("About program", "О программе")},
      {actions_.HomePageAction, text("To visit the HomePage", "Посетить Домашнюю страницу")},
  };
  for (const auto& hint : hints) {
    hint.action->setToolTip(hint.hint);
    ToolBar1->widgetForAction(hint.action)->setToolTip(hint.hint);
  }
  actions_.CancAction->setToolTip(actions_.CancAction->text());
  BitBtnRun->setToolTip(text("Click on this button to begin operations",
                             "Для начала работы щелкните по этой кнопке"));
  StopAction->setText(text("Stop", "Стоп"));
  StopAction->setToolTip(text("Stop the calculation", "Остановить расчет"));
  BitBtnStop->setText(StopAction->text());
  BitBtnStop->setToolTip(StopAction->toolTip());

  actions_.FontAction->setIcon(MakeFrameIcon(FrameIcon::Font));
  actions_.OpenAction->setIcon(MakeFrameIcon(FrameIcon::Open));
  actions_.AboutAction->setIcon(MakeFrameIcon(FrameIcon::About));
  actions_.SavAction->setIcon(MakeFrameIcon(FrameIcon::Save));
  actions_.SavAsAction->setIcon(MakeFrameIcon(FrameIcon::SaveAs));
  actions_.PrintAction->setIcon(MakeFrameIcon(FrameIcon::Print));
  actions_.HomePageAction->setIcon(MakeFrameIcon(FrameIcon::HomePage));

  SetRunLamp(RunLamp::Off);
  actions_.SetLang(lang_);
}

void MainFrame::SetStageText(const QString& text) {
  StagePanel->setText(text);
}

void MainFrame::SetClockRunning(bool running) {
  startMark_ = running ? QDateTime::currentDateTime() : QDateTime();
  Timer1Timer();
}

void MainFrame::SetRunLamp(RunLamp lamp) {
  if (lamp == RunLamp::Done) {
    BitBtnRun->setIcon(MakeFrameIcon(FrameIcon::RunDone));
    return;
  }
  // The pictures are read from the working folder; a missing one leaves
  // the button as it is.
  const QIcon picture = LoadLampPicture(lamp == RunLamp::On ? QStringLiteral("LED2ON.BMP")
                                                            : QStringLiteral("LED2OFF.BMP"));
  if (!picture.isNull()) BitBtnRun->setIcon(picture);
}

void MainFrame::Timer1Timer() {
  const qint64 seconds = startMark_.isValid() ? startMark_.secsTo(QDateTime::currentDateTime())
                                              : QTime(0, 0).secsTo(QTime::currentTime());
  ClockPanel->setText(ToQt(ClockText(seconds)));
}

}  // namespace vexilor::gui
