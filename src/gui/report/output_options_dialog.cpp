#include "gui/report/output_options_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "engine/shell/user_dialog.h"
#include "gui/report/ui_text.h"

namespace vexilor::gui {

namespace {

constexpr TextPair kDestination{"Report destination", "Назначение отчета"};
constexpr TextPair kPrinter{"Printer", "Принтер"};
constexpr TextPair kPreview{"Preview", "Просмотр"};
constexpr TextPair kFile{"File", "Файл"};
constexpr TextPair kFileType{"File type:", "Тип файла:"};
constexpr TextPair kFileName{"File name:", "Имя файла:"};
constexpr TextPair kCancel{"Cancel", "Отмена"};
constexpr TextPair kNoFileName{"Enter the name of the report file.", "Укажите имя файла отчета."};
constexpr TextPair kReplaceFile{"The file \"%s\" already exists.\nReplace it?",
                                "Файл \"%s\" уже существует.\nЗаменить его?"};
constexpr TextPair kSaveTitle{"Report file", "Файл отчета"};

QString Extension(render::ReportFormat format) {
  return QString::fromLatin1(render::FormatInfo(format).Extension);
}

//! The name with the extension of the format in place of its own.
QString WithExtension(const QString& name, render::ReportFormat format) {
  const QFileInfo info(name);
  const QString suffix = info.suffix();
  const QString stem = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
  return stem + '.' + Extension(format);
}

OutputChoice& LastChoice() {
  static OutputChoice choice;
  return choice;
}

}  // namespace

OutputOptionsDialog::OutputOptionsDialog(const OutputChoice& initial, QWidget* parent)
    : QDialog(parent),
      printer_(new QRadioButton(UiText(kPrinter), this)),
      preview_(new QRadioButton(UiText(kPreview), this)),
      file_(new QRadioButton(UiText(kFile), this)),
      format_(new QComboBox(this)),
      fileName_(new QLineEdit(this)),
      browse_(new QPushButton(QStringLiteral("..."), this)) {
  setWindowTitle(QStringLiteral("Output Options"));

  auto* destination = new QGroupBox(UiText(kDestination), this);
  auto* destinationLayout = new QVBoxLayout(destination);
  for (QRadioButton* button : {printer_, preview_, file_}) destinationLayout->addWidget(button);

  for (const render::ReportFormatInfo& info : render::ReportFormats()) {
    format_->addItem(QString::fromLatin1(info.DisplayName), static_cast<int>(info.Format));
  }
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(fileName_, 1);
  nameRow->addWidget(browse_);
  auto* fileLayout = new QFormLayout;
  fileLayout->addRow(UiText(kFileType), format_);
  fileLayout->addRow(UiText(kFileName), nameRow);
  fileName_->setMinimumWidth(320);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(UiText(kCancel));
  connect(buttons, &QDialogButtonBox::accepted, this, &OutputOptionsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &OutputOptionsDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(destination);
  layout->addLayout(fileLayout);
  layout->addWidget(buttons);

  switch (initial.Destination) {
    case ReportDestination::Printer:
      printer_->setChecked(true);
      break;
    case ReportDestination::Preview:
      preview_->setChecked(true);
      break;
    case ReportDestination::File:
      file_->setChecked(true);
      break;
  }
  SelectFormat(initial.Format);
  fileName_->setText(initial.FileName);
  UpdateEnabled();

  connect(file_, &QRadioButton::toggled, this, &OutputOptionsDialog::UpdateEnabled);
  connect(format_, &QComboBox::activated, this, &OutputOptionsDialog::FormatChosen);
  connect(fileName_, &QLineEdit::editingFinished, this, &OutputOptionsDialog::FileNameEdited);
  connect(browse_, &QPushButton::clicked, this, &OutputOptionsDialog::BrowseClick);
}

render::ReportFormat OutputOptionsDialog::SelectedFormat() const {
  return static_cast<render::ReportFormat>(format_->currentData().toInt());
}

void OutputOptionsDialog::SelectFormat(render::ReportFormat format) {
  format_->setCurrentIndex(format_->findData(static_cast<int>(format)));
}

OutputChoice OutputOptionsDialog::Choice() const {
  OutputChoice choice;
  choice.Destination = printer_->isChecked() ? ReportDestination::Printer
                       : file_->isChecked()  ? ReportDestination::File
                                             : ReportDestination::Preview;
  choice.Format = SelectedFormat();
  const QString name = fileName_->text().trimmed();
  if (!name.isEmpty()) choice.FileName = QDir::current().absoluteFilePath(name);
  return choice;
}

void OutputOptionsDialog::FormatChosen() {
  const QString name = fileName_->text().trimmed();
  if (!name.isEmpty()) fileName_->setText(WithExtension(name, SelectedFormat()));
}

void OutputOptionsDialog::FileNameEdited() {
  const QString name = fileName_->text().trimmed();
  if (name.isEmpty()) return;
  if (const auto format = render::ReportFormatForFile(name)) {
    SelectFormat(*format);
  } else if (QFileInfo(name).suffix().isEmpty()) {
    fileName_->setText(name + '.' + Extension(SelectedFormat()));
  }
}

void OutputOptionsDialog::BrowseClick() {
  const render::ReportFormatInfo& info = render::FormatInfo(SelectedFormat());
  FileDialogRequest request;
  request.Title = std::string(kSaveTitle.Get());
  request.Filter = std::string(info.DisplayName) + "|" + info.Patterns;
  request.DefaultExt = info.Extension;
  const QString current = fileName_->text().trimmed();
  request.ProposedName = current.isEmpty() ? std::string("Report") : current.toStdString();
  const std::string chosen = Dialog().SaveFileName(request);
  if (chosen.empty()) return;
  fileName_->setText(QString::fromStdString(chosen));
  FileNameEdited();
  confirmedName_ = Choice().FileName;
}

void OutputOptionsDialog::UpdateEnabled() {
  const bool toFile = file_->isChecked();
  format_->setEnabled(toFile);
  fileName_->setEnabled(toFile);
  browse_->setEnabled(toFile);
}

void OutputOptionsDialog::accept() {
  if (file_->isChecked()) {
    FileNameEdited();
    const QString path = Choice().FileName;
    if (path.isEmpty()) {
      Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok, std::string(kNoFileName.Get()));
      fileName_->setFocus();
      return;
    }
    if (QFileInfo::exists(path) && path != confirmedName_) {
      const std::string question =
          Format(std::string(kReplaceFile.Get()).c_str(), path.toStdString().c_str());
      if (Dialog().ShowMessage(MessageKind::Confirmation, ButtonSet::YesNo, question) !=
          Answer::Yes) {
        fileName_->setFocus();
        return;
      }
    }
  }
  QDialog::accept();
}

std::optional<OutputChoice> AskOutputOptions(QWidget* parent) {
  OutputOptionsDialog dialog(LastChoice(), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  LastChoice() = dialog.Choice();
  return LastChoice();
}

}  // namespace vexilor::gui
