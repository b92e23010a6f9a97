#include "gui/dialogs/number_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/dialogs/message_box.h"
#include "gui/dialogs/number_parsing.h"
#include "gui/dialogs/text_conversion.h"

namespace vexilor::gui {

NumberDialog::NumberDialog(QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(this)),
      unitLabel_(new QLabel(this)),
      input_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("fmInput"));
  prompt_->setObjectName(QStringLiteral("lbPrompt"));
  prompt_->setWordWrap(true);
  prompt_->setAlignment(Qt::AlignCenter);
  prompt_->setMinimumWidth(360);
  unitLabel_->setObjectName(QStringLiteral("lbUnit"));
  QFont small = unitLabel_->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  unitLabel_->setFont(small);
  input_->setObjectName(QStringLiteral("edInput"));
  ok_->setObjectName(QStringLiteral("btOk"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &NumberDialog::OkClicked);

  auto* field = new QGridLayout;
  field->addWidget(input_, 0, 0);
  field->addWidget(unitLabel_, 0, 1);
  field->setColumnStretch(0, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(field);
  layout->addWidget(ok_, 0, Qt::AlignHCenter);
}

void NumberDialog::Prepare(const NumberRequest& request) {
  if (request.Caption) setWindowTitle(ToQt(*request.Caption));
  prompt_->setText(DisplayText(request.Prompt));
  unitLabel_->setText(ToQt(request.UnitLabel));
  errorPrefix_ = request.ErrorPrefix;
  valueKind_ = request.ValueKind;
  input_->setText(ToQt(request.InitialText));
  input_->selectAll();
  input_->setFocus();
  adjustSize();
}

void NumberDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The question opens in the middle of the screen, wherever the main
  // window stands.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void NumberDialog::OkClicked() {
  const QString typed = input_->text();
  if (typed.isEmpty()) return;
  const QString text = TrimBlanks(typed);
  bool parsed = true;
  if (valueKind_ == 0) {
    const auto value = ParseReal(text);
    parsed = value.has_value();
    if (parsed) results_.RealResult = *value;
  } else if (valueKind_ == 1) {
    const auto value = ParseInteger(text);
    parsed = value.has_value();
    if (parsed) results_.IntResult = Low16Bits(*value);
  }
  if (parsed) {
    accept();
    return;
  }
  ShowMessageBox(this, MessageKind::Warning, ButtonSet::Ok, errorPrefix_ + FromQt(typed));
  input_->selectAll();
  input_->setFocus();
}

}  // namespace vexilor::gui
