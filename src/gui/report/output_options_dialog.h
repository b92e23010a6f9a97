// The output options of a report: to the printer, to the preview window or
// into a file of a chosen type.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "render/reports/report_output.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexilor::gui {

enum class ReportDestination { Printer, Preview, File };

struct OutputChoice {
  ReportDestination Destination = ReportDestination::Preview;
  render::ReportFormat Format = render::ReportFormat::Pdf;
  QString FileName;  //!< absolute; File only
};

//! Dialog "Output Options". The file type and the extension of the file
//! name follow each other: choosing a type changes the extension, and a
//! name typed with the extension of another type chooses that type. A
//! name without an extension gets the type's. OK refuses a file output
//! without a name and asks before an existing file is replaced; the dialog
//! then stays open.
class OutputOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OutputOptionsDialog(const OutputChoice& initial, QWidget* parent = nullptr);

  //! The choice as the controls show it now.
  OutputChoice Choice() const;

  QRadioButton* PrinterButton() const { return printer_; }
  QRadioButton* PreviewButton() const { return preview_; }
  QRadioButton* FileButton() const { return file_; }
  QComboBox* FormatBox() const { return format_; }
  QLineEdit* FileNameEdit() const { return fileName_; }
  QPushButton* BrowseButton() const { return browse_; }

  void accept() override;

 private:
  render::ReportFormat SelectedFormat() const;
  void SelectFormat(render::ReportFormat format);
  void FormatChosen();
  void FileNameEdited();
  void BrowseClick();
  void UpdateEnabled();

  QRadioButton* printer_;
  QRadioButton* preview_;
  QRadioButton* file_;
  QComboBox* format_;
  QLineEdit* fileName_;
  QPushButton* browse_;
  QString confirmedName_;  //!< a name whose replacement the save dialog already confirmed
};

//! Shows the output options modally over parent, starting from the last
//! confirmed choice of this program run; nullopt when cancelled.
std::optional<OutputChoice> AskOutputOptions(QWidget* parent);

}  // namespace vexilor::gui
