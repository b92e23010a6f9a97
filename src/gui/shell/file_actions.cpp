#include "gui/shell/file_actions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "engine/shell/lang.h"
#include "gui/dialogs/file_dialogs.h"
#include "gui/dialogs/message_box.h"
#include "gui/dialogs/text_conversion.h"
#include "gui/shell/about_dialog.h"
#include "gui/shell/home_page.h"
#include "gui/shell/memo_results_text.h"
#include "gui/shell/print_memo.h"
#include "gui/shell/results_file.h"

namespace vexilor::gui {

namespace {

QAction* NamedAction(QObject* parent, const char* name) {
  auto* action = new QAction(parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

FileActions::FileActions(QWidget* window)
    : QObject(window),
      OpenAction(NamedAction(this, "OpenAction")),
      SavAction(NamedAction(this, "SavAction")),
      SavAsAction(NamedAction(this, "SavAsAction")),
      CancAction(NamedAction(this, "CancAction")),
      PrintAction(NamedAction(this, "PrintAction")),
      FontAction(NamedAction(this, "FontAction")),
      AboutAction(NamedAction(this, "AboutAction")),
      HomePageAction(NamedAction(this, "HomePageAction")),
      window_(window) {
  setObjectName(QStringLiteral("fmAction"));
  connect(OpenAction, &QAction::triggered, this, &FileActions::Open);
  connect(SavAction, &QAction::triggered, this, &FileActions::Save);
  connect(SavAsAction, &QAction::triggered, this, [this] { SaveAs(currentFileName_); });
  connect(PrintAction, &QAction::triggered, this, &FileActions::Print);
  connect(FontAction, &QAction::triggered, this, &FileActions::ChooseFont);
  connect(AboutAction, &QAction::triggered, this, &FileActions::About);
  connect(HomePageAction, &QAction::triggered, this, &FileActions::HomePage);
}

FileActions::~FileActions() = default;

void FileActions::SetResultsText(MemoResultsText* text, QPlainTextEdit* memo) {
  text_ = text;
  memo_ = memo;
}

QString FileActions::Text(const char* english, const char* russian) const {
  return ToQt(PickText(lang_, english, russian));
}

void FileActions::Open() {
  FileDialogRequest request;
  request.Title = FromQt(Text("Opening of file", "Открытие файла"));
  request.Filter = FromQt(Text("Text files|*.txt", "Текстовые файлы|*.txt"));
  request.DefaultExt = "txt";
  const QString fileName = AskOpenFileName(window_, request);
  if (fileName.isEmpty() || !QFile::exists(fileName)) return;
  const auto lines = ReadResultsFileOrReport(window_, fileName, lang_);
  if (!lines) return;
  text_->SetLines(*lines);
  currentFileName_ = fileName;
}

bool FileActions::WriteTo(const QString& fileName) {
  // The old file becomes the backup only once the new text is safely
  // written beside it: a failed save leaves both as they were.
  if (const auto error = WriteResultsFile(fileName, text_->Lines())) {
    ShowMessageBox(
        window_, MessageKind::Error, ButtonSet::Ok,
        FromQt(Text("Cannot write file \"%1\". %2", "Невозможно записать файл \"%1\". %2")
                   .arg(fileName, *error)));
    return false;
  }
  return true;
}

bool FileActions::SaveAs(QString& place) {
  FileDialogRequest request;
  request.Title = FromQt(Text("Saving file", "Сохранение файла"));
  request.Filter = FromQt(Text("Text files|*.txt", "Текстовые файлы|*.txt"));
  request.DefaultExt = "txt";
  request.ProposedName = "Report";
  const QString fileName = AskSaveFileName(window_, request);
  if (fileName.isEmpty() || !WriteTo(fileName)) return false;
  place = fileName;
  return true;
}

void FileActions::Save() {
  if (!currentFileName_.isEmpty() && QFile::exists(currentFileName_)) {
    WriteTo(currentFileName_);
  } else {
    SaveAs(currentFileName_);
  }
}

void FileActions::Print() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    if (!printerAvailable_) {
      // No printer installed: the document goes into a PDF file, which the
      // print dialog lets the user name.
      printer_->setOutputFormat(QPrinter::PdfFormat);
      printer_->setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("Report.pdf")));
    }
  }
  {
    QPrintDialog dialog(printer_.get(), window_);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.exec();
  }
  // Whatever closed the print dialog, the user confirms the printing.
  if (ShowMessageBox(window_, MessageKind::Confirmation, ButtonSet::YesNo,
                     FromQt(Text("Wish to print the document ?",
                                 "Желаете напечатать документ ?"))) != Answer::Yes) {
    return;
  }
  if (PrintMemo(*printer_, text_->Lines(), memo_->font()) < 0) {
    const QString target =
        printer_->outputFileName().isEmpty() ? printer_->printerName() : printer_->outputFileName();
    ShowMessageBox(window_, MessageKind::Error, ButtonSet::Ok,
                   FromQt(QStringLiteral("Cannot print to \"%1\".").arg(target)));
  }
}

void FileActions::ChooseFont() {
  QFontDialog dialog(memo_->font(), window_);
  dialog.setObjectName(QStringLiteral("FontDialog1"));
  if (dialog.exec() == QDialog::Accepted) memo_->setFont(dialog.selectedFont());
}

void FileActions::About() {
  AboutDialog about(lang_, window_);
  QTimer::singleShot(0, &about, &AboutDialog::LoadReadme);
  about.exec();
}

void FileActions::HomePage() {
  if (const int error = OpenInBrowser(HomePageAddress(lang_))) {
    ShowMessageBox(window_, MessageKind::Plain, ButtonSet::Ok, "Ошибка " + std::to_string(error));
  }
}

void FileActions::Exit() {
  exitQuestion_ = Text("Wish to keep the text with results in a file (y/n) ?",
                       "Желаете сохранить текст с результатами в файле (y/n) ? ");
  if (text_->Count() >= 1 && ShowMessageBox(window_, MessageKind::Confirmation, ButtonSet::YesNo,
                                            FromQt(exitQuestion_)) == Answer::Yes) {
    SaveAs(currentFileName_);
  }
  emit TerminateRequested();
}

}  // namespace vexilor::gui
