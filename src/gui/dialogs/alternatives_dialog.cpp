#include "gui/dialogs/alternatives_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

namespace {
constexpr int kDialogWidth = 460;
}

AlternativesDialog::AlternativesDialog(QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(this)),
      group_(new QGroupBox(this)),
      groupLayout_(new QGridLayout(group_)),
      alternatives_(new QButtonGroup(this)),
      confirm_(new QPushButton(QStringLiteral("Checked"), this)) {
  setObjectName(QStringLiteral("fmAltern"));
  prompt_->setObjectName(QStringLiteral("lbPrompt"));
  prompt_->setWordWrap(true);
  group_->setObjectName(QStringLiteral("rgAlternatives"));
  confirm_->setObjectName(QStringLiteral("btChecked"));
  confirm_->setDefault(true);
  connect(confirm_, &QPushButton::clicked, this, &AlternativesDialog::Confirm);
  connect(alternatives_, &QButtonGroup::idClicked, this, [this] { confirm_->setFocus(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(group_);
  layout->addWidget(confirm_, 0, Qt::AlignHCenter);
  setMinimumWidth(kDialogWidth);
}

void AlternativesDialog::Prepare(const AlternativesRequest& request) {
  setWindowTitle(ToQt(request.Caption));
  prompt_->setText(DisplayText(request.Prompt));
  if (request.GroupCaption) group_->setTitle(ToQt(*request.GroupCaption));

  for (QRadioButton* button : buttons_) {
    alternatives_->removeButton(button);
    delete button;
  }
  buttons_.clear();
  // The alternatives run down the first column, then down the next.
  const int count = static_cast<int>(request.Alternatives.size());
  const int columns = std::max(request.Columns, 1);
  const int perColumn = std::max((count + columns - 1) / columns, 1);
  for (int index = 0; index < count; ++index) {
    auto* button = new QRadioButton(
        DisplayText(request.Alternatives[static_cast<std::size_t>(index)]), group_);
    groupLayout_->addWidget(button, index % perColumn, index / perColumn);
    alternatives_->addButton(button, index);
    buttons_.push_back(button);
  }
  if (!buttons_.empty()) buttons_.front()->setChecked(true);

  adjustSize();
  if (request.WindowHeight > 0)
    resize(width(), std::max(request.WindowHeight, minimumSizeHint().height()));
  confirm_->setFocus();
}

void AlternativesDialog::Confirm() {
  if (alternatives_->checkedId() >= 0) choice_ = alternatives_->checkedId();
  accept();
}

}  // namespace vexilor::gui
