#include "gui/dialogs/components_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/shell/lang.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

ComponentsDialog::ComponentsDialog(QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(this)),
      list_(new QFrame(this)),
      listLayout_(new QGridLayout(list_)),
      ok_(new QPushButton(QStringLiteral("OK"), this)),
      selectAll_(new QPushButton(this)) {
  setObjectName(QStringLiteral("fmCheckListBox"));
  prompt_->setObjectName(QStringLiteral("lbPrompt"));
  prompt_->setWordWrap(true);
  prompt_->setMinimumWidth(380);
  list_->setObjectName(QStringLiteral("CheckListBox1"));
  list_->setFrameShape(QFrame::StyledPanel);
  list_->setFrameShadow(QFrame::Sunken);
  list_->setAutoFillBackground(true);
  list_->setBackgroundRole(QPalette::Base);
  ok_->setObjectName(QStringLiteral("btOk"));
  selectAll_->setObjectName(QStringLiteral("btSelectAll"));
  connect(ok_, &QPushButton::clicked, this, &ComponentsDialog::OkClicked);
  connect(selectAll_, &QPushButton::clicked, this, &ComponentsDialog::SelectAll);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addStretch();
  buttons->addWidget(selectAll_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(list_);
  layout->addLayout(buttons);
}

void ComponentsDialog::Prepare(const ComponentsRequest& request) {
  lang_ = request.Lang;
  setWindowTitle(ToQt(request.Caption));
  prompt_->setText(DisplayText(request.Prompt));
  selectAll_->setText(ToQt(PickText(lang_, "Select All", "Выбрать все")));

  for (QCheckBox* item : items_) delete item;
  items_.clear();
  // Two columns, filled down the first one, then down the second.
  const int count = static_cast<int>(request.ItemNames.size());
  const int perColumn = (count + 1) / 2;
  for (int index = 0; index < count; ++index) {
    auto* item = new QCheckBox(ToQt(request.ItemNames[static_cast<std::size_t>(index)]), list_);
    listLayout_->addWidget(item, index % perColumn, index / perColumn);
    items_.push_back(item);
  }
  adjustSize();
  selectAll_->setFocus();
}

std::vector<bool> ComponentsDialog::Ticks() const {
  std::vector<bool> ticks;
  ticks.reserve(items_.size());
  for (const QCheckBox* item : items_) ticks.push_back(item->isChecked());
  return ticks;
}

void ComponentsDialog::SelectAll() {
  ok_->setFocus();
  for (QCheckBox* item : items_) item->setChecked(true);
}

void ComponentsDialog::OkClicked() {
  for (const QCheckBox* item : items_) {
    if (item->isChecked()) {
      accept();
      return;
    }
  }
  QApplication::beep();
  ShowMessageBox(this, MessageKind::Warning, ButtonSet::Ok,
                 std::string(PickText(lang_, "Choose even one component of a mix",
                                      "Выберите хотя-бы один компонент смеси")));
}

}  // namespace vexilor::gui
