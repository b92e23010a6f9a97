#include "gui/dialogs/method_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/shell/lang.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

MethodDialog::MethodDialog(QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(this)),
      methods_(new QButtonGroup(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      exit_(new QPushButton(this)) {
  setObjectName(QStringLiteral("Form1"));
  prompt_->setObjectName(QStringLiteral("lbPrompt"));
  prompt_->setWordWrap(true);
  prompt_->setMinimumWidth(320);

  auto* group = new QGroupBox(this);
  group->setObjectName(QStringLiteral("RadioGroup1"));
  auto* groupLayout = new QVBoxLayout(group);
  const char* const names[] = {"Wilson", "NRTL", "UNIQUAC", "UNIFAC"};
  for (int index = 0; index < 4; ++index) {
    auto* button = new QRadioButton(QString::fromLatin1(names[index]), group);
    groupLayout->addWidget(button);
    methods_->addButton(button, index);
  }
  connect(methods_, &QButtonGroup::idClicked, this, [this] { ok_->setFocus(); });

  ok_->setObjectName(QStringLiteral("btOk"));
  exit_->setObjectName(QStringLiteral("btExit"));
  connect(ok_, &QPushButton::clicked, this, &MethodDialog::OkClicked);
  connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addStretch();
  buttons->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

void MethodDialog::Prepare(const ChooseMethodRequest& request) {
  setWindowTitle(ToQt(request.Caption));
  prompt_->setText(DisplayText(request.Prompt));
  exit_->setText(ToQt(ByLang("Exit", "Выход")));
  warningText_ = request.WarningText;
  adjustSize();
}

void MethodDialog::OkClicked() {
  const int selected = methods_->checkedId();
  if (selected < 0) {
    QApplication::beep();
    ShowMessageBox(this, MessageKind::Warning, ButtonSet::Ok, warningText_);
    return;
  }
  choice_ = selected;
  accept();
}

}  // namespace vexilor::gui
